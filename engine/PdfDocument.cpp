#include "engine/PdfDocument.h"

#include "engine/EngineBackends.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>

namespace dovrix {

namespace {

// A start-up value (the command line, the bench's or a test's start), set before any file opens.
std::atomic<int> preferred{int(EngineKind::MuPdf)};
thread_local int lane = 0;

} // namespace

QString engineName(EngineKind kind)
{
    return kind == EngineKind::QtPdf ? QStringLiteral("qtpdf") : QStringLiteral("mupdf");
}

bool engineFromName(const QString& name, EngineKind* kind)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("mupdf"))
        *kind = EngineKind::MuPdf;
    else if (n == QLatin1String("qtpdf"))
        *kind = EngineKind::QtPdf;
    else
        return false;
    return true;
}

PdfDocument::PdfDocument(EngineKind kind, const QString& path, const QByteArray& password,
                         int pageCount)
    : kind(kind), path(path), secret(password), pages(pageCount)
{
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::setFormValues(const QMap<QString, QString>& values)
{
    std::shared_ptr<const FormValueSet> current = std::atomic_load(&formValueSet);
    for (;;) {
        if (values == current->values && current->version != 0)
            return;
        const auto next =
            std::make_shared<const FormValueSet>(FormValueSet{values, current->version + 1});
        // Two setters at once: the one that lost sees the winner's set and goes after it.
        if (std::atomic_compare_exchange_strong(&formValueSet, &current, next))
            return;
    }
}

QMap<QString, QString> PdfDocument::formValues(quint64* version) const
{
    const std::shared_ptr<const FormValueSet> current = std::atomic_load(&formValueSet);
    *version = current->version;
    return current->values;
}

quint64 PdfDocument::formValuesVersion() const
{
    return std::atomic_load(&formValueSet)->version;
}

OpenResult PdfDocument::open(const QString& path, const QByteArray& password)
{
    return open(path, password, preferredEngine());
}

OpenResult PdfDocument::open(const QString& path, const QByteArray& password, EngineKind engine,
                             bool fallback)
{
    // A FIFO or device would block or never end: only regular files are documents.
    if (!QFileInfo(path).isFile())
        return {OpenOutcome::FileNotFound, nullptr};
    OpenResult result =
        engine == EngineKind::QtPdf ? openWithQtPdf(path, password) : openWithMuPdf(path, password);
    const bool refused = result.outcome == OpenOutcome::InvalidFile
                         || result.outcome == OpenOutcome::Unknown
                         || result.outcome == OpenOutcome::UnsupportedSecurity;
    if (fallback && engine == EngineKind::MuPdf && refused) {
        OpenResult second = openWithQtPdf(path, password);
        if (second.outcome == OpenOutcome::Opened
            || second.outcome == OpenOutcome::PasswordRequired)
            return second;
    }
    return result;
}

void PdfDocument::setPreferredEngine(EngineKind engine)
{
    preferred = int(engine);
}

EngineKind PdfDocument::preferredEngine()
{
    return EngineKind(preferred.load());
}

void PdfDocument::setThreadLane(int l)
{
    lane = std::clamp(l, 0, LaneCount - 1);
}

int PdfDocument::threadLane()
{
    return lane;
}

QList<QRectF> lineRectsOf(const QList<QRectF>& boxes, int start, int length)
{
    QList<QRectF> lines;
    const int end = std::min(int(boxes.size()), start + std::max(length, 0));
    for (int i = std::max(start, 0); i < end; ++i) {
        const QRectF& box = boxes.at(i);
        if (box.isNull())
            continue;
        if (!lines.isEmpty()) {
            QRectF& last = lines.last();
            // The same line: the bands overlap by more than half of the smaller one and the box
            // is near the line in either direction (right-to-left text runs leftwards).
            const double overlap =
                std::min(last.bottom(), box.bottom()) - std::max(last.top(), box.top());
            const bool sameBand = overlap > 0.5 * std::min(last.height(), box.height());
            const double reach = 2 * std::max(box.height(), last.height());
            if (sameBand && box.left() <= last.right() + reach
                && box.right() >= last.left() - reach) {
                last = last.united(box);
                continue;
            }
        }
        lines.append(box);
    }
    return lines;
}

} // namespace dovrix

#include "app/SelfTest.h"

#include "app/OutcomeText.h"
#include "core/DocumentController.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/ProgramFiles.h"
#include "ocr/OcrEngine.h"
#include "synctex/SynctexLink.h"

#include <QEventLoop>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace dovrix {

namespace {

const QString sampleText = QStringLiteral("Dovrix 2026");
constexpr int renderDpi = 200;

bool writeSample(const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A6));
    writer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(32);
    painter.setFont(font);
    painter.drawText(painter.window(), Qt::AlignCenter, sampleText);
    return painter.end();
}

} // namespace

int runSelfTest(QTextStream& out)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("self-test.pdf"));
    if (!dir.isValid() || !writeSample(path)) {
        out << "sample: cannot write " << path << Qt::endl;
        return 1;
    }

    PdfWorker worker;
    DocumentController controller(&worker);
    const bool opened = openAndWait(controller, path);
    out << "document: " << (opened ? "ok" : "failed") << " (probe "
        << DocumentController::probeProgram() << ')' << Qt::endl;
    if (!opened)
        return 1;

    // The SyncTeX reader answers for the sample, which has no SyncTeX data.
    SynctexLink link;
    SynctexState synctex = SynctexState::Ready;
    QEventLoop loop;
    QObject::connect(&link, &SynctexLink::unavailable, &loop, [&](SynctexState state) {
        synctex = state;
        loop.quit();
    });
    link.setDocument(path, 1);
    link.requestBoxes({QStringLiteral("self-test.tex"), 1, 0});
    if (synctex == SynctexState::Ready)
        loop.exec();
    const bool synctexFound = synctex == SynctexState::Missing;
    out << "synctex: " << (synctexFound ? "ok" : "failed") << " (reader "
        << SynctexLink::helperProgram() << ')' << Qt::endl;
    if (!synctexFound)
        return 1;

    OcrEngine engine;
    OcrEngineConfig config;
    config.modelDir = findCompanion(QStringLiteral("models"));
    OcrFailure failure;
    if (!engine.initialize(config, &failure)) {
        out << "ocr: failed (models " << config.modelDir << "): " << outcomeText(failure)
            << Qt::endl;
        return 1;
    }
    PdfDocument* document = controller.document();
    const QSizeF points = controller.pageSizes().value(0);
    const QSize pixels = pagePixelSize(points, renderDpi);
    QList<OcrLine> lines;
    worker.post(JobPriority::Document, [&lines, &engine, document, pixels] {
        lines = engine.recognize(document->render(0, pixels, 0));
    });
    worker.waitForIdle();

    QStringList texts;
    for (const OcrLine& line : lines)
        texts.append(line.text);
    const QString found = texts.join(QLatin1Char(' '));
    const QRegularExpression spaces(QStringLiteral("\\s"));
    const bool recognised =
        QString(found).remove(spaces).contains(QString(sampleText).remove(spaces));
    out << "ocr: " << (recognised ? "ok" : "failed") << " (models " << config.modelDir
        << ") read \"" << found << '"' << Qt::endl;
    return recognised ? 0 : 1;
}

} // namespace dovrix

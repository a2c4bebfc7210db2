#include "TestPdf.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>

namespace dovrix::test {

bool writeTextPdf(const QString& path, const QStringList& pageTexts, const QPageSize& pageSize,
                  int fontPointSize)
{
    QPdfWriter writer(path);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(fontPointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (int i = 0; i < pageTexts.size(); ++i) {
        if (i > 0)
            writer.newPage();
        double y = 72 + metrics.ascent();
        const QStringList lines = pageTexts.at(i).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            painter.drawText(QPointF(72, y), line);
            y += metrics.lineSpacing();
        }
    }
    return painter.end();
}

bool writeSizedPdf(const QString& path, const QList<QSizeF>& pageSizesPt, int pageCount)
{
    if (pageSizesPt.isEmpty())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(pageSizesPt.first(), QPageSize::Point));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < pageCount; ++i) {
        const QSizeF size = pageSizesPt.at(qMin(i, pageSizesPt.size() - 1));
        if (i > 0) {
            writer.setPageSize(QPageSize(size, QPageSize::Point));
            writer.newPage();
        }
        painter.drawText(QPointF(20, 30), QStringLiteral("Page %1").arg(i + 1));
    }
    return painter.end();
}

bool encryptPdf(const QString& input, const QString& output, const QString& password)
{
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    if (qpdf.isEmpty())
        return false;
    QProcess process;
    process.start(qpdf, {QStringLiteral("--encrypt"), password, password, QStringLiteral("256"),
                         QStringLiteral("--"), input, output});
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace dovrix::test

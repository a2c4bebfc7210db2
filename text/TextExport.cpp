#include "text/TextExport.h"

#include <QCoreApplication>

#include <algorithm>

namespace dovrix {

namespace {

constexpr QChar kLineBreakMarker(0xFFFE);

} // namespace

QString exportLineText(const QString& line)
{
    if (!line.contains(kLineBreakMarker))
        return line;
    const bool hyphenAtEnd = line.endsWith(kLineBreakMarker);
    QString text = line;
    text.remove(kLineBreakMarker);
    if (hyphenAtEnd)
        text.append(u'-');
    return text;
}

QString formatExportPage(int page, const QList<ReadingBlock>& blocks,
                         const QList<OcrLine>& ocrLines)
{
    QString text =
        QCoreApplication::translate("dovrix::MainWindow", "—— 第 %1 页 ——").arg(page + 1);
    text.append(u'\n');
    if (blocks.isEmpty() && !ocrLines.isEmpty()) {
        text.append(QCoreApplication::translate("dovrix::MainWindow", "（以下为 OCR 识别文本）"));
        text.append(u'\n');
        QList<OcrLine> lines = ocrLines;
        std::stable_sort(lines.begin(), lines.end(), [](const OcrLine& a, const OcrLine& b) {
            return a.box.center().y() < b.box.center().y();
        });
        for (const OcrLine& line : lines) {
            text.append(line.text.simplified());
            text.append(u'\n');
        }
    } else if (blocks.isEmpty()) {
        text.append(
            QCoreApplication::translate("dovrix::MainWindow", "（本页为扫描图像，无文本层）"));
        text.append(u'\n');
    } else {
        bool unreliable = false;
        for (const ReadingBlock& block : blocks) {
            if (block.headerFooter)
                continue;
            text.append(exportLineText(block.text));
            text.append(u'\n');
            unreliable = unreliable || !block.note.isEmpty();
        }
        if (unreliable) {
            text.append(
                QCoreApplication::translate("dovrix::MainWindow", "（本页部分文本可能不可靠）"));
            text.append(u'\n');
        }
    }
    text.append(u'\n');
    return text;
}

QString textForClipboard(const QString& pageTextRange)
{
    QString text = pageTextRange;
    text.remove(kLineBreakMarker);
    return text;
}

} // namespace dovrix

#include "text/TextExport.h"

#include <QCoreApplication>

#include <QSet>
#include <QStringList>
#include <QStringView>

#include <algorithm>

namespace dovrix {

namespace {

constexpr QChar kLineBreakMarker(0xFFFE);

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isHyphen(QChar c)
{
    return c == u'-' || c == QChar(0x2010) || c == QChar(0x00AD);
}

// Words of the text, and the words written with hyphens inside a line ("well-known"), folded to
// lower case.
struct Vocabulary
{
    QSet<QString> words;
    QSet<QString> hyphenated;
};

Vocabulary vocabularyOf(const QStringList& lines)
{
    Vocabulary v;
    for (const QString& line : lines) {
        const qsizetype n = line.size();
        qsizetype i = 0;
        while (i < n) {
            if (!isWordChar(line.at(i))) {
                ++i;
                continue;
            }
            // A run of words joined by single hyphens.
            const qsizetype start = i;
            qsizetype partStart = i;
            bool joined = false;
            while (true) {
                while (i < n && isWordChar(line.at(i)))
                    ++i;
                v.words.insert(line.mid(partStart, i - partStart).toLower());
                if (i + 1 < n && isHyphen(line.at(i)) && line.at(i) != QChar(0x00AD)
                    && isWordChar(line.at(i + 1))) {
                    joined = true;
                    partStart = ++i;
                    continue;
                }
                break;
            }
            if (joined)
                v.hyphenated.insert(line.mid(start, i - start).toLower());
        }
    }
    return v;
}

// Whether the hyphen at the end of head (without it) and before tail is kept when the two lines
// are joined.
bool keepsHyphen(QStringView head, QChar hyphen, QStringView tail, const Vocabulary& v)
{
    if (hyphen == QChar(0x00AD))
        return false;
    // The hyphenated word at the end of the line, and the word the next line starts with.
    qsizetype from = head.size();
    while (from > 0
           && (isWordChar(head.at(from - 1))
               || (isHyphen(head.at(from - 1)) && from - 1 > 0 && isWordChar(head.at(from - 2)))))
        --from;
    const QStringView before = head.mid(from);
    qsizetype to = 0;
    while (to < tail.size() && isWordChar(tail.at(to)))
        ++to;
    const QStringView after = tail.left(to);
    if (v.words.contains((before.toString() + after).toLower()))
        return false;
    if (v.hyphenated.contains((before.toString() + u'-' + after).toLower()))
        return true;
    if (before.contains(u'-') || before.contains(QChar(0x2010)))
        return true;
    const QChar first = after.at(0);
    const bool lowerCase = first.isLetter() && !first.isUpper() && !first.isTitleCase();
    return !(lowerCase && head.back().isLetter());
}

} // namespace

QString joinLineEndHyphens(const QString& text)
{
    QStringList lines = text.split(u'\n');
    bool any = false;
    for (qsizetype i = 0; i + 1 < lines.size() && !any; ++i) {
        const QString& line = lines.at(i);
        any = line.size() >= 2 && isHyphen(line.back()) && isWordChar(line.at(line.size() - 2));
    }
    if (!any)
        return text;

    const Vocabulary vocabulary = vocabularyOf(lines);
    QStringList out;
    out.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        // A joined line may end in a broken word again.
        while (i + 1 < lines.size() && line.size() >= 2 && isHyphen(line.back())
               && isWordChar(line.at(line.size() - 2)) && !lines.at(i + 1).isEmpty()
               && isWordChar(lines.at(i + 1).front())) {
            const QChar hyphen = line.back();
            const QString& next = lines.at(i + 1);
            const QStringView head = QStringView(line).chopped(1);
            if (!keepsHyphen(head, hyphen, next, vocabulary))
                line.chop(1);
            line += next;
            ++i;
        }
        out.append(line);
    }
    return out.join(u'\n');
}

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

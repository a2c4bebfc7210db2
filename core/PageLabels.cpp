#include "core/PageLabels.h"

#include <QRegularExpression>

namespace dovrix {

QStringList distinctPageLabels(const QStringList& labels)
{
    for (int i = 0; i < labels.size(); ++i) {
        if (!distinctPageLabel(labels, i).isEmpty())
            return labels;
    }
    return {};
}

QString distinctPageLabel(const QStringList& labels, int page)
{
    const QString label = labels.value(page).trimmed();
    return label == QString::number(page + 1) ? QString() : label;
}

QString pageDisplayText(const QStringList& labels, int page, int pageCount)
{
    const QString numbers = QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount);
    const QString label = distinctPageLabel(labels, page);
    return label.isEmpty() ? numbers : QStringLiteral("%1 (%2)").arg(label, numbers);
}

QString pageShortText(const QStringList& labels, int page)
{
    const QString label = distinctPageLabel(labels, page);
    return label.isEmpty() ? QString::number(page + 1)
                           : QStringLiteral("%1 (%2)").arg(label).arg(page + 1);
}

int pageFromText(const QString& text, const QStringList& labels, int pageCount)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty() || pageCount < 1)
        return -1;
    const int limit = std::min(int(labels.size()), pageCount);
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < limit; ++i) {
            if (!labels.at(i).trimmed().isEmpty()
                && labels.at(i).trimmed().compare(wanted, sensitivity) == 0)
                return i;
        }
    }
    bool ok = false;
    const int number = wanted.toInt(&ok, 10);
    if (ok)
        return number >= 1 && number <= pageCount ? number - 1 : -1;
    // What the page field shows: "7 / 63", "iv (4 / 63)" or "iv (4)"; the number in it decides.
    static const QRegularExpression shown(
        QStringLiteral(R"(^(?:.*\()?\s*(\d+)\s*(?:/\s*\d+\s*)?\)?$)"));
    const QRegularExpressionMatch match = shown.match(wanted);
    if (!match.hasMatch())
        return -1;
    const int shownNumber = match.captured(1).toInt(&ok, 10);
    return ok && shownNumber >= 1 && shownNumber <= pageCount ? shownNumber - 1 : -1;
}

} // namespace dovrix

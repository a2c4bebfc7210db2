#pragma once

#include <QList>
#include <QString>

namespace dovrix {

// One interface language: its code (also the catalogue name) and its name in that language.
struct LanguageEntry
{
    QString code;
    QString nativeName;
};

// The twenty interface languages in the order of the language menu.
const QList<LanguageEntry>& languageTable();

// The native name of the entry with exactly this code; "English" for an unknown code.
QString nativeLanguageName(const QString& code);

// Replaces the installed catalogue by ":/i18n/Dovrix_<code>.qm" (none for "zh-CN", whose texts are
// the source texts) and sets the layout direction (right-to-left for "ar"). A missing catalogue
// leaves the source texts. At most one catalogue is installed at any time. GUI thread only.
void installLanguage(const QString& code);

} // namespace dovrix

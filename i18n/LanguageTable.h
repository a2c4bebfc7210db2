#pragma once

#include <QList>
#include <QLocale>
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

// The interface language that fits a locale: the first of its user-interface languages that the
// table has (Chinese by script or region: simplified or traditional), else "en".
QString languageForLocale(const QLocale& locale);

// Replaces the installed catalogue by ":/i18n/Dovrix_<code>.qm" (none for "zh-CN", whose texts are
// the source texts) and sets the layout direction (right-to-left for "ar"). A missing catalogue
// leaves the source texts. At most one catalogue is installed at any time. GUI thread only.
void installLanguage(const QString& code);

} // namespace dovrix

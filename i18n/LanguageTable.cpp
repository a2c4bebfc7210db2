#include "i18n/LanguageTable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTranslator>

namespace dovrix {

namespace {

QPointer<QTranslator> installedTranslator;

} // namespace

const QList<LanguageEntry>& languageTable()
{
    static const QList<LanguageEntry> table = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("pt"), QStringLiteral("Português")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},
        {QStringLiteral("hi"), QStringLiteral("हिन्दी")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("vi"), QStringLiteral("Tiếng Việt")},
        {QStringLiteral("th"), QStringLiteral("ไทย")},
        {QStringLiteral("id"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("uk"), QStringLiteral("Українська")},
        {QStringLiteral("zh-CN"), QStringLiteral("中文（简体）")},
        {QStringLiteral("zh-TW"), QStringLiteral("中文（繁體）")},
    };
    return table;
}

QString nativeLanguageName(const QString& code)
{
    const QList<LanguageEntry>& table = languageTable();
    for (const LanguageEntry& entry : table) {
        if (entry.code == code)
            return entry.nativeName;
    }
    return table.first().nativeName;
}

QString languageForLocale(const QLocale& locale)
{
    const QStringList wanted = locale.uiLanguages();
    for (const QString& name : wanted) {
        const QLocale one(name);
        if (one.language() == QLocale::Chinese) {
            const bool traditional =
                one.script() == QLocale::TraditionalHanScript
                || (one.script() == QLocale::AnyScript
                    && (one.territory() == QLocale::Taiwan || one.territory() == QLocale::HongKong
                        || one.territory() == QLocale::Macao));
            return traditional ? QStringLiteral("zh-TW") : QStringLiteral("zh-CN");
        }
        const QString code = name.section(QLatin1Char('-'), 0, 0).toLower();
        for (const LanguageEntry& entry : languageTable()) {
            if (entry.code == code)
                return code;
        }
    }
    return QStringLiteral("en");
}

void installLanguage(const QString& code)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;

    if (installedTranslator) {
        QCoreApplication::removeTranslator(installedTranslator);
        installedTranslator->deleteLater();
    }
    installedTranslator = nullptr;

    if (code != QLatin1String("zh-CN")) {
        auto* translator = new QTranslator(app);
        // Non-null empty delimiters and suffix: load exactly this name, never a shortened
        // fallback such as ":/i18n/Dovrix.qm".
        const QString none = QStringLiteral("");
        if (translator->load(QStringLiteral(":/i18n/Dovrix_%1.qm").arg(code), none, none, none)
            && QCoreApplication::installTranslator(translator)) {
            installedTranslator = translator;
        } else {
            delete translator;
        }
    }

    if (auto* gui = qobject_cast<QGuiApplication*>(app))
        gui->setLayoutDirection(code == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace dovrix

#include "settings/AppSettings.h"

#include <QDateTime>
#include <QSettings>

#include <algorithm>

namespace dovrix {

namespace {

const QString languageKey = QStringLiteral("prefs/language");
const QString themeKey = QStringLiteral("prefs/theme");
const QString privateModeKey = QStringLiteral("prefs/privateMode");
const QString recentGroup = QStringLiteral("recent");
const QString filesKey = QStringLiteral("files");
const QString progressGroup = QStringLiteral("progress");
const QString bookmarkGroup = QStringLiteral("bookmarks");
const QString editorKey = QStringLiteral("prefs/editorCommand");
const QString speechRateKey = QStringLiteral("speech/rate");
const QString speechVoiceKey = QStringLiteral("speech/voice");

QStringList withoutEmpty(QStringList list)
{
    list.removeAll(QString());
    return list;
}

} // namespace

AppSettings::AppSettings(QObject* parent) : QObject(parent)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
}

QString AppSettings::language() const
{
    return QSettings().value(languageKey, QStringLiteral("en")).toString();
}

void AppSettings::setLanguage(const QString& code)
{
    QSettings().setValue(languageKey, code);
}

QString AppSettings::theme() const
{
    return QSettings().value(themeKey, QStringLiteral("light")).toString();
}

void AppSettings::setTheme(const QString& id)
{
    QSettings().setValue(themeKey, id);
}

bool AppSettings::privateMode() const
{
    return QSettings().value(privateModeKey, false).toBool();
}

void AppSettings::setPrivateMode(bool on)
{
    QSettings().setValue(privateModeKey, on);
}

QStringList AppSettings::recentFiles() const
{
    QSettings settings;
    settings.beginGroup(recentGroup);
    return withoutEmpty(settings.value(filesKey).toStringList());
}

void AppSettings::addRecentFile(const QString& path)
{
    // An empty path would only take a slot that recentFiles() never shows.
    if (path.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(recentGroup);
    QStringList files = withoutEmpty(settings.value(filesKey).toStringList());
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    settings.setValue(filesKey, files);
}

void AppSettings::clearRecentFiles()
{
    QSettings settings;
    settings.beginGroup(recentGroup);
    settings.remove(QString()); // every key of the current group
}

void AppSettings::saveProgress(const QString& key, int page, double zoom)
{
    if (key.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(progressGroup);
    settings.setValue(key + QLatin1String("/page"), page);
    settings.setValue(key + QLatin1String("/zoom"), zoom);
    settings.setValue(key + QLatin1String("/ts"), QDateTime::currentSecsSinceEpoch());
}

int AppSettings::progressPage(const QString& key) const
{
    if (key.isEmpty())
        return -1;
    QSettings settings;
    settings.beginGroup(progressGroup);
    return settings.value(key + QLatin1String("/page"), -1).toInt();
}

QByteArray AppSettings::bookmarks(const QString& key) const
{
    if (key.isEmpty())
        return {};
    QSettings settings;
    settings.beginGroup(bookmarkGroup);
    return settings.value(key).toByteArray();
}

void AppSettings::saveBookmarks(const QString& key, const QByteArray& encoded)
{
    if (key.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(bookmarkGroup);
    if (encoded.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, encoded);
}

QString AppSettings::editorCommand() const
{
    return QSettings().value(editorKey).toString();
}

void AppSettings::setEditorCommand(const QString& command)
{
    QSettings().setValue(editorKey, command.trimmed());
}

double AppSettings::speechRate() const
{
    return std::clamp(QSettings().value(speechRateKey, 0.0).toDouble(), -1.0, 1.0);
}

void AppSettings::setSpeechRate(double rate)
{
    QSettings().setValue(speechRateKey, std::clamp(rate, -1.0, 1.0));
}

QString AppSettings::speechVoice() const
{
    return QSettings().value(speechVoiceKey).toString();
}

void AppSettings::setSpeechVoice(const QString& name)
{
    QSettings().setValue(speechVoiceKey, name);
}

} // namespace dovrix

#include "settings/AppSettings.h"

#include <QDateTime>
#include <QSettings>

#include <algorithm>

namespace dovrix {

namespace {

const QString languageKey = QStringLiteral("prefs/language");
const QString themeKey = QStringLiteral("prefs/theme");
const QString pageColoursKey = QStringLiteral("prefs/pageColours");
const QString privateModeKey = QStringLiteral("prefs/privateMode");
const QString recentGroup = QStringLiteral("recent");
const QString filesKey = QStringLiteral("files");
const QString progressGroup = QStringLiteral("progress");
const QString bookmarkGroup = QStringLiteral("bookmarks");
const QString editorKey = QStringLiteral("prefs/editorCommand");
const QString windowGeometryKey = QStringLiteral("window/geometry");
const QString engineKey = QStringLiteral("prefs/engine");
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

QString AppSettings::pageColours() const
{
    return QSettings().value(pageColoursKey, QStringLiteral("normal")).toString();
}

void AppSettings::setPageColours(const QString& id)
{
    QSettings().setValue(pageColoursKey, id);
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

QByteArray AppSettings::windowGeometry() const
{
    return QSettings().value(windowGeometryKey).toByteArray();
}

void AppSettings::setWindowGeometry(const QByteArray& geometry)
{
    QSettings().setValue(windowGeometryKey, geometry);
}

QString AppSettings::pdfEngine() const
{
    return QSettings().value(engineKey, QStringLiteral("mupdf")).toString().trimmed().toLower();
}

void AppSettings::setPdfEngine(const QString& name)
{
    QSettings().setValue(engineKey, name.trimmed().toLower());
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

namespace dovrix {

void AppSettings::saveDocumentView(const QString& key, const DocumentView& view)
{
    if (key.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(progressGroup);
    settings.beginGroup(key);
    settings.setValue(QStringLiteral("zoom"), view.zoom);
    settings.setValue(QStringLiteral("fit"), view.fitMode);
    settings.setValue(QStringLiteral("viewMode"), view.viewMode);
    settings.setValue(QStringLiteral("spread"), view.spread);
    settings.setValue(QStringLiteral("coverAlone"), view.coverAlone);
    settings.setValue(QStringLiteral("colours"), view.pageColours);
}

bool AppSettings::documentView(const QString& key, DocumentView* view) const
{
    if (key.isEmpty())
        return false;
    QSettings settings;
    settings.beginGroup(progressGroup);
    settings.beginGroup(key);
    // A position stored before views were kept has no fit mode: it says nothing about the view.
    if (!settings.contains(QStringLiteral("fit")))
        return false;
    bool ok = false;
    const double zoom = settings.value(QStringLiteral("zoom")).toDouble(&ok);
    view->zoom = ok && zoom > 0 ? zoom : 1.0;
    view->fitMode = std::clamp(settings.value(QStringLiteral("fit")).toInt(), 0, 2);
    view->viewMode = std::clamp(settings.value(QStringLiteral("viewMode")).toInt(), 0, 1);
    view->spread = settings.value(QStringLiteral("spread")).toBool();
    view->coverAlone = settings.value(QStringLiteral("coverAlone"), true).toBool();
    view->pageColours = settings.value(QStringLiteral("colours")).toString();
    return true;
}

} // namespace dovrix

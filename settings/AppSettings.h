#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace dovrix {

// How a document was last shown, kept next to its reading position.
struct DocumentView
{
    double zoom = 1.0;
    int fitMode = 0;        // the page view's FitMode
    int viewMode = 0;       // the page view's ViewMode
    bool spread = false;    // two pages side by side
    bool coverAlone = true; // in a spread, the first page alone on the right
    QString pageColours;    // a page-colours id ("normal", "night", ...)

    friend bool operator==(const DocumentView& a, const DocumentView& b)
    {
        return a.zoom == b.zoom && a.fitMode == b.fitMode && a.viewMode == b.viewMode
               && a.spread == b.spread && a.coverAlone == b.coverAlone
               && a.pageColours == b.pageColours;
    }
    friend bool operator!=(const DocumentView& a, const DocumentView& b) { return !(a == b); }
};

// The program's persistent preferences, recent files and reading positions, stored as an INI file
// located by the organisation and application name. Caches nothing: every operation opens its own
// QSettings, so each read sees what any instance last wrote.
//
// The constructor makes INI the default QSettings format for the whole process, so construct an
// AppSettings before any other QSettings is used.
class AppSettings : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AppSettings)

public:
    static constexpr int MaxRecentFiles = 10;

    explicit AppSettings(QObject* parent = nullptr);

    QString language() const;
    void setLanguage(const QString& code);

    QString theme() const;
    void setTheme(const QString& id);

    // Page colours chosen last, as an id ("normal" when none was chosen); documents without a
    // stored view of their own open with them.
    QString pageColours() const;
    void setPageColours(const QString& id);

    bool privateMode() const;
    void setPrivateMode(bool on);

    // Newest first, at most MaxRecentFiles entries, never an empty string.
    QStringList recentFiles() const;
    // Moves path to the front (exact string comparison) and keeps the ten newest. Callers skip
    // this in private mode.
    void addRecentFile(const QString& path);
    // Removes the recent list only; preferences and reading positions stay.
    void clearRecentFiles();

    // Reading position of the document whose contents hash to key (its sourceHash). Empty keys are
    // ignored. Callers skip this in private mode.
    void saveProgress(const QString& key, int page, double zoom);
    // The stored 0-based page, or -1 when nothing is stored (or the key is empty).
    int progressPage(const QString& key) const;

    // The named bookmarks of the document whose contents hash to key, as the bookmark store
    // encodes them; an empty value removes the entry. Callers skip writes in private mode.
    QByteArray bookmarks(const QString& key) const;
    void saveBookmarks(const QString& key, const QByteArray& encoded);

    // The name of the PDF engine files are opened with ("mupdf", the default, or "qtpdf"); the
    // command line's --engine overrides it for one run.
    // The main window's size and place as QWidget::saveGeometry() gives them; empty until first
    // saved.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

    QString pdfEngine() const;
    void setPdfEngine(const QString& name);

    // The command that opens a TeX source at a line (inverse search), e.g. "editor +%l %f".
    QString editorCommand() const;
    void setEditorCommand(const QString& command);

    // Read aloud: rate from -1 (slowest) to 1 (fastest), 0 normal; voice name, empty = default.
    double speechRate() const;
    void setSpeechRate(double rate);
    QString speechVoice() const;
    void setSpeechVoice(const QString& name);
    // How the document was shown, stored with its position. Callers skip this in private mode.
    void saveDocumentView(const QString& key, const DocumentView& view);
    // False (view untouched) when nothing is stored for the key.
    bool documentView(const QString& key, DocumentView* view) const;
};

} // namespace dovrix

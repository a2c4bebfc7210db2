#pragma once

#include "app/OpenRequests.h"
#include "speech/ReadAloud.h"
#include "synctex/SynctexIndex.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;
class QActionGroup;
class QMenu;
class QPushButton;

namespace dovrix {

class DocumentTab;
class MainWindow;
class SpeechEngine;

// The window's study tools, behind the toolbar's "工具" menu: named bookmarks (Ctrl+D), reading
// aloud, SyncTeX forward and inverse search, and the per-file requests of the command line (page,
// search, forward search) applied once their document is ready. GUI thread only.
class StudyTools : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(StudyTools)

public:
    // How long the boxes of a forward search stay marked.
    static constexpr int FlashMs = 1000;

    // engine: the speech synthesiser (not owned); null makes a QtSpeechEngine owned by this.
    explicit StudyTools(MainWindow* window, SpeechEngine* engine = nullptr);

    QPushButton* toolsButton() const { return button; }
    QMenu* toolsMenu() const { return menu; }
    ReadAloudController* readAloud() const { return reader; }

    void wireTab(DocumentTab* tab);
    // Listens to the shown document only (its bookmarks, reverse search and SyncTeX answers);
    // stops reading aloud when the shown document changes.
    void setCurrentTab(DocumentTab* tab);
    // Applies the request's page, search and forward search once the tab's document is ready
    // (now when it is ready already).
    void applyWhenReady(DocumentTab* tab, const OpenRequest& request);
    void updateActionStates();
    void retranslate();

    // Bookmarks of the current document.
    void addBookmark();
    void goToBookmark(int index);
    // Default name: the outline entry nearest before the view's page, else the page's label.
    QString defaultBookmarkName() const;

    void startReading();
    void togglePause();

private:
    void buildMenu();
    void rebuildBookmarkItems();
    void renameBookmark(int index);
    void apply(DocumentTab* tab, const OpenRequest& request);
    void showStatus(const QString& text);
    void showUnavailable(SynctexState state);
    void openSource(const SourcePlace& place);
    void editEditorCommand();
    void fillVoices();
    void onLineStarted(const SpokenLine& line);
    void onReadingState(ReadAloudController::State state);

    MainWindow* window;
    SpeechEngine* engine;
    ReadAloudController* reader = nullptr;
    QPointer<DocumentTab> readingTab;
    // The connections to the current document's bookmarks, page view and SyncTeX link.
    QList<QMetaObject::Connection> currentConnections;

    QPushButton* button = nullptr;
    QMenu* menu = nullptr;
    QAction* bookmarkSection = nullptr;
    QAction* addBookmarkAction = nullptr;
    QMenu* renameMenu = nullptr;
    QMenu* deleteMenu = nullptr;
    QList<QAction*> bookmarkItems;  // one per bookmark of the current document, in the menu
    QAction* bookmarkEnd = nullptr; // separator after the items
    QAction* readSection = nullptr;
    QAction* readAction = nullptr;
    QAction* pauseAction = nullptr;
    QAction* stopAction = nullptr;
    QMenu* rateMenu = nullptr;
    QActionGroup* rateGroup = nullptr;
    QMenu* voiceMenu = nullptr;
    QAction* synctexSection = nullptr;
    QAction* editorAction = nullptr;
    // The synthesiser broke down this run: whatever it says afterwards, it cannot speak.
    bool speechBroken = false;
    QString speechBrokenReason;
};

} // namespace dovrix

#include "app/StudyTools.h"

#include "app/MainWindow.h"
#include "app/NavigationCommands.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PageLabels.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "speech/QtSpeechEngine.h"
#include "synctex/EditorCommand.h"
#include "synctex/SynctexLink.h"
#include "synctex/SynctexProtocol.h"
#include "view/PdfViewport.h"
#include "view/panels/BookmarkPanel.h"
#include "view/panels/SearchPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>

#include <cstdio>

namespace dovrix {

namespace {

constexpr int StatusMs = 6000;

struct RateChoice
{
    const char* text;
    double rate;
};
constexpr RateChoice rateChoices[] = {
    {QT_TRANSLATE_NOOP("dovrix::StudyTools", "慢"), -0.4},
    {QT_TRANSLATE_NOOP("dovrix::StudyTools", "正常"), 0.0},
    {QT_TRANSLATE_NOOP("dovrix::StudyTools", "快"), 0.4},
};

// The outline entry with the greatest page not after page, the later one on a tie.
void nearestEntry(const QAbstractItemModel* model, const QModelIndex& parent, int page,
                  int* bestPage, QString* bestTitle)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        bool ok = false;
        const int entryPage = index.data(int(BookmarkPanel::Role::Page)).toInt(&ok);
        const QString title = index.data(int(BookmarkPanel::Role::Title)).toString().trimmed();
        if (ok && entryPage <= page && entryPage >= *bestPage && !title.isEmpty()) {
            *bestPage = entryPage;
            *bestTitle = title;
        }
        nearestEntry(model, index, page, bestPage, bestTitle);
    }
}

} // namespace

StudyTools::StudyTools(MainWindow* window, SpeechEngine* speechEngine)
    : QObject(window), window(window), engine(speechEngine)
{
    if (!engine)
        engine = new QtSpeechEngine(this);
    AppSettings* settings = window->appSettings();
    engine->setRate(settings->speechRate());
    engine->setVoice(settings->speechVoice());
    buildMenu();
    retranslate();
    updateActionStates();
}

void StudyTools::buildMenu()
{
    button = new QPushButton;
    button->setObjectName(QStringLiteral("toolsButton"));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("toolsMenu"));
    button->setMenu(menu);

    auto action = [this](const char* name, const QKeySequence& shortcut = {}) {
        auto* item = new QAction(window);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        window->addAction(item); // shortcuts work with the menu closed
        return item;
    };

    bookmarkSection = menu->addSection(QString());
    addBookmarkAction = action("addBookmarkAction", QKeySequence(QStringLiteral("Ctrl+D")));
    connect(addBookmarkAction, &QAction::triggered, this, &StudyTools::addBookmark);
    menu->addAction(addBookmarkAction);
    renameMenu = menu->addMenu(QString());
    renameMenu->setObjectName(QStringLiteral("renameBookmarkMenu"));
    deleteMenu = menu->addMenu(QString());
    deleteMenu->setObjectName(QStringLiteral("deleteBookmarkMenu"));
    bookmarkEnd = menu->addSeparator();

    readSection = menu->addSection(QString());
    readAction = action("readAloudAction", QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    connect(readAction, &QAction::triggered, this, &StudyTools::startReading);
    pauseAction = action("pauseReadingAction", QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    connect(pauseAction, &QAction::triggered, this, &StudyTools::togglePause);
    stopAction = action("stopReadingAction");
    menu->addActions({readAction, pauseAction, stopAction});
    rateMenu = menu->addMenu(QString());
    rateGroup = new QActionGroup(this);
    for (const RateChoice& choice : rateChoices) {
        QAction* item = rateMenu->addAction(QString());
        item->setCheckable(true);
        item->setChecked(qFuzzyCompare(choice.rate + 2, window->appSettings()->speechRate() + 2));
        rateGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, rate = choice.rate] {
            window->appSettings()->setSpeechRate(rate);
            engine->setRate(rate);
        });
    }
    voiceMenu = menu->addMenu(QString());
    voiceMenu->setObjectName(QStringLiteral("voiceMenu"));
    connect(voiceMenu, &QMenu::aboutToShow, this, &StudyTools::fillVoices);

    synctexSection = menu->addSection(QStringLiteral("SyncTeX"));
    editorAction = menu->addAction(QString());
    editorAction->setObjectName(QStringLiteral("editorCommandAction"));
    connect(editorAction, &QAction::triggered, this, &StudyTools::editEditorCommand);

    reader = new ReadAloudController(nullptr, engine, this);
    connect(stopAction, &QAction::triggered, reader, &ReadAloudController::stop);
    connect(reader, &ReadAloudController::lineStarted, this, &StudyTools::onLineStarted);
    connect(reader, &ReadAloudController::stateChanged, this, &StudyTools::onReadingState);
    connect(reader, &ReadAloudController::finished, this, [this] { showStatus(tr("朗读完毕")); });
    connect(engine, &SpeechEngine::failed, this, [this] {
        speechBroken = true;
        speechBrokenReason = engine->unavailableReason();
        reader->stop();
        showStatus(speechBrokenReason);
        updateActionStates();
    });
}

void StudyTools::retranslate()
{
    button->setText(tr("工具"));
    button->setToolTip(tr("书签、朗读与 SyncTeX"));
    bookmarkSection->setText(tr("书签"));
    addBookmarkAction->setText(tr("添加书签"));
    renameMenu->setTitle(tr("重命名书签"));
    deleteMenu->setTitle(tr("删除书签"));
    readSection->setText(tr("朗读"));
    readAction->setText(tr("从当前页朗读"));
    stopAction->setText(tr("停止朗读"));
    rateMenu->setTitle(tr("语速"));
    const QList<QAction*> rates = rateGroup->actions();
    for (int i = 0; i < rates.size(); ++i)
        rates.at(i)->setText(tr(rateChoices[i].text));
    voiceMenu->setTitle(tr("声音"));
    editorAction->setText(tr("反向搜索编辑器命令…"));
    onReadingState(reader->state());
    rebuildBookmarkItems();
    updateActionStates();
}

void StudyTools::updateActionStates()
{
    DocumentTab* tab = window->current();
    const bool ready = tab && tab->session()->controller()->status() == DocumentStatus::Ready;
    addBookmarkAction->setEnabled(ready);
    const bool canSpeak = engine->isAvailable() && !speechBroken;
    const QString why = canSpeak       ? QString()
                        : speechBroken ? speechBrokenReason
                                       : engine->unavailableReason();
    for (QAction* item : {readAction, pauseAction, stopAction}) {
        item->setToolTip(why);
        item->setStatusTip(why);
    }
    readAction->setEnabled(ready && canSpeak);
    const bool reading = reader->state() != ReadAloudController::State::Stopped;
    pauseAction->setEnabled(canSpeak && reading);
    stopAction->setEnabled(reading); // stopping is always possible
    rateMenu->setEnabled(canSpeak);
    voiceMenu->setEnabled(canSpeak);
    menu->setToolTipsVisible(true);
}

void StudyTools::wireTab(DocumentTab* tab)
{
    connect(tab, &DocumentTab::documentReady, this, [this](DocumentTab* ready) {
        if (ready == readingTab)
            reader->stop(); // a reload: the lines being read may be gone
        updateActionStates();
    });
    connect(tab->session()->synctex(), &SynctexLink::boxesReady, this,
            [this, tab](const SourcePlace& place, const QList<SynctexBox>& boxes) {
                if (boxes.isEmpty()) {
                    showStatus(tr("SyncTeX 数据中没有 %1 第 %2 行的位置")
                                   .arg(QFileInfo(place.file).fileName())
                                   .arg(place.line));
                    return;
                }
                QList<QRectF> rects;
                for (const SynctexBox& box : boxes) {
                    if (box.page == boxes.first().page)
                        rects.append(box.rectPt);
                }
                window->setCurrentTab(tab);
                tab->viewport()->showMarks(boxes.first().page, rects, FlashMs);
            });
}

void StudyTools::setCurrentTab(DocumentTab* tab)
{
    for (const QMetaObject::Connection& connection : std::as_const(currentConnections))
        disconnect(connection);
    currentConnections.clear();
    if (tab) {
        BookmarkStore* bookmarks = tab->session()->bookmarks();
        SynctexLink* link = tab->session()->synctex();
        currentConnections = {
            connect(bookmarks, &BookmarkStore::bookmarksChanged, this,
                    &StudyTools::rebuildBookmarkItems),
            connect(tab->viewport(), &PdfViewport::sourceRequested, this,
                    [this, link](int page, QPointF pointPt) {
                        if (window->appSettings()->editorCommand().isEmpty()) {
                            showStatus(
                                tr("未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）"));
                            return;
                        }
                        link->requestPlace(page, pointPt);
                    }),
            connect(link, &SynctexLink::placeReady, this, &StudyTools::openSource),
            connect(link, &SynctexLink::unavailable, this, &StudyTools::showUnavailable),
        };
    }
    if (readingTab && readingTab != tab)
        reader->stop();
    rebuildBookmarkItems();
    updateActionStates();
}

void StudyTools::applyWhenReady(DocumentTab* tab, const OpenRequest& request)
{
    if (request.page.isEmpty() && request.find.isEmpty() && request.forward.line < 1)
        return;
    if (tab->session()->controller()->status() == DocumentStatus::Ready) {
        apply(tab, request);
        return;
    }
    connect(
        tab, &DocumentTab::documentReady, this,
        [this, request](DocumentTab* ready) { apply(ready, request); }, Qt::SingleShotConnection);
}

void StudyTools::apply(DocumentTab* tab, const OpenRequest& request)
{
    DocumentController* controller = tab->session()->controller();
    if (!request.page.isEmpty()) {
        const int page =
            pageFromText(request.page, controller->pageLabels(), controller->pageCount());
        if (page >= 0)
            tab->viewport()->goToPage(page);
        else
            std::fprintf(stderr, "dovrix: %s\n",
                         qPrintable(QStringLiteral("--page：%1 中没有页码或页标签“%2”")
                                        .arg(controller->displayName(), request.page)));
    }
    if (!request.find.isEmpty()) {
        window->setCurrentTab(tab);
        if (auto* find = window->findChild<QAction*>(QStringLiteral("findAction")))
            find->trigger();
        window->navigationCommands()->findText(request.find);
        if (QTabWidget* side = window->sideTabWidget();
            side->indexOf(tab->panel<SearchPanel>()) >= 0)
            side->setCurrentWidget(tab->panel<SearchPanel>());
    }
    if (request.forward.line > 0) {
        SourcePlace place = request.forward;
        if (QFileInfo(place.file).isRelative())
            place.file = QFileInfo(place.file).absoluteFilePath();
        tab->session()->synctex()->requestBoxes(place);
    }
}

void StudyTools::showStatus(const QString& text)
{
    window->statusBar()->showMessage(text, StatusMs);
}

void StudyTools::showUnavailable(SynctexState state)
{
    switch (state) {
    case SynctexState::Missing:
        showStatus(tr("此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）"));
        break;
    case SynctexState::Damaged:
        showStatus(tr("SyncTeX 文件已损坏，无法读取"));
        break;
    case SynctexState::Stale:
        showStatus(tr("SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译"));
        break;
    case SynctexState::TooLarge:
        showStatus(
            tr("SyncTeX 文件解压后超过 %1 MB，已拒绝读取").arg(SynctexLimits::UnpackedBytes >> 20));
        break;
    case SynctexState::Crashed:
        showStatus(tr("SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件"));
        break;
    case SynctexState::TimedOut:
        showStatus(tr("读取 SyncTeX 文件超时，已拒绝该文件"));
        break;
    case SynctexState::Ready:
        break;
    }
}

void StudyTools::openSource(const SourcePlace& place)
{
    if (place.file.isEmpty()) {
        showStatus(tr("此处没有对应的源文件位置"));
        return;
    }
    if (!isAcceptableSourceName(place.file)) {
        showStatus(tr("SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器"));
        return;
    }
    const QStringList command = editorCommandLine(window->appSettings()->editorCommand(), place);
    if (command.isEmpty()) {
        showStatus(tr("未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）"));
        return;
    }
    if (!QProcess::startDetached(command.first(), command.mid(1))) {
        showStatus(tr("无法启动编辑器：%1").arg(command.first()));
        return;
    }
    showStatus(
        tr("已在编辑器中打开 %1 第 %2 行").arg(QFileInfo(place.file).fileName()).arg(place.line));
}

void StudyTools::editEditorCommand()
{
    bool ok = false;
    const QString command = QInputDialog::getText(
        window, tr("反向搜索编辑器命令"),
        tr("Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f"),
        QLineEdit::Normal, window->appSettings()->editorCommand(), &ok);
    if (ok)
        window->appSettings()->setEditorCommand(command);
}

void StudyTools::fillVoices()
{
    voiceMenu->clear();
    const QString chosen = window->appSettings()->speechVoice();
    auto* group = new QActionGroup(voiceMenu);
    QStringList names = engine->voiceNames();
    names.prepend(QString());
    for (const QString& name : std::as_const(names)) {
        QAction* item = voiceMenu->addAction(name.isEmpty() ? tr("默认") : name);
        item->setCheckable(true);
        item->setChecked(name == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name] {
            window->appSettings()->setSpeechVoice(name);
            engine->setVoice(name);
        });
    }
}

// --- bookmarks -------------------------------------------------------------------------------

QString StudyTools::defaultBookmarkName() const
{
    DocumentTab* tab = window->current();
    if (!tab)
        return {};
    const int page = tab->viewport()->currentPage();
    int entryPage = -1;
    QString title;
    if (BookmarkPanel* outline = tab->panel<BookmarkPanel>())
        nearestEntry(outline->model(), QModelIndex(), page, &entryPage, &title);
    if (!title.isEmpty())
        return title;
    return tr("第 %1 页").arg(pageShortText(tab->session()->controller()->pageLabels(), page));
}

void StudyTools::addBookmark()
{
    DocumentTab* tab = window->current();
    BookmarkStore* store = tab ? tab->session()->bookmarks() : nullptr;
    if (!store || tab->session()->controller()->status() != DocumentStatus::Ready)
        return;
    PdfViewport* view = tab->viewport();
    Bookmark bookmark;
    bookmark.name = defaultBookmarkName();
    bookmark.page = view->currentPage();
    bookmark.topPt = view->topPagePoint().y();
    bookmark.zoom = view->zoom();
    store->add(bookmark);
    showStatus(tr("已添加书签“%1”").arg(bookmark.name));
}

void StudyTools::goToBookmark(int index)
{
    if (DocumentTab* tab = window->current())
        tab->goToBookmark(index);
}

void StudyTools::renameBookmark(int index)
{
    DocumentTab* tab = window->current();
    BookmarkStore* store = tab ? tab->session()->bookmarks() : nullptr;
    if (!store || index < 0 || index >= store->bookmarks().size())
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(window, tr("重命名书签"), tr("书签名称："), QLineEdit::Normal,
                              store->bookmarks().at(index).name, &ok);
    if (ok)
        store->rename(index, name);
}

void StudyTools::rebuildBookmarkItems()
{
    qDeleteAll(bookmarkItems);
    bookmarkItems.clear();
    renameMenu->clear();
    deleteMenu->clear();
    DocumentTab* tab = window->current();
    BookmarkStore* store = tab ? tab->session()->bookmarks() : nullptr;
    const QList<Bookmark> bookmarks = store ? store->bookmarks() : QList<Bookmark>();
    const QStringList labels = tab ? tab->session()->controller()->pageLabels() : QStringList();
    for (int i = 0; i < bookmarks.size(); ++i) {
        const QString text = QStringLiteral("%1\t%2").arg(
            bookmarks.at(i).name, pageShortText(labels, bookmarks.at(i).page));
        auto* item = new QAction(text, menu);
        connect(item, &QAction::triggered, this, [this, i] { goToBookmark(i); });
        menu->insertAction(renameMenu->menuAction(), item);
        bookmarkItems.append(item);
        connect(renameMenu->addAction(bookmarks.at(i).name), &QAction::triggered, this,
                [this, i] { renameBookmark(i); });
        connect(deleteMenu->addAction(bookmarks.at(i).name), &QAction::triggered, this,
                [store, i] { store->remove(i); });
    }
    renameMenu->setEnabled(!bookmarks.isEmpty());
    deleteMenu->setEnabled(!bookmarks.isEmpty());
}

// --- read aloud ------------------------------------------------------------------------------

void StudyTools::startReading()
{
    DocumentTab* tab = window->current();
    if (!tab || tab->session()->controller()->status() != DocumentStatus::Ready
        || !engine->isAvailable() || speechBroken)
        return;
    readingTab = tab;
    reader->setStore(tab->session()->textLayout());
    reader->start(tab->viewport()->currentPage(), tab->session()->controller()->pageCount());
}

void StudyTools::togglePause()
{
    if (reader->state() == ReadAloudController::State::Reading)
        reader->pause();
    else
        reader->resume();
}

void StudyTools::onLineStarted(const SpokenLine& line)
{
    if (readingTab)
        readingTab->viewport()->showMarks(line.page, {line.rectPt}, 0);
}

void StudyTools::onReadingState(ReadAloudController::State state)
{
    pauseAction->setText(state == ReadAloudController::State::Paused ? tr("继续朗读")
                                                                     : tr("暂停朗读"));
    if (state == ReadAloudController::State::Stopped && readingTab) {
        readingTab->viewport()->clearMarks();
        readingTab = nullptr;
    }
    updateActionStates();
}

} // namespace dovrix

#include "app/MainWindow.h"

#include "annotations/AnnotationStore.h"
#include "app/AnnotationCommands.h"
#include "app/DocumentPropertiesDialog.h"
#include "app/ExportCommands.h"
#include "app/FullScreenMode.h"
#include "app/NavigationCommands.h"
#include "app/OcrCommands.h"
#include "app/OpenRequests.h"
#include "app/OutcomeText.h"
#include "app/StartUp.h"
#include "app/StudyTools.h"
#include "app/ViewCommands.h"
#include "core/DocumentController.h"
#include "core/FileSafety.h"
#include "core/ProgramFiles.h"
#include "core/RawFilePath.h"
#include "i18n/LanguageTable.h"
#include "ocr/OcrController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "session/SidePanels.h"
#include "settings/AppSettings.h"
#include "theme/ThemePalette.h"
#include "view/PdfViewport.h"
#include "view/panels/BookmarkPanel.h"
#include "view/panels/ThumbnailPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace dovrix {

namespace {

constexpr char homePage[] = "https://dovrix.app/";

bool isPdfPath(const QString& path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

} // namespace

MainWindow::MainWindow() : QMainWindow(nullptr), settings(new AppSettings(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    recogniser.setModelDirectory(findCompanion(QStringLiteral("models")));
    placeWindow();
    setAcceptDrops(true);
    setDockNestingEnabled(false);

    study = new StudyTools(this);
    ui.build(this, study->toolsButton());
    // Recognising text heads the tools menu.
    QMenu* tools = study->toolsMenu();
    ui.ocrMenu = new QMenu(tools);
    ui.ocrMenu->setObjectName(QStringLiteral("ocrMenu"));
    ui.ocrMenu->addAction(ui.ocrPageAction);
    ui.ocrMenu->addAction(ui.ocrDocumentAction);
    tools->insertMenu(tools->actions().value(0), ui.ocrMenu);
    fullScreen = new FullScreenMode(this, ui.toolbar, ui.sidebar, ui.tabs);
    exports = new ExportCommands(this);
    navigation = new NavigationCommands(this, ui);
    ocr = new OcrCommands(this, ui);
    annotating = new AnnotationCommands(this, ui);
    commands = {new ViewCommands(this, ui), navigation, annotating, ocr};
    const QStringList recent = settings->recentFiles();
    for (const QString& path : recent) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName(), ui.recentList);
        item->setToolTip(path);
    }
    // Checked from the settings before the handler is connected: the label stays empty until the
    // first toggle.
    ui.privateAction->setChecked(settings->privateMode());
    connectWidgets();

    applyTheme(themeIndexFromId(settings->theme()));
    installLanguage(settings->language());
    retranslate();
    updateActionStates();
    updateHashIndicator();
    updateSidebarVisibility();
    updateWindowTitle();
}

MainWindow::~MainWindow()
{
    shutDown();
    // The child widgets go with the base window.
}

bool MainWindow::shutDown()
{
    // Deleting the tabs removes their pages from the tab widgets; that is no switch of the
    // current document any more.
    disconnect(ui.tabs, nullptr, this, nullptr);
    disconnect(ui.sideTabs, nullptr, this, nullptr);
    deleteSessions();
    return pdfWorker.shutDown();
}

void MainWindow::deleteSessions()
{
    const QList<DocumentTab*> open = tabList;
    tabList.clear();
    setCurrentTab(nullptr);
    for (DocumentTab* tab : open) {
        tab->session()->prepareClose();
        delete tab;
    }
    // Sessions of closed tabs may still wait for their deferred deletion; they must go before
    // the worker their controllers post to.
    const QList<DocumentTab*> closing =
        findChildren<DocumentTab*>(QString(), Qt::FindDirectChildrenOnly);
    for (DocumentTab* tab : closing)
        delete tab;
}

// --- construction ----------------------------------------------------------------------------

void MainWindow::connectWidgets()
{
    connect(ui.sidebarButton, &QPushButton::clicked, this, [this] {
        sidebarVisible = !sidebarVisible;
        updateSidebarVisibility();
    });
    connect(ui.openButton, &QPushButton::clicked, this, &MainWindow::openCommand);
    for (QAction* item : std::as_const(ui.themeActions)) {
        const int index = item->data().toInt();
        connect(item, &QAction::triggered, this, [this, index] { applyTheme(index); });
    }
    const QList<QAction*> languageItems = ui.languageMenu->actions();
    for (QAction* item : languageItems) {
        const QString code = item->data().toString();
        connect(item, &QAction::triggered, this, [this, code] { setLanguage(code); });
    }
    connect(ui.homeButton, &QPushButton::clicked, this, &MainWindow::openHomePage);
    connect(ui.welcomeOpen, &QPushButton::clicked, this, &MainWindow::openCommand);
    connect(ui.recentList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openFile(item->toolTip()); });
    connect(ui.clearRecent, &QPushButton::clicked, this, [this] {
        settings->clearRecentFiles();
        ui.recentList->clear();
    });
    connect(ui.reloadButton, &QPushButton::clicked, this, [this] {
        ui.banner->hide();
        if (controller())
            controller()->reload();
    });
    connect(ui.ignoreButton, &QPushButton::clicked, ui.banner, &QWidget::hide);
    connect(ui.tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    connect(ui.tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
        QWidget* page = ui.tabs->widget(index);
        for (DocumentTab* tab : std::as_const(tabList)) {
            if (tab->pageWidget() == page) {
                closeTab(tab);
                return;
            }
        }
    });
    connect(ui.sideTabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!rebuildingSideTabs && currentTab && index >= 0)
            currentTab->setSideTabIndex(index);
    });
    connect(ui.openAction, &QAction::triggered, this, &MainWindow::openCommand);
    connect(ui.closeAction, &QAction::triggered, this, [this] { closeTab(currentTab); });
    connect(ui.quitAction, &QAction::triggered, this, &QWidget::close);
    connect(ui.nextTabAction, &QAction::triggered, this, [this] {
        if (tabList.size() > 1 && currentTab && ui.tabs->count() > 0)
            ui.tabs->setCurrentIndex((ui.tabs->currentIndex() + 1) % ui.tabs->count());
    });
    connect(ui.privateAction, &QAction::toggled, this, &MainWindow::setPrivateModeOn);
    for (int row = 0; row < ui.sidePanelActions.size(); ++row) {
        if (QAction* action = ui.sidePanelActions.at(row))
            connect(action, &QAction::triggered, this, [this, row] { showSidePanel(row); });
    }
    // Escape runs the page view's own steps (drop a drag, close the card, clear the selection,
    // leave annotation mode) wherever the focus is. It calls them rather than sending the key
    // again: a sent key passes the window's shortcuts first and would trigger this action anew.
    connect(ui.escapeAction, &QAction::triggered, this, [this] {
        // Full screen is left after the page view's own steps, when it had nothing to undo.
        if (pageView()) {
            pageView()->setFocus(Qt::ShortcutFocusReason);
            if (pageView()->escape())
                return;
        }
        fullScreen->setActive(false);
    });
    connect(ui.fullScreenAction, &QAction::toggled, fullScreen, &FullScreenMode::setActive);
    connect(fullScreen, &FullScreenMode::activeChanged, this, [this](bool on) {
        const QSignalBlocker block(ui.fullScreenAction);
        ui.fullScreenAction->setChecked(on);
        if (on)
            fullScreen->showStatus(tr("全屏阅读 · F11 或 Esc 退出"));
        else
            updateSidebarVisibility();
    });
    connect(ui.propertiesAction, &QAction::triggered, this, &MainWindow::showDocumentProperties);
    if (QMenu* tools = study->toolsMenu()) {
        QAction* first = tools->actions().value(0);
        tools->insertAction(first, ui.propertiesAction);
        tools->insertAction(first, ui.resetFormAction);
        tools->insertSeparator(first);
    }
    connect(ui.printButton, &QPushButton::clicked, ui.printAction, &QAction::trigger);
    const QList<ExportFormat>& formats = ExportCommands::formats();
    for (int i = 0; i < formats.size(); ++i)
        connect(ui.exportActions.at(i), &QAction::triggered, exports, formats.at(i).command);
    connect(ui.printAction, &QAction::triggered, exports, &ExportCommands::print);
    connect(ui.pngAnnotationsAction, &QAction::toggled, exports,
            &ExportCommands::setPngWithAnnotations);
}

void MainWindow::retranslate()
{
    study->retranslate();
    ui.retranslate();
    const QString language = settings->language();
    ui.languageButton->setText(nativeLanguageName(language));
    const QList<QAction*> languageItems = ui.languageMenu->actions();
    for (QAction* item : languageItems)
        item->setChecked(item->data().toString() == language);
    for (QAction* item : std::as_const(ui.themeActions))
        item->setChecked(item->data().toInt() == theme);
    for (WindowCommands* group : std::as_const(commands))
        group->retranslate();
    if (!ui.privateLabel->text().isEmpty())
        setPrivateModeOn(ui.privateAction->isChecked());
    rebuildSideTabs();
    navigation->updateControls();
    updateHashIndicator();
}

// --- themes and languages ----------------------------------------------------------------

void MainWindow::applyTheme(int index)
{
    // An index without a theme becomes light.
    if (themeInfo(index).theme == theme)
        return;
    theme = themeInfo(index).theme;
    const ThemePalette palette = themePalette(theme);
    if (qApp) {
        qApp->setStyleSheet(buildStyleSheet(palette));
        recordAppliedTheme(*qApp, theme);
    }
    settings->setTheme(palette.id);
    for (QAction* item : std::as_const(ui.themeActions))
        item->setChecked(item->data().toInt() == theme);
    for (DocumentTab* tab : std::as_const(tabList))
        tab->applyThemeColours();
    // The application sheet leaves the toolbar's separators to the style, which draws them
    // light.
    if (ui.toolbar)
        ui.toolbar->setStyleSheet(
            QStringLiteral("QToolBar::separator{background:%1;width:1px;margin:6px 4px;}")
                .arg(palette.line));
    // Indicator colours come from the theme.
    if (ui.hashLabel && !ui.hashLabel->text().isEmpty())
        ui.hashLabel->setStyleSheet(QStringLiteral("color:%1;").arg(palette.success));
    if (ui.documentLabel && !ui.documentLabel->text().isEmpty())
        ui.documentLabel->setStyleSheet(QStringLiteral("color:%1;").arg(palette.warning));
}

void MainWindow::setLanguage(const QString& code)
{
    if (code == settings->language())
        return;
    settings->setLanguage(code);
    installLanguage(code);
    retranslate();
    for (DocumentTab* tab : std::as_const(tabList))
        tab->retranslate();
    updateWindowTitle();
}

// --- opening and closing -------------------------------------------------------------------

void MainWindow::openCommand()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("打开 PDF"), QString(),
                                                      tr("PDF 文档 (*.pdf);;所有文件 (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::openFile(const QString& path)
{
    openDocument(path, {});
}

void MainWindow::openRawFile(const QByteArray& rawPath)
{
    openDocument(QFile::decodeName(rawPath), rawPath);
}

DocumentTab* MainWindow::openDocument(const QString& path, const QByteArray& rawPath)
{
    // Leads to the file named by bytes while it is looked at here; the session opens its own.
    const std::unique_ptr<RawFilePath> raw =
        rawPath.isEmpty() ? nullptr : std::make_unique<RawFilePath>(rawPath);
    const QFileInfo info(raw ? raw->path() : path);
    if (!raw && !info.exists() && path.contains(QChar::ReplacementCharacter)) {
        // A byte of the name that is not UTF-8 was replaced when the name was read: the file may
        // well exist, under a name this program cannot spell.
        QMessageBox::warning(
            this, tr("打开失败"),
            tr("文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。"));
        return nullptr;
    }
    if (!info.exists() || !info.isFile() || !info.isReadable()) {
        QMessageBox::warning(this, tr("打开失败"), tr("文件不存在或无法访问。"));
        return nullptr;
    }

    const QString canonical = info.canonicalFilePath();
    for (DocumentTab* tab : std::as_const(tabList)) {
        const QString open = tab->session()->controller()->filePath();
        // Canonical paths decoded from names with bytes that are not valid UTF-8 may coincide
        // for different files: those are compared as files.
        const bool same = raw || tab->session()->controller()->rawFile()
                              ? isSameInode(open, info.filePath())
                              : QFileInfo(open).canonicalFilePath() == canonical;
        if (same && !canonical.isEmpty()) {
            setCurrentTab(tab);
            ui.tabs->setCurrentWidget(tab->pageWidget());
            return tab;
        }
    }

    auto* tab = new DocumentTab(&pdfWorker, settings, this);
    tabList.append(tab);
    wireTab(tab);
    tab->session()->ocr()->setRecogniser(&recogniser);

    ui.tabs->addTab(tab->pageWidget(), raw ? raw->displayName() : info.fileName());
    if (!currentTab)
        setCurrentTab(tab);
    // The document, its watcher and its sidecar work with the absolute path: a relative one would
    // follow later changes of the working directory.
    if (raw)
        tab->session()->openRawFile(raw->rawPath());
    else
        tab->session()->openFile(info.absoluteFilePath());
    ui.stack->setCurrentWidget(ui.area);
    ui.tabs->setCurrentWidget(tab->pageWidget());
    // The first tab became current before its session knew its file: name it now.
    updateWindowTitle();

    // Remembered before the document has loaded, so a file that then fails to open stays listed.
    // A relative path is kept absolute: the list is used later from any working directory.
    if (!settings->privateMode() && !raw)
        settings->addRecentFile(info.absoluteFilePath());
    return tab;
}

void MainWindow::openRequest(const OpenRequest& request)
{
    DocumentTab* tab = openDocument(request.path, request.rawPath);
    if (tab && tab == currentTab)
        study->applyWhenReady(tab, request);
}

void MainWindow::wireTab(DocumentTab* tab)
{
    study->wireTab(tab);
    connect(tab->session(), &DocumentSession::passwordRequired, this,
            [this, tab](DocumentSession*, bool wrongPrevious) { askPassword(tab, wrongPrevious); });
    // A new load binds the annotations again; what they reported before no longer holds.
    connect(tab->session(), &DocumentSession::statusChanged, this,
            [this, tab](DocumentSession*, DocumentStatus status) {
                if (status == DocumentStatus::Loading)
                    annotationWarnings.remove(tab);
            });
    AnnotationStore* store = tab->session()->annotations();
    connect(store, &AnnotationStore::readonlyFallback, this,
            [this, tab](AnnotationStore::Fallback reason, const QString& fileError) {
                annotationWarnings.insert(
                    tab, QStringLiteral("● %1").arg(outcomeText(reason, fileError)));
            });
    connect(store, &AnnotationStore::hashMismatchDetected, this, [this, tab] {
        annotationWarnings.insert(tab, tr("● 批注与当前文档内容不一致，矩形锚定可能漂移"));
    });
}

void MainWindow::connectCurrent(DocumentTab* tab)
{
    auto add = [this](QMetaObject::Connection connection) {
        currentConnections.append(connection);
    };
    add(connect(tab->session(), &DocumentSession::statusChanged, this,
                [this](DocumentSession*, DocumentStatus status, OpenOutcome failure) {
                    onStatusChanged(status, failure);
                }));
    add(connect(tab, &DocumentTab::documentReady, this, &MainWindow::onDocumentReady));
    add(connect(tab->session(), &DocumentSession::sourceFileModified, this,
                &MainWindow::showSourceModified));
    // The outline comes after the first page is shown: it brings the contents forward only from
    // the default thumbnails, never over a panel chosen meanwhile (a search asked for, a click).
    add(connect(tab, &DocumentTab::tocAvailable, this, [this](DocumentTab*, bool toc) {
        if (toc && ui.sideTabs->currentWidget() == currentTab->panel<ThumbnailPanel>())
            showSidePanel(currentTab->panel<BookmarkPanel>());
    }));
    AnnotationStore* store = tab->session()->annotations();
    add(connect(store, &AnnotationStore::readonlyFallback, this,
                [this](AnnotationStore::Fallback reason, const QString& fileError) {
                    statusBar()->showMessage(outcomeText(reason, fileError), 8000);
                    updateDocumentIndicator();
                }));
    add(connect(store, &AnnotationStore::hashMismatchDetected, this,
                &MainWindow::updateDocumentIndicator));
}

void MainWindow::setCurrentTab(DocumentTab* tab)
{
    if (tab == currentTab)
        return;
    if (tab && !tabList.contains(tab))
        return;

    if (currentTab && ui.sideTabs->currentIndex() >= 0
        && ui.sideTabs->count() == int(sidePanels().size()))
        currentTab->setSideTabIndex(ui.sideTabs->currentIndex());
    // The document left behind keeps only small caches while it is not shown.
    if (currentTab)
        currentTab->trimCaches();

    for (const QMetaObject::Connection& connection : std::as_const(currentConnections))
        disconnect(connection);
    currentConnections.clear();
    currentTab = tab;
    if (tab)
        connectCurrent(tab);
    for (WindowCommands* group : std::as_const(commands))
        group->setCurrentTab(tab);

    rebuildSideTabs();

    if (tab) {
        ui.stack->setCurrentWidget(ui.area);
        ui.tabs->setCurrentWidget(tab->pageWidget());
        updateWindowTitle();
        refreshFromSession();
        if (pageView())
            pageView()->setFocus();
    } else {
        updateWindowTitle();
        ui.banner->hide();
        updateDocumentIndicator();
        ui.stack->setCurrentWidget(ui.welcome);
    }
    updateHashIndicator();
    updateActionStates();
    navigation->updateControls();
    updateSidebarVisibility();
    study->setCurrentTab(tab);
}

void MainWindow::rebuildSideTabs()
{
    rebuildingSideTabs = true;
    while (ui.sideTabs->count() > 0)
        ui.sideTabs->removeTab(0);
    const std::vector<SidePanelInfo>& rows = sidePanels();
    QStringList waiting; // titles of the panels that come with a document
    for (int row = 0; row < int(rows.size()); ++row) {
        const SidePanelInfo& info = rows[size_t(row)];
        QWidget* panel = !info.needsDocument ? windowPanel(row)
                         : currentTab        ? currentTab->sidePanel(row)
                                             : nullptr;
        if (!panel) {
            if (!currentTab)
                waiting.append(tr(info.title));
            continue;
        }
        const int tab = ui.sideTabs->addTab(panel, tr(info.title));
        ui.sideTabs->setTabToolTip(tab, ui.sideTabs->tabText(tab));
    }
    if (currentTab && ui.sideTabs->count() > 0) {
        ui.sideTabs->setCurrentIndex(
            std::clamp(currentTab->sideTabIndex(), 0, ui.sideTabs->count() - 1));
    } else if (!waiting.isEmpty()) {
        ui.sidePlaceholder->setText(
            tr("打开文档后，此处显示\n%1").arg(waiting.join(QStringLiteral(" · "))));
        ui.sideTabs->insertTab(0, ui.sidePlaceholder, tr("文档"));
        ui.sideTabs->setCurrentIndex(0);
    }
    // Whole titles in every language: the side area is never narrower than its tabs need (the
    // splitter follows the minimum).
    ui.sideTabs->setMinimumWidth(std::clamp(ui.sideTabs->tabBar()->sizeHint().width(), 220, 560));
    rebuildingSideTabs = false;
}

QWidget* MainWindow::windowPanel(int row)
{
    QWidget*& panel = windowPanels[row];
    if (!panel) {
        const SidePanelInfo& info = sidePanels().at(size_t(row));
        panel = info.create(nullptr);
        panel->setObjectName(QLatin1String(info.objectName));
        panel->setParent(ui.sideTabs);
    }
    return panel;
}

void MainWindow::showSidePanel(int row)
{
    if (!sidePanels().at(size_t(row)).needsDocument)
        showSidePanel(windowPanel(row));
    else if (currentTab)
        showSidePanel(currentTab->sidePanel(row));
}

void MainWindow::showSidePanel(QWidget* panel)
{
    if (panel && ui.sideTabs->indexOf(panel) >= 0)
        ui.sideTabs->setCurrentWidget(panel);
}

void MainWindow::refreshFromSession()
{
    if (!currentTab)
        return;
    for (WindowCommands* group : std::as_const(commands))
        group->updateControls();
    if (currentTab->session()->sourceModified())
        showSourceModified();
    else
        updateDocumentIndicator();
}

void MainWindow::onTabChanged(int index)
{
    QWidget* page = index >= 0 ? ui.tabs->widget(index) : nullptr;
    DocumentTab* found = nullptr;
    for (DocumentTab* tab : std::as_const(tabList)) {
        if (page && tab->pageWidget() == page) {
            found = tab;
            break;
        }
    }
    setCurrentTab(found);
}

void MainWindow::closeTab(DocumentTab* tab)
{
    if (!tab || !tabList.contains(tab))
        return;

    DocumentTab* successor = nullptr;
    for (qsizetype i = tabList.size() - 1; i >= 0; --i) {
        if (tabList.at(i) != tab) {
            successor = tabList.at(i);
            break;
        }
    }

    tabList.removeOne(tab);
    annotationWarnings.remove(tab);
    const int index = ui.tabs->indexOf(tab->pageWidget());
    if (index >= 0)
        ui.tabs->removeTab(index); // selects the neighbour, which becomes current
    if (currentTab == tab)
        setCurrentTab(successor);

    tab->session()->prepareClose();
    tab->deleteLater();
    updateActionStates();
}

void MainWindow::updateWindowTitle()
{
    const QString version = QString::fromLatin1(applicationVersionText);
    if (currentTab)
        setWindowTitle(
            QStringLiteral("%1 - Dovrix v%2").arg(currentTab->session()->displayName(), version));
    else
        setWindowTitle(QStringLiteral("Dovrix v%1").arg(version));
}

void MainWindow::ocrPageWhenReady(int page)
{
    ocr->ocrPageWhenReady(tabList.isEmpty() ? nullptr : tabList.last(), page);
}

// --- session reactions -------------------------------------------------------------------

void MainWindow::onStatusChanged(DocumentStatus status, OpenOutcome failure)
{
    updateHashIndicator();
    updateDocumentIndicator();
    navigation->updateControls();
    if (status == DocumentStatus::Loading) {
        statusBar()->showMessage(tr("正在打开文档…"));
    } else {
        statusBar()->clearMessage();
        if (status == DocumentStatus::Failed)
            QMessageBox::warning(this, tr("打开失败"), outcomeText(failure));
    }
    updateActionStates();
}

void MainWindow::onDocumentReady()
{
    ui.banner->hide();
    currentTab->session()->setSourceModified(false);
    updateHashIndicator();
    updateActionStates();
    updateDocumentIndicator();
    for (WindowCommands* group : std::as_const(commands))
        group->updateControls();
    statusBar()->clearMessage();
    ui.stack->setCurrentWidget(ui.area);
    if (pageView())
        pageView()->setFocus();
}

void MainWindow::askPassword(DocumentTab* tab, bool wrongPrevious)
{
    const QString title = wrongPrevious ? tr("口令不正确，请重试") : tr("该文档已加密");
    bool ok = false;
    // The dialog runs its own event loop: the tab may be closed meanwhile.
    QPointer<DocumentTab> guard(tab);
    const QString password =
        QInputDialog::getText(this, title, tr("请输入打开口令（Dovrix 不支持破解或移除权限）："),
                              QLineEdit::Password, QString(), &ok);
    if (!guard || !tabList.contains(tab))
        return;
    if (!ok || password.isEmpty())
        closeTab(tab);
    else
        tab->session()->submitPassword(password);
}

void MainWindow::showSourceModified()
{
    ui.banner->show();
    updateDocumentIndicator();
    updateHashIndicator();
}

void MainWindow::updateDocumentIndicator()
{
    if (currentTab && currentTab->session()->sourceModified())
        setDocumentIndicator(tr("● 源文件已被外部修改"));
    else
        setDocumentIndicator(annotationWarnings.value(currentTab));
}

void MainWindow::setDocumentIndicator(const QString& text)
{
    ui.documentLabel->setText(text);
    ui.documentLabel->setStyleSheet(
        text.isEmpty() ? QString()
                       : QStringLiteral("color:%1;").arg(themePalette(currentTheme()).warning));
}

void MainWindow::updateHashIndicator()
{
    if (!currentTab) {
        ui.hashLabel->clear();
        ui.hashLabel->setStyleSheet(QString());
        ui.hashLabel->setToolTip(QString());
        return;
    }
    // The claim holds only for a shown document whose file still has the contents it was opened
    // with: a tab still loading, or a file changed on disk, shows none.
    if (controller() && controller()->status() == DocumentStatus::Ready
        && !controller()->sourceHash().isEmpty() && !currentTab->session()->sourceModified()) {
        ui.hashLabel->setText(tr("● 只读：源文件哈希未变"));
        ui.hashLabel->setStyleSheet(
            QStringLiteral("color:%1;").arg(themePalette(currentTheme()).success));
        ui.hashLabel->setToolTip(
            tr("SHA-256：%1\nDovrix 不会修改源文件。").arg(controller()->sourceHash()));
    } else {
        ui.hashLabel->clear();
        ui.hashLabel->setStyleSheet(QString());
        ui.hashLabel->setToolTip(QString());
    }
}

// --- commands and status -----------------------------------------------------------------------

void MainWindow::updateActionStates()
{
    study->updateActionStates();
    const bool ready = controller() && controller()->status() == DocumentStatus::Ready;
    ui.closeAction->setEnabled(currentTab != nullptr);
    for (WindowCommands* group : std::as_const(commands))
        group->updateActionStates(ready);
    for (QAction* action : {ui.printAction, ui.propertiesAction})
        action->setEnabled(ready);
    for (QAction* action : std::as_const(ui.exportActions))
        action->setEnabled(ready);
}

void MainWindow::showSidebar()
{
    sidebarVisible = true;
    updateSidebarVisibility();
}

void MainWindow::updateSidebarVisibility()
{
    ui.sidebar->setVisible(sidebarVisible && currentTab && !fullScreen->isActive());
}

void MainWindow::openHomePage()
{
    const QUrl url(QString::fromLatin1(homePage));
    if (!QDesktopServices::openUrl(url))
        statusBar()->showMessage(
            tr("没有可以打开网页的浏览器。Dovrix 主页：%1").arg(url.toString()), 15000);
}

DocumentPropertiesDialog* MainWindow::showDocumentProperties()
{
    if (!controller() || controller()->status() != DocumentStatus::Ready)
        return nullptr;
    const QList<DocumentPropertiesDialog*> open = findChildren<DocumentPropertiesDialog*>();
    for (DocumentPropertiesDialog* dialog : open) {
        if (dialog->documentController() == controller() && dialog->isCurrent()) {
            dialog->raise();
            dialog->activateWindow();
            return dialog;
        }
    }
    auto* dialog = new DocumentPropertiesDialog(controller(), this);
    dialog->show();
    return dialog;
}

void MainWindow::setPrivateModeOn(bool on)
{
    settings->setPrivateMode(on);
    ui.privateLabel->setText(on ? tr("● 私密模式：开") : tr("私密模式：关"));
    ui.privateLabel->setToolTip(on ? tr("私密模式：不写入最近文件与缩略图缓存") : QString());
}

// --- window events ---------------------------------------------------------------------------

void MainWindow::placeWindow()
{
    if (restoreGeometry(settings->windowGeometry()))
        return;
    // The first start: the usual size, but never more than the screen leaves free.
    QSize size(1440, 900);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size());
    resize(size);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Full screen is a mode of the moment: the next start opens at the size it was left in.
    if (!isFullScreen())
        settings->setWindowGeometry(saveGeometry());
    for (DocumentTab* tab : std::as_const(tabList))
        tab->session()->prepareClose();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (isPdfPath(url.toLocalFile())) {
            event->acceptProposedAction();
            return;
        }
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (!isPdfPath(path))
            continue;
        // The URL keeps the name's bytes percent-encoded, also those a QString cannot spell.
        const QByteArray raw =
            url.isLocalFile()
                ? QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())
                : QByteArray();
        if (RawFilePath::needed(raw))
            openRawFile(raw);
        else
            openFile(path);
    }
    event->acceptProposedAction();
}

// --- parts of the current tab ----------------------------------------------------------

DocumentController* MainWindow::controller() const
{
    return currentTab ? currentTab->session()->controller() : nullptr;
}

PdfViewport* MainWindow::pageView() const
{
    return currentTab ? currentTab->viewport() : nullptr;
}

} // namespace dovrix

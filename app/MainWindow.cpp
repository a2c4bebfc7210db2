#include "app/MainWindow.h"

#include "annotations/Annotation.h"
#include "annotations/AnnotationPainter.h"
#include "annotations/AnnotationPanel.h"
#include "annotations/AnnotationStore.h"
#include "app/ExportCommands.h"
#include "app/FullScreenMode.h"
#include "app/OpenRequests.h"
#include "app/StartUp.h"
#include "app/StudyTools.h"
#include "core/DocumentController.h"
#include "core/FileSafety.h"
#include "core/PageColours.h"
#include "core/PageLabels.h"
#include "core/PageUnits.h"
#include "core/ProgramFiles.h"
#include "core/RawFilePath.h"
#include "core/session/DocumentSession.h"
#include "i18n/LanguageTable.h"
#include "ocr/OcrController.h"
#include "settings/AppSettings.h"
#include "text/SearchController.h"
#include "text/SearchNormalize.h"
#include "text/SearchPanel.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"
#include "view/BookmarkPanel.h"
#include "view/PdfViewport.h"
#include "view/ThumbnailPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPixmap>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace dovrix {

namespace {

constexpr char homePage[] = "https://dovrix.app/";

// The first annotation of the run explains where annotations are kept; later ones do not.
bool firstAnnotationExplained = false;

bool isPdfPath(const QString& path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

int roundedPercent(double zoom)
{
    return int(std::lround(zoom * 100.0)); // half away from zero
}

} // namespace

MainWindow::MainWindow() : QMainWindow(nullptr), settings(new AppSettings(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1440, 900);
    setAcceptDrops(true);
    setDockNestingEnabled(false);

    theme = themeIndexFromId(settings->theme());
    study = new StudyTools(this);
    buildToolbar();
    buildCentral();
    buildStatusBar();
    buildActions();
    wireExports();

    applyTheme(theme);
    installLanguage(settings->language());
    retranslate();
    updateActionStates();
    updateHashIndicator();
    updateSidebarVisibility();
    updateWindowTitle();

    searchTimer = new QTimer(this);
    searchTimer->setSingleShot(true);
    searchTimer->setInterval(SearchDelayMs);
    connect(searchTimer, &QTimer::timeout, this, &MainWindow::searchNow);
    connect(searchEdit, &QLineEdit::textChanged, searchTimer, qOverload<>(&QTimer::start));
    connect(searchEdit, &QLineEdit::returnPressed, this, [this] {
        searchTimer->stop();
        if (searchPanel && searchPanel->currentHitIndex() < 0 && !searchEdit->text().isEmpty())
            searchPanel->search(searchEdit->text(), false);
        searchStep(+1);
    });
}

MainWindow::~MainWindow()
{
    // Deleting the sessions removes their pages from the tab widgets; that is no switch of the
    // current document any more.
    disconnect(tabs, nullptr, this, nullptr);
    disconnect(sideTabs, nullptr, this, nullptr);
    deleteSessions();
    // pdfWorker is destroyed next (a member), then the child widgets with the base window.
}

void MainWindow::deleteSessions()
{
    const QList<DocumentSession*> open = sessions;
    sessions.clear();
    currentSession = nullptr;
    controller = nullptr;
    textStore = nullptr;
    searchController = nullptr;
    annotationStore = nullptr;
    renderCache = nullptr;
    progress = nullptr;
    pageView = nullptr;
    searchPanel = nullptr;
    annotationPanel = nullptr;
    ocrController = nullptr;
    for (DocumentSession* session : open) {
        session->prepareClose();
        delete session;
    }
    // Sessions of closed tabs may still wait for their deferred deletion; they must go before the
    // worker their controllers post to.
    const QList<DocumentSession*> closing =
        findChildren<DocumentSession*>(QString(), Qt::FindDirectChildrenOnly);
    for (DocumentSession* session : closing)
        delete session;
}

// --- construction ----------------------------------------------------------------------------

QPushButton* MainWindow::toolButton(const char* name)
{
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QAction* MainWindow::windowAction(const char* name, const QKeySequence& shortcut)
{
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    addAction(action);
    return action;
}

void MainWindow::buildToolbar()
{
    toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    addToolBar(toolbar);

    sidebarButton = toolButton("sidebarButton");
    connect(sidebarButton, &QPushButton::clicked, this, [this] {
        sidebarVisible = !sidebarVisible;
        updateSidebarVisibility();
    });
    backButton = toolButton("backButton");
    connect(backButton, &QPushButton::clicked, this, [this] {
        if (currentSession)
            currentSession->navigateHistory(-1);
    });
    forwardButton = toolButton("forwardButton");
    connect(forwardButton, &QPushButton::clicked, this, [this] {
        if (currentSession)
            currentSession->navigateHistory(+1);
    });
    openButton = toolButton("openButton");
    connect(openButton, &QPushButton::clicked, this, &MainWindow::openCommand);
    printButton = toolButton("printButton");
    exportButton = toolButton("exportButton");
    exportMenu = new QMenu(exportButton);
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            exportMenu->addSeparator();
        exportActions.append(exportMenu->addAction(QString()));
    }
    exportButton->setMenu(exportMenu);
    annotationButton = new QPushButton;
    annotationButton->setObjectName(QStringLiteral("annotationButton"));
    annotationButton->setCheckable(true);
    annotationButton->setCursor(Qt::PointingHandCursor);
    // The annotation tools, shown while annotation mode is on. Their shortcuts choose a tool and
    // turn annotation mode on from anywhere in the window.
    auto* toolsBox = new QWidget;
    toolsBox->setObjectName(QStringLiteral("annotationTools"));
    auto* toolsLayout = new QHBoxLayout(toolsBox);
    toolsLayout->setContentsMargins(0, 0, 0, 0);
    toolsLayout->setSpacing(0);
    auto* toolGroup = new QActionGroup(this);
    for (const AnnotationTypeInfo& tool : annotationTypes) {
        QAction* action = windowAction(tool.toolName, QKeySequence(QLatin1String(tool.shortcut)));
        action->setCheckable(true);
        action->setIcon(annotationToolIcon(tool.type));
        toolGroup->addAction(action);
        annotationToolActions.append(action);
        const AnnotationType type = tool.type;
        connect(action, &QAction::triggered, this, [this, type] { chooseAnnotationTool(type); });
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        toolsLayout->addWidget(button);
    }
    rotateButton = toolButton("rotateButton");
    connect(rotateButton, &QPushButton::clicked, this, [this] {
        if (pageView)
            pageView->rotateBy(90);
    });

    searchEdit = new QLineEdit;
    searchEdit->setObjectName(QStringLiteral("searchField"));
    searchEdit->setClearButtonEnabled(true);
    searchEdit->setFixedWidth(260);

    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    pageColoursButton = toolButton("pageColoursButton");
    pageColoursMenu = new QMenu(pageColoursButton);
    auto* coloursGroup = new QActionGroup(pageColoursMenu);
    for (int i = 0; i < 4; ++i) {
        QAction* item = pageColoursMenu->addAction(QString());
        item->setCheckable(true);
        coloursGroup->addAction(item);
        pageColoursActions.append(item);
        connect(item, &QAction::triggered, this, [this, i] { setPageColoursCommand(i); });
    }
    pageColoursButton->setMenu(pageColoursMenu);

    themeButton = toolButton("themeButton");
    themeMenu = new QMenu(themeButton);
    auto* themeGroup = new QActionGroup(themeMenu);
    for (int i = 0; i < 5; ++i) {
        if (i == 2 || i == 4)
            themeMenu->addSeparator();
        QAction* item = themeMenu->addAction(QString());
        item->setCheckable(true);
        item->setData(i);
        themeGroup->addAction(item);
        themeActions.append(item);
        connect(item, &QAction::triggered, this, [this, i] { applyTheme(i); });
    }
    themeButton->setMenu(themeMenu);

    languageButton = toolButton("languageButton");
    languageMenu = new QMenu(languageButton);
    auto* languageGroup = new QActionGroup(languageMenu);
    for (const LanguageEntry& entry : languageTable()) {
        QAction* item = languageMenu->addAction(entry.nativeName);
        item->setCheckable(true);
        item->setData(entry.code);
        languageGroup->addAction(item);
        const QString code = entry.code;
        connect(item, &QAction::triggered, this, [this, code] { setLanguage(code); });
    }
    languageButton->setMenu(languageMenu);

    homeButton = toolButton("homeButton");
    connect(homeButton, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(homePage))); });

    toolbar->addWidget(sidebarButton);
    toolbar->addWidget(backButton);
    toolbar->addWidget(forwardButton);
    toolbar->addSeparator();
    toolbar->addWidget(openButton);
    toolbar->addWidget(printButton);
    toolbar->addWidget(exportButton);
    toolbar->addWidget(annotationButton);
    annotationToolsItem = toolbar->addWidget(toolsBox);
    annotationToolsItem->setVisible(false);
    toolbar->addWidget(rotateButton);
    toolbar->addWidget(study->toolsButton());
    toolbar->addSeparator();
    toolbar->addWidget(searchEdit);
    toolbar->addWidget(spacer);
    toolbar->addWidget(pageColoursButton);
    toolbar->addWidget(themeButton);
    toolbar->addWidget(languageButton);
    toolbar->addWidget(homeButton);
}

void MainWindow::buildCentral()
{
    // Welcome page.
    welcome = new QWidget;
    welcome->setObjectName(QStringLiteral("welcome"));
    auto* welcomeLayout = new QVBoxLayout(welcome);
    welcomeLayout->addStretch(1);
    auto* dropzone = new QFrame;
    dropzone->setObjectName(QStringLiteral("dropzone"));
    dropzone->setFixedSize(560, 300);
    auto* dropLayout = new QVBoxLayout(dropzone);
    dropLayout->setContentsMargins(24, 24, 24, 24);
    auto* title = new QLabel(QStringLiteral("Dovrix"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setPointSize(22);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    // The application sheet sets every widget's font size; only a sheet of its own beats that.
    title->setStyleSheet(QStringLiteral("font-size:22pt;font-weight:700;"));
    dropLayout->addWidget(title);
    welcomeText = new QLabel;
    welcomeText->setAlignment(Qt::AlignCenter);
    welcomeText->setWordWrap(true);
    dropLayout->addWidget(welcomeText);
    dropLayout->addSpacing(12);
    welcomeOpen = new QPushButton;
    welcomeOpen->setObjectName(QStringLiteral("primary"));
    welcomeOpen->setFixedWidth(180);
    connect(welcomeOpen, &QPushButton::clicked, this, &MainWindow::openCommand);
    dropLayout->addWidget(welcomeOpen, 0, Qt::AlignCenter);
    welcomeLayout->addWidget(dropzone, 0, Qt::AlignCenter);

    recentLabel = new QLabel;
    recentLabel->setObjectName(QStringLiteral("recentLabel"));
    recentLabel->setStyleSheet(QStringLiteral("margin-top:16px;"));
    welcomeLayout->addWidget(recentLabel, 0, Qt::AlignHCenter);
    recentList = new QListWidget;
    recentList->setObjectName(QStringLiteral("recentList"));
    recentList->setFixedWidth(560);
    recentList->setFrameShape(QFrame::NoFrame);
    recentList->setMaximumHeight(160);
    const QStringList recent = settings->recentFiles();
    for (const QString& path : recent) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName(), recentList);
        item->setToolTip(path);
    }
    connect(recentList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openFile(item->toolTip()); });
    welcomeLayout->addWidget(recentList, 0, Qt::AlignHCenter);
    clearRecent = new QPushButton;
    clearRecent->setObjectName(QStringLiteral("clearRecentButton"));
    clearRecent->setFlat(true);
    connect(clearRecent, &QPushButton::clicked, this, [this] {
        settings->clearRecentFiles();
        recentList->clear();
    });
    welcomeLayout->addWidget(clearRecent, 0, Qt::AlignHCenter);
    welcomeLayout->addStretch(2);

    // Document area: the banner above the document tabs.
    area = new QWidget;
    area->setObjectName(QStringLiteral("documentArea"));
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(8, 8, 8, 8);
    areaLayout->setSpacing(6);
    banner = new QFrame;
    banner->setObjectName(QStringLiteral("banner"));
    banner->hide();
    auto* bannerLayout = new QHBoxLayout(banner);
    bannerLayout->setContentsMargins(12, 6, 12, 6);
    bannerText = new QLabel;
    bannerText->setWordWrap(true);
    bannerLayout->addWidget(bannerText, 1);
    reloadButton = new QPushButton;
    reloadButton->setObjectName(QStringLiteral("reloadButton"));
    bannerLayout->addWidget(reloadButton);
    ignoreButton = new QPushButton;
    ignoreButton->setObjectName(QStringLiteral("ignoreButton"));
    bannerLayout->addWidget(ignoreButton);
    connect(reloadButton, &QPushButton::clicked, this, [this] {
        banner->hide();
        if (controller)
            controller->reload();
    });
    connect(ignoreButton, &QPushButton::clicked, banner, &QWidget::hide);
    areaLayout->addWidget(banner);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("documentTabs"));
    tabs->setDocumentMode(true);
    tabs->setTabsClosable(true);
    tabs->setMovable(true);
    tabs->tabBar()->setSelectionBehaviorOnRemove(QTabBar::SelectRightTab);
    tabs->tabBar()->setDrawBase(false); // the style's light base line shows in dark themes
    areaLayout->addWidget(tabs, 1);
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    connect(tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
        QWidget* page = tabs->widget(index);
        for (DocumentSession* session : std::as_const(sessions)) {
            if (session->pageWidget() == page) {
                closeSession(session);
                return;
            }
        }
    });

    stack = new QStackedWidget;
    stack->setObjectName(QStringLiteral("centralStack"));
    stack->addWidget(welcome);
    stack->addWidget(area);
    stack->setCurrentWidget(welcome);

    // Side area: the current document's panels above the page and zoom labels.
    sidebar = new QWidget;
    sidebar->setObjectName(QStringLiteral("sidebar"));
    auto* sideLayout = new QVBoxLayout(sidebar);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->setSpacing(0);
    sideTabs = new QTabWidget;
    sideTabs->setObjectName(QStringLiteral("sideTabs"));
    sideTabs->setMinimumWidth(220);
    sideTabs->setMaximumWidth(560);
    sideTabs->tabBar()->setObjectName(QStringLiteral("sideTabBar"));
    // Four tabs share the side area's width in every language: long names are shortened with an
    // ellipsis (their tooltip shows them whole) instead of pushing the last tab out of sight.
    sideTabs->tabBar()->setUsesScrollButtons(false);
    sideTabs->tabBar()->setElideMode(Qt::ElideRight);
    sidePlaceholder = new QLabel;
    sidePlaceholder->setAlignment(Qt::AlignCenter);
    sideTabs->addTab(sidePlaceholder, QString());
    connect(sideTabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!rebuildingSideTabs && currentSession && index >= 0)
            currentSession->setSideTabIndex(index);
    });
    sideLayout->addWidget(sideTabs, 1);
    auto* bottomBar = new QWidget;
    auto* bottomLayout = new QHBoxLayout(bottomBar);
    bottomLayout->setContentsMargins(10, 4, 10, 4);
    // The current page is a field: a typed page number and Return go there.
    pageField = new QLineEdit(QStringLiteral("0"));
    pageField->setObjectName(QStringLiteral("pageField"));
    // Digits only, unless the document has page labels (see fitPageFieldToLabels).
    pageNumberValidator = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,9}")), pageField);
    pageField->setAlignment(Qt::AlignRight);
    fitPageFieldToLabels();
    connect(pageField, &QLineEdit::returnPressed, this, &MainWindow::goToTypedPage);
    // Leaving the field without Return shows the current page again.
    connect(pageField, &QLineEdit::editingFinished, this, &MainWindow::updatePageStatus);
    pageCountLabel = new QLabel(QStringLiteral("/ 0"));
    pageCountLabel->setObjectName(QStringLiteral("pageCountLabel"));
    zoomLabel = new QLabel;
    zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    bottomLayout->addWidget(pageField);
    bottomLayout->addWidget(pageCountLabel);
    bottomLayout->addStretch();
    bottomLayout->addWidget(zoomLabel);
    sideLayout->addWidget(bottomBar);

    splitter = new QSplitter(Qt::Horizontal);
    splitter->setHandleWidth(5);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(sidebar);
    splitter->addWidget(stack);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 900});

    auto* central = new QWidget;
    auto* centralLayout = new QHBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(splitter);
    setCentralWidget(central);
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    tagline = new QLabel;
    tagline->setContentsMargins(6, 0, 6, 0);
    hashLabel = new QLabel;
    hashLabel->setObjectName(QStringLiteral("hashIndicator"));
    documentLabel = new QLabel;
    documentLabel->setObjectName(QStringLiteral("documentIndicator"));
    bar->addWidget(tagline);
    bar->addWidget(hashLabel);
    bar->addWidget(documentLabel);

    auto statusButton = [](const char* name) {
        auto* button = new QPushButton;
        button->setObjectName(QLatin1String(name));
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setFixedHeight(22);
        button->setEnabled(false);
        return button;
    };
    zoomOutButton = statusButton("zoomOutButton");
    connect(zoomOutButton, &QPushButton::clicked, this, [this] {
        if (pageView)
            pageView->setZoom(pageView->zoom() / ZoomStep);
    });
    statusZoomLabel = new QLabel(QStringLiteral("—"));
    statusZoomLabel->setObjectName(QStringLiteral("statusZoomLabel"));
    statusZoomLabel->setContentsMargins(4, 0, 4, 0);
    zoomInButton = statusButton("zoomInButton");
    connect(zoomInButton, &QPushButton::clicked, this, [this] {
        if (pageView)
            pageView->setZoom(pageView->zoom() * ZoomStep);
    });
    fitButton = statusButton("fitButton");
    connect(fitButton, &QPushButton::clicked, this, [this] {
        if (!pageView)
            return;
        if (pageView->fitMode() != PdfViewport::FitWidth) {
            pageView->setFitMode(PdfViewport::FitWidth);
        } else {
            pageView->setFitMode(PdfViewport::FitNone);
            pageView->setZoom(1.0);
        }
    });
    statusRotateButton = statusButton("statusRotateButton");
    connect(statusRotateButton, &QPushButton::clicked, this, [this] {
        if (pageView)
            pageView->rotateBy(90);
    });
    viewModeButton = statusButton("viewModeButton");
    connect(viewModeButton, &QPushButton::clicked, this, [this] {
        if (pageView)
            pageView->setViewMode(1 - pageView->viewMode());
    });
    privateLabel = new QLabel;
    privateLabel->setObjectName(QStringLiteral("privateLabel"));

    bar->addPermanentWidget(zoomOutButton);
    bar->addPermanentWidget(statusZoomLabel);
    bar->addPermanentWidget(zoomInButton);
    bar->addPermanentWidget(fitButton);
    bar->addPermanentWidget(statusRotateButton);
    bar->addPermanentWidget(viewModeButton);
    spreadButton = statusButton("spreadButton");
    spreadButton->setMenu(new QMenu(spreadButton));
    bar->addPermanentWidget(spreadButton);
    bar->addPermanentWidget(privateLabel);
}

void MainWindow::buildActions()
{
    openAction = windowAction("openAction", QKeySequence::Open);
    connect(openAction, &QAction::triggered, this, &MainWindow::openCommand);
    closeAction = windowAction("closeAction", QKeySequence(QStringLiteral("Ctrl+W")));
    connect(closeAction, &QAction::triggered, this, [this] { closeSession(currentSession); });
    nextTabAction = windowAction("nextTabAction", QKeySequence(QStringLiteral("Ctrl+Tab")));
    connect(nextTabAction, &QAction::triggered, this, [this] {
        if (sessions.size() > 1 && currentSession && tabs->count() > 0)
            tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
    });
    printAction = windowAction("printAction", QKeySequence::Print);
    privateAction = windowAction("privateAction", QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    privateAction->setCheckable(true);
    // Checked from the settings before the handler is connected: the label stays empty until the
    // first toggle.
    privateAction->setChecked(settings->privateMode());
    connect(privateAction, &QAction::toggled, this, &MainWindow::setPrivateModeOn);
    findNextAction = windowAction("findNextAction", QKeySequence(QStringLiteral("F3")));
    connect(findNextAction, &QAction::triggered, this, [this] { searchStep(+1); });
    findPreviousAction =
        windowAction("findPreviousAction", QKeySequence(QStringLiteral("Shift+F3")));
    connect(findPreviousAction, &QAction::triggered, this, [this] { searchStep(-1); });
    copyAction = windowAction("copyAction", QKeySequence::Copy);
    connect(copyAction, &QAction::triggered, this, &MainWindow::copySelection);
    singlePageAction = windowAction("singlePageAction", QKeySequence());
    singlePageAction->setCheckable(true);
    connect(singlePageAction, &QAction::toggled, this, [this](bool on) {
        if (pageView)
            pageView->setViewMode(on ? PdfViewport::SinglePage : PdfViewport::Continuous);
    });
    rotateAction = windowAction("rotateAction", QKeySequence(QStringLiteral("Ctrl+R")));
    connect(rotateAction, &QAction::triggered, this, [this] {
        if (pageView)
            pageView->rotateBy(90);
    });
    fitWidthAction = windowAction("fitWidthAction", QKeySequence());
    connect(fitWidthAction, &QAction::triggered, this, [this] {
        if (pageView)
            pageView->setFitMode(PdfViewport::FitWidth);
    });
    fitPageAction = windowAction("fitPageAction", QKeySequence());
    connect(fitPageAction, &QAction::triggered, this, [this] {
        if (pageView)
            pageView->setFitMode(PdfViewport::FitPage);
    });
    actualSizeAction = windowAction("actualSizeAction", QKeySequence(QStringLiteral("Ctrl+0")));
    connect(actualSizeAction, &QAction::triggered, this, [this] {
        if (!pageView)
            return;
        pageView->setFitMode(PdfViewport::FitNone);
        pageView->setZoom(1.0);
    });
    QAction* thumbnailsTab = windowAction("thumbnailsTabAction", QKeySequence("Ctrl+T"));
    connect(thumbnailsTab, &QAction::triggered, this, [this] {
        if (currentSession)
            sideTabs->setCurrentIndex(0);
    });
    QAction* outlineTab = windowAction("outlineTabAction", QKeySequence("Ctrl+B"));
    connect(outlineTab, &QAction::triggered, this, [this] {
        if (currentSession)
            sideTabs->setCurrentIndex(1);
    });
    // Escape runs the page view's own steps (drop a drag, close the card, clear the selection,
    // leave annotation mode) wherever the focus is. It calls them rather than sending the key
    // again: a sent key passes the window's shortcuts first and would trigger this action anew.
    QAction* escape = windowAction("escapeAction", QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, [this] {
        // Full screen is left after the page view's own steps, when it had nothing to undo.
        if (pageView) {
            pageView->setFocus(Qt::ShortcutFocusReason);
            if (pageView->escape())
                return;
        }
        fullScreen->setActive(false);
    });
    goToPageAction = windowAction("goToPageAction", QKeySequence(QStringLiteral("Ctrl+G")));
    connect(goToPageAction, &QAction::triggered, this, &MainWindow::focusPageField);
    // The search field's placeholder names Ctrl+F; nothing else binds it.
    QAction* find = windowAction("findAction", QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        searchEdit->setFocus();
        searchEdit->selectAll();
    });
    annotationModeAction = windowAction("annotationModeAction", QKeySequence("A"));
    annotationModeAction->setCheckable(true);
    connect(annotationModeAction, &QAction::toggled, this, [this](bool on) {
        if (pageView)
            pageView->setAnnotationMode(on);
        const QSignalBlocker block(annotationButton);
        annotationButton->setChecked(on);
        updateAnnotationTools();
    });
    connect(annotationButton, &QPushButton::toggled, annotationModeAction, &QAction::setChecked);
    spreadAction = windowAction("spreadAction", QKeySequence(QStringLiteral("D")));
    spreadAction->setCheckable(true);
    connect(spreadAction, &QAction::toggled, this, [this](bool on) {
        if (pageView)
            pageView->setSpread(on);
    });
    coverAloneAction = windowAction("coverAloneAction", QKeySequence());
    coverAloneAction->setCheckable(true);
    coverAloneAction->setChecked(true);
    connect(coverAloneAction, &QAction::toggled, this, [this](bool on) {
        if (pageView)
            pageView->setCoverAlone(on);
    });
    spreadButton->menu()->addAction(spreadAction);
    spreadButton->menu()->addAction(coverAloneAction);
    pageColoursAction =
        windowAction("pageColoursAction", QKeySequence(QStringLiteral("Ctrl+Alt+N")));
    connect(pageColoursAction, &QAction::triggered, this, [this] {
        const int next = pageView ? (int(pageView->pageColours()) + 1) % 4 : 1;
        setPageColoursCommand(next);
    });
    fullScreen = new FullScreenMode(this, toolbar, sidebar, tabs);
    fullScreenAction = windowAction("fullScreenAction", QKeySequence(QStringLiteral("F11")));
    fullScreenAction->setCheckable(true);
    connect(fullScreenAction, &QAction::toggled, fullScreen, &FullScreenMode::setActive);
    connect(fullScreen, &FullScreenMode::activeChanged, this, [this](bool on) {
        const QSignalBlocker block(fullScreenAction);
        fullScreenAction->setChecked(on);
        if (on)
            fullScreen->showStatus(tr("全屏阅读 · F11 或 Esc 退出"));
        else
            updateSidebarVisibility();
    });
    connect(printButton, &QPushButton::clicked, printAction, &QAction::trigger);
}

void MainWindow::wireExports()
{
    exports = new ExportCommands(this);
    connect(exportActions.at(0), &QAction::triggered, exports, &ExportCommands::exportPagePng);
    connect(exportActions.at(1), &QAction::triggered, exports, &ExportCommands::exportFullText);
    connect(exportActions.at(2), &QAction::triggered, exports,
            &ExportCommands::exportAnnotationSummary);
    connect(exportActions.at(3), &QAction::triggered, exports, &ExportCommands::exportAnnotatedPdf);
    connect(printAction, &QAction::triggered, exports, &ExportCommands::print);
}

void MainWindow::retranslate()
{
    study->retranslate();
    auto setTip = [](QWidget* w, const QString& tip) {
        if (!tip.isEmpty())
            w->setToolTip(tip);
    };
    sidebarButton->setText(QStringLiteral("☰"));
    setTip(sidebarButton, tr("侧边栏"));
    backButton->setText(QStringLiteral("←"));
    setTip(backButton, tr("后退（视图历史）"));
    forwardButton->setText(QStringLiteral("→"));
    setTip(forwardButton, tr("前进（视图历史）"));
    openButton->setText(tr("打开"));
    setTip(openButton, tr("打开 PDF（每个文档一个标签页）"));
    printButton->setText(tr("打印"));
    setTip(printButton, tr("打印（Ctrl+P）"));
    exportButton->setText(tr("导出"));
    setTip(exportButton, tr("导出为新文件（不修改源文件）"));
    exportActions.at(0)->setText(tr("当前页为图片（PNG 300 DPI）…"));
    exportActions.at(1)->setText(tr("全文文本（TXT，按阅读顺序）…"));
    exportActions.at(2)->setText(tr("批注汇总（TXT）…"));
    exportActions.at(3)->setText(tr("含批注的 PDF（副本）…"));
    exportActions.at(3)->setToolTip(tr("把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变"));
    annotationButton->setText(tr("批注"));
    setTip(annotationButton, tr("批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头"));
    for (int i = 0; i < annotationToolActions.size(); ++i) {
        annotationToolActions.at(i)->setText(tr(annotationTypes[i].toolText));
        annotationToolActions.at(i)->setToolTip(tr(annotationTypes[i].toolText));
    }
    goToPageAction->setText(tr("转到页面…"));
    pageField->setToolTip(tr("输入页码或页标签后按回车跳转（Ctrl+G）"));
    rotateButton->setText(tr("旋转90°"));
    setTip(rotateButton, tr("临时旋转 90°（仅本次查看）"));
    searchEdit->setPlaceholderText(tr("搜索文档 · Ctrl+F"));
    themeButton->setText(tr("主题"));
    const QStringList themeNames{tr("浅色"), tr("纸感"), tr("深色"), tr("午夜"), tr("高对比")};
    for (int i = 0; i < themeActions.size(); ++i) {
        themeActions.at(i)->setText(themeNames.at(i));
        themeActions.at(i)->setChecked(i == theme);
    }
    const QString language = settings->language();
    languageButton->setText(nativeLanguageName(language));
    setTip(languageButton, tr("切换界面语言"));
    const QList<QAction*> languageItems = languageMenu->actions();
    for (QAction* item : languageItems)
        item->setChecked(item->data().toString() == language);
    homeButton->setText(tr("主页"));
    setTip(homeButton, tr("打开 Dovrix 主页"));

    welcomeText->setText(tr("打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。\n"
                            "支持同时打开多个文档（标签页）。"));
    welcomeOpen->setText(tr("打开 PDF…"));
    recentLabel->setText(tr("最近文件"));
    clearRecent->setText(tr("清空最近记录"));
    bannerText->setText(tr("源文件已被外部修改。重新载入将显示最新内容。"));
    reloadButton->setText(tr("重新载入"));
    ignoreButton->setText(tr("忽略"));
    sidePlaceholder->setText(tr("打开文档后，此处显示\n目录 · 缩略图 · 搜索 · 批注"));
    tagline->setText(tr("Dovrix 一个快如闪电的阅读器"));

    zoomOutButton->setText(QStringLiteral("−"));
    setTip(zoomOutButton, tr("缩小"));
    zoomInButton->setText(QStringLiteral("＋"));
    setTip(zoomInButton, tr("放大"));
    setTip(fitButton, tr("适应宽度"));
    statusRotateButton->setText(tr("旋转90°"));
    setTip(statusRotateButton, tr("临时旋转 90°（仅本次查看）"));
    setTip(viewModeButton, tr("切换单页 / 连续滚动"));

    openAction->setText(tr("&打开…"));
    closeAction->setText(tr("关闭文档"));
    nextTabAction->setText(tr("下一个标签页"));
    printAction->setText(tr("&打印…"));
    privateAction->setText(tr("私密模式"));
    findNextAction->setText(tr("下一个搜索结果"));
    findPreviousAction->setText(tr("上一个搜索结果"));
    copyAction->setText(tr("复制所选文本"));
    singlePageAction->setText(tr("单页模式"));
    rotateAction->setText(tr("临时旋转 90°"));
    fitWidthAction->setText(tr("适应宽度"));
    fitPageAction->setText(tr("适应页面"));
    actualSizeAction->setText(tr("实际大小（100%）"));
    annotationModeAction->setText(tr("批注模式"));
    pageColoursAction->setText(tr("切换页面颜色"));
    fullScreenAction->setText(tr("全屏"));
    spreadAction->setText(tr("双页显示"));
    coverAloneAction->setText(tr("首页单独显示"));
    spreadButton->setText(tr("双页"));
    setTip(spreadButton, tr("双页并排（D）"));
    pageColoursButton->setText(tr("页面颜色"));
    setTip(pageColoursButton, tr("页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相"));
    const QStringList colourNames{tr("正常"), tr("夜间"), tr("棕褐"), tr("跟随主题")};
    for (int i = 0; i < pageColoursActions.size(); ++i)
        pageColoursActions.at(i)->setText(colourNames.at(i));
    updatePageColoursControls();

    if (!privateLabel->text().isEmpty())
        setPrivateModeOn(privateAction->isChecked());
    rebuildSideTabs();
    updateFitButton();
    updateViewModeControls();
    updatePageStatus();
    updateHashIndicator();
}

// --- themes and languages ----------------------------------------------------------------

void MainWindow::applyTheme(int index)
{
    const ThemePalette palette = themePalette(index);
    theme = themeIndexFromId(palette.id); // an index outside the five becomes light
    setCurrentTheme(theme);
    if (qApp)
        qApp->setStyleSheet(buildStyleSheet(palette));
    settings->setTheme(palette.id);
    for (int i = 0; i < themeActions.size(); ++i)
        themeActions.at(i)->setChecked(i == theme);
    for (DocumentSession* session : std::as_const(sessions)) {
        if (PdfViewport* view = session->viewport())
            view->applyThemeColours();
        if (QWidget* view = session->pageWidget())
            view->update();
    }
    if (pageView)
        pageView->update();
    // The application sheet leaves the toolbar's separators to the style, which draws them light.
    if (toolbar)
        toolbar->setStyleSheet(
            QStringLiteral("QToolBar::separator{background:%1;width:1px;margin:6px 4px;}")
                .arg(palette.line));
    // Indicator colours come from the theme.
    if (hashLabel && !hashLabel->text().isEmpty())
        hashLabel->setStyleSheet(QStringLiteral("color:%1;").arg(palette.success));
    if (documentLabel && !documentLabel->text().isEmpty())
        documentLabel->setStyleSheet(QStringLiteral("color:%1;").arg(palette.warning));
    if (annotationPanel)
        annotationPanel->refresh();
}

void MainWindow::setLanguage(const QString& code)
{
    settings->setLanguage(code);
    installLanguage(code);
    retranslate();
    for (DocumentSession* session : std::as_const(sessions)) {
        if (session->searchPanel())
            session->searchPanel()->retranslate();
        if (session->annotationPanel())
            session->annotationPanel()->retranslate();
        if (session->bookmarkPanel())
            session->bookmarkPanel()->retranslate();
        if (session->viewport())
            session->viewport()->retranslateCard();
    }
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

DocumentSession* MainWindow::openDocument(const QString& path, const QByteArray& rawPath)
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
    for (DocumentSession* session : std::as_const(sessions)) {
        const QString open = session->controller()->filePath();
        // Canonical paths decoded from names with bytes that are not valid UTF-8 may coincide
        // for different files: those are compared as files.
        const bool same = raw || session->controller()->rawFile()
                              ? isSameInode(open, info.filePath())
                              : QFileInfo(open).canonicalFilePath() == canonical;
        if (same && !canonical.isEmpty()) {
            setCurrentSession(session);
            tabs->setCurrentWidget(session->pageWidget());
            return session;
        }
    }

    auto* session = new DocumentSession(&pdfWorker, settings, this);
    sessions.append(session);
    wireSession(session);
    wireOcr(session);
    session->ocr()->setModelDirectory(findCompanion(QStringLiteral("models")));

    tabs->addTab(session->pageWidget(), raw ? raw->displayName() : info.fileName());
    if (!currentSession)
        setCurrentSession(session);
    // The document, its watcher and its sidecar work with the absolute path: a relative one would
    // follow later changes of the working directory.
    if (raw)
        session->openRawFile(raw->rawPath());
    else
        session->openFile(info.absoluteFilePath());
    stack->setCurrentWidget(area);
    tabs->setCurrentWidget(session->pageWidget());
    // The first tab became current before its session knew its file: name it now.
    updateWindowTitle();

    // Remembered before the document has loaded, so a file that then fails to open stays listed.
    // A relative path is kept absolute: the list is used later from any working directory.
    if (!settings->privateMode() && !raw)
        settings->addRecentFile(info.absoluteFilePath());
    return session;
}

void MainWindow::openRequest(const OpenRequest& request)
{
    DocumentSession* session = openDocument(request.path, request.rawPath);
    if (session && session == currentSession)
        study->applyWhenReady(session, request);
}

void MainWindow::wireSession(DocumentSession* session)
{
    study->wireSession(session);
    connect(session, &DocumentSession::statusChanged, this, &MainWindow::onStatusChanged);
    connect(session, &DocumentSession::documentReady, this, &MainWindow::onDocumentReady);
    connect(session, &DocumentSession::passwordRequired, this, &MainWindow::askPassword);
    connect(session, &DocumentSession::sourceFileModified, this, [this](DocumentSession* s) {
        if (s == currentSession)
            showSourceModified();
    });
    // The outline comes after the first page is shown: it brings the contents forward only from
    // the default thumbnails, never over a panel chosen meanwhile (a search asked for, a click).
    connect(session, &DocumentSession::tocAvailable, this, [this](DocumentSession* s, bool toc) {
        if (s == currentSession && toc && sideTabs->currentIndex() == 0)
            sideTabs->setCurrentIndex(1);
    });

    PdfViewport* view = session->viewport();
    connect(view, &PdfViewport::currentPageChanged, this, [this, session] {
        if (session == currentSession)
            updatePageStatus();
    });
    connect(view, &PdfViewport::zoomChanged, this, [this, session] {
        if (session != currentSession)
            return;
        updateStatusZoom();
        updatePageStatus();
    });
    connect(view, &PdfViewport::viewModeChanged, this, [this, session] {
        if (session == currentSession)
            updateViewModeControls();
    });
    connect(view, &PdfViewport::spreadChanged, this, [this, session] {
        if (session == currentSession)
            updateViewModeControls();
    });
    connect(view, &PdfViewport::fitModeChanged, this, [this, session] {
        if (session == currentSession)
            updateFitButton();
    });
    connect(view, &PdfViewport::textCopied, this, [this, session](int characters) {
        if (session == currentSession)
            statusBar()->showMessage(tr("已复制 %1 个字符").arg(characters), 4000);
    });
    connect(view, &PdfViewport::annotationModeChanged, this, [this, session](bool on) {
        if (session != currentSession)
            return;
        {
            const QSignalBlocker block(annotationModeAction);
            annotationModeAction->setChecked(on);
        }
        {
            const QSignalBlocker block(annotationButton);
            annotationButton->setChecked(on);
        }
        updateAnnotationTools();
        if (on)
            statusBar()->showMessage(
                tr("批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑；"
                   "H 高亮 · N 便签 · Esc 退出"),
                10000);
        else
            statusBar()->clearMessage();
    });

    AnnotationStore* store = session->annotations();
    connect(store, &AnnotationStore::annotationAdded, this, [this, session] {
        if (session == currentSession)
            onAnnotationAdded(session);
    });
    auto reloadList = [this, session] {
        if (session == currentSession && session->annotationPanel())
            session->annotationPanel()->refresh();
    };
    connect(store, &AnnotationStore::annotationUpdated, this, reloadList);
    connect(store, &AnnotationStore::annotationRemoved, this, reloadList);
    connect(store, &AnnotationStore::readonlyFallback, this,
            [this, session](const QString& reason) {
                annotationWarnings.insert(session, QStringLiteral("● %1").arg(reason));
                if (session != currentSession)
                    return;
                statusBar()->showMessage(reason, 8000);
                updateDocumentIndicator();
            });
    connect(store, &AnnotationStore::hashMismatchDetected, this, [this, session] {
        annotationWarnings.insert(session, tr("● 批注与当前文档内容不一致，矩形锚定可能漂移"));
        if (session == currentSession)
            updateDocumentIndicator();
    });
    if (AnnotationPanel* panel = session->annotationPanel()) {
        connect(panel, &AnnotationPanel::annotationSelected, this,
                [this, session](const QString& id) { showAnnotation(session, id); });
    }
}

void MainWindow::setCurrentSession(DocumentSession* session)
{
    if (session == currentSession)
        return;
    if (session && !sessions.contains(session))
        return;

    if (currentSession && sideTabs->currentIndex() >= 0 && sideTabs->count() == 4)
        currentSession->setSideTabIndex(sideTabs->currentIndex());
    // The document left behind keeps only small caches while it is not shown.
    if (currentSession)
        currentSession->trimCaches();

    currentSession = session;
    controller = session ? session->controller() : nullptr;
    textStore = session ? session->textLayout() : nullptr;
    searchController = session ? session->search() : nullptr;
    annotationStore = session ? session->annotations() : nullptr;
    renderCache = session ? session->renderCache() : nullptr;
    progress = session ? session->progress() : nullptr;
    pageView = session ? session->viewport() : nullptr;
    searchPanel = session ? session->searchPanel() : nullptr;
    annotationPanel = session ? session->annotationPanel() : nullptr;
    ocrController = session ? session->ocr() : nullptr;

    rebuildSideTabs();

    if (session) {
        stack->setCurrentWidget(area);
        tabs->setCurrentWidget(session->pageWidget());
        updateWindowTitle();
        refreshFromSession();
        if (pageView)
            pageView->setFocus();
    } else {
        updateWindowTitle();
        banner->hide();
        updateDocumentIndicator();
        stack->setCurrentWidget(welcome);
    }
    updateHashIndicator();
    updateActionStates();
    updatePageStatus();
    updateSidebarVisibility();
    study->setCurrentSession(session);
}

void MainWindow::rebuildSideTabs()
{
    rebuildingSideTabs = true;
    while (sideTabs->count() > 0)
        sideTabs->removeTab(0);
    if (currentSession) {
        sideTabs->addTab(currentSession->thumbnailPanel(), tr("缩略图"));
        sideTabs->addTab(currentSession->bookmarkPanel(), tr("目录"));
        sideTabs->addTab(currentSession->searchPanel(), tr("搜索"));
        sideTabs->addTab(currentSession->annotationPanel(), tr("批注"));
        for (int i = 0; i < sideTabs->count(); ++i)
            sideTabs->setTabToolTip(i, sideTabs->tabText(i));
        sideTabs->setCurrentIndex(std::clamp(currentSession->sideTabIndex(), 0, 3));
    } else {
        sideTabs->addTab(sidePlaceholder, tr("文档"));
    }
    // Whole titles in every language: the side area is never narrower than its tabs need (the
    // splitter follows the minimum).
    sideTabs->setMinimumWidth(std::clamp(sideTabs->tabBar()->sizeHint().width(), 220, 560));
    rebuildingSideTabs = false;
}

void MainWindow::refreshFromSession()
{
    if (!currentSession)
        return;
    {
        const QSignalBlocker block(searchEdit);
        searchEdit->setText(searchController ? searchController->query() : QString());
    }
    updateStatusZoom();
    updateFitButton();
    updateViewModeControls();
    updatePageColoursControls();
    updateAnnotationTools();
    if (currentSession->sourceModified())
        showSourceModified();
    else
        updateDocumentIndicator();
}

void MainWindow::onTabChanged(int index)
{
    QWidget* page = index >= 0 ? tabs->widget(index) : nullptr;
    DocumentSession* found = nullptr;
    for (DocumentSession* session : std::as_const(sessions)) {
        if (page && session->pageWidget() == page) {
            found = session;
            break;
        }
    }
    setCurrentSession(found);
}

void MainWindow::closeSession(DocumentSession* session)
{
    if (!session || !sessions.contains(session))
        return;

    DocumentSession* successor = nullptr;
    for (qsizetype i = sessions.size() - 1; i >= 0; --i) {
        if (sessions.at(i) != session) {
            successor = sessions.at(i);
            break;
        }
    }

    sessions.removeOne(session);
    annotationWarnings.remove(session);
    const int index = tabs->indexOf(session->pageWidget());
    if (index >= 0)
        tabs->removeTab(index); // selects the neighbour, which becomes current
    if (currentSession == session)
        setCurrentSession(successor);

    session->prepareClose();
    session->deleteLater();
    updateActionStates();
}

void MainWindow::updateWindowTitle()
{
    const QString version = QString::fromLatin1(applicationVersionText);
    if (currentSession)
        setWindowTitle(
            QStringLiteral("%1 - Dovrix v%2").arg(currentSession->displayName(), version));
    else
        setWindowTitle(QStringLiteral("Dovrix v%1").arg(version));
}

void MainWindow::ocrPageWhenReady(int page)
{
    if (sessions.isEmpty())
        return;
    DocumentSession* session = sessions.last();
    // A document that is ready already has become ready: it is recognised now.
    if (session->controller()->status() == Ready) {
        session->ocr()->ocrPage(page);
        return;
    }
    connect(
        session, &DocumentSession::documentReady, this,
        [page](DocumentSession* ready) { ready->ocr()->ocrPage(page); }, Qt::SingleShotConnection);
}

// --- session reactions -----------------------------------------------------------------------

void MainWindow::onStatusChanged(DocumentSession* session, int status, const QString& message)
{
    // A new load binds the annotations again; what they reported before no longer holds.
    if (status == Loading)
        annotationWarnings.remove(session);
    if (session != currentSession)
        return;
    updateHashIndicator();
    updateDocumentIndicator();
    updatePageStatus();
    if (status == Loading) {
        statusBar()->showMessage(tr("正在打开文档…"));
    } else {
        statusBar()->clearMessage();
        if (status == Failed)
            QMessageBox::warning(this, tr("打开失败"), message);
    }
    updateActionStates();
}

void MainWindow::onDocumentReady(DocumentSession* session)
{
    updateHashIndicator();
    updateActionStates();
    if (session != currentSession)
        return;
    banner->hide();
    session->setSourceModified(false);
    updateHashIndicator();
    updateDocumentIndicator();
    updatePageStatus();
    updateStatusZoom();
    statusBar()->clearMessage();
    stack->setCurrentWidget(area);
    if (pageView)
        pageView->setFocus();
}

void MainWindow::askPassword(DocumentSession* session, bool wrongPrevious)
{
    const QString title = wrongPrevious ? tr("口令不正确，请重试") : tr("该文档已加密");
    bool ok = false;
    // The dialog runs its own event loop: the session may be closed meanwhile.
    QPointer<DocumentSession> guard(session);
    const QString password =
        QInputDialog::getText(this, title, tr("请输入打开口令（Dovrix 不支持破解或移除权限）："),
                              QLineEdit::Password, QString(), &ok);
    if (!guard || !sessions.contains(session))
        return;
    if (!ok || password.isEmpty())
        closeSession(session);
    else
        session->submitPassword(password);
}

void MainWindow::showSourceModified()
{
    banner->show();
    updateDocumentIndicator();
    updateHashIndicator();
}

void MainWindow::updateDocumentIndicator()
{
    if (currentSession && currentSession->sourceModified())
        setDocumentIndicator(tr("● 源文件已被外部修改"));
    else
        setDocumentIndicator(annotationWarnings.value(currentSession));
}

void MainWindow::setDocumentIndicator(const QString& text)
{
    documentLabel->setText(text);
    documentLabel->setStyleSheet(
        text.isEmpty() ? QString()
                       : QStringLiteral("color:%1;").arg(themePalette(currentTheme()).warning));
}

void MainWindow::updateHashIndicator()
{
    if (!currentSession) {
        hashLabel->clear();
        hashLabel->setStyleSheet(QString());
        hashLabel->setToolTip(QString());
        return;
    }
    // The claim holds only for a shown document whose file still has the contents it was opened
    // with: a tab still loading, or a file changed on disk, shows none.
    if (controller && controller->status() == Ready && !controller->sourceHash().isEmpty()
        && !currentSession->sourceModified()) {
        hashLabel->setText(tr("● 只读：源文件哈希未变"));
        hashLabel->setStyleSheet(
            QStringLiteral("color:%1;").arg(themePalette(currentTheme()).success));
        hashLabel->setToolTip(
            tr("SHA-256：%1\nDovrix 不会修改源文件。").arg(controller->sourceHash()));
    } else {
        hashLabel->clear();
        hashLabel->setStyleSheet(QString());
        hashLabel->setToolTip(QString());
    }
}

void MainWindow::onAnnotationAdded(DocumentSession* session)
{
    // A note kept only in memory is not saved: the store has said why, and this would contradict
    // it.
    if (!firstAnnotationExplained && !session->annotations()->isReadOnly()) {
        firstAnnotationExplained = true;
        QMessageBox::information(this, tr("批注已保存"),
                                 tr("批注保存在本地 sidecar 文件（.dovrixmark）中，\n用 Adobe "
                                    "等其他阅读器打开源文件不可见。\n\nDovrix 始终不修改源 PDF。"));
    }
    if (session->annotationPanel())
        session->annotationPanel()->refresh();
}

void MainWindow::showAnnotation(DocumentSession* session, const QString& id)
{
    if (session != currentSession || !pageView || !annotationStore)
        return;
    const Annotation* annotation = annotationStore->find(id);
    if (!annotation)
        return;
    pageView->goToPage(annotation->page);
    pageView->openCard(id);
}

// --- commands and status -----------------------------------------------------------------------

void MainWindow::updateActionStates()
{
    study->updateActionStates();
    const bool ready = controller && controller->status() == Ready;
    closeAction->setEnabled(currentSession != nullptr);
    for (QAction* action :
         {printAction, findNextAction, findPreviousAction, copyAction, annotationModeAction,
          rotateAction, fitWidthAction, fitPageAction, actualSizeAction, singlePageAction,
          goToPageAction, spreadAction, coverAloneAction})
        action->setEnabled(ready);
    for (QAction* action : std::as_const(annotationToolActions))
        action->setEnabled(ready);
    pageField->setEnabled(ready);
    for (QAction* action : std::as_const(exportActions))
        action->setEnabled(ready);
    for (QWidget* widget :
         {static_cast<QWidget*>(annotationButton), static_cast<QWidget*>(searchEdit),
          static_cast<QWidget*>(zoomOutButton), static_cast<QWidget*>(zoomInButton),
          static_cast<QWidget*>(fitButton), static_cast<QWidget*>(statusRotateButton),
          static_cast<QWidget*>(viewModeButton), static_cast<QWidget*>(spreadButton)})
        widget->setEnabled(ready);
}

void MainWindow::updatePageStatus()
{
    const int count = controller ? controller->pageCount() : 0;
    const int page = pageView && count > 0 ? pageView->currentPage() : -1;
    // A document still loading has no pages to count yet.
    const bool loading = count == 0 && currentSession;
    const QStringList labels = controller ? controller->pageLabels() : QStringList();
    if (labels != pageFieldLabels) {
        pageFieldLabels = labels;
        fitPageFieldToLabels();
    }
    // "iv" in the field and "(4 / 63)" beside it for a labelled page, "7" and "/ 63" otherwise.
    const QString label = distinctPageLabel(labels, page);
    pageField->setText(loading ? QString() : label.isEmpty() ? QString::number(page + 1) : label);
    pageCountLabel->setText(loading ? QStringLiteral("/ —")
                            : label.isEmpty()
                                ? QStringLiteral("/ %1").arg(count)
                                : QStringLiteral("(%1 / %2)").arg(page + 1).arg(count));
    zoomLabel->setText(tr("缩放 %1%").arg(pageView ? roundedPercent(pageView->zoom()) : 100));
    if (pageView)
        fullScreen->showStatus(QStringLiteral("%1 · %2").arg(
            count > 0 ? pageDisplayText(labels, page, count) : QStringLiteral("0 / 0"),
            zoomLabel->text()));
}

void MainWindow::updatePageColoursControls()
{
    const int chosen =
        pageView ? int(pageView->pageColours()) : int(pageColoursFromId(settings->pageColours()));
    for (int i = 0; i < pageColoursActions.size(); ++i)
        pageColoursActions.at(i)->setChecked(i == chosen);
}

void MainWindow::setPageColoursCommand(int index)
{
    const auto colours = PageColours(std::clamp(index, 0, 3));
    settings->setPageColours(pageColoursId(colours));
    if (pageView)
        pageView->setPageColours(colours);
    updatePageColoursControls();
}

void MainWindow::fitPageFieldToLabels()
{
    // A page label may contain anything; a validator that refused it would also keep Return from
    // reaching goToTypedPage.
    pageField->setValidator(pageFieldLabels.isEmpty() ? pageNumberValidator : nullptr);
    const QFontMetrics metrics = pageField->fontMetrics();
    int width = metrics.horizontalAdvance(QStringLiteral("000000"));
    for (const QString& label : std::as_const(pageFieldLabels))
        width = std::max(width, metrics.horizontalAdvance(label));
    // A very long label is scrolled within the field rather than widening the side area.
    pageField->setFixedWidth(
        std::min(width, metrics.horizontalAdvance(QStringLiteral("000000000000"))) + 12);
}

void MainWindow::goToTypedPage()
{
    const int page =
        pageView ? pageFromText(pageField->text(), pageFieldLabels, pageView->pageCount()) : -1;
    if (page >= 0) {
        pageView->goToPage(page);
        pageView->setFocus(Qt::OtherFocusReason);
        updatePageStatus();
        return;
    }
    // Refused: the field shows the current page again, ready for another number.
    updatePageStatus();
    pageField->selectAll();
}

void MainWindow::focusPageField()
{
    if (!pageView || !pageField->isEnabled())
        return;
    sidebarVisible = true;
    updateSidebarVisibility();
    pageField->setFocus(Qt::ShortcutFocusReason);
    pageField->selectAll();
}

void MainWindow::chooseAnnotationTool(AnnotationType type)
{
    if (!pageView)
        return;
    pageView->setAnnotationTool(type);
    // A chosen tool is for drawing: annotation mode comes on with it.
    annotationModeAction->setChecked(true);
    updateAnnotationTools();
}

void MainWindow::updateAnnotationTools()
{
    const bool on = pageView && pageView->annotationMode();
    annotationToolsItem->setVisible(on);
    const AnnotationType tool = pageView ? pageView->annotationTool() : AnnotationType::Highlight;
    for (int i = 0; i < annotationToolActions.size(); ++i)
        annotationToolActions.at(i)->setChecked(annotationTypes[i].type == tool);
}

void MainWindow::updateStatusZoom()
{
    if (pageView)
        statusZoomLabel->setText(QStringLiteral("%1%").arg(roundedPercent(pageView->zoom())));
}

void MainWindow::updateFitButton()
{
    const bool fitWidth = pageView && pageView->fitMode() == PdfViewport::FitWidth;
    fitButton->setText(fitWidth ? tr("原始") : tr("适应宽度"));
}

void MainWindow::updateViewModeControls()
{
    const bool single = pageView && pageView->viewMode() == PdfViewport::SinglePage;
    viewModeButton->setText(single ? tr("连续") : tr("单页"));
    const QSignalBlocker block(singlePageAction);
    singlePageAction->setChecked(single);
    const QSignalBlocker blockSpread(spreadAction);
    spreadAction->setChecked(pageView && pageView->spread());
    const QSignalBlocker blockCover(coverAloneAction);
    coverAloneAction->setChecked(!pageView || pageView->coverAlone());
}

void MainWindow::updateSidebarVisibility()
{
    sidebar->setVisible(sidebarVisible && currentSession && !fullScreen->isActive());
}

void MainWindow::searchNow()
{
    if (searchPanel)
        searchPanel->search(searchEdit->text(), false);
}

void MainWindow::searchStep(int step)
{
    if (!controller || controller->status() != Ready || !searchPanel)
        return;
    if (searchController && searchController->query().isEmpty() && !searchEdit->text().isEmpty())
        searchPanel->search(searchEdit->text(), false);
    if (step > 0)
        searchPanel->focusNext();
    else
        searchPanel->focusPrevious();
}

void MainWindow::copySelection()
{
    if (!controller || controller->status() != Ready || !pageView)
        return;
    const TextRange range = pageView->selectionRange();
    if (range.page < 0 || range.length <= 0)
        return;
    const QString copied = tr("已复制 %1 个字符");
    // Recognised text and extracted page text are at hand.
    const QString known = pageView->selectedText();
    if (!known.isEmpty()) {
        QGuiApplication::clipboard()->setText(known);
        statusBar()->showMessage(copied.arg(known.size()), 4000);
        return;
    }
    // The page's text is not extracted yet: ask the engine for just this range.
    const DocumentHandle document = controller->sharedDocument();
    if (!document)
        return;
    pdfWorker.post(JobPriority::TextLayout, this, controller->documentTicket(),
                   [document, range, copied]() -> Reply<MainWindow> {
                       const QPdfSelection selection =
                           document->getSelectionAtIndex(range.page, range.start, range.length);
                       const QString text =
                           selection.isValid() ? textForClipboard(selection.text()) : QString();
                       if (text.isEmpty())
                           return {};
                       return [text, copied](MainWindow& self) {
                           QGuiApplication::clipboard()->setText(text);
                           self.statusBar()->showMessage(copied.arg(text.size()), 4000);
                       };
                   });
}

void MainWindow::setPrivateModeOn(bool on)
{
    settings->setPrivateMode(on);
    privateLabel->setText(on ? tr("● 私密模式：开") : tr("私密模式：关"));
    privateLabel->setToolTip(on ? tr("私密模式：不写入最近文件与缩略图缓存") : QString());
}

// --- window events ---------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event)
{
    for (DocumentSession* session : std::as_const(sessions))
        session->prepareClose();
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

// --- OCR -------------------------------------------------------------------------------------

void MainWindow::wireOcr(DocumentSession* session)
{
    OcrController* ocr = session->ocr();
    if (SearchPanel* panel = session->searchPanel()) {
        connect(panel, &SearchPanel::ocrRequested, this, [this, session] {
            if (session == currentSession)
                ocrDocumentCommand();
        });
    }
    // The dialog follows the run it was opened for, whichever document is current by then.
    connect(ocr, &OcrController::progress, this, [this, session](int done, int totalPages) {
        if (!ocrProgress || ocrProgressSession != session)
            return;
        // Pages that had been recognised before are not part of the run.
        ocrProgress->setMaximum(totalPages);
        ocrProgress->setValue(done);
        ocrProgress->setLabelText(ocrProgressText(done, totalPages, ocrRunTimer.elapsed()));
    });
    connect(ocr, &OcrController::resultsRestored, this, [session](const QList<int>& pages) {
        if (PdfViewport* view = session->viewport()) {
            for (int page : pages)
                view->setOcrPageState(page, true);
        }
    });
    connect(ocr, &OcrController::finished, this, [this, session](int processed, bool canceled) {
        onOcrFinished(session, processed, canceled);
    });
    connect(ocr, &OcrController::pageOcrReady, this,
            [this, session](int page, int lineCount) { onOcrPageReady(session, page, lineCount); });
    connect(ocr, &OcrController::pageFailed, this,
            [this, session](int page, const QString& reason) {
                if (session == currentSession && !reason.isEmpty())
                    statusBar()->showMessage(tr("第 %1 页 OCR 失败：%2").arg(page + 1).arg(reason),
                                             6000);
            });
    connect(ocr, &OcrController::loadFailed, this, [this, session](const QString& reason) {
        if (session == currentSession)
            QMessageBox::warning(this, tr("OCR 不可用"), reason);
    });
    // A run that stops without a signal (reload, closed tab) takes its dialog along.
    connect(session, &DocumentSession::statusChanged, this,
            [this, session](DocumentSession*, int status) {
                if (status != Ready && ocrProgressSession == session)
                    closeOcrProgress();
            });
    connect(session, &DocumentSession::documentReady, this, [this, session] {
        if (ocrProgressSession == session)
            closeOcrProgress();
    });
    connect(session, &QObject::destroyed, this, [this] {
        if (ocrProgress && !ocrProgressSession)
            closeOcrProgress();
    });
}

QString MainWindow::ocrProgressText(int done, int total, qint64 elapsedMs)
{
    if (done <= 0 || total <= done)
        return tr("正在离线 OCR…");
    // The time of the pages done so far is the best guess for the rest.
    const qint64 remainingS = (elapsedMs * (total - done) / done + 999) / 1000;
    return tr("正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…")
        .arg(done)
        .arg(total)
        .arg(remainingS);
}

QProgressDialog* MainWindow::ocrProgressDialog() const
{
    return ocrProgress.data();
}

void MainWindow::ocrDocumentCommand()
{
    if (!currentSession || !controller || controller->status() != Ready || !ocrController
        || !ocrController->isIdle())
        return;
    closeOcrProgress();
    ocrRunTimer.start();
    auto* dialog =
        new QProgressDialog(ocrProgressText(0, 0, 0), tr("取消"), 0, controller->pageCount(), this);
    dialog->setObjectName(QStringLiteral("ocrProgress"));
    dialog->setWindowModality(Qt::WindowModal);
    ocrProgress = dialog;
    ocrProgressSession = currentSession;
    connect(dialog, &QProgressDialog::canceled, ocrController, &OcrController::cancel);
    ocrController->ocrDocument();
}

void MainWindow::onOcrFinished(DocumentSession* session, int processed, bool canceled)
{
    if (ocrProgressSession == session)
        closeOcrProgress();
    if (session != currentSession)
        return;
    statusBar()->showMessage(canceled ? tr("OCR 已取消") : tr("OCR 完成：%1 页").arg(processed),
                             5000);
}

void MainWindow::onOcrPageReady(DocumentSession* session, int page, int lineCount)
{
    if (PdfViewport* view = session->viewport())
        view->setOcrPageState(page, lineCount > 0);
    if (session != currentSession)
        return;
    statusBar()->showMessage(tr("第 %1 页 OCR 完成：识别 %2 行文本").arg(page + 1).arg(lineCount),
                             5000);
    // The hits in the new lines join the list of a search that is shown.
    if (searchController && searchPanel && !searchEdit->text().isEmpty()
        && !normalizeForSearch(searchController->query(), !searchController->isCaseSensitive())
                .text.isEmpty())
        searchPanel->search(searchEdit->text(), false);
}

void MainWindow::closeOcrProgress()
{
    ocrProgressSession.clear();
    QProgressDialog* dialog = ocrProgress.data();
    ocrProgress.clear();
    if (!dialog)
        return;
    // Closing the dialog must not cancel a run that has ended.
    disconnect(dialog, &QProgressDialog::canceled, nullptr, nullptr);
    dialog->reset();
    dialog->deleteLater();
}

} // namespace dovrix

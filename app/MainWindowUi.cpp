#include "app/MainWindowUi.h"

#include "annotations/AnnotationPainter.h"
#include "annotations/AnnotationType.h"
#include "app/ExportCommands.h"
#include "core/PageColours.h"
#include "i18n/LanguageTable.h"
#include "session/SidePanels.h"
#include "theme/ThemePalette.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace dovrix {

namespace {

QPushButton* toolButton(const char* name)
{
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPushButton* statusButton(const char* name)
{
    QPushButton* button = toolButton(name);
    button->setFixedHeight(22);
    button->setEnabled(false);
    return button;
}

// The menu of button whose items exclude each other (see addChoice).
QMenu* choiceMenu(QPushButton* button)
{
    auto* menu = new QMenu(button);
    new QActionGroup(menu);
    button->setMenu(menu);
    return menu;
}

// A checkable item of a choice menu, carrying data.
QAction* addChoice(QMenu* menu, const QString& text, const QVariant& data)
{
    QAction* item = menu->addAction(text);
    item->setCheckable(true);
    item->setData(data);
    menu->findChild<QActionGroup*>()->addAction(item);
    return item;
}

// An action of the window (its shortcut works wherever the focus is in it).
QAction* windowAction(QMainWindow* window, const char* name, const QKeySequence& shortcut)
{
    auto* action = new QAction(window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    window->addAction(action);
    return action;
}

} // namespace

void MainWindowUi::build(QMainWindow* window, QWidget* toolsButton)
{
    buildToolbar(window, toolsButton);
    buildCentral(window);
    buildStatusBar(window);
    buildActions(window);
}

void MainWindowUi::buildToolbar(QMainWindow* window, QWidget* toolsButton)
{
    toolbar = new QToolBar(window);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    window->addToolBar(toolbar);

    sidebarButton = toolButton("sidebarButton");
    backButton = toolButton("backButton");
    forwardButton = toolButton("forwardButton");
    openButton = toolButton("openButton");
    printButton = toolButton("printButton");
    exportButton = toolButton("exportButton");
    exportMenu = new QMenu(exportButton);
    for (const ExportFormat& format : ExportCommands::formats()) {
        if (format.separatorBefore)
            exportMenu->addSeparator();
        QAction* action = exportMenu->addAction(QString());
        action->setObjectName(QLatin1String(format.objectName));
        exportActions.append(action);
        if (exportActions.size() == 1) {
            // The PNG export's choice sits under it.
            pngAnnotationsAction = exportMenu->addAction(QString());
            pngAnnotationsAction->setObjectName(QStringLiteral("pngWithAnnotationsAction"));
            pngAnnotationsAction->setCheckable(true);
            pngAnnotationsAction->setChecked(true);
        }
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
    auto* toolGroup = new QActionGroup(window);
    for (const AnnotationTypeInfo& tool : annotationTypes) {
        QAction* action =
            windowAction(window, tool.toolName, QKeySequence(QLatin1String(tool.shortcut)));
        action->setCheckable(true);
        action->setIcon(annotationToolIcon(tool.type));
        action->setData(int(tool.type));
        toolGroup->addAction(action);
        annotationToolActions.append(action);
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        toolsLayout->addWidget(button);
    }
    rotateButton = toolButton("rotateButton");

    searchEdit = new QLineEdit;
    searchEdit->setObjectName(QStringLiteral("searchField"));
    searchEdit->setClearButtonEnabled(true);
    // Narrower when the tool bar is full (the annotation tools shown in a small window) rather
    // than pushing the buttons at its end out of reach.
    searchEdit->setMinimumWidth(140);
    searchEdit->setMaximumWidth(260);
    searchEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    pageColoursButton = toolButton("pageColoursButton");
    pageColoursMenu = choiceMenu(pageColoursButton);
    for (const PageColoursInfo& mode : pageColourModes)
        pageColoursActions.append(addChoice(pageColoursMenu, QString(), int(mode.colours)));

    themeButton = toolButton("themeButton");
    themeMenu = choiceMenu(themeButton);
    for (const ThemeInfo& row : themes) {
        if (row.startsGroup)
            themeMenu->addSeparator();
        themeActions.append(addChoice(themeMenu, QString(), int(row.theme)));
    }

    languageButton = toolButton("languageButton");
    languageMenu = choiceMenu(languageButton);
    for (const LanguageEntry& entry : languageTable())
        addChoice(languageMenu, entry.nativeName, entry.code);

    homeButton = toolButton("homeButton");

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
    rotateItem = toolbar->addWidget(rotateButton);
    toolbar->addWidget(toolsButton);
    toolbar->addSeparator();
    toolbar->addWidget(searchEdit);
    toolbar->addWidget(spacer);
    toolbar->addWidget(pageColoursButton);
    toolbar->addWidget(themeButton);
    toolbar->addWidget(languageButton);
    toolbar->addWidget(homeButton);
}
void MainWindowUi::buildCentral(QMainWindow* window)
{
    // Welcome page.
    welcome = new QWidget;
    welcome->setObjectName(QStringLiteral("welcome"));
    // The stack is as narrow as its narrowest need, not the welcome page's: with a document open
    // the window can share a screen with an editor (the drop zone is clipped, not the window).
    welcome->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
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
    welcomeLayout->addWidget(recentList, 0, Qt::AlignHCenter);
    clearRecent = new QPushButton;
    clearRecent->setObjectName(QStringLiteral("clearRecentButton"));
    clearRecent->setFlat(true);
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
    areaLayout->addWidget(banner);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("documentTabs"));
    tabs->setDocumentMode(true);
    tabs->setTabsClosable(true);
    tabs->setMovable(true);
    tabs->tabBar()->setSelectionBehaviorOnRemove(QTabBar::SelectRightTab);
    tabs->tabBar()->setDrawBase(false); // the style's light base line shows in dark themes
    areaLayout->addWidget(tabs, 1);

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
    window->setCentralWidget(central);
}

void MainWindowUi::buildStatusBar(QMainWindow* window)
{
    QStatusBar* bar = window->statusBar();
    tagline = new QLabel;
    tagline->setContentsMargins(6, 0, 6, 0);
    hashLabel = new QLabel;
    hashLabel->setObjectName(QStringLiteral("hashIndicator"));
    documentLabel = new QLabel;
    documentLabel->setObjectName(QStringLiteral("documentIndicator"));
    // Long texts give way before the window's controls do: a narrow window cuts them, not the
    // zoom and view buttons.
    for (QLabel* label : {tagline, hashLabel, documentLabel}) {
        label->setMinimumWidth(16);
        bar->addWidget(label);
    }

    zoomOutButton = statusButton("zoomOutButton");
    statusZoomLabel = new QLabel(QStringLiteral("—"));
    statusZoomLabel->setObjectName(QStringLiteral("statusZoomLabel"));
    statusZoomLabel->setContentsMargins(4, 0, 4, 0);
    zoomInButton = statusButton("zoomInButton");
    fitButton = statusButton("fitButton");
    statusRotateButton = statusButton("statusRotateButton");
    viewModeButton = statusButton("viewModeButton");
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

void MainWindowUi::buildActions(QMainWindow* window)
{
    openAction = windowAction(window, "openAction", QKeySequence::Open);
    closeAction = windowAction(window, "closeAction", QKeySequence(QStringLiteral("Ctrl+W")));
    quitAction = windowAction(window, "quitAction", QKeySequence(QStringLiteral("Ctrl+Q")));
    nextTabAction = windowAction(window, "nextTabAction", QKeySequence(QStringLiteral("Ctrl+Tab")));
    printAction = windowAction(window, "printAction", QKeySequence::Print);
    privateAction =
        windowAction(window, "privateAction", QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    privateAction->setCheckable(true);
    findNextAction = windowAction(window, "findNextAction", QKeySequence(QStringLiteral("F3")));
    findPreviousAction =
        windowAction(window, "findPreviousAction", QKeySequence(QStringLiteral("Shift+F3")));
    copyAction = windowAction(window, "copyAction", QKeySequence::Copy);
    singlePageAction = windowAction(window, "singlePageAction", QKeySequence());
    singlePageAction->setCheckable(true);
    rotateAction = windowAction(window, "rotateAction", QKeySequence(QStringLiteral("Ctrl+R")));
    fitWidthAction = windowAction(window, "fitWidthAction", QKeySequence());
    fitPageAction = windowAction(window, "fitPageAction", QKeySequence());
    actualSizeAction =
        windowAction(window, "actualSizeAction", QKeySequence(QStringLiteral("Ctrl+0")));
    for (const SidePanelInfo& row : sidePanels()) {
        const QByteArray name = QByteArray(row.objectName) + "Action";
        sidePanelActions.append(row.shortcut
                                    ? windowAction(window, name.constData(),
                                                   QKeySequence(QString::fromLatin1(row.shortcut)))
                                    : nullptr);
    }
    escapeAction = windowAction(window, "escapeAction", QKeySequence(Qt::Key_Escape));
    goToPageAction = windowAction(window, "goToPageAction", QKeySequence(QStringLiteral("Ctrl+G")));
    // The search field's placeholder names Ctrl+F; nothing else binds it.
    findAction = windowAction(window, "findAction", QKeySequence::Find);
    annotationModeAction = windowAction(window, "annotationModeAction", QKeySequence("A"));
    annotationModeAction->setCheckable(true);
    spreadAction = windowAction(window, "spreadAction", QKeySequence(QStringLiteral("D")));
    spreadAction->setCheckable(true);
    coverAloneAction = windowAction(window, "coverAloneAction", QKeySequence());
    coverAloneAction->setCheckable(true);
    coverAloneAction->setChecked(true);
    spreadButton->menu()->addAction(spreadAction);
    spreadButton->menu()->addAction(coverAloneAction);
    pageColoursAction =
        windowAction(window, "pageColoursAction", QKeySequence(QStringLiteral("Ctrl+Alt+N")));
    fullScreenAction =
        windowAction(window, "fullScreenAction", QKeySequence(QStringLiteral("F11")));
    fullScreenAction->setCheckable(true);
    // Alt+Left and Alt+Right, and the keyboard's own back and forward keys.
    backAction = windowAction(window, "backAction", QKeySequence());
    backAction->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)});
    forwardAction = windowAction(window, "forwardAction", QKeySequence());
    forwardAction->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)});
    // Text fields keep Ctrl+A for their own text.
    selectAllAction = windowAction(window, "selectAllAction", QKeySequence::SelectAll);
    ocrPageAction =
        windowAction(window, "ocrPageAction", QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    ocrDocumentAction = windowAction(window, "ocrDocumentAction", QKeySequence());
    propertiesAction =
        windowAction(window, "propertiesAction", QKeySequence(QStringLiteral("Alt+Return")));
    resetFormAction = windowAction(window, "resetFormAction", QKeySequence());
}

void MainWindowUi::retranslate()
{
    auto setTip = [](QWidget* w, const QString& tip) {
        if (!tip.isEmpty())
            w->setToolTip(tip);
    };
    sidebarButton->setText(QStringLiteral("☰"));
    setTip(sidebarButton, tr("侧边栏"));
    // The arrows point the way they lead: right to left, back is on the right.
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    backButton->setText(rightToLeft ? QStringLiteral("→") : QStringLiteral("←"));
    setTip(backButton, tr("后退（视图历史）"));
    forwardButton->setText(rightToLeft ? QStringLiteral("←") : QStringLiteral("→"));
    setTip(forwardButton, tr("前进（视图历史）"));
    openButton->setText(tr("打开"));
    setTip(openButton, tr("打开 PDF（每个文档一个标签页）"));
    printButton->setText(tr("打印"));
    setTip(printButton, tr("打印（Ctrl+P）"));
    exportButton->setText(tr("导出"));
    setTip(exportButton, tr("导出为新文件（不修改源文件）"));
    const QList<ExportFormat>& formats = ExportCommands::formats();
    for (int i = 0; i < formats.size(); ++i) {
        exportActions.at(i)->setText(tr(formats.at(i).menuText));
        if (formats.at(i).menuToolTip)
            exportActions.at(i)->setToolTip(tr(formats.at(i).menuToolTip));
    }
    pngAnnotationsAction->setText(tr("PNG 含我的批注"));
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
    for (QAction* item : std::as_const(themeActions))
        item->setText(tr(themeInfo(item->data().toInt()).label));
    setTip(languageButton, tr("切换界面语言"));
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
    ocrMenu->setTitle(tr("识别文字（OCR）"));
    ocrPageAction->setText(tr("本页"));
    ocrDocumentAction->setText(tr("所有没有文字的页"));
    propertiesAction->setText(tr("文档属性…"));
    resetFormAction->setText(tr("重置表单"));
    spreadAction->setText(tr("双页显示"));
    coverAloneAction->setText(tr("首页单独显示"));
    spreadButton->setText(tr("双页"));
    setTip(spreadButton, tr("双页并排（D）"));
    pageColoursButton->setText(tr("页面颜色"));
    setTip(pageColoursButton, tr("页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相"));
    for (QAction* item : std::as_const(pageColoursActions))
        item->setText(tr(pageColoursInfo(PageColours(item->data().toInt())).label));
}

} // namespace dovrix

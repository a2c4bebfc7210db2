#include "app/MainWindow.h"

#include "app/StartUp.h"
#include "core/DocumentController.h"
#include "core/session/DocumentSession.h"
#include "i18n/LanguageTable.h"
#include "settings/AppSettings.h"
#include "theme/ThemePalette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dovrix {

MainWindow::MainWindow() : QMainWindow(nullptr), settings(new AppSettings(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1440, 900);
    setAcceptDrops(true);
    setDockNestingEnabled(false);

    theme = themeIndexFromId(settings->theme());
    buildWidgets();
    applyTheme(theme);
    installLanguage(settings->language());
    updateWindowTitle();
}

MainWindow::~MainWindow()
{
    // Deleting the sessions removes their pages from the tab widget; that is no switch of the
    // current document any more.
    disconnect(tabs, nullptr, this, nullptr);
    deleteSessions();
    // pdfWorker is destroyed next (a member), then the child widgets with the base window.
}

void MainWindow::deleteSessions()
{
    const QList<DocumentSession*> open = sessions;
    sessions.clear();
    currentSession = nullptr;
    controller = nullptr;
    renderCache = nullptr;
    progress = nullptr;
    pageView = nullptr;
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

void MainWindow::buildWidgets()
{
    stack = new QStackedWidget(this);

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
    dropLayout->addWidget(title);
    auto* hint = new QLabel(tr("打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。\n"
                               "支持同时打开多个文档（标签页）。"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    dropLayout->addWidget(hint);
    dropLayout->addSpacing(12);
    auto* openButton = new QPushButton(tr("打开 PDF…"));
    openButton->setObjectName(QStringLiteral("primary"));
    openButton->setFixedWidth(180);
    connect(openButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("打开 PDF"), QString(),
                                                          tr("PDF 文档 (*.pdf);;所有文件 (*)"));
        if (!path.isEmpty())
            openFile(path);
    });
    dropLayout->addWidget(openButton, 0, Qt::AlignCenter);
    welcomeLayout->addWidget(dropzone, 0, Qt::AlignCenter);

    auto* recentLabel = new QLabel(tr("最近文件"));
    recentLabel->setObjectName(QStringLiteral("recentLabel"));
    recentLabel->setStyleSheet(QStringLiteral("margin-top:16px;"));
    welcomeLayout->addWidget(recentLabel, 0, Qt::AlignHCenter);
    auto* recentList = new QListWidget;
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
    auto* clearRecent = new QPushButton(tr("清空最近记录"));
    clearRecent->setFlat(true);
    connect(clearRecent, &QPushButton::clicked, this, [this, recentList] {
        settings->clearRecentFiles();
        recentList->clear();
    });
    welcomeLayout->addWidget(clearRecent, 0, Qt::AlignHCenter);
    welcomeLayout->addStretch(2);

    area = new QWidget;
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(8, 8, 8, 8);
    areaLayout->setSpacing(6);
    tabs = new QTabWidget;
    tabs->setDocumentMode(true);
    tabs->setTabsClosable(true);
    tabs->setMovable(true);
    tabs->tabBar()->setSelectionBehaviorOnRemove(QTabBar::SelectRightTab);
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

    stack->addWidget(welcome);
    stack->addWidget(area);
    stack->setCurrentWidget(welcome);
    setCentralWidget(stack);
    statusBar();
}

void MainWindow::applyTheme(int index)
{
    const ThemePalette palette = themePalette(index);
    theme = themeIndexFromId(palette.id); // an index outside the five becomes light
    setCurrentTheme(theme);
    if (qApp)
        qApp->setStyleSheet(buildStyleSheet(palette));
    settings->setTheme(palette.id);
    for (DocumentSession* session : std::as_const(sessions)) {
        if (QWidget* view = session->pageWidget())
            view->update();
    }
}

void MainWindow::openFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || !info.isReadable()) {
        QMessageBox::warning(this, tr("打开失败"), tr("文件不存在或无法访问。"));
        return;
    }

    const QString canonical = info.canonicalFilePath();
    for (DocumentSession* session : std::as_const(sessions)) {
        const QString open = QFileInfo(session->controller()->filePath()).canonicalFilePath();
        if (!open.isEmpty() && open == canonical) {
            setCurrentSession(session);
            tabs->setCurrentWidget(session->pageWidget());
            return;
        }
    }

    auto* session = new DocumentSession(&pdfWorker, settings, this);
    sessions.append(session);
    wireSession(session);

    tabs->addTab(session->pageWidget(), info.fileName());
    if (!currentSession)
        setCurrentSession(session);
    session->openFile(path);
    stack->setCurrentWidget(area);
    tabs->setCurrentWidget(session->pageWidget());

    // Remembered before the document has loaded, so a file that then fails to open stays listed.
    if (!settings->privateMode())
        settings->addRecentFile(path);
}

void MainWindow::wireSession(DocumentSession* session)
{
    connect(session, &DocumentSession::statusChanged, this, &MainWindow::onStatusChanged);
    connect(session, &DocumentSession::documentReady, this, &MainWindow::onDocumentReady);
    connect(session, &DocumentSession::passwordRequired, this, &MainWindow::askPassword);
}

void MainWindow::setCurrentSession(DocumentSession* session)
{
    if (session == currentSession)
        return;
    if (session && !sessions.contains(session))
        return;

    currentSession = session;
    controller = session ? session->controller() : nullptr;
    renderCache = session ? session->renderCache() : nullptr;
    progress = session ? session->progress() : nullptr;
    pageView = session ? session->pageWidget() : nullptr;

    if (session) {
        stack->setCurrentWidget(area);
        tabs->setCurrentWidget(pageView);
        updateWindowTitle();
        if (pageView)
            pageView->setFocus();
    } else {
        updateWindowTitle();
        stack->setCurrentWidget(welcome);
    }
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
    const int index = tabs->indexOf(session->pageWidget());
    if (index >= 0)
        tabs->removeTab(index); // selects the neighbour, which becomes current
    if (currentSession == session)
        setCurrentSession(successor);

    session->prepareClose();
    session->deleteLater();
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
    // Recognition is attached once the document has an OCR controller; until then the request is
    // accepted and has no effect.
    connect(
        sessions.last(), &DocumentSession::documentReady, this,
        [page](DocumentSession*) { Q_UNUSED(page) }, Qt::SingleShotConnection);
}

void MainWindow::onStatusChanged(DocumentSession* session, int status, const QString& message)
{
    if (session != currentSession)
        return;
    if (status == Loading) {
        statusBar()->showMessage(tr("正在打开文档…"));
        return;
    }
    statusBar()->clearMessage();
    if (status == Failed)
        QMessageBox::warning(this, tr("打开失败"), message);
}

void MainWindow::onDocumentReady(DocumentSession* session)
{
    if (session != currentSession)
        return;
    session->setSourceModified(false);
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

void MainWindow::closeEvent(QCloseEvent* event)
{
    for (DocumentSession* session : std::as_const(sessions))
        session->prepareClose();
    event->accept();
}

} // namespace dovrix

#include "annotations/Annotation.h"
#include "annotations/AnnotationStore.h"
#include "app/MainWindow.h"
#include "app/OpenRequests.h"
#include "app/StartUp.h"
#include "core/DocumentController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "view/PdfViewport.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/SkipOrFail.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include <algorithm>
#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace dovrix;

using test::ModalDriver;

class TestMainWindow : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolate(); }
    void init() { freshStart(); }
    void cleanup();

    void startsOnTheWelcomePage();
    void reopensAtTheSizeItWasLeft();
    void filesOpenInTabsInOrder();
    void sameFileOpensOnce();
    void missingFileWarns();
    void undecodableNameWarns();
    void rawNameOpensFromArgumentsAndDrops();
    void fifoWithRawNameIsRefused();
    void notesOfRawNames();
    void loadFailureWarnsAndKeepsTheTab();
    void closingTabs();
    void closingTheLastTabReturnsToWelcome();
    void emptyPasswordClosesTheTab();
    void wrongPasswordAsksAgain();
    void destroyedWithSessionsAndPendingCloses();
    void privateModeAddsNoRecentFiles();

private:
    QString makePdf(const QString& name, int pages = 2);
    // Renames a new PDF to the bytes raw (in the test folder); its SHA-256, empty on failure.
    QString makeRawPdf(const QByteArray& raw);
    static DocumentTab* tabAt(MainWindow& window, int index);

    // Names Qt cannot remove, deepest first.
    QList<QByteArray> rawNames;
};

void TestMainWindow::cleanup()
{
    for (const QByteArray& raw : std::as_const(rawNames)) {
        if (::unlink(raw.constData()) != 0)
            ::rmdir(raw.constData());
    }
    rawNames.clear();
    dir.reset();
}

QString TestMainWindow::makeRawPdf(const QByteArray& raw)
{
    const QString made = makePdf(QStringLiteral("made.pdf"));
    QFile file(made);
    if (made.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (::rename(QFile::encodeName(made).constData(), raw.constData()) != 0)
        return {};
    rawNames.prepend(raw);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString TestMainWindow::makePdf(const QString& name, int pages)
{
    const QString path = dir->filePath(name);
    QStringList texts;
    for (int i = 0; i < pages; ++i)
        texts << QStringLiteral("%1 page %2").arg(name).arg(i + 1);
    if (!test::writeTextPdf(path, texts))
        return {};
    return path;
}

DocumentTab* TestMainWindow::tabAt(MainWindow& window, int index)
{
    QWidget* page = window.documentTabs()->widget(index);
    for (DocumentTab* tab : window.openTabs()) {
        if (tab->pageWidget() == page)
            return tab;
    }
    return nullptr;
}

void TestMainWindow::reopensAtTheSizeItWasLeft()
{
    QSize left;
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(window.size() - QSize(60, 40));
        left = window.size();
        window.close();
    }
    MainWindow again;
    QCOMPARE(again.size(), left);
}

void TestMainWindow::startsOnTheWelcomePage()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    // Never larger than the screen (the test screen is smaller than the usual first size).
    const QSize screenFree = window.screen()->availableGeometry().size();
    QCOMPARE(window.size(), QSize(1440, 900).boundedTo(screenFree));
    QCOMPARE(window.centralStack()->currentWidget(), window.welcomePage());
    QCOMPARE(window.welcomePage()->objectName(), QStringLiteral("welcome"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Dovrix v1.5.1"));
    QVERIFY(window.openTabs().isEmpty());
    QVERIFY(!window.current());
    QCOMPARE(window.documentTabs()->count(), 0);
    // Nothing to recognise without a document.
    window.ocrPageWhenReady(2);
}

void TestMainWindow::filesOpenInTabsInOrder()
{
    const QString a = makePdf("alpha.pdf");
    const QString b = makePdf("beta.pdf", 3);
    MainWindow window;
    window.show();
    window.openFile(a);
    // A relative path opens against the working directory and is remembered absolute.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir->path());
    window.openFile("beta.pdf");
    QDir::setCurrent(before);

    QCOMPARE(window.openTabs().size(), 2);
    QTabWidget* tabs = window.documentTabs();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("alpha.pdf"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("beta.pdf"));
    QCOMPARE(window.centralStack()->currentWidget(), window.documentArea());
    // The newest tab is shown.
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(window.current(), window.openTabs().at(1));
    QCOMPARE(window.windowTitle(), QStringLiteral("beta.pdf - Dovrix v1.5.1"));
    QVERIFY(test::waitReady(window.openTabs().at(0)));
    QVERIFY(test::waitReady(window.openTabs().at(1)));
    QCOMPARE(window.openTabs().at(1)->session()->controller()->pageCount(), 3);

    // Choosing the other tab makes its document current.
    tabs->setCurrentIndex(0);
    QCOMPARE(window.current(), window.openTabs().at(0));
    QCOMPARE(window.windowTitle(), QStringLiteral("alpha.pdf - Dovrix v1.5.1"));

    QCOMPARE(window.appSettings()->recentFiles(), (QStringList{b, a}));
}

void TestMainWindow::sameFileOpensOnce()
{
    const QString a = makePdf("same.pdf");
    const QString b = makePdf("other.pdf");
    QDir(dir->path()).mkdir("sub");
    const QString viaDots = dir->path() + "/sub/../same.pdf";
    const QString viaLink = dir->filePath("link.pdf");
    QVERIFY(QFile::link(a, viaLink));

    MainWindow window;
    window.openFile(a);
    window.openFile(b);
    QCOMPARE(window.documentTabs()->currentIndex(), 1);
    for (const QString& path : {a, viaDots, viaLink}) {
        window.openFile(path);
        QCOMPARE(window.openTabs().size(), 2);
        QCOMPARE(window.documentTabs()->count(), 2);
        // The tab that has the file is shown again.
        QCOMPARE(window.documentTabs()->currentIndex(), 0);
        window.documentTabs()->setCurrentIndex(1);
    }
    // A relative path is resolved against the working directory.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir->path());
    window.openFile("same.pdf");
    QDir::setCurrent(before);
    QCOMPARE(window.documentTabs()->count(), 2);
    QCOMPARE(window.documentTabs()->currentIndex(), 0);
}

void TestMainWindow::missingFileWarns()
{
    MainWindow window;
    window.show();
    const QString present = makePdf("present.pdf");
    QString text;
    ModalDriver<QMessageBox> driver(
        [&text](QMessageBox* box) {
            text = box->text();
            box->accept();
        },
        3);
    window.openFile(dir->filePath("missing.pdf"));
    window.openFile(dir->path()); // a directory is no file either
    window.openFile("/dev/zero"); // nor a device, whose reading would never end
    QCOMPARE(driver.handled, 3);
    QCOMPARE(driver.titles, (QStringList{"打开失败", "打开失败", "打开失败"}));
    QCOMPARE(text, QStringLiteral("文件不存在或无法访问。"));
    QVERIFY(window.openTabs().isEmpty());
    QCOMPARE(window.centralStack()->currentWidget(), window.welcomePage());
    QVERIFY(window.appSettings()->recentFiles().isEmpty());

    // The files after a missing one still open.
    window.openFile(present);
    QCOMPARE(window.openTabs().size(), 1);
}

// A name holding a byte that is not UTF-8 reaches the program with that byte replaced: the file
// exists, and the message must not say otherwise.
void TestMainWindow::undecodableNameWarns()
{
    const QByteArray raw = QFile::encodeName(dir->path()) + "/name-\xff.pdf";
    QVERIFY(!makeRawPdf(raw).isEmpty());
    MainWindow window;
    window.show();
    QString text;
    ModalDriver<QMessageBox> driver([&text](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    window.openFile(QFile::decodeName(raw));
    QCOMPARE(driver.handled, 1);
    QVERIFY(text.startsWith(QStringLiteral("文件名含有无法识别的字符")));
    QVERIFY(window.openTabs().isEmpty());
}

// The command line and a drop keep the bytes of a name: such a file opens, under its decoded
// name, stays out of the recent files, and is told apart from another file whose name decodes
// the same.
void TestMainWindow::rawNameOpensFromArgumentsAndDrops()
{
    const QByteArray folder = QFile::encodeName(dir->path());
    const QByteArray ff = folder + "/name-\xff.pdf";
    const QByteArray fe = folder + "/name-\xfe.pdf";
    const QString ffHash = makeRawPdf(ff);
    QVERIFY(!ffHash.isEmpty() && !makeRawPdf(fe).isEmpty());
    const QString shown = QFile::decodeName("name-\xff.pdf");

    const OpenRequestList parsed = openRequestsFromArguments(
        {QStringLiteral("--page=2"), QFile::decodeName(ff)}, {}, {QByteArray("--page=2"), ff});
    QCOMPARE(parsed.requests.size(), 1);
    QCOMPARE(parsed.requests.constFirst().rawPath, ff);

    MainWindow window;
    window.show();
    window.openRequest(parsed.requests.constFirst());
    QCOMPARE(window.openTabs().size(), 1);
    DocumentTab* first = window.openTabs().constFirst();
    QVERIFY(test::waitReady(first));
    QCOMPARE(first->session()->controller()->sourceHash(), ffHash);
    QCOMPARE(first->session()->controller()->pageCount(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(first->viewport()->currentPage(), 1,
                              test::TimeoutMs); // what was asked for the file applies
    QCOMPARE(window.documentTabs()->tabText(0), shown);
    QVERIFY(window.windowTitle().startsWith(shown));
    QVERIFY(window.appSettings()->recentFiles().isEmpty());

    // A file manager percent-encodes the bytes in the URL.
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + ff.toPercentEncoding("/")),
                  QUrl::fromEncoded("file://" + fe.toPercentEncoding("/"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QCOMPARE(window.openTabs().size(), 2);
    DocumentTab* second = window.openTabs().at(1);
    QVERIFY(test::waitReady(second));
    QCOMPARE(window.documentTabs()->tabText(1), QFile::decodeName("name-\xfe.pdf"));
    QVERIFY(window.appSettings()->recentFiles().isEmpty());
}

// A FIFO named by bytes (in its own name or its folder's) is refused at once: nothing waits for a
// writer on the GUI thread. Should an open block, a writer comes after the test's timeout and
// the test fails instead of hanging.
void TestMainWindow::fifoWithRawNameIsRefused()
{
    const QByteArray folder = QFile::encodeName(dir->path()) + "/folder-\xff";
    QVERIFY(::mkdir(folder.constData(), 0700) == 0);
    rawNames.append(folder);
    for (const QByteArray& fifo : {QByteArray(QFile::encodeName(dir->path()) + "/pipe-\xff.pdf"),
                                   QByteArray(folder + "/pipe.pdf")}) {
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        rawNames.prepend(fifo);
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        bool blocked = false;
        std::thread writer([&] {
            std::unique_lock<std::mutex> lock(mutex);
            if (done.wait_for(lock, std::chrono::milliseconds(test::TimeoutMs),
                              [&] { return finished; }))
                return;
            blocked = true;
            const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
        MainWindow window;
        window.show();
        QString text;
        ModalDriver<QMessageBox> driver([&text](QMessageBox* box) {
            text = box->text();
            box->accept();
        });
        window.openRawFile(fifo);
        {
            std::lock_guard<std::mutex> lock(mutex);
            finished = true;
        }
        done.notify_all();
        writer.join();
        QVERIFY2(!blocked, fifo.constData());
        QCOMPARE(driver.handled, 1);
        QCOMPARE(text, QStringLiteral("文件不存在或无法访问。"));
        QVERIFY(window.openTabs().isEmpty());
    }
}

// A note on a file whose own name cannot be spelled has no sidecar name: it stays in memory, the
// store says why at once, and nothing is written beside the PDF. Where only the folder's name
// cannot be spelled, the sidecar is written beside the PDF and read at the next opening.
void TestMainWindow::notesOfRawNames()
{
    const QByteArray folder = QFile::encodeName(dir->path()) + "/folder-\xff";
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    rawNames.append(folder);
    const QByteArray unnamed = folder + "/name-\xff.pdf";
    const QByteArray named = folder + "/plain.pdf";
    QVERIFY(!makeRawPdf(unnamed).isEmpty() && !makeRawPdf(named).isEmpty());
    const QByteArray sidecar = folder + "/plain.dovrixmark";
    rawNames.prepend(sidecar);

    Annotation note;
    note.type = AnnotationType::Note;
    note.page = 0;
    note.rect = QRectF(20, 20, 0, 0);
    note.text = QStringLiteral("kept");
    const auto entries = [&folder] {
        QList<QByteArray> names;
        if (DIR* listing = ::opendir(folder.constData())) {
            while (const dirent* entry = ::readdir(listing))
                names.append(entry->d_name);
            ::closedir(listing);
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const QList<QByteArray> before = entries();
    {
        MainWindow window;
        window.show();
        // Only the note that is saved is explained as saved.
        ModalDriver<QMessageBox> driver([](QMessageBox* box) { box->accept(); });
        window.openRawFile(unnamed);
        DocumentTab* tab = window.openTabs().constFirst();
        QSignalSpy refused(tab->session()->annotations(), &AnnotationStore::readonlyFallback);
        QVERIFY(test::waitReady(tab));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.constFirst().constFirst().value<AnnotationStore::Fallback>(),
                 AnnotationStore::Fallback::UnspellableName);
        QVERIFY(!tab->session()->annotations()->add(note).isEmpty());
        tab->session()->prepareClose();
        QCOMPARE(tab->session()->annotations()->count(), 1);
        QVERIFY(tab->session()->annotations()->isReadOnly());
        QCOMPARE(refused.size(), 2); // told again with the note
        QVERIFY(tab->session()->annotations()->sidecarPath().isEmpty());
        QCOMPARE(entries(), before);
        QCOMPARE(driver.handled, 0);

        window.openRawFile(named);
        tab = window.openTabs().at(1);
        QVERIFY(test::waitReady(tab));
        QVERIFY(!tab->session()->annotations()->isReadOnly());
        QVERIFY(!tab->session()->annotations()->add(note).isEmpty());
        tab->session()->prepareClose();
        QVERIFY(!tab->session()->annotations()->isReadOnly());
        QCOMPARE(driver.titles, QStringList{QStringLiteral("批注已保存")});
    }
    struct stat written = {};
    QCOMPARE(::stat(sidecar.constData(), &written), 0);
    MainWindow window;
    window.openRawFile(named);
    DocumentTab* tab = window.openTabs().constFirst();
    QVERIFY(test::waitReady(tab));
    QCOMPARE(tab->session()->annotations()->count(), 1);
    QCOMPARE(tab->session()->annotations()->annotations().constFirst().text,
             QStringLiteral("kept"));
}

void TestMainWindow::loadFailureWarnsAndKeepsTheTab()
{
    const QString junk = dir->filePath("junk.pdf");
    {
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(char((i * 7919) % 251));
        file.write(bytes);
    }
    MainWindow window;
    window.show();
    QString warning;
    ModalDriver<QMessageBox> driver([&warning](QMessageBox* box) {
        warning = box->text();
        box->accept();
    });
    window.openFile(junk);
    QCOMPARE(window.documentTabs()->count(), 1);
    DocumentTab* tab = window.openTabs().first();
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->controller()->status(), DocumentStatus::Failed,
                              test::TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(driver.handled, 1, test::TimeoutMs);
    QCOMPARE(driver.titles.first(), QStringLiteral("打开失败"));
    QCOMPARE(warning, QStringLiteral("文件可能已损坏或不是有效的 PDF。"));
    QCOMPARE(window.documentTabs()->count(), 1);
    // A file that then failed to open is still remembered.
    QCOMPARE(window.appSettings()->recentFiles(), QStringList{junk});
}

void TestMainWindow::closingTabs()
{
    const QString a = makePdf("a.pdf");
    const QString b = makePdf("b.pdf");
    const QString c = makePdf("c.pdf");
    const QString d = makePdf("d.pdf");
    MainWindow window;
    window.show();
    for (const QString& path : {a, b, c})
        window.openFile(path);
    QTabWidget* tabs = window.documentTabs();

    // The middle of three: the tab to its right becomes current.
    tabs->setCurrentIndex(1);
    DocumentTab* middle = window.current();
    QSignalSpy destroyed(middle, &QObject::destroyed);
    window.closeTab(middle);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("c.pdf"));
    QCOMPARE(window.current(), tabAt(window, tabs->currentIndex()));
    QCOMPARE(window.windowTitle(), QStringLiteral("c.pdf - Dovrix v1.5.1"));
    QVERIFY(destroyed.wait(test::TimeoutMs));

    // The rightmost: the one to its left.
    window.openFile(d); // a, c, d with d current
    QCOMPARE(tabs->currentIndex(), 2);
    window.closeTab(window.current());
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("c.pdf"));
    QCOMPARE(window.current(), tabAt(window, tabs->currentIndex()));

    // A tab that is not current: the current one stays.
    DocumentTab* current = window.current();
    window.closeTab(tabAt(window, 0));
    QCOMPARE(window.current(), current);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("c.pdf"));

    // Closing through the tab's close button.
    window.openFile(a);
    QCOMPARE(tabs->count(), 2);
    Q_EMIT tabs->tabCloseRequested(1);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(window.current(), current);

    // A tab that is no longer open, or none, is ignored.
    window.closeTab(nullptr);
    QCOMPARE(tabs->count(), 1);
}

void TestMainWindow::closingTheLastTabReturnsToWelcome()
{
    MainWindow window;
    window.show();
    window.openFile(makePdf("only.pdf"));
    DocumentTab* tab = window.current();
    QVERIFY(tab);
    QVERIFY(test::waitReady(tab));
    window.closeTab(tab);
    QVERIFY(!window.current());
    QVERIFY(window.openTabs().isEmpty());
    QCOMPARE(window.centralStack()->currentWidget(), window.welcomePage());
    QCOMPARE(window.windowTitle(), QStringLiteral("Dovrix v1.5.1"));
}

void TestMainWindow::emptyPasswordClosesTheTab()
{
    const QString plain = makePdf("plain.pdf");
    const QString locked = dir->filePath("locked.pdf");
    if (!test::encryptPdf(plain, locked, "secret"))
        DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is not available");

    MainWindow window;
    window.show();
    QString label;
    ModalDriver<QInputDialog> driver([&label](QInputDialog* dialog) {
        label = dialog->labelText();
        QCOMPARE(dialog->textEchoMode(), QLineEdit::Password);
        QVERIFY(dialog->textValue().isEmpty());
        dialog->setTextValue(QString());
        dialog->accept();
    });
    window.openFile(locked);
    QTRY_COMPARE_WITH_TIMEOUT(driver.handled, 1, test::TimeoutMs);
    QCOMPARE(driver.titles, QStringList{"该文档已加密"});
    QCOMPARE(label, QStringLiteral("请输入打开口令（Dovrix 不支持破解或移除权限）："));
    QTRY_VERIFY_WITH_TIMEOUT(window.openTabs().isEmpty(), test::TimeoutMs);
    QCOMPARE(window.documentTabs()->count(), 0);
    QCOMPARE(window.centralStack()->currentWidget(), window.welcomePage());
}

void TestMainWindow::wrongPasswordAsksAgain()
{
    const QString plain = makePdf("plain.pdf", 4);
    const QString locked = dir->filePath("locked.pdf");
    if (!test::encryptPdf(plain, locked, "secret"))
        DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is not available");

    MainWindow window;
    window.show();
    int round = 0;
    ModalDriver<QInputDialog> driver(
        [&round](QInputDialog* dialog) {
            dialog->setTextValue(++round == 1 ? QStringLiteral("wrong") : QStringLiteral("secret"));
            dialog->accept();
        },
        2);
    window.openFile(locked);
    QTRY_COMPARE_WITH_TIMEOUT(driver.handled, 2, test::TimeoutMs);
    QCOMPARE(driver.titles, (QStringList{"该文档已加密", "口令不正确，请重试"}));
    DocumentTab* tab = window.current();
    QVERIFY(tab);
    QVERIFY(test::waitReady(tab));
    QCOMPARE(tab->session()->controller()->pageCount(), 4);

    // Cancelling a later prompt closes the tab as well.
    window.openFile(locked); // already open: no prompt, same tab
    QCOMPARE(window.openTabs().size(), 1);
}

void TestMainWindow::destroyedWithSessionsAndPendingCloses()
{
    const QString a = makePdf("one.pdf");
    const QString b = makePdf("two.pdf");
    QPointer<DocumentTab> closed;
    QPointer<DocumentTab> open;
    {
        MainWindow window;
        window.show();
        window.openFile(a);
        window.openFile(b);
        closed = window.openTabs().first();
        open = window.openTabs().last();
        QVERIFY(test::waitReady(closed));
        // The closed tab is still waiting for its deferred deletion, the other is loading.
        window.closeTab(closed);
        QVERIFY(closed);
    }
    QVERIFY(!closed);
    QVERIFY(!open);
}

void TestMainWindow::privateModeAddsNoRecentFiles()
{
    const QString a = makePdf("first.pdf");
    const QString b = makePdf("second.pdf");
    AppSettings settings;
    settings.addRecentFile(a);
    settings.setPrivateMode(true);
    MainWindow window;
    window.openFile(b);
    QCOMPARE(settings.recentFiles(), QStringList{a});
    settings.setPrivateMode(false);
    window.openFile(a);
    window.openFile(b); // already open: not added again
    QCOMPARE(settings.recentFiles(), QStringList{a});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

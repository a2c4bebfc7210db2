#include "app/DocumentPropertiesDialog.h"
#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/InsideFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace dovrix;

class TestDocumentProperties : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolate(); }
    void init()
    {
        freshStart();
        source = dir->filePath(QStringLiteral("inside.pdf"));
        QVERIFY(test::writeInsidePdf(source));
        window = std::make_unique<MainWindow>();
        window->show();
        window->openFile(source);
        QVERIFY(test::waitReady(window->current()));
        auto* action = window->findChild<QAction*>(QStringLiteral("propertiesAction"));
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Alt+Return")));
        action->trigger();
        dialog = window->findChild<DocumentPropertiesDialog*>();
        QVERIFY(dialog);
        QSignalSpy loaded(dialog, &DocumentPropertiesDialog::loaded);
        QVERIFY(loaded.wait(test::TimeoutMs));
        dialog->setMessageSink([this](bool warning, const QString& text) {
            messages << (warning ? QStringLiteral("! ") : QStringLiteral("i ")) + text;
        });
    }
    void cleanup()
    {
        window.reset();
        messages.clear();
        dir.reset();
    }

    // What the file declares, what the program knows of it, and its lists.
    void showsWhatTheDocumentSays()
    {
        QHash<QString, QString> values;
        for (const auto& [label, value] : dialog->generalRows())
            values.insert(label, value);
        QCOMPARE(values.value(QStringLiteral("标题")), QStringLiteral("Inside sample"));
        QCOMPARE(values.value(QStringLiteral("作者")), QStringLiteral("Ada Lovelace"));
        QCOMPARE(values.value(QStringLiteral("页数")), QStringLiteral("2"));
        QCOMPARE(values.value(QStringLiteral("页面大小")), QStringLiteral("大小不一（2 种）"));
        QCOMPARE(values.value(QStringLiteral("加密")), QStringLiteral("无"));
        QCOMPARE(values.value(QStringLiteral("带标签")), QStringLiteral("是"));
        QCOMPARE(values.value(QStringLiteral("SHA-256")),
                 window->current()->session()->controller()->sourceHash());
        QVERIFY(values.value(QStringLiteral("文件大小"))
                    .contains(QLocale().toString(QFile(source).size())));
        QCOMPARE(dialog->attachmentList()->topLevelItemCount(), 2);

        // A second Alt+Return raises the same dialog.
        QCOMPARE(window->showDocumentProperties(), dialog.data());

        QSignalSpy fonts(dialog, &DocumentPropertiesDialog::fontsLoaded);
        auto* page = dialog->findChild<QComboBox*>(QStringLiteral("fontPageCombo"));
        page->setCurrentIndex(2); // the second page: one font of its own, one in a form it draws
        QVERIFY(fonts.wait(test::TimeoutMs));
        QCOMPARE(dialog->fontList()->topLevelItemCount(), 2);
        QCOMPARE(dialog->fontList()->topLevelItem(0)->text(0), QStringLiteral("DejaVuSans"));
    }

    void savesAttachmentCopies_data()
    {
        QTest::addColumn<QString>("target"); // relative to the test folder; "@source": the PDF
        QTest::addColumn<bool>("saved");
        QTest::newRow("a new file") << "copy.txt" << true;
        QTest::newRow("the source") << "@source" << false;
        QTest::newRow("the source, spelled round about") << "sub/../inside.pdf" << false;
        QTest::newRow("a folder that does not exist") << "missing/copy.txt" << false;
    }

    // Only the copy is written; the source never, whatever the path looks like; a failed write
    // says so instead of announcing a copy.
    void savesAttachmentCopies()
    {
        QFETCH(QString, target);
        QFETCH(bool, saved);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
        const QString path = target == QLatin1String("@source") ? source : dir->filePath(target);
        dialog->setSaveFileName([&](QWidget*, const QString&, const QString& start) {
            // Offered under its own name, next to the document.
            if (QFileInfo(start).fileName() != QLatin1String(test::InsideSample::NotesFile))
                return QString();
            return path;
        });
        const QByteArray before = test::readAll(source);
        QSignalSpy done(dialog, &DocumentPropertiesDialog::attachmentSaved);
        dialog->saveAttachmentCopy(0);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, test::TimeoutMs);
        QCOMPARE(done.first().at(0).toBool(), saved);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().startsWith(QLatin1String("i ")), saved);
        QCOMPARE(test::readAll(source), before);
        if (saved)
            QCOMPARE(test::readAll(path), QByteArray(test::InsideSample::NotesContents));
    }

private:
    QString source;
    std::unique_ptr<MainWindow> window;
    QPointer<DocumentPropertiesDialog> dialog;
    QStringList messages;
};

QTEST_MAIN(TestDocumentProperties)
#include "tst_documentproperties.moc"

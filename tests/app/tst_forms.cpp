#include "app/MainWindow.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "text/TextLayoutStore.h"
#include "view/AnnotationTool.h"
#include "view/FormLayer.h"
#include "view/PdfViewport.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/InsideFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace dovrix;

class TestForms : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolate(); }
    void init()
    {
        freshStart();
        pdf = dir->filePath(QStringLiteral("form.pdf"));
        QVERIFY(test::writeFormPdf(pdf));
    }
    void cleanup() { dir.reset(); }

    // Clicking a field and typing a name fills the field: none of the letters reaches the
    // window's single-key shortcuts (H, N, A, ...). Tab and Shift+Tab move in document order,
    // Escape gives the keys back to the page view. The pointer shows what a field takes, except
    // while an annotation tool is active.
    void typingGoesIntoTheField()
    {
        std::unique_ptr<MainWindow> window = openWindow();
        QVERIFY(window);
        PdfViewport* view = window->current()->viewport();
        FormLayer* forms = window->current()->formLayer();
        auto* annotationMode = window->findChild<QAction*>(QStringLiteral("annotationModeAction"));
        const AnnotationType tool = view->annotations()->type();
        const auto pointerOver = [&](const char* place) {
            QTest::mouseMove(view->viewport(),
                             forms->viewRectOf(widgetIndex(forms, place)).center());
            return view->viewport()->cursor().shape();
        };
        QCOMPARE(pointerOver("name"), Qt::IBeamCursor);
        for (const char* place : {"agree", "colour.Red", "country", "languages"})
            QCOMPARE(pointerOver(place), Qt::PointingHandCursor);

        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          forms->viewRectOf(fieldIndex(forms, "name")).center());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("John"));
        QVERIFY(!annotationMode->isChecked());
        QCOMPARE(view->annotations()->type(), tool);
        QCOMPARE(forms->valueOf(QStringLiteral("name")), QStringLiteral("John"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(editedField(forms), QStringLiteral("comments"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(editedField(forms), QStringLiteral("name"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!forms->editor());
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QVERIFY(annotationMode->isChecked());
        QCOMPARE(pointerOver("agree"), Qt::CrossCursor);
    }

    // Values are kept to the field's limits, drawn into the page's image by the engine and read
    // in its text at once (search finds them), come back (drawn) when the document is opened
    // again, and "Reset form" returns to the document's own values.
    void valuesKeptAndReset()
    {
        {
            std::unique_ptr<MainWindow> window = openWindow();
            QVERIFY(window);
            PdfViewport* view = window->current()->viewport();
            FormLayer* forms = window->current()->formLayer();
            QCOMPARE(inkOnPage(window->current(), "name"), 0);
            const QString typed(20, QLatin1Char('x'));
            QVERIFY(!pageText(window->current()).contains(typed));
            forms->setValue(QStringLiteral("name"), QString(1 << 20, QLatin1Char('x')));
            QCOMPARE(forms->valueOf(QStringLiteral("name")), typed);
            QVERIFY(inkOnPage(window->current(), "name") > 20);
            QVERIFY(pageText(window->current()).contains(typed));
            // The engine marks no choice in a list box: the chosen option shows over the list.
            const QRect list = forms->viewRectOf(fieldIndex(forms, "languages"));
            const QImage unchosen = view->viewport()->grab(list).toImage();
            forms->setValue(QStringLiteral("languages"), QStringLiteral("French"));
            QVERIFY(view->viewport()->grab(list).toImage() != unchosen);
            QCOMPARE(forms->valueOf(QStringLiteral("colour")), QStringLiteral("Blue"));
            for (const char* widget : {"agree", "colour.Red"})
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  forms->viewRectOf(widgetIndex(forms, widget)).center());
            QCOMPARE(forms->valueOf(QStringLiteral("agree")), QStringLiteral("Yes"));
            QCOMPARE(forms->valueOf(QStringLiteral("colour")), QStringLiteral("Red"));
        }
        std::unique_ptr<MainWindow> window = openWindow();
        QVERIFY(window);
        FormLayer* forms = window->current()->formLayer();
        QCOMPARE(forms->valueOf(QStringLiteral("agree")), QStringLiteral("Yes"));
        QCOMPARE(forms->valueOf(QStringLiteral("name")), QString(20, QLatin1Char('x')));
        QVERIFY(inkOnPage(window->current(), "name") > 20);
        auto* reset = window->findChild<QAction*>(QStringLiteral("resetFormAction"));
        QVERIFY(reset->isEnabled());
        reset->trigger();
        QCOMPARE(forms->valueOf(QStringLiteral("agree")), QStringLiteral("Off"));
        QCOMPARE(forms->valueOf(QStringLiteral("colour")), QStringLiteral("Blue"));
        QVERIFY(forms->valueOf(QStringLiteral("name")).isEmpty());
        QCOMPARE(inkOnPage(window->current(), "name"), 0);
    }

private:
    std::unique_ptr<MainWindow> openWindow()
    {
        auto window = std::make_unique<MainWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        window->openFile(pdf);
        if (!test::waitReady(window->current()))
            return nullptr;
        FormLayer* forms = window->current()->formLayer();
        if (!forms->hasFields()) {
            QSignalSpy read(forms, &FormLayer::fieldsRead);
            if (!read.wait(test::TimeoutMs) || !forms->hasFields())
                return nullptr;
        }
        return window;
    }

    static QString pageText(DocumentTab* tab)
    {
        TextLayoutStore* text = tab->session()->textLayout();
        if (!text->hasPageText(0)) {
            QSignalSpy read(text, &TextLayoutStore::pageTextReady);
            text->requestPageText(0, JobPriority::ShownPageText);
            if (!read.wait(test::TimeoutMs))
                return QString();
        }
        return text->pageText(0);
    }

    static int fieldIndex(FormLayer* forms, const char* name)
    {
        for (int i = 0; i < forms->fields().size(); ++i)
            if (forms->fields().at(i).name == QLatin1String(name))
                return i;
        return -1;
    }

    // The widget at the place the fixture gave it.
    static int widgetIndex(FormLayer* forms, const char* place)
    {
        const QRectF rect = test::FormSample::rectOf(QLatin1String(place));
        return forms->fieldAt(0, rect.center());
    }

    // The dark pixels inside a field of the fixture on the page image the view shows, once that
    // image is of the page's newest drawing; -1 when it does not come.
    static int inkOnPage(DocumentTab* tab, const char* place)
    {
        const RenderCache::Key key = tab->viewport()->renderKeyFor(0);
        RenderCache* cache = tab->session()->renderCache();
        if (!QTest::qWaitFor([&] { return cache->isCurrent(key); }, test::TimeoutMs))
            return -1;
        const QImage image = cache->cachedImage(key);
        const double scale = image.width() / 612.0;
        const QRectF field = test::FormSample::rectOf(QLatin1String(place));
        return test::darkPixels(image, QRectF(field.topLeft() * scale, field.size() * scale));
    }

    static QString editedField(FormLayer* forms)
    {
        return forms->editor() ? forms->editor()->property("fieldName").toString() : QString();
    }

    QString pdf;
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"

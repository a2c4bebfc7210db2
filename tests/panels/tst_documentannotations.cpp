#include "annotations/AnnotationStore.h"
#include "annotations/DocumentAnnotationModel.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "support/InsideFixtures.h"
#include "support/TestWait.h"
#include "text/TextLayoutStore.h"
#include "view/panels/AnnotationPanel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace dovrix;

namespace {

DocumentAnnotation made(const QString& subtype, int object = 0, int inReplyTo = 0)
{
    DocumentAnnotation a;
    a.subtype = subtype;
    a.object = object;
    a.inReplyTo = inReplyTo;
    a.page = 2;
    a.rect = QRectF(10, 20, 30, 40);
    a.contents = QStringLiteral("said so");
    return a;
}

} // namespace

Q_DECLARE_METATYPE(dovrix::DocumentAnnotation)

class TestDocumentAnnotations : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void copiedAnnotation_data()
    {
        QTest::addColumn<DocumentAnnotation>("source");
        QTest::addColumn<bool>("copyable");
        QTest::addColumn<int>("type");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QPointF>("pt2");

        DocumentAnnotation marked = made(QStringLiteral("Highlight"));
        marked.quads = {QRectF(10, 10, 50, 10), QRectF(10, 22, 20, 10)};
        QTest::newRow("highlight: its quads") << marked << true << int(AnnotationType::Highlight)
                                              << QRectF(10, 10, 50, 22) << QPointF();
        QTest::newRow("squiggly: underline over its rect")
            << made(QStringLiteral("Squiggly")) << true << int(AnnotationType::Underline)
            << QRectF(10, 20, 30, 40) << QPointF();
        QTest::newRow("sticky note: at its centre")
            << made(QStringLiteral("Text")) << true << int(AnnotationType::Note)
            << QRectF(25, 40, 0, 0) << QPointF();
        DocumentAnnotation line = made(QStringLiteral("Line"));
        line.line = QLineF(1, 2, 3, 4);
        QTest::newRow("line: an arrow along it")
            << line << true << int(AnnotationType::Arrow) << QRectF(1, 2, 0, 0) << QPointF(3, 4);
        QTest::newRow("line without end points")
            << made(QStringLiteral("Line")) << false << 0 << QRectF() << QPointF();
        QTest::newRow("ink") << made(QStringLiteral("Ink")) << false << 0 << QRectF() << QPointF();
        QTest::newRow("unknown kind")
            << made(QStringLiteral("3D")) << false << 0 << QRectF() << QPointF();
    }

    // Same kind where we have one, same place, the text as the note; the colour is opaque.
    void copiedAnnotation()
    {
        QFETCH(DocumentAnnotation, source);
        QFETCH(bool, copyable);
        source.argb = 0x280a141eu; // the alpha is not kept
        const std::optional<Annotation> copy = dovrix::copiedAnnotation(source);
        QCOMPARE(copy.has_value(), copyable);
        if (!copy)
            return;
        QTEST(int(copy->type), "type");
        QTEST(copy->rect, "rect");
        QTEST(copy->pt2, "pt2");
        QCOMPARE(copy->page, 2);
        QCOMPARE(copy->text, QStringLiteral("said so"));
        QCOMPARE(copy->color, QColor(10, 20, 30));
        QVERIFY(!copy->byText);
    }

    // Replies sit under what they answer, however deep; a loop of replies is cut, not followed.
    void replyTree()
    {
        DocumentAnnotationModel model;
        model.setAnnotations({made("Text", 5), made("Text", 6, 5), made("Text", 7, 6),
                              made("Text", 8, 9), made("Text", 9, 8), made("Text", 10, 404)});
        QCOMPARE(model.rowCount(), 4); // 5, 8, 9 (the loop, cut) and 10 (its parent is gone)
        const QModelIndex first = model.index(0, 0);
        QCOMPARE(model.rowCount(first), 1);
        const QModelIndex reply = model.index(0, 0, first);
        QCOMPARE(model.annotationAt(reply)->object, 6);
        QCOMPARE(model.parent(reply), first);
        const QModelIndex deeper = model.index(0, 0, reply);
        QCOMPARE(model.annotationAt(deeper)->object, 7);
        QCOMPARE(model.parent(deeper), reply);
        QCOMPARE(model.annotationAt(model.index(3, 0))->object, 10);
    }

    // The panel lists the document's annotations below ours; a click shows the text and the
    // place; a copy becomes one of ours; a kind we cannot copy says so.
    void panelListsAndCopies()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("inside.pdf"));
        QVERIFY(test::writeInsidePdf(pdf));
        PdfWorker worker;
        DocumentController controller(&worker);
        controller.setProbeEnabled(false);
        QVERIFY(test::openAndWait(controller, pdf));
        TextLayoutStore textStore(&worker, &controller);
        AnnotationStore store;
        store.setSource(pdf, controller.sourceHash());
        AnnotationPanel panel(&store, &controller, &textStore);
        QSignalSpy read(&panel, &AnnotationPanel::documentAnnotationsRead);
        panel.resize(300, 600);
        panel.show();
        QVERIFY(read.wait(test::TimeoutMs));
        QCOMPARE(read.first().at(0).toInt(), 7);
        QTreeView* tree = panel.documentView();
        QVERIFY(tree->isVisible());
        QCOMPARE(tree->model()->rowCount(), 6); // the reply is under its note

        QSignalSpy place(&panel, &AnnotationPanel::documentAnnotationSelected);
        QSignalSpy ours(&panel, &AnnotationPanel::annotationSelected);
        const QModelIndex note = tree->model()->index(0, 0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(note).center());
        QCOMPARE(place.size(), 1);
        QCOMPARE(place.first().at(0).toInt(), 0);
        QCOMPARE(place.first().at(1).toRectF(), QRectF(100, 72, 20, 20));
        QVERIFY(panel.documentDetailText().contains(QLatin1String("First note")));
        QVERIFY(panel.copyToNotesButton()->isEnabled());
        QTest::mouseClick(panel.copyToNotesButton(), Qt::LeftButton);
        QCOMPARE(store.count(), 1);
        const Annotation copy = store.annotations().constFirst();
        QCOMPARE(copy.type, AnnotationType::Note);
        QCOMPARE(copy.text, QStringLiteral("First note"));
        QCOMPARE(ours.size(), 1);
        QCOMPARE(ours.first().at(0).toString(), copy.id);

        const QModelIndex ink = tree->model()->index(2, 0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(ink).center());
        QVERIFY(!panel.copyToNotesButton()->isEnabled());
        QVERIFY(
            panel.documentDetailText().contains(QStringLiteral("此类批注无法复制为我的批注。")));
    }
};

QTEST_MAIN(TestDocumentAnnotations)
#include "tst_documentannotations.moc"

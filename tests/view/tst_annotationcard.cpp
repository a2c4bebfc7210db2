#include "support/TestWait.h"
#include "theme/ThemePalette.h"
#include "view/AnnotationCard.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace dovrix;

namespace {

Annotation sample()
{
    Annotation a;
    a.id = QStringLiteral("0b5c6a3e-0000-4000-8000-000000000001");
    a.type = AnnotationType::Highlight;
    a.page = 3;
    a.start = 10;
    a.length = 5;
    a.rect = QRectF(20, 30, 40, 12);
    a.text = QStringLiteral("old");
    a.color = QColor(168, 199, 250); // third swatch
    a.byText = true;
    a.created = 1700000000;
    return a;
}

// Answers the card's delete question once it is open; the question runs its own event loop.
void answerDeleteQuestion(QWidget* card, QMessageBox::StandardButton answer, int attempts = 200)
{
    QTimer::singleShot(0, card, [card, answer, attempts] {
        auto* box = card->findChild<QMessageBox*>(QStringLiteral("annotDeleteQuestion"));
        if (box && box->isVisible())
            box->button(answer)->click();
        else if (attempts > 0)
            answerDeleteQuestion(card, answer, attempts - 1);
    });
}

bool hasRing(QPushButton* button)
{
    return !button->styleSheet().contains(QLatin1String("border:2px solid transparent"));
}

} // namespace

class TestAnnotationCard : public QObject
{
    Q_OBJECT

private:
    AnnotationCard* card = nullptr;
    QWidget* host = nullptr;

    QList<QPushButton*> swatches() const
    {
        return card->findChildren<QPushButton*>(QStringLiteral("annotColorButton"));
    }

private Q_SLOTS:
    void init()
    {
        recordAppliedTheme(*QCoreApplication::instance(), 0);
        host = new QWidget;
        host->resize(600, 400);
        card = new AnnotationCard(sample(), host);
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host));
    }
    void cleanup()
    {
        delete host;
        host = nullptr;
        card = nullptr;
    }

    void initialState()
    {
        QCOMPARE(card->objectName(), QStringLiteral("annotCard"));
        QCOMPARE(card->width(), 250);
        QCOMPARE(card->annotation(), sample());
        auto* combo = card->findChild<QComboBox*>();
        QCOMPARE(combo->count(), 6);
        QCOMPARE(combo->currentData().toInt(), int(AnnotationType::Highlight));
        QCOMPARE(combo->itemText(5), QStringLiteral("箭头"));
        QCOMPARE(card->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("old"));
        QCOMPARE(card->findChild<QLabel*>()->text(), QStringLiteral("⚓ 文本锚定，重排后可重定位"));

        const QList<QPushButton*> buttons = swatches();
        QCOMPARE(buttons.size(), 8);
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(hasRing(buttons.at(i)), i == 2);
        const ThemePalette light = themePalette(0);
        QVERIFY(buttons.at(2)->styleSheet().contains("border:2px solid " + light.textColor));
        QVERIFY(buttons.at(0)->styleSheet().contains("solid " + light.accent + "; }"));
    }

    void rectangleFallbackLabelAndForeignColour()
    {
        Annotation a = sample();
        a.byText = false;
        a.color = QColor(1, 2, 3);
        QSignalSpy changed(card, &AnnotationCard::changed);
        card->setAnnotation(a);
        QCOMPARE(changed.size(), 1); // filling the editor and combo is not an edit
        QCOMPARE(card->findChild<QLabel*>()->text(),
                 QStringLiteral("▦ 矩形兜底：重排后位置可能漂移"));
        for (QPushButton* b : swatches())
            QVERIFY(!hasRing(b));
        QCOMPARE(swatches().size(), 8); // created once
    }

    void typingEmitsEveryKeystroke()
    {
        QSignalSpy changed(card, &AnnotationCard::changed);
        auto* edit = card->findChild<QPlainTextEdit*>();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, "ab");
        QCOMPARE(changed.size(), 2);
        const auto last = changed.last().at(0).value<Annotation>();
        QCOMPARE(last.text, QStringLiteral("oldab"));
        Annotation expected = sample();
        expected.text = QStringLiteral("oldab");
        QCOMPARE(last, expected); // nothing but the text moved
        QCOMPARE(card->annotation(), expected);
    }

    void choosingType()
    {
        QSignalSpy changed(card, &AnnotationCard::changed);
        auto* combo = card->findChild<QComboBox*>();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
        QCOMPARE(changed.size(), 1);
        const auto a = changed.last().at(0).value<Annotation>();
        QCOMPARE(a.type, AnnotationType::Arrow);
        QCOMPARE(a.pt2, QPointF()); // the page view fills the head in
        QCOMPARE(a.rect, sample().rect);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(changed.last().at(0).value<Annotation>().type, AnnotationType::Rectangle);
    }

    void choosingSwatchMovesRing()
    {
        recordAppliedTheme(*QCoreApplication::instance(), 2);
        QSignalSpy changed(card, &AnnotationCard::changed);
        QPushButton* sixth = swatches().at(5);
        QTest::mouseClick(sixth, Qt::LeftButton);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.last().at(0).value<Annotation>().color, QColor(201, 168, 246));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(hasRing(swatches().at(i)), i == 5);
        QVERIFY(sixth->styleSheet().contains("border:2px solid " + themePalette(2).textColor));
        recordAppliedTheme(*QCoreApplication::instance(), 0);
    }

    void doneAndEscapeClose()
    {
        QSignalSpy closed(card, &AnnotationCard::closed);
        QTest::mouseClick(card->findChild<QPushButton*>(QStringLiteral("annotDoneButton")),
                          Qt::LeftButton);
        QCOMPARE(closed.size(), 1);
        auto* edit = card->findChild<QPlainTextEdit*>();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(closed.size(), 2);
    }

    void deleteAnsweredNo()
    {
        QSignalSpy deleted(card, &AnnotationCard::deleted);
        QSignalSpy closed(card, &AnnotationCard::closed);
        QSignalSpy changed(card, &AnnotationCard::changed);
        answerDeleteQuestion(card, QMessageBox::No);
        QTest::mouseClick(card->findChild<QPushButton*>(QStringLiteral("annotDeleteButton")),
                          Qt::LeftButton);
        QCOMPARE(deleted.size(), 0);
        QCOMPARE(closed.size(), 0);
        QCOMPARE(changed.size(), 0);
        QVERIFY(card->isVisible());
        QCOMPARE(card->annotation(), sample());
    }

    void deleteAnsweredYes()
    {
        QStringList order;
        connect(card, &AnnotationCard::deleted, this, [&](const QString& id) { order << id; });
        connect(card, &AnnotationCard::closed, this, [&] { order << "closed"; });
        answerDeleteQuestion(card, QMessageBox::Yes);
        QTest::mouseClick(card->findChild<QPushButton*>(QStringLiteral("annotDeleteButton")),
                          Qt::LeftButton);
        QCOMPARE(order, (QStringList{sample().id, "closed"}));
    }

    // The document may close while the question is open; the card then goes away under it.
    void cardDeletedDuringQuestion()
    {
        QPointer<AnnotationCard> guard(card);
        QSignalSpy deleted(card, &AnnotationCard::deleted);
        QTimer::singleShot(0, card, [this] {
            if (card->findChild<QMessageBox*>())
                delete card;
        });
        QTest::mouseClick(card->findChild<QPushButton*>(QStringLiteral("annotDeleteButton")),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), test::TimeoutMs);
        QCOMPARE(deleted.size(), 0);
        card = nullptr;
    }
};

QTEST_MAIN(TestAnnotationCard)
#include "tst_annotationcard.moc"

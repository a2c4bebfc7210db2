#include "core/PageColours.h"

#include <QColor>
#include <QtTest>

using dovrix::PageColours;

class TestPageColours : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Night inverts lightness but keeps hue: ink turns light, paper dark, and coloured links and
    // figures stay the colour they were.
    void nightKeepsHue_data()
    {
        QTest::addColumn<QColor>("in");
        QTest::addColumn<int>("minLightness");
        QTest::addColumn<int>("maxLightness");
        QTest::addColumn<bool>("keepsHue");
        QTest::newRow("black text") << QColor(0, 0, 0) << 200 << 255 << false;
        QTest::newRow("white paper") << QColor(255, 255, 255) << 0 << 40 << false;
        QTest::newRow("mid grey") << QColor(128, 128, 128) << 110 << 140 << false;
        QTest::newRow("saturated red") << QColor(220, 20, 30) << 60 << 200 << true;
        QTest::newRow("link blue") << QColor(0, 0, 200) << 60 << 200 << true;
        QTest::newRow("dark green") << QColor(0, 80, 0) << 120 << 230 << true;
    }

    void nightKeepsHue()
    {
        QFETCH(QColor, in);
        QFETCH(int, minLightness);
        QFETCH(int, maxLightness);
        QFETCH(bool, keepsHue);
        const QColor out = QColor::fromRgba(dovrix::pageColourOf(in.rgba(), PageColours::Night));
        QVERIFY2(out.lightness() >= minLightness && out.lightness() <= maxLightness,
                 qPrintable(out.name()));
        QCOMPARE(out.alpha(), 255);
        if (keepsHue) {
            QVERIFY(qAbs(out.hslHue() - in.hslHue()) <= 3);
            QVERIFY(out.hslSaturation() > 100);
        } else {
            QCOMPARE(out.hslSaturation(), 0);
        }
        // Darker in, lighter out: the order of lightness is reversed.
        if (in.lightness() < 128)
            QVERIFY(out.lightness() > in.lightness());
    }

    void sepiaAndNormal()
    {
        const QRgb white = qRgb(255, 255, 255);
        const QColor paper = QColor::fromRgb(dovrix::pageColourOf(white, PageColours::Sepia));
        QVERIFY(paper.red() > paper.blue() && paper.lightness() > 200);
        const QColor ink = QColor::fromRgb(dovrix::pageColourOf(qRgb(0, 0, 0), PageColours::Sepia));
        QVERIFY(ink.red() > ink.blue() && ink.lightness() < 60);
        QCOMPARE(dovrix::pageColourOf(white, PageColours::Normal), white);
        QCOMPARE(dovrix::pageColourOf(white, PageColours::FollowTheme), white);
    }

    // Whole images of every format the renderers give, translucent pixels included.
    void imagesKeepTheirFormat_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("premultiplied") << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("argb32") << QImage::Format_ARGB32;
        QTest::newRow("rgb888") << QImage::Format_RGB888;
    }

    void imagesKeepTheirFormat()
    {
        QFETCH(QImage::Format, format);
        QImage image(4, 2, format);
        image.fill(Qt::white);
        image.setPixelColor(0, 0, Qt::black);
        if (image.hasAlphaChannel())
            image.setPixelColor(1, 0, QColor(0, 0, 0, 128));
        const QImage before = image;
        dovrix::applyPageColours(image, PageColours::Normal);
        QCOMPARE(image, before);
        dovrix::applyPageColours(image, PageColours::Night);
        QCOMPARE(image.format(), format);
        QVERIFY(image.pixelColor(0, 0).lightness() > 200);
        QVERIFY(image.pixelColor(3, 1).lightness() < 40);
        if (image.hasAlphaChannel()) {
            QCOMPARE(image.pixelColor(1, 0).alpha(), 128);
            QVERIFY(image.pixelColor(1, 0).lightness() > 190);
        }
    }

    // Every mode of the table: its id comes back as itself, what it resolves to under either theme
    // resolves to itself, and the cycle visits each mode once before it is back.
    void everyModeRoundTripsResolvesAndCycles()
    {
        QSet<QString> ids;
        PageColours cycled = dovrix::pageColourModes[0].colours;
        for (const dovrix::PageColoursInfo& mode : dovrix::pageColourModes) {
            const PageColours c = mode.colours;
            QCOMPARE(dovrix::pageColoursFromId(dovrix::pageColoursId(c)), c);
            ids.insert(dovrix::pageColoursId(c));
            for (bool dark : {false, true}) {
                const PageColours applied = dovrix::effectivePageColours(c, dark);
                QCOMPARE(dovrix::effectivePageColours(applied, !dark), applied);
            }
            QCOMPARE(cycled, c);
            cycled = dovrix::nextPageColours(cycled);
        }
        QCOMPARE(ids.size(), dovrix::PageColourModeCount);
        QCOMPARE(cycled, dovrix::pageColourModes[0].colours);
        QCOMPARE(dovrix::pageColoursFromId(QStringLiteral("Night")), PageColours::Normal);
        QCOMPARE(dovrix::effectivePageColours(PageColours::FollowTheme, true), PageColours::Night);
        QCOMPARE(dovrix::effectivePageColours(PageColours::FollowTheme, false),
                 PageColours::Normal);
        QCOMPARE(dovrix::effectivePageColours(PageColours::Sepia, true), PageColours::Sepia);
    }
};

QTEST_MAIN(TestPageColours)
#include "tst_pagecolours.moc"

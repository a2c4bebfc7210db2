#include "theme/ThemePalette.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QVBoxLayout>

using namespace dovrix;

class TestThemePalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void idMapping_data();
    void idMapping();
    void palettesAreWellFormed();
    void noTokenLeft_data();
    void noTokenLeft();
    void sheetPaintsThePalette();
};

void TestThemePalette::idMapping_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("index");
    QTest::newRow("light") << "light" << 0;
    QTest::newRow("paper") << "paper" << 1;
    QTest::newRow("dark") << "dark" << 2;
    QTest::newRow("midnight") << "midnight" << 3;
    QTest::newRow("hc") << "hc" << 4;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("capitalised Dark") << "Dark" << 0;
    QTest::newRow("upper HC") << "HC" << 0;
    QTest::newRow("padded") << " dark" << 0;
    QTest::newRow("unknown") << "sepia" << 0;
}

void TestThemePalette::idMapping()
{
    QFETCH(QString, id);
    QFETCH(int, index);
    QCOMPARE(themeIndexFromId(id), index);
}

static QStringList colours(const ThemePalette& p)
{
    return {p.bg,     p.panel,   p.panel2, p.textColor, p.muted,   p.line,    p.brand,
            p.brand2, p.onBrand, p.accent, p.selection, p.success, p.warning, p.viewport};
}

void TestThemePalette::palettesAreWellFormed()
{
    const QRegularExpression colour(QStringLiteral("^#[0-9A-F]{6}$"));
    QSet<int> indices;
    for (const ThemeInfo& row : themes) {
        const ThemePalette p = themePalette(row.theme);
        QVERIFY2(!indices.contains(row.theme), row.id);
        indices.insert(row.theme);
        // The stored id of an index maps back to the same index.
        QCOMPARE(themeIndexFromId(p.id), int(row.theme));
        QVERIFY(qstrlen(row.label) > 0);
        const QStringList all = colours(p);
        for (const QString& c : all)
            QVERIFY2(colour.match(c).hasMatch(), qPrintable(p.id + QLatin1Char(' ') + c));
        // A theme called dark has text lighter than its surfaces: page colours that follow the
        // theme turn night under it.
        QCOMPARE(isDarkTheme(row.theme),
                 QColor(p.textColor).lightness() > QColor(p.bg).lightness());
    }
    // Indices without a row store "light".
    for (int i : {-1, int(std::size(themes)), 9, 1000})
        QCOMPARE(themePalette(i).id, QStringLiteral("light"));
}

void TestThemePalette::noTokenLeft_data()
{
    QTest::addColumn<int>("index");
    for (const ThemeInfo& row : themes)
        QTest::newRow(row.id) << int(row.theme);
}

void TestThemePalette::noTokenLeft()
{
    QFETCH(int, index);
    const ThemePalette p = themePalette(index);
    const QString sheet = buildStyleSheet(p);
    QVERIFY(!sheet.contains(QLatin1Char('%')));
    QVERIFY(!sheet.contains(QLatin1Char('\n')));
    // A prefix token replaced too early would leave a colour followed by "2" ("#2F6FED2").
    QVERIFY(!sheet.contains(QRegularExpression(QStringLiteral("#[0-9A-F]{6}[0-9A-Za-z]"))));
    QVERIFY(sheet.contains(QStringLiteral("background:") + p.brand2));
    QVERIFY(sheet.contains(QStringLiteral("dovrix--PdfViewport{background:") + p.viewport));
    QVERIFY(sheet.contains(QStringLiteral("stop:1 ") + p.panel2));
    // Colours read by code only are not in the sheet unless another role shares them.
    if (!colours(p).mid(0, 12).contains(p.warning))
        QVERIFY(!sheet.contains(p.warning));
}

void TestThemePalette::sheetPaintsThePalette()
{
    // Qt reports a sheet it cannot parse as a warning when a widget is polished.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("[Ss]tyle ?[Ss]heet")));
    for (const ThemeInfo& row : themes) {
        const ThemePalette p = themePalette(row.theme);
        qApp->setStyleSheet(buildStyleSheet(p));
        QDialog dialog;
        dialog.resize(200, 120);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLineEdit(&dialog));
        auto* primary = new QPushButton(QStringLiteral("OK"), &dialog);
        primary->setObjectName(QStringLiteral("primary"));
        layout->addWidget(primary);
        layout->addStretch();
        const QImage image = dialog.grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 3, image.height() - 3), QColor(p.bg));
        const QImage button = primary->grab().toImage();
        QCOMPARE(button.pixelColor(button.width() / 2, 2), QColor(p.brand));
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestThemePalette)
#include "tst_themepalette.moc"

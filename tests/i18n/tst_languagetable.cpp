#include "i18n/LanguageTable.h"
#include "support/SkipOrFail.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace dovrix;

namespace {

const char context[] = "dovrix::MainWindow";
const char source[] = "打开";

QString translated(const char* text)
{
    return QCoreApplication::translate(context, text);
}

int installedTranslators()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return int(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly).size());
}

} // namespace

class TestLanguageTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void table();
    void nativeNames_data();
    void nativeNames();
    void catalogueReplacesThePreviousOne();
    void missingCatalogueShowsSourceTexts();
    void layoutDirection();

private:
    // Builds catalogues for two codes outside the table ("xa", "xb": the real languages have their
    // own compiled-in catalogues) that translate `source` into "xa:…"/"xb:…", registered at
    // ":/i18n/Dovrix_<code>.qm" as the program's catalogues are.
    bool makeCatalogues();

    QTemporaryDir dir;
    bool haveCatalogues = false;
};

bool TestLanguageTable::makeCatalogues()
{
    const QString lrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lrelease";
    const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
    if (!QFile::exists(lrelease) || !QFile::exists(rcc))
        return false;
    QDir(dir.path()).mkdir("i18n");
    for (const QString& code : {QStringLiteral("xa"), QStringLiteral("xb")}) {
        QFile ts(dir.filePath(code + ".ts"));
        if (!ts.open(QIODevice::WriteOnly))
            return false;
        ts.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                "<!DOCTYPE TS><TS version=\"2.1\" language=\"%1\"><context>"
                                "<name>%2</name><message><source>%3</source>"
                                "<translation>%1:open</translation></message></context></TS>\n")
                     .arg(code, QLatin1String(context), QString::fromUtf8(source))
                     .toUtf8());
        ts.close();
        const QString qm = dir.filePath("i18n/Dovrix_" + code + ".qm");
        if (QProcess::execute(lrelease, {"-silent", ts.fileName(), "-qm", qm}) != 0)
            return false;
    }
    QFile qrc(dir.filePath("cat.qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return false;
    qrc.write("<RCC><qresource prefix=\"/\"><file>i18n/Dovrix_xa.qm</file>"
              "<file>i18n/Dovrix_xb.qm</file></qresource></RCC>\n");
    qrc.close();
    const QString binary = dir.filePath("cat.rcc");
    if (QProcess::execute(rcc, {"-binary", qrc.fileName(), "-o", binary}) != 0)
        return false;
    return QResource::registerResource(binary);
}

void TestLanguageTable::initTestCase()
{
    QVERIFY(dir.isValid());
    haveCatalogues = makeCatalogues();
}

void TestLanguageTable::cleanup()
{
    installLanguage(QStringLiteral("zh-CN"));
}

void TestLanguageTable::table()
{
    const QList<LanguageEntry>& entries = languageTable();
    QCOMPARE(entries.size(), 20);
    QCOMPARE(entries.first().code, QStringLiteral("en"));
    QCOMPARE(entries.at(9).code, QStringLiteral("ar"));
    QCOMPARE(entries.at(18).code, QStringLiteral("zh-CN"));
    QCOMPARE(entries.last().code, QStringLiteral("zh-TW"));
    QSet<QString> codes;
    for (const LanguageEntry& entry : entries) {
        QVERIFY(!entry.nativeName.isEmpty());
        codes.insert(entry.code);
    }
    QCOMPARE(codes.size(), 20);
}

void TestLanguageTable::nativeNames_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("en") << "en"
                        << "English";
    QTest::newRow("ja") << "ja"
                        << "日本語";
    QTest::newRow("ar") << "ar"
                        << "العربية";
    QTest::newRow("zh-CN") << "zh-CN"
                           << "中文（简体）";
    QTest::newRow("zh-TW") << "zh-TW"
                           << "中文（繁體）";
    QTest::newRow("unknown") << "xx"
                             << "English";
    QTest::newRow("empty") << ""
                           << "English";
    QTest::newRow("case differs") << "ZH-cn"
                                  << "English";
    QTest::newRow("underscore") << "zh_CN"
                                << "English";
}

void TestLanguageTable::nativeNames()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(nativeLanguageName(code), name);
}

void TestLanguageTable::catalogueReplacesThePreviousOne()
{
    if (!haveCatalogues)
        DOVRIX_SKIP_OR_FAIL_IN_CI("lrelease or rcc not available");
    installLanguage("xa");
    QCOMPARE(translated(source), QStringLiteral("xa:open"));
    QCOMPARE(installedTranslators(), 1);
    for (int i = 0; i < 5; ++i) {
        installLanguage("xb");
        installLanguage("xa");
    }
    installLanguage("xb");
    QCOMPARE(translated(source), QStringLiteral("xb:open"));
    QCOMPARE(installedTranslators(), 1);
    // The source language removes the catalogue and shows the source texts.
    installLanguage("zh-CN");
    QCOMPARE(translated(source), QString::fromUtf8(source));
    QCOMPARE(installedTranslators(), 0);
}

void TestLanguageTable::missingCatalogueShowsSourceTexts()
{
    if (haveCatalogues) {
        installLanguage("xa");
        QCOMPARE(translated(source), QStringLiteral("xa:open"));
    }
    // Codes without a catalogue (outside the table, or empty).
    for (const QString& code : {QStringLiteral("xx"), QStringLiteral("")}) {
        installLanguage(code);
        QCOMPARE(translated(source), QString::fromUtf8(source));
        QCOMPARE(installedTranslators(), 0);
    }
}

void TestLanguageTable::layoutDirection()
{
    installLanguage("ar");
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    installLanguage("en");
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    installLanguage("ar");
    installLanguage("zh-CN");
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    installLanguage("AR");
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TestLanguageTable)
#include "tst_languagetable.moc"

#include "support/AppFixtures.h"

#include "annotations/AnnotatedPdfExporter.h"
#include "annotations/AnnotationStore.h"
#include "annotations/DocumentAnnotationModel.h"
#include "app/AnnotationCommands.h"
#include "app/DocumentPropertiesDialog.h"
#include "app/ExportCommands.h"
#include "app/MainWindow.h"
#include "app/NavigationCommands.h"
#include "app/OcrCommands.h"
#include "app/OutcomeText.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "app/StudyTools.h"
#include "app/ViewCommands.h"
#include "core/DocumentController.h"
#include "i18n/LanguageTable.h"
#include "ocr/OcrController.h"
#include "ocr/OcrEngine.h"
#include "ocr/OcrRuntime.h"
#include "session/DocumentSession.h"
#include "speech/QtSpeechEngine.h"
#include "support/SkipOrFail.h"
#include "text/TextLayoutStore.h"
#include "view/AnnotationCard.h"
#include "view/FormLayer.h"
#include "view/PdfViewport.h"
#include "view/panels/AnnotationPanel.h"
#include "view/panels/BookmarkListPanel.h"
#include "view/panels/BookmarkPanel.h"
#include "view/panels/SearchPanel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace dovrix;

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // empty when finished; "unfinished", "vanished", "obsolete" otherwise
    // A text with a count (%n) has one translation per plural form of the language.
    bool numerus = false;
    QStringList forms;
};

struct Catalogue
{
    QString language;
    QString sourceLanguage;
    QList<Message> messages;
    QString error;
};

Catalogue readCatalogue(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = QStringLiteral("cannot read ") + path;
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value("language").toString();
            catalogue.sourceLanguage = xml.attributes().value("sourcelanguage").toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, {}, {}};
            message.numerus = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value("type").toString();
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.forms.append(xml.readElementText());
                message.translation = message.forms.value(0);
            } else {
                message.translation = xml.readElementText();
                message.forms = {message.translation};
            }
            catalogue.messages.append(message);
        }
    }
    if (xml.hasError())
        catalogue.error = path + QStringLiteral(": ") + xml.errorString();
    return catalogue;
}

// The source tree, found from the build directory the tests run for.
QString sourceRoot()
{
    const QString buildDir = qEnvironmentVariable("DOVRIX_BUILD_DIR");
    // The compiler may have been given this file's path relative to the build directory.
    const QString here = QDir(buildDir).absoluteFilePath(QStringLiteral(__FILE__));
    QDir dir = QFileInfo(here).dir();
    if (dir.cdUp() && dir.cdUp() && dir.exists(QStringLiteral("i18n/translations")))
        return dir.absolutePath();
    QFile cache(buildDir + QStringLiteral("/CMakeCache.txt"));
    if (cache.open(QIODevice::ReadOnly)) {
        const QByteArray key = "CMAKE_HOME_DIRECTORY:INTERNAL=";
        for (const QByteArray& line : cache.readAll().split('\n')) {
            if (line.startsWith(key))
                return QString::fromUtf8(line.mid(key.size())).trimmed();
        }
    }
    return QString();
}

QStringList catalogueCodes()
{
    QStringList codes;
    for (const LanguageEntry& entry : languageTable()) {
        if (entry.code != QLatin1String("zh-CN"))
            codes.append(entry.code);
    }
    return codes;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

int installedTranslators()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return int(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly).size());
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void everyCatalogueIsCompiledIn_data();
    void everyCatalogueIsCompiledIn();
    void translationsKeepTheirTexts_data();
    void translationsKeepTheirTexts();
    void contextsAreTheRunTimeContexts();
    void cataloguesCoverTheSources();
    void countsTakeTheLanguagesPluralForm();
    void switchingChangesTheWindow_data();
    void switchingChangesTheWindow();
    void arabicTurnsTheWindowRightToLeft();

private:
    void addCodeRows();
    const Catalogue& catalogue(const QString& code) const { return *catalogues.constFind(code); }

    QTemporaryDir settingsDir;
    QString root;
    QHash<QString, Catalogue> catalogues;
};

void TestCatalogues::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    test::isolateSettings(settingsDir.path());
    root = sourceRoot();
    QVERIFY2(!root.isEmpty(), "source tree not found");
    for (const QString& code : catalogueCodes()) {
        catalogues.insert(code, readCatalogue(root + QStringLiteral("/i18n/translations/Dovrix_")
                                              + code + QStringLiteral(".ts")));
        QVERIFY2(catalogues[code].error.isEmpty(), qPrintable(catalogues[code].error));
        QVERIFY2(!catalogues[code].messages.isEmpty(), qPrintable(code));
    }
}

void TestCatalogues::cleanup()
{
    installLanguage(QStringLiteral("zh-CN"));
}

void TestCatalogues::addCodeRows()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : catalogueCodes())
        QTest::newRow(qPrintable(code)) << code;
}

void TestCatalogues::everyCatalogueIsCompiledIn_data()
{
    addCodeRows();
}

// The program's own resources hold the catalogue, it installs as the only translator, and it
// answers every finished message of its source file in that message's context.
void TestCatalogues::everyCatalogueIsCompiledIn()
{
    QFETCH(QString, code);
    const Catalogue& ts = catalogue(code);
    QCOMPARE(ts.sourceLanguage, QStringLiteral("zh_CN"));
    QCOMPARE(ts.language, QString(code).replace('-', '_'));
    QVERIFY(QFile::exists(QStringLiteral(":/i18n/Dovrix_%1.qm").arg(code)));

    installLanguage(code);
    const QList<QTranslator*> installed =
        qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(installedTranslators(), 1);
    QCOMPARE(installed.first()->language(), ts.language);

    for (const Message& m : ts.messages) {
        if (!m.type.isEmpty())
            continue;
        const QByteArray context = m.context.toUtf8();
        const QByteArray source = m.source.toUtf8();
        if (!m.numerus) {
            QCOMPARE(QCoreApplication::translate(context.constData(), source.constData()),
                     m.translation);
            continue;
        }
        // Every count gets one of the plural forms, with the count in place of %n.
        for (int n : {0, 1, 2, 3, 5, 11, 21, 102, 1465}) {
            QStringList expected;
            for (const QString& form : m.forms)
                expected.append(QString(form).replace(QLatin1String("%n"), QString::number(n)));
            const QString shown =
                QCoreApplication::translate(context.constData(), source.constData(), nullptr, n);
            QVERIFY2(expected.contains(shown), qPrintable(code + ": " + shown));
        }
    }
}

void TestCatalogues::translationsKeepTheirTexts_data()
{
    addCodeRows();
}

// A translation that drops a placeholder loses a value, one with an extra placeholder shows a
// raw "%3", one with other line breaks breaks labels, tool tips and the exported texts, and one
// without the ampersand loses its keyboard accelerator.
void TestCatalogues::translationsKeepTheirTexts()
{
    QFETCH(QString, code);
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    const bool writesHan = code == QLatin1String("ja") || code == QLatin1String("zh-TW");
    QStringList faults;
    for (const Message& m : catalogue(code).messages) {
        const QString where = m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\": ");
        if (!m.type.isEmpty() || m.translation.isEmpty()) {
            faults.append(where + QStringLiteral("not finished"));
            continue;
        }
        for (const QString& t : m.forms) {
            if (t.isEmpty()) {
                faults.append(where + QStringLiteral("a plural form is empty"));
                continue;
            }
            if (placeholders(t) != placeholders(m.source))
                faults.append(where + QStringLiteral("placeholders differ in \"") + t + '"');
            if (t.count('\n') != m.source.count('\n'))
                faults.append(where + QStringLiteral("line breaks differ in \"") + t + '"');
            if (t.count('&') != m.source.count('&'))
                faults.append(where + QStringLiteral("accelerator differs in \"") + t + '"');
            // Texts that are joined to others keep their leading and trailing space.
            if (t.front().isSpace() != m.source.front().isSpace()
                || t.back().isSpace() != m.source.back().isSpace())
                faults.append(where + QStringLiteral("outer spacing differs in \"") + t + '"');
            // A source text copied over and marked finished would show Chinese in this language.
            if (!writesHan && t.contains(han))
                faults.append(where + QStringLiteral("Chinese text left in \"") + t + '"');
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Each context must be a name the program translates in while it runs: a class's qualified
// name or "QObject". A bare "MainWindow" would leave that class's texts untranslated.
void TestCatalogues::contextsAreTheRunTimeContexts()
{
    QSet<QString> known = {QStringLiteral("QObject")};
    for (const QMetaObject* meta : {&MainWindow::staticMetaObject,
                                    &ExportCommands::staticMetaObject,
                                    &DocumentSession::staticMetaObject,
                                    &DocumentController::staticMetaObject,
                                    &AnnotatedPdfExporter::staticMetaObject,
                                    &AnnotationCard::staticMetaObject,
                                    &AnnotationPanel::staticMetaObject,
                                    &AnnotationStore::staticMetaObject,
                                    &BookmarkPanel::staticMetaObject,
                                    &BookmarkListPanel::staticMetaObject,
                                    &PdfViewport::staticMetaObject,
                                    &SearchPanel::staticMetaObject,
                                    &TextLayoutStore::staticMetaObject,
                                    &OcrController::staticMetaObject,
                                    &StudyTools::staticMetaObject,
                                    &ViewCommands::staticMetaObject,
                                    &AnnotationCommands::staticMetaObject,
                                    &NavigationCommands::staticMetaObject,
                                    &OcrCommands::staticMetaObject,
                                    &QtSpeechEngine::staticMetaObject,
                                    &DocumentAnnotationModel::staticMetaObject,
                                    &DocumentPropertiesDialog::staticMetaObject,
                                    &FormLayer::staticMetaObject,
                                    &SingleInstance::staticMetaObject})
        known.insert(QString::fromLatin1(meta->className()));

    // The two OCR contexts without a meta-object, checked through the code that words them.
    installLanguage(QStringLiteral("en"));
    const char* engineText = "OCR 初始化失败：%1";
    QVERIFY(OcrEngine::tr(engineText) != QString::fromUtf8(engineText));
    known.insert(QStringLiteral("dovrix::OcrEngine"));
    OcrFailure failure;
    QVERIFY(!ensureRuntimeLoaded({QStringLiteral("/nonexistent/libonnxruntime.so.1")}, &failure));
    const QString words = outcomeText(failure);
    QVERIFY2(words.startsWith(QStringLiteral("Cannot load")), qPrintable(words));
    known.insert(QStringLiteral("dovrix::OcrRuntime"));
    // The command line's help, translated before any window exists.
    QCommandLineParser parser;
    defineCommandLine(parser);
    QVERIFY(parser.helpText().contains(QStringLiteral("The PDF file to open.")));
    known.insert(QStringLiteral("dovrix::StartUp"));

    for (const Catalogue& ts : std::as_const(catalogues)) {
        for (const Message& m : ts.messages)
            QVERIFY2(known.contains(m.context), qPrintable(ts.language + ": " + m.context));
    }
}

// A text added to the sources without refreshing the catalogues stays Chinese in every language.
void TestCatalogues::cataloguesCoverTheSources()
{
    const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate";
    if (!QFile::exists(lupdate))
        DOVRIX_SKIP_OR_FAIL_IN_CI("lupdate is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess process;
    process.setWorkingDirectory(root);
    const QStringList sources{"app", "session", "core",   "text", "annotations", "view",
                              "ocr", "synctex", "speech", "i18n", "theme",       "settings"};
    process.start(lupdate, QStringList{"-silent", "-no-obsolete", "-locations", "none", "-I", root,
                                       "-source-language", "zh_CN"}
                               + sources + QStringList{"-ts", fresh});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    const Catalogue extracted = readCatalogue(fresh);
    QVERIFY(extracted.error.isEmpty());
    QVERIFY(!extracted.messages.isEmpty());

    auto keys = [](const Catalogue& c) {
        QSet<QString> set;
        for (const Message& m : c.messages)
            set.insert(m.context + QChar(0) + m.source);
        return set;
    };
    const QSet<QString> expected = keys(extracted);
    for (const QString& code : catalogueCodes()) {
        const QSet<QString> present = keys(catalogue(code));
        QStringList missing;
        for (const QString& key : expected) {
            if (!present.contains(key))
                missing.append(QString(key).replace(QChar(0), QLatin1String(" ")));
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(code + ": run scripts/update-translations.sh; missing "
                            + missing.join(QStringLiteral(" | "))));
        QCOMPARE(present.size(), expected.size());
    }
}

// "1 matches" reads wrong; Slavic languages have three forms chosen by the last digits.
void TestCatalogues::countsTakeTheLanguagesPluralForm()
{
    const char* context = "dovrix::SearchPanel";
    const char* hits = "“%1”：共 %n 处命中";
    auto shown = [&](const char* code, int n) {
        installLanguage(QString::fromLatin1(code));
        return QCoreApplication::translate(context, hits, nullptr, n);
    };
    QCOMPARE(shown("en", 1), QStringLiteral("“%1”: 1 match"));
    QCOMPARE(shown("en", 1465), QStringLiteral("“%1”: 1465 matches"));
    QCOMPARE(shown("ru", 21), QStringLiteral("«%1»: 21 совпадение"));
    QCOMPARE(shown("ru", 22), QStringLiteral("«%1»: 22 совпадения"));
    QCOMPARE(shown("ru", 12), QStringLiteral("«%1»: 12 совпадений"));
    QCOMPARE(shown("ar", 2), QStringLiteral("«%1»: نتيجتان"));
    QCOMPARE(shown("fr", 0), QStringLiteral("« %1 » : 0 occurrence"));
}

void TestCatalogues::switchingChangesTheWindow_data()
{
    addCodeRows();
    QTest::newRow("zh-CN") << QStringLiteral("zh-CN");
}

void TestCatalogues::switchingChangesTheWindow()
{
    QFETCH(QString, code);
    auto expected = [&](const char* source) {
        if (code == QLatin1String("zh-CN"))
            return QString::fromUtf8(source);
        for (const Message& m : catalogue(code).messages) {
            if (m.context == QLatin1String("dovrix::MainWindow") && m.source == source)
                return m.translation;
        }
        return QString();
    };

    MainWindow window;
    auto* welcomeButton = window.welcomePage()->findChild<QPushButton*>(QStringLiteral("primary"));
    auto* openButton = window.findChild<QPushButton*>(QStringLiteral("openButton"));
    QVERIFY(welcomeButton && openButton);
    // Start from another language, so that the texts must change.
    window.setLanguage(code == QLatin1String("en") ? QStringLiteral("de") : QStringLiteral("en"));
    window.setLanguage(code);
    QCOMPARE(welcomeButton->text(), expected("打开 PDF…"));
    QCOMPARE(openButton->text(), expected("打开"));
    QCOMPARE(openButton->toolTip(), expected("打开 PDF（每个文档一个标签页）"));
    QCOMPARE(installedTranslators(), code == QLatin1String("zh-CN") ? 0 : 1);
}

void TestCatalogues::arabicTurnsTheWindowRightToLeft()
{
    MainWindow window;
    window.setLanguage(QStringLiteral("ar"));
    QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
    QVERIFY(window.welcomePage()->isRightToLeft());
    window.setLanguage(QStringLiteral("fr"));
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    QVERIFY(!window.welcomePage()->isRightToLeft());
}

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"

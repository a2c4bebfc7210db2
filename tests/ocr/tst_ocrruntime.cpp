// Loading the inference library and initialising an engine: every failure path with libraries and
// models the test builds itself, then the real library when set-up has put it in the build tree.
// The failure tests come first: a loaded runtime stays loaded for the rest of the process.

#include "ocr/OcrEngine.h"
#include "ocr/OcrRuntime.h"
#include "support/OcrFixtures.h"
#include "support/OwnProcess.h"
#include "support/SkipOrFail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

const QString RuntimeFile = QStringLiteral("libonnxruntime.so.1");

// Copies a library under the runtime's file name into its own folder of dir; returns the path.
QString placeRuntime(const QTemporaryDir& dir, const QString& folder, const QString& library)
{
    QDir(dir.path()).mkpath(folder);
    const QString path = dir.path() + QLatin1Char('/') + folder + QLatin1Char('/') + RuntimeFile;
    QFile::remove(path);
    if (!QFile::copy(library, path))
        return {};
    return path;
}

// The file's own words for a model that cannot be opened.
QString openError(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.errorString();
}

} // namespace

class TestOcrRuntime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noLibraryListsEveryPlaceTried();
    void libraryWithoutEntryPointStopsTheSearch();
    void libraryWithoutApiVersionStopsTheSearch();
    void loadsTheRealLibraryOnce();
    void modelFailures_data();
    void modelFailures();
    void dictionaryKeepsEntriesAsStored();
    void secondInitializeTouchesNoFile();
    void failedInitializeCanBeRetried();

private:
    // Loads the inference library that set-up put into the build directory (once per process).
    static bool loadRuntime()
    {
        return !test::ocrRuntimePath().isEmpty()
               && ensureRuntimeLoaded(QStringList{test::ocrRuntimePath()}, nullptr);
    }
};

void TestOcrRuntime::noLibraryListsEveryPlaceTried()
{
    DOVRIX_RUN_IN_OWN_PROCESS(); // a loaded library stays loaded for the process
    const QString dir = QCoreApplication::applicationDirPath();
    const QStringList expected = {dir + QStringLiteral("/libonnxruntime.so.1"),
                                  dir + QStringLiteral("/lib/libonnxruntime.so.1"),
                                  dir + QStringLiteral("/../lib/dovrix/libonnxruntime.so.1"),
                                  dir
                                      + QStringLiteral("/../../../thirdparty/onnxruntime/lib/"
                                                       "libonnxruntime.so.1")};
    QCOMPARE(runtimeCandidates(), expected);
    for (const QString& path : expected) {
        if (QFileInfo::exists(path))
            QSKIP("a runtime library lies in one of the program's own places");
    }

    const QString tried = QStringLiteral("\n  %1\n  %2\n  %3\n  %4")
                              .arg(expected.at(0), expected.at(1), expected.at(2), expected.at(3));
    OcrFailure failure;
    QVERIFY(!ensureRuntimeLoaded(&failure));
    QCOMPARE(failure.kind, OcrFailure::Kind::RuntimeMissing);
    QCOMPARE(failure.subject, tried);
    QVERIFY(!ensureRuntimeLoaded(nullptr)); // no reason wanted, still searched again

    // The engine reports the loader's reason and stays usable (and harmless) afterwards.
    OcrEngine engine;
    OcrFailure again;
    QVERIFY(!engine.initialize(OcrEngineConfig{}, &again));
    QCOMPARE(again.kind, OcrFailure::Kind::RuntimeMissing);
    QCOMPARE(again.subject, tried);
    QVERIFY(!engine.isInitialized());
    QImage page(200, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QVERIFY(engine.recognize(page).isEmpty());
    QVERIFY(engine.recognizeLine(page).text.isEmpty());
}

void TestOcrRuntime::libraryWithoutEntryPointStopsTheSearch()
{
    DOVRIX_RUN_IN_OWN_PROCESS(); // a loaded library stays loaded for the process
    QTemporaryDir dir;
    const QString fake =
        placeRuntime(dir, QStringLiteral("first"), QStringLiteral(FAKE_RUNTIME_WITHOUT_ENTRY));
    QVERIFY(!fake.isEmpty());
    // A usable library further down the list must not be reached.
    QStringList candidates = {dir.path() + QStringLiteral("/missing/") + RuntimeFile, fake};
    if (!test::ocrRuntimePath().isEmpty())
        candidates << test::ocrRuntimePath();
    OcrFailure failure;
    QVERIFY(!ensureRuntimeLoaded(candidates, &failure));
    QCOMPARE(failure.kind, OcrFailure::Kind::RuntimeWithoutEntryPoint);
    QCOMPARE(failure.subject, fake);
}

void TestOcrRuntime::libraryWithoutApiVersionStopsTheSearch()
{
    DOVRIX_RUN_IN_OWN_PROCESS(); // a loaded library stays loaded for the process
    QTemporaryDir dir;
    const QString fake =
        placeRuntime(dir, QStringLiteral("old"), QStringLiteral(FAKE_RUNTIME_OLD_API));
    QVERIFY(!fake.isEmpty());
    QStringList candidates = {fake};
    if (!test::ocrRuntimePath().isEmpty())
        candidates << test::ocrRuntimePath();
    OcrFailure failure;
    QVERIFY(!ensureRuntimeLoaded(candidates, &failure));
    QCOMPARE(failure.kind, OcrFailure::Kind::RuntimeTooOld);
    QCOMPARE(failure.number, 29);
}

void TestOcrRuntime::loadsTheRealLibraryOnce()
{
    DOVRIX_RUN_IN_OWN_PROCESS(); // a loaded library stays loaded for the process
    if (test::ocrRuntimePath().isEmpty())
        DOVRIX_SKIP_OR_FAIL_IN_CI(
            "the inference library is not in the build directory (run scripts/fetch-ocr.sh)");
    QTemporaryDir dir;
    OcrFailure failure;
    QVERIFY2(ensureRuntimeLoaded(
                 QStringList{dir.path() + QLatin1Char('/') + RuntimeFile, test::ocrRuntimePath()},
                 &failure),
             qPrintable(failure.subject + failure.detail));
    QVERIFY(!failure.failed());
    // Once loaded, no search happens again, whatever the places.
    QVERIFY(ensureRuntimeLoaded(QStringList(), &failure));
    QVERIFY(ensureRuntimeLoaded(&failure));
}

void TestOcrRuntime::modelFailures_data()
{
    QTest::addColumn<bool>("writeDetection");
    QTest::addColumn<bool>("writeRecognition");
    QTest::addColumn<bool>("withDictionary");
    QTest::addColumn<QByteArray>("detectionBytes");
    QTest::addColumn<OcrFailure::Kind>("expected");

    QTest::newRow("no models: detection reported first")
        << false << false << true << QByteArray() << OcrFailure::Kind::DetectionModelMissing;
    QTest::newRow("missing detection")
        << false << true << true << QByteArray() << OcrFailure::Kind::DetectionModelMissing;
    QTest::newRow("missing recognition")
        << true << false << true << QByteArray() << OcrFailure::Kind::RecognitionModelMissing;
    QTest::newRow("recogniser without dictionary")
        << true << true << false << QByteArray() << OcrFailure::Kind::NoDictionary;
    QTest::newRow("damaged detection model")
        << true << true << true << QByteArray("not a model at all")
        << OcrFailure::Kind::EngineError;
}

void TestOcrRuntime::modelFailures()
{
    if (!loadRuntime())
        DOVRIX_SKIP_OR_FAIL_IN_CI("needs the inference library");
    QFETCH(bool, writeDetection);
    QFETCH(bool, writeRecognition);
    QFETCH(bool, withDictionary);
    QFETCH(QByteArray, detectionBytes);
    QFETCH(OcrFailure::Kind, expected);

    QTemporaryDir dir;
    const QString detPath = dir.path() + QStringLiteral("/PP-OCRv6_det_small.onnx");
    const QString recPath = dir.path() + QStringLiteral("/PP-OCRv6_rec_small.onnx");
    if (writeDetection) {
        if (detectionBytes.isEmpty()) {
            QVERIFY(test::writePassThroughModel(detPath));
        } else {
            QFile file(detPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(detectionBytes);
        }
    }
    if (writeRecognition) {
        QList<QPair<QByteArray, QByteArray>> metadata = {{"other", "x"}};
        if (withDictionary)
            metadata.append(qMakePair(QByteArray("character"), QByteArray("a\nb")));
        QVERIFY(test::writePassThroughModel(recPath, metadata));
    }

    OcrEngine engine;
    OcrEngineConfig config;
    config.modelDir = dir.path() + QStringLiteral("//sub/.."); // the reasons name cleaned paths
    OcrFailure failure;
    QVERIFY(!engine.initialize(config, &failure));
    QVERIFY(!engine.isInitialized());
    QCOMPARE(engine.config().modelDir, config.modelDir);
    QCOMPARE(failure.kind, expected);
    if (expected == OcrFailure::Kind::DetectionModelMissing) {
        QCOMPARE(failure.subject, detPath);
        QCOMPARE(failure.detail, openError(detPath));
    } else if (expected == OcrFailure::Kind::RecognitionModelMissing) {
        QCOMPARE(failure.subject, recPath);
        QCOMPARE(failure.detail, openError(recPath));
    } else if (expected == OcrFailure::Kind::EngineError) {
        QVERIFY(!failure.detail.isEmpty()); // the runtime's own words
    }

    QImage page(300, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QVERIFY(engine.recognize(page).isEmpty());
}

void TestOcrRuntime::dictionaryKeepsEntriesAsStored()
{
    if (!loadRuntime())
        DOVRIX_SKIP_OR_FAIL_IN_CI("needs the inference library");
    QTemporaryDir dir;
    QVERIFY(test::writePassThroughModel(dir.filePath(QStringLiteral("PP-OCRv6_det_small.onnx"))));
    QVERIFY(test::writePassThroughModel(dir.filePath(QStringLiteral("PP-OCRv6_rec_small.onnx")),
                                        {{"character", "甲\nb\r\n\n c \n"}}));
    OcrEngine engine;
    OcrEngineConfig config;
    config.modelDir = dir.path();
    OcrFailure failure;
    QVERIFY2(engine.initialize(config, &failure), qPrintable(failure.subject + failure.detail));
    QVERIFY(engine.isInitialized());
    // A trailing line feed gives an empty last entry; carriage returns and spaces stay.
    const QStringList expected = {QStringLiteral("甲"), QStringLiteral("b\r"), QString(),
                                  QStringLiteral(" c "), QString()};
    QCOMPARE(engine.dictionary(), expected);
}

void TestOcrRuntime::secondInitializeTouchesNoFile()
{
    if (!loadRuntime())
        DOVRIX_SKIP_OR_FAIL_IN_CI("needs the inference library");
    auto dir = std::make_unique<QTemporaryDir>();
    QVERIFY(test::writePassThroughModel(dir->filePath(QStringLiteral("PP-OCRv6_det_small.onnx"))));
    QVERIFY(test::writePassThroughModel(dir->filePath(QStringLiteral("PP-OCRv6_rec_small.onnx")),
                                        {{"character", "x\ny"}}));
    OcrEngine engine;
    OcrEngineConfig config;
    config.modelDir = dir->path();
    OcrFailure failure;
    QVERIFY2(engine.initialize(config, &failure), qPrintable(failure.subject + failure.detail));

    dir.reset(); // the model files are gone now
    OcrEngineConfig other;
    other.modelDir = QStringLiteral("/nonexistent/models");
    other.binaryThreshold = 0.5f;
    failure = {};
    QVERIFY(engine.initialize(other, &failure));
    QVERIFY(!failure.failed());
    QVERIFY(engine.isInitialized());
    QCOMPARE(engine.dictionary(), QStringList({QStringLiteral("x"), QStringLiteral("y")}));
    // The configuration is still copied.
    QCOMPARE(engine.config().modelDir, other.modelDir);
    QCOMPARE(engine.config().binaryThreshold, 0.5f);
}

void TestOcrRuntime::failedInitializeCanBeRetried()
{
    if (!loadRuntime())
        DOVRIX_SKIP_OR_FAIL_IN_CI("needs the inference library");
    QTemporaryDir dir;
    OcrEngineConfig config;
    config.modelDir = dir.path();
    OcrEngine engine;
    OcrFailure failure;
    QVERIFY(!engine.initialize(config, &failure));
    QVERIFY(test::writePassThroughModel(dir.filePath(QStringLiteral("PP-OCRv6_det_small.onnx"))));
    QVERIFY(test::writePassThroughModel(dir.filePath(QStringLiteral("PP-OCRv6_rec_small.onnx")),
                                        {{"character", "z"}}));
    QVERIFY2(engine.initialize(config, &failure), qPrintable(failure.subject + failure.detail));
    QCOMPARE(engine.dictionary(), QStringList{QStringLiteral("z")});
}

QTEST_MAIN(TestOcrRuntime)
#include "tst_ocrruntime.moc"

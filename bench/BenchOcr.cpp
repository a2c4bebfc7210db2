// dovrix-bench ocr: the OCR engine on one page image, timed by stage, optionally next to the
// tesseract command on the same image. A PDF page is rendered at 300 dots per inch on the worker,
// as the OCR of the viewer does; its text layer, when it has one, is the reference for the
// character error rate. --write-sample writes a dense A4 page of known text to measure with.

#include "bench/Bench.h"
#include "tests/support/OcrFixtures.h"
#include "tests/support/TestWait.h"

#include "app/OutcomeText.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PdfWorker.h"
#include "core/ProgramFiles.h"
#include "ocr/OcrController.h"
#include "ocr/OcrEngine.h"
#include "ocr/OcrRuntime.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using dovrix::bench::elapsedMs;

int fail(const QString& message)
{
    return dovrix::bench::fail("ocr", message);
}

using dovrix::OcrEngine;
using dovrix::OcrLine;

// The page at 300 dots per inch, the longer side limited to 4096 pixels, rendered on the worker
// with default options, as the viewer's OCR does. reference receives the page's text layer.
QImage renderPage(dovrix::DocumentController& controller, int page, QString* reference)
{
    const QSizeF points = controller.pageSizes().at(page);
    const QSize pixels = dovrix::OcrController::renderSize(points);
    QImage image;
    dovrix::PdfDocument* document = controller.document();
    controller.worker()->post(dovrix::JobPriority::OcrRender,
                              [&image, reference, document, page, pixels] {
                                  image = document->render(page, pixels, 0);
                                  *reference = document->pageText(page).text;
                              });
    controller.worker()->waitForIdle();
    return image;
}

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Compatibility forms (ligatures such as "fi", full-width letters) count as their plain letters.
QString normalized(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC);
}

// Processor time of the whole process (all threads), in milliseconds.
double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double rounded(double value)
{
    return std::round(value * 10) / 10;
}

// Differences of typesetting that no reader of the page image can see, which hit every engine
// alike: letter case (small capitals), the forms of quotes, dashes and bullets, and a word
// hyphenated at a line end (the reference joins it again).
QString withoutTypesetting(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("-\\n(?=\\p{Ll})")), QString());
    text.replace(QRegularExpression(QStringLiteral("[\u2018\u2019\u201a\u2032`]")),
                 QStringLiteral("'"));
    text.replace(QRegularExpression(QStringLiteral("[\u201c\u201d\u201e\u2033]")),
                 QStringLiteral("\""));
    text.replace(QRegularExpression(QStringLiteral("[\u2010-\u2015\u2212]|--+")),
                 QStringLiteral("-"));
    text.replace(QRegularExpression(QStringLiteral("[\u2022\u25cf\u25aa\u25a0\u00b7]")),
                 QStringLiteral("\u2022"));
    return text.toCaseFolded();
}

// Error rates against the reference: with runs of white space as one space, and without any;
// both again after withoutTypesetting().
void addErrorRates(QJsonObject& object, const QString& reference, const QString& text)
{
    auto percent = [](double rate) { return std::round(rate * 1e4) / 1e4; };
    for (const bool plain : {true, false}) {
        const QString expected =
            plain ? normalized(reference) : withoutTypesetting(normalized(reference));
        const QString actual = plain ? normalized(text) : withoutTypesetting(normalized(text));
        const QString suffix = plain ? QString() : QStringLiteral("_normalised");
        object.insert(
            QStringLiteral("cer") + suffix,
            percent(dovrix::test::characterErrorRate(expected.simplified(), actual.simplified())));
        object.insert(QStringLiteral("cer_nospace") + suffix,
                      percent(dovrix::test::characterErrorRate(withoutSpaces(expected),
                                                               withoutSpaces(actual))));
    }
}

// Processor time of the finished child processes (all threads), in milliseconds.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// One run of the tesseract command on the page image, one thread, as it is usually measured.
struct TesseractRun
{
    QString error;
    QString text;
    double wallMs = 0;
    double cpuMs = 0;
};

TesseractRun runTesseract(const QString& png, const QString& languages)
{
    TesseractRun run;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    const double cpuStart = childrenCpuMs();
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral("tesseract"),
                  {png, QStringLiteral("stdout"), QStringLiteral("-l"), languages});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        run.error = process.errorString();
        return run;
    }
    run.wallMs = elapsedMs(timer);
    run.cpuMs = childrenCpuMs() - cpuStart;
    run.text = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}

// A dense A4 page of known text: English at 11 points, or Simplified Chinese at 11 points (with
// Latin words and Arabic numbers when mixed). The
// text goes to textPath as well, as the reference for --reference (a PDF text layer may map CJK
// glyphs to radicals, which would count as errors).
bool writeSample(const QString& path, const QString& textPath, bool chinese, bool mixed)
{
    const QString english = QStringLiteral(
        "Offline recognition turns the pages of a scanned book into text that can be searched, "
        "copied and read aloud. The viewer renders each page at three hundred dots per inch, "
        "finds the lines of text with a detection network and reads every line with a "
        "recognition network. Numbers such as 2041, 318.75 and 12 March 2025 must survive, and "
        "so must punctuation: commas, full stops, colons; brackets (like these) and quotes. ");
    const QString chineseText = QStringLiteral(
        "离线文字识别把扫描页面变成可以搜索、复制和朗读的文字。阅读器以每英寸三百点渲染每一页，"
        "先用检测网络找到文字行，再用识别网络逐行读取。数字和标点也必须正确识别，例如二〇二五年"
        "三月十二日，共计三百一十八元七角五分。今天天气很好，我们一起去公园散步，然后回家读书。");
    const QString mixedText = QStringLiteral(
        "这份扫描的 PDF 文件共有 324 页，每页约 45 行文字。识别网络按 CTC 方式输出字符，"
        "在 2 核 CPU 上运行。第 12 页的发票金额为 318.75 元，日期是 2025-03-12，编号 INV-2041。"
        "阅读器把每一页渲染成 300 dpi 的图像，然后逐行识别。");
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    QFont font(chinese ? QStringLiteral("Noto Sans CJK SC") : QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(11);
    painter.setFont(font);
    const QString paragraph = mixed ? mixedText : chinese ? chineseText : english;
    QString all;
    for (int i = 0; i < 20; ++i)
        all += paragraph;
    // Fill the text block from margin to margin: the longest prefix that fits (binary search),
    // cut at a word for English.
    const QRectF area(56, 56, 595 - 112, 842 - 112);
    const int flags = Qt::TextWordWrap | Qt::AlignJustify;
    auto fits = [&](qsizetype length) {
        return painter.boundingRect(area, flags, all.left(length)).height() <= area.height();
    };
    qsizetype low = 0;
    qsizetype high = all.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    QString text = all.left(low);
    if (!chinese && low < all.size())
        text.truncate(text.lastIndexOf(QLatin1Char(' ')));
    text = text.trimmed();
    painter.drawText(area, flags, text);
    QFile file(textPath);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

int run(const QStringList& args)
{
    const QStringList withValue = {
        QStringLiteral("--page"),           QStringLiteral("--image"),
        QStringLiteral("--models"),         QStringLiteral("--repeat"),
        QStringLiteral("--reference"),      QStringLiteral("--tesseract-lang"),
        QStringLiteral("--write-sample"),   QStringLiteral("--rec-max-width"),
        QStringLiteral("--batch"),          QStringLiteral("--threads"),
        QStringLiteral("--batch-columns"),  QStringLiteral("--line-height"),
        QStringLiteral("--limit-side"),     QStringLiteral("--wide-pitch"),
        QStringLiteral("--parallel-lines"), QStringLiteral("--limit-side-wide"),
        QStringLiteral("--rec-height"),     QStringLiteral("--latin-height")};
    const QString samplePath = dovrix::bench::option(args, QStringLiteral("--write-sample"));
    if (!samplePath.isEmpty()) {
        const bool mixed = dovrix::bench::hasFlag(args, QStringLiteral("--mixed"));
        const bool chinese = mixed || dovrix::bench::hasFlag(args, QStringLiteral("--chinese"));
        QString textPath = samplePath;
        if (textPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            textPath.chop(4);
        textPath += QStringLiteral(".txt");
        if (!writeSample(samplePath, textPath, chinese, mixed))
            return fail(QStringLiteral("cannot write ") + samplePath);
        return 0;
    }

    const QStringList files = dovrix::bench::positional(args, withValue);
    const QString imagePath = dovrix::bench::option(args, QStringLiteral("--image"));
    bool repeatOk = false;
    const int repeat = dovrix::bench::option(args, QStringLiteral("--repeat"), QStringLiteral("1"))
                           .toInt(&repeatOk);
    if (!repeatOk || repeat < 1)
        return fail(QStringLiteral("--repeat takes a positive count"));

    QImage image;
    QString reference;
    if (!imagePath.isEmpty()) {
        if (!files.isEmpty())
            return fail(QStringLiteral("give either a PDF file or --image, not both"));
        if (!image.load(imagePath))
            return fail(QStringLiteral("cannot read the image ") + imagePath);
    } else {
        if (files.size() != 1)
            return fail(QStringLiteral("expected one PDF file or --image PNG"));
        bool pageOk = false;
        const int page = dovrix::bench::option(args, QStringLiteral("--page"), QStringLiteral("0"))
                             .toInt(&pageOk);
        dovrix::PdfWorker worker;
        dovrix::DocumentController controller(&worker);
        if (!dovrix::test::openAndWait(controller, files.first()))
            return fail(QStringLiteral("cannot open ") + files.first());
        if (!pageOk || page < 0 || page >= controller.pageCount())
            return fail(QStringLiteral("--page takes a 0-based page index below %1")
                            .arg(controller.pageCount()));
        image = renderPage(controller, page, &reference);
        if (image.isNull())
            return fail(QStringLiteral("the page did not render"));
    }
    const QString referenceFile = dovrix::bench::option(args, QStringLiteral("--reference"));
    if (!referenceFile.isEmpty()) {
        QFile file(referenceFile);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read ") + referenceFile);
        reference = QString::fromUtf8(file.readAll());
    }

    QElapsedTimer timer;
    timer.start();
    OcrEngine engine;
    dovrix::OcrEngineConfig config;
    config.modelDir = dovrix::bench::option(args, QStringLiteral("--models"),
                                            dovrix::findCompanion(QStringLiteral("models")));
    // Engine parameters to compare against the program's own choice.
    const auto intOption = [&args](const char* name, std::int32_t* value) {
        bool ok = false;
        const int given = dovrix::bench::option(args, QLatin1String(name)).toInt(&ok);
        if (ok && given > 0)
            *value = given;
    };
    intOption("--rec-max-width", &config.recMaxWidth);
    intOption("--batch", &config.recBatchSize);
    intOption("--threads", &config.intraOpThreads);
    intOption("--batch-columns", &config.recBatchColumns);
    intOption("--line-height", &config.recLineHeight);
    intOption("--limit-side", &config.limitSideLength);
    intOption("--limit-side-wide", &config.wideScriptLimitSideLength);
    intOption("--parallel-lines", &config.recParallelLines);
    intOption("--rec-height", &config.recHeight);
    intOption("--latin-height", &config.recLatinHeight);
    config.spinning = dovrix::bench::hasFlag(args, QStringLiteral("--spin"));
    config.latinRecogniser = !dovrix::bench::hasFlag(args, QStringLiteral("--whole-dictionary"));
    const QString widePitch = dovrix::bench::option(args, QStringLiteral("--wide-pitch"));
    if (!widePitch.isEmpty())
        config.recWideScriptPitch = widePitch.toFloat();
    dovrix::OcrFailure failure;
    if (!engine.initialize(config, &failure))
        return fail(dovrix::outcomeText(failure));
    const double initMs = elapsedMs(timer);

    // With --tesseract, the two engines take turns on the same image, so that a busy machine
    // weighs on both alike.
    const bool pairTesseract = dovrix::bench::hasFlag(args, QStringLiteral("--tesseract"));
    const QString languages = dovrix::bench::option(args, QStringLiteral("--tesseract-lang"),
                                                    QStringLiteral("eng+chi_sim"));
    QTemporaryDir pngDir;
    const QString png = pngDir.filePath(QStringLiteral("page.png"));
    if (pairTesseract && !image.save(png))
        return fail(QStringLiteral("cannot write the page image"));
    QList<double> detectMs;
    QList<double> recognizeMs;
    QList<double> totalMs;
    QList<double> cpuMs;
    QList<double> levelMs;
    QList<double> tesseractMs;
    QList<double> tesseractCpuMs;
    TesseractRun tesseract;
    QList<OcrLine> lines;
    // Processor time of each step of the engine's stages, per run.
    using Stages = OcrEngine::StageTimes;
    const QList<QPair<const char*, double Stages::*>> steps = {
        {"level", &Stages::levelCpuMs},
        {"detect_input", &Stages::detectInputCpuMs},
        {"detect_run", &Stages::detectRunCpuMs},
        {"detect_boxes", &Stages::detectBoxesCpuMs},
        {"crop", &Stages::cropCpuMs},
        {"recognize_input", &Stages::recognizeInputCpuMs},
        {"recognize_run", &Stages::recognizeRunCpuMs},
        {"decode", &Stages::decodeCpuMs}};
    QList<QList<double>> stepCpuMs(steps.size() + 1);
    for (int i = 0; i < repeat; ++i) {
        const double cpuStart = processCpuMs();
        timer.restart();
        lines = engine.readPage(image);
        totalMs << elapsedMs(timer);
        cpuMs << processCpuMs() - cpuStart;
        levelMs << engine.lastStageTimes().levelMs;
        detectMs << engine.lastStageTimes().detectMs;
        recognizeMs << engine.lastStageTimes().recognizeMs;
        double rest = cpuMs.last();
        for (qsizetype s = 0; s < steps.size(); ++s) {
            stepCpuMs[s] << engine.lastStageTimes().*steps.at(s).second;
            rest -= stepCpuMs[s].last();
        }
        stepCpuMs.last() << rest;
        if (pairTesseract) {
            tesseract = runTesseract(png, languages);
            if (!tesseract.error.isEmpty())
                break;
            tesseractMs << tesseract.wallMs;
            tesseractCpuMs << tesseract.cpuMs;
        }
    }

    QJsonObject result;
    result.insert(QStringLiteral("init_ms"), rounded(initMs));
    result.insert(QStringLiteral("detect_ms"), rounded(dovrix::bench::median(detectMs)));
    result.insert(QStringLiteral("recognize_ms"), rounded(dovrix::bench::median(recognizeMs)));
    result.insert(QStringLiteral("total_ms"), rounded(dovrix::bench::median(totalMs)));
    // Processor time of the same stages: less sensitive than wall time to a busy machine.
    result.insert(QStringLiteral("total_cpu_ms"), rounded(dovrix::bench::median(cpuMs)));
    result.insert(QStringLiteral("level_ms"), rounded(dovrix::bench::median(levelMs)));
    QJsonObject stepObject;
    for (qsizetype s = 0; s < steps.size(); ++s)
        stepObject.insert(QLatin1String(steps.at(s).first),
                          rounded(dovrix::bench::median(stepCpuMs.at(s))));
    stepObject.insert(QStringLiteral("other"), rounded(dovrix::bench::median(stepCpuMs.last())));
    result.insert(QStringLiteral("stages_cpu_ms"), stepObject);
    static const char* const Directions[] = {"leftToRight", "rightToLeft", "topToBottom",
                                             "bottomToTop"};
    result.insert(QStringLiteral("direction"),
                  QLatin1String(Directions[int(engine.lastStageTimes().direction)]));
    result.insert(QStringLiteral("skew_degrees"),
                  std::round(engine.lastStageTimes().skewDegrees * 1e3) / 1e3);
    result.insert(QStringLiteral("rec_height"), config.recHeight);
    result.insert(QStringLiteral("latin_height"), config.recLatinHeight);
    result.insert(QStringLiteral("rec_line_height"), config.recLineHeight);
    result.insert(QStringLiteral("limit_side"), config.limitSideLength);
    result.insert(QStringLiteral("detection_side"), engine.lastStageTimes().detectionSide);
    QJsonArray lineArray;
    QStringList texts;
    for (const OcrLine& line : lines) {
        lineArray.append(
            QJsonObject{{QStringLiteral("text"), line.text},
                        {QStringLiteral("box"),
                         QJsonArray{rounded(line.box.x()), rounded(line.box.y()),
                                    rounded(line.box.width()), rounded(line.box.height())}},
                        {QStringLiteral("score"), std::round(double(line.score) * 1e4) / 1e4}});
        texts << line.text;
    }
    result.insert(QStringLiteral("lines"), lineArray);
    QJsonArray batchArray;
    for (int size : engine.lastBatchSizes())
        batchArray.append(size);
    result.insert(QStringLiteral("batch_sizes"), batchArray);
    result.insert(QStringLiteral("squeeze"), std::round(engine.lastSqueeze() * 1e3) / 1e3);
    result.insert(QStringLiteral("reread_lines"), engine.lastRereadLines());
    result.insert(QStringLiteral("latin_lines"), engine.lastLatinLines());
    result.insert(QStringLiteral("rec_max_width"), config.recMaxWidth);
    result.insert(QStringLiteral("intra_op_threads"), config.intraOpThreads);
    result.insert(QStringLiteral("parallel_lines"), config.recParallelLines);
    result.insert(QStringLiteral("image"), QJsonArray{image.width(), image.height()});
    if (repeat > 1)
        result.insert(QStringLiteral("repeat"), repeat);
    if (!reference.trimmed().isEmpty())
        addErrorRates(result, reference, texts.join(QLatin1Char('\n')));
    if (pairTesseract) {
        QJsonObject other{{QStringLiteral("languages"), languages}};
        if (!tesseract.error.isEmpty()) {
            other.insert(QStringLiteral("error"), tesseract.error);
        } else {
            const double wall = dovrix::bench::median(tesseractMs);
            const double cpu = dovrix::bench::median(tesseractCpuMs);
            other.insert(QStringLiteral("ms"), rounded(wall));
            other.insert(QStringLiteral("cpu_ms"), rounded(cpu));
            if (!reference.trimmed().isEmpty())
                addErrorRates(other, reference, tesseract.text);
            // Ours over tesseract's, medians of the runs taken in turns.
            const auto ratio = [](double ours, double theirs) {
                return theirs > 0 ? std::round(ours / theirs * 1e3) / 1e3 : 0.0;
            };
            result.insert(QStringLiteral("cpu_ratio"), ratio(dovrix::bench::median(cpuMs), cpu));
            result.insert(QStringLiteral("wall_ratio"),
                          ratio(dovrix::bench::median(totalMs), wall));
        }
        result.insert(QStringLiteral("tesseract"), other);
    }
    dovrix::bench::printJson(result);
    return 0;
}

} // namespace

static dovrix::bench::Registration
    reg("ocr",
        "ocr FILE --page N | ocr --image PNG  [--repeat K] [--models DIR] [--reference TXT] "
        "[--rec-max-width W] [--batch N] [--batch-columns C] [--threads T] [--spin] "
        "[--rec-height R] [--latin-height R] [--line-height H] [--limit-side S] [--limit-side-wide "
        "S] [--wide-pitch P] "
        "[--parallel-lines N] "
        "[--whole-dictionary] "
        "[--tesseract [--tesseract-lang eng+chi_sim]] (tesseract runs in turn with ours, "
        "--repeat times); ocr --write-sample OUT.pdf [--chinese | "
        "--mixed] "
        "(also writes OUT.txt)",
        run);

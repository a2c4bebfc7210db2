#include "ocr/OcrEngine.h"

#include "ocr/OcrDetection.h"
#include "ocr/OcrLog.h"
#include "ocr/OcrOrientation.h"
#include "ocr/OcrRecognition.h"
#include "ocr/OcrRuntime.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <thread>
#include <vector>

#include <time.h>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace dovrix {

namespace {

const char* const InputNames[] = {"x"};
const char* const OutputNames[] = {"fetch_name_0"};

// Reads a model file completely; false with the file's error string when it cannot be opened.
bool readModel(const QString& path, QByteArray* bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    return true;
}

void createSession(Ort::Env* env, const QByteArray& model, Ort::SessionOptions* options,
                   Ort::SessionHandle& session)
{
    Ort::api()
        .call<const Ort::Env*, const void*, size_t, const Ort::SessionOptions*, Ort::Session**>(
            Ort::CreateSessionFromArraySlot, env, model.constData(), size_t(model.size()), options,
            session.put());
}

// The dictionary a recogniser carries in its metadata; empty when it has none.
QStringList embeddedDictionary(Ort::Session* session)
{
    const Ort::Api api = Ort::api();
    Ort::ModelMetadataHandle metadata;
    api.call<const Ort::Session*, Ort::ModelMetadata**>(Ort::SessionGetModelMetadataSlot, session,
                                                        metadata.put());
    Ort::Allocator* allocator = nullptr;
    api.call<Ort::Allocator**>(Ort::GetAllocatorWithDefaultOptionsSlot, &allocator);
    Ort::AllocatedString value(allocator);
    api.call<const Ort::ModelMetadata*, Ort::Allocator*, const char*, char**>(
        Ort::ModelMetadataLookupCustomMetadataMapSlot, metadata.get(), allocator, "character",
        value.put());
    return value.get() ? parseDictionary(QByteArray(value.get())) : QStringList();
}

// The height a network's input fixes (dimension 2 of a four-dimensional input), 0 when it leaves
// it free.
int fixedInputRows(Ort::Session* session)
{
    const Ort::Api api = Ort::api();
    Ort::TypeInfoHandle type;
    api.call<const Ort::Session*, size_t, Ort::TypeInfo**>(Ort::SessionGetInputTypeInfoSlot,
                                                           session, size_t(0), type.put());
    const Ort::TensorTypeAndShapeInfo* tensor = nullptr;
    api.call<const Ort::TypeInfo*, const Ort::TensorTypeAndShapeInfo**>(
        Ort::CastTypeInfoToTensorInfoSlot, type.get(), &tensor);
    if (!tensor)
        return 0;
    size_t rank = 0;
    api.call<const Ort::TensorTypeAndShapeInfo*, size_t*>(Ort::GetDimensionsCountSlot, tensor,
                                                          &rank);
    if (rank != 4)
        return 0;
    std::int64_t dimensions[4] = {};
    api.call<const Ort::TensorTypeAndShapeInfo*, std::int64_t*, size_t>(Ort::GetDimensionsSlot,
                                                                        tensor, dimensions, rank);
    return dimensions[2] > 0 && dimensions[2] <= 4096 ? int(dimensions[2]) : 0;
}

// While it lives, the calling thread takes values too small for a normal float as zero, as the
// network sessions' own threads do (see initialize()): recognition runs on the reading threads.
class DenormalsAsZero
{
public:
#if defined(__SSE__)
    DenormalsAsZero() : saved(_mm_getcsr())
    {
        _mm_setcsr(saved | FlushToZero | DenormalsAreZero);
    }
    ~DenormalsAsZero()
    {
        _mm_setcsr(saved);
    }

private:
    static constexpr unsigned FlushToZero = 0x8000;
    static constexpr unsigned DenormalsAreZero = 0x0040;
    const unsigned saved;
#endif
};

// Processor time in milliseconds of the whole process, or of the calling thread (the bench's
// stage figures).
double cpuMs(clockid_t clock)
{
    timespec time{};
    clock_gettime(clock, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

double processCpuMs()
{
    return cpuMs(CLOCK_PROCESS_CPUTIME_ID);
}

double threadCpuMs()
{
    return cpuMs(CLOCK_THREAD_CPUTIME_ID);
}

} // namespace

bool OcrEngine::initialize(const OcrEngineConfig& config, OcrFailure* failure)
{
    settings = config;
    if (initialized)
        return true;
    if (!ensureRuntimeLoaded(failure))
        return false;

    auto fail = [failure](const Ort::Exception& exception) {
        if (failure)
            *failure = {OcrFailure::Kind::EngineError, {}, QString::fromUtf8(exception.what()), 0};
        return false;
    };

    try {
        environment = sharedEnvironment();
    } catch (const Ort::Exception& exception) {
        return fail(exception);
    }

    const QString detPath =
        QDir::cleanPath(settings.modelDir + QLatin1Char('/') + QLatin1String(DetectionModelFile));
    const QString recPath =
        QDir::cleanPath(settings.modelDir + QLatin1Char('/') + QLatin1String(RecognitionModelFile));
    QByteArray detModel;
    QByteArray recModel;
    QString reason;
    if (!readModel(detPath, &detModel, &reason)) {
        if (failure)
            *failure = {OcrFailure::Kind::DetectionModelMissing, detPath, reason, 0};
        return false;
    }
    if (!readModel(recPath, &recModel, &reason)) {
        if (failure)
            *failure = {OcrFailure::Kind::RecognitionModelMissing, recPath, reason, 0};
        return false;
    }

    try {
        const Ort::Api api = Ort::api();
        // Detection is one large run on a page: its threads share it. Recognition reads several
        // lines at once instead, each run on one thread (see readLines()).
        const int detectionThreads = std::max(1, int(settings.intraOpThreads));
        const int recognitionThreads =
            settings.recParallelLines > 1 ? 1 : std::max(1, int(settings.intraOpThreads));
        const auto makeOptions = [&api, this](Ort::SessionOptionsHandle& options, int threads) {
            api.call<Ort::SessionOptions**>(Ort::CreateSessionOptionsSlot, options.put());
            api.call<Ort::SessionOptions*, int>(Ort::SetIntraOpNumThreadsSlot, options.get(),
                                                threads);
            api.call<Ort::SessionOptions*, int>(Ort::SetSessionGraphOptimizationLevelSlot,
                                                options.get(), Ort::GraphOptimizationAll);
            // Threads that wait for work sleep instead of spinning: on a machine with few cores
            // a spinning thread takes the processor from the window and from the other thread.
            api.call<Ort::SessionOptions*, const char*, const char*>(
                Ort::AddSessionConfigEntrySlot, options.get(), "session.intra_op.allow_spinning",
                settings.spinning ? "1" : "0");
            // Values too small for a normal float are taken as zero: the processor handles them
            // slowly, and they change no reading.
            api.call<Ort::SessionOptions*, const char*, const char*>(
                Ort::AddSessionConfigEntrySlot, options.get(), "session.set_denormal_as_zero", "1");
        };
        Ort::SessionOptionsHandle detectionOptions;
        Ort::SessionOptionsHandle recognitionOptions;
        makeOptions(detectionOptions, detectionThreads);
        makeOptions(recognitionOptions, recognitionThreads);
        createSession(environment, detModel, detectionOptions.get(), detection);
        createSession(environment, recModel, recognitionOptions.get(), recognition);
        recognitionFixedRows = fixedInputRows(recognition.get());
        characters = embeddedDictionary(recognition.get());
        if (characters.isEmpty()) {
            if (failure)
                *failure = {OcrFailure::Kind::NoDictionary, recPath, {}, 0};
            return false;
        }
        // The same network answering only in the scripts of narrow letters (optional): pages
        // without wide characters skip most of the work of the last layer and of decoding.
        QByteArray latinModel;
        const QString latinPath = QDir::cleanPath(settings.modelDir + QLatin1Char('/')
                                                  + QLatin1String(LatinRecognitionModelFile));
        if (settings.latinRecogniser && QFile::exists(latinPath)
            && readModel(latinPath, &latinModel, &reason)) {
            createSession(environment, latinModel, recognitionOptions.get(), latinRecognition);
            latinCharacters = embeddedDictionary(latinRecognition.get());
            latinFixedRows = fixedInputRows(latinRecognition.get());
            if (latinCharacters.isEmpty())
                latinRecognition = {};
        }
        initialized = true;
        return true;
    } catch (const Ort::Exception& exception) {
        return fail(exception);
    }
}

int OcrEngine::recognitionRows(bool latin) const
{
    const int fixed = latin ? latinFixedRows : recognitionFixedRows;
    if (fixed > 0)
        return fixed;
    return std::max(8, int(latin && settings.recLatinHeight > 0 ? settings.recLatinHeight
                                                                : settings.recHeight));
}

QImage OcrEngine::prepareDetectionInput(const QImage& page, QImage* scaled, int limitSide) const
{
    const QImage source = detectionSourceImage(page);
    if (scaled) {
        const QSize size = detectionInputSize(
            source.size(), limitSide > 0 ? limitSide : int(settings.limitSideLength));
        *scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return source;
}

OcrEngine::Output OcrEngine::run(Ort::Session* session, std::vector<float>& input,
                                 const std::vector<std::int64_t>& shape) const
{
    const Ort::Api api = Ort::api();
    Ort::MemoryInfoHandle memory;
    api.call<int, int, Ort::MemoryInfo**>(Ort::CreateCpuMemoryInfoSlot, Ort::ArenaAllocator,
                                          Ort::MemTypeDefault, memory.put());
    Ort::ValueHandle tensor;
    api.call<const Ort::MemoryInfo*, void*, size_t, const std::int64_t*, size_t, int, Ort::Value**>(
        Ort::CreateTensorWithDataAsOrtValueSlot, memory.get(), input.data(),
        input.size() * sizeof(float), shape.data(), shape.size(), Ort::TensorElementFloat,
        tensor.put());

    Output output;
    const Ort::Value* inputs[] = {tensor.get()};
    api.call<Ort::Session*, const Ort::RunOptions*, const char* const*, const Ort::Value* const*,
             size_t, const char* const*, size_t, Ort::Value**>(
        Ort::RunSlot, session, nullptr, InputNames, inputs, size_t(1), OutputNames, size_t(1),
        output.value.put());

    Ort::TensorInfoHandle info;
    api.call<const Ort::Value*, Ort::TensorTypeAndShapeInfo**>(Ort::GetTensorTypeAndShapeSlot,
                                                               output.value.get(), info.put());
    int elementType = 0;
    api.call<const Ort::TensorTypeAndShapeInfo*, int*>(Ort::GetTensorElementTypeSlot, info.get(),
                                                       &elementType);
    if (elementType != Ort::TensorElementFloat)
        throw Ort::Exception("network output is not a float tensor", 0);
    size_t rank = 0;
    api.call<const Ort::TensorTypeAndShapeInfo*, size_t*>(Ort::GetDimensionsCountSlot, info.get(),
                                                          &rank);
    output.shape.resize(rank);
    api.call<const Ort::TensorTypeAndShapeInfo*, std::int64_t*, size_t>(
        Ort::GetDimensionsSlot, info.get(), output.shape.data(), rank);
    output.elementCount = 1;
    for (std::int64_t dimension : output.shape) {
        if (dimension < 0)
            throw Ort::Exception("network output has an unknown dimension", 0);
        output.elementCount *= dimension;
    }
    void* data = nullptr;
    api.call<Ort::Value*, void**>(Ort::GetTensorMutableDataSlot, output.value.get(), &data);
    output.data = static_cast<const float*>(data);
    return output;
}

QList<QRectF> OcrEngine::detectBoxes(const QImage& scaled, const QImage& source)
{
    QList<QRectF> boxes;
    if (!detection || scaled.isNull())
        return boxes;
    double cpu = processCpuMs();
    const auto lapCpu = [&cpu](double& stage) {
        const double now = processCpuMs();
        stage += now - cpu;
        cpu = now;
    };
    // The network reads the inked part of the page with a white margin around it (a margin
    // the size of its coarsest cells, edges on them, so it sees the text as on the whole page);
    // the rest of the map is background.
    constexpr int Cell = 32;
    const QRect area = detectionArea(scaled, Cell, Cell);
    std::vector<float> input = detectionTensor(area == scaled.rect() ? scaled : scaled.copy(area));
    lapCpu(stages.detectInputCpuMs);
    try {
        const Output output = run(detection.get(), input, {1, 3, area.height(), area.width()});
        lapCpu(stages.detectRunCpuMs);
        // The map must be [.., .., H, W] and hold H × W values.
        if (output.shape.size() < 4)
            throw Ort::Exception("detection output has fewer than four dimensions", 0);
        const std::int64_t height = output.shape[2];
        const std::int64_t width = output.shape[3];
        if (height * width > output.elementCount
            || height > INT32_MAX / std::max<std::int64_t>(1, width))
            throw Ort::Exception("detection output is smaller than its map", 0);
        const float* map = output.data;
        int mapHeight = int(height);
        int mapWidth = int(width);
        std::vector<float> wholeMap;
        if (area != scaled.rect()) {
            // Map cells per input pixel as the network gave them (1 for this detector).
            const double cellsX = double(width) / area.width();
            const double cellsY = double(height) / area.height();
            mapWidth = int(std::lround(scaled.width() * cellsX));
            mapHeight = int(std::lround(scaled.height() * cellsY));
            const int left = std::min(int(std::lround(area.x() * cellsX)), mapWidth - int(width));
            const int top = std::min(int(std::lround(area.y() * cellsY)), mapHeight - int(height));
            if (left < 0 || top < 0)
                throw Ort::Exception("detection output is larger than the page", 0);
            wholeMap.assign(size_t(mapWidth) * size_t(mapHeight), 0.0f);
            for (int y = 0; y < int(height); ++y)
                std::copy_n(output.data + qsizetype(y) * width, width,
                            wholeMap.data() + size_t(top + y) * mapWidth + left);
            map = wholeMap.data();
        }
        boxes = boxesFromProbabilityMap(map, mapHeight, mapWidth, source.size(),
                                        settings.binaryThreshold, settings.boxThreshold,
                                        settings.unclipRatio);
        sortBoxes(boxes);
        lapCpu(stages.detectBoxesCpuMs);
    } catch (const Ort::Exception& exception) {
        qCDebug(lcOcr) << "detection failed:" << exception.what();
    }
    return boxes;
}

QList<OcrLine> OcrEngine::readPage(const QImage& page, const std::function<bool()>& stop)
{
    stages = {};
    if (!initialized || page.isNull())
        return {};
    // After a page of a wide script, the next is most likely one too: its characters are large
    // enough for a smaller detection input. A page that turns out otherwise is read again at the
    // full size, so that a page in narrow letters always reads as it would alone.
    const int fullSide = settings.limitSideLength;
    const int wideSide = settings.wideScriptLimitSideLength;
    if (lastPageWide && wideSide > 0 && wideSide < fullSide) {
        QList<OcrLine> lines = readPageAt(page, stop, wideSide);
        if (lastPageWide || (stop && stop()))
            return lines;
    }
    return readPageAt(page, stop, fullSide);
}

QList<OcrLine> OcrEngine::readPageAt(const QImage& page, const std::function<bool()>& stop,
                                     int limitSide)
{
    stages.detectionSide = limitSide;
    QElapsedTimer clock;
    clock.start();
    const auto lap = [&clock] { return double(clock.nsecsElapsed()) / 1e6; };
    const double startCpu = processCpuMs();
    UprightPage upright = uprightPage(detectionSourceImage(page));
    stages.skewDegrees = upright.skewDegrees;
    stages.levelMs = lap();
    stages.levelCpuMs += processCpuMs() - startCpu;
    const UprightPage asScanned = upright;
    QList<OcrLine> lines;
    bool sideways = false;
    bool turned = false;
    bool maySeeSideways = true;
    for (;;) {
        QImage scaled;
        const double inputCpu = processCpuMs();
        const QImage source = prepareDetectionInput(upright.image, &scaled, limitSide);
        stages.detectInputCpuMs += processCpuMs() - inputCpu;
        const QList<QRectF> boxes = detectBoxes(scaled, source);
        stages.detectMs = lap() - stages.levelMs;
        if (stop && stop())
            return {};
        // Lines running down the page: it was scanned sideways. A quarter turn lays them down;
        // whether it was the right one the reading below tells, as for any page.
        if (maySeeSideways && !sideways && linesRunDownThePage(boxes)) {
            sideways = true;
            upright = turnedByQuarters(upright, 1);
            stages.skewDegrees = upright.skewDegrees;
            continue;
        }
        lines = recognizeBoxes(source, boxes, stop);
        stages.recognizeMs = lap() - stages.levelMs - stages.detectMs;
        if (meanScore(lines) >= UnsureScore || (stop && stop()))
            break;
        // Read with little certainty, the page may be upside down: its widest lines turned
        // round tell, and then the whole page is read again turned round.
        if (!turned && readsBetterTurned(source, lines)) {
            turned = true;
            upright = turnedByQuarters(upright, 2);
            continue;
        }
        // Turned a quarter, it reads no better either way round: its boxes stood for another
        // reason (tall pictures, or text written down the page that does not read turned), so
        // the page is read as it was scanned.
        if (!sideways)
            break;
        sideways = turned = maySeeSideways = false;
        upright = asScanned;
        stages.skewDegrees = upright.skewDegrees;
    }
    stages.direction = textDirection(upright.toPage);
    if (!upright.toPage.isIdentity()) {
        for (OcrLine& line : lines) {
            line.box = upright.toPage.mapRect(line.box);
            line.direction = stages.direction;
        }
    }
    return lines;
}

void OcrEngine::noteScript(const QList<OcrLine>& lines)
{
    for (const OcrLine& line : lines) {
        if (!line.text.trimmed().isEmpty()) {
            lastPageWide = holdsWideScript(lines);
            return;
        }
    }
}

double OcrEngine::meanScore(const QList<OcrLine>& lines)
{
    double sum = 0;
    int counted = 0;
    for (const OcrLine& line : lines) {
        if (line.text.trimmed().isEmpty())
            continue;
        sum += line.score;
        ++counted;
    }
    return counted > 0 ? sum / counted : 1.0;
}

bool OcrEngine::readsBetterTurned(const QImage& source, const QList<OcrLine>& lines)
{
    constexpr double ClearlyBetter = 0.1;
    QList<OcrLine> widest = lines;
    std::stable_sort(widest.begin(), widest.end(), [](const OcrLine& a, const OcrLine& b) {
        return a.box.width() / a.box.height() > b.box.width() / b.box.height();
    });
    widest = widest.mid(0, ProbeLines);
    QList<QImage> turned;
    // A line's box holds its own text rows only; the crop takes the rows around them as well, as
    // a detected box would.
    for (const OcrLine& line : widest) {
        const double margin = line.box.height() / 5;
        const QRectF around = line.box.adjusted(0, -margin, 0, margin);
        turned.append(source.copy(cropRect(around, source.size())).mirrored(true, true));
    }
    if (turned.isEmpty())
        return false;
    // The figures of the page's own reading stay those the bench reports.
    const QList<int> pageBatches = batchSizes;
    const double pageSqueeze = squeezeUsed;
    const int pageRereads = rereadLines;
    const int pageLatinLines = latinLines;
    const bool pageWide = lastPageWide;
    const bool better = meanScore(recognizeCrops(turned)) > meanScore(widest) + ClearlyBetter;
    batchSizes = pageBatches;
    squeezeUsed = pageSqueeze;
    rereadLines = pageRereads;
    latinLines = pageLatinLines;
    lastPageWide = pageWide;
    return better;
}

QList<OcrLine> OcrEngine::recognizeBoxes(const QImage& source, const QList<QRectF>& boxes,
                                         const std::function<bool()>& stop)
{
    QList<OcrLine> lines;
    if (!initialized || source.isNull())
        return lines;
    const double cropCpu = processCpuMs();
    QList<QImage> crops;
    QList<QRectF> kept;
    for (const QRectF& box : boxes) {
        const QRect crop = cropRect(box, source.size());
        if (crop.isEmpty())
            continue;
        crops.append(source.copy(crop));
        kept.append(ownTextBox(box, crop, crops.last()));
    }
    stages.cropCpuMs += processCpuMs() - cropCpu;
    const QList<OcrLine> read = recognizeCrops(crops, stop);
    for (qsizetype i = 0; i < read.size(); ++i) {
        if (read.at(i).text.simplified().isEmpty())
            continue;
        OcrLine line = read.at(i);
        line.box = kept.at(i);
        lines.append(line);
    }
    return lines;
}

OcrLine OcrEngine::recognizeLine(const QImage& crop)
{
    return recognizeCrops({crop}).value(0);
}

QList<OcrLine> OcrEngine::recognizeCrops(const QList<QImage>& crops,
                                         const std::function<bool()>& stop)
{
    batchSizes.clear();
    squeezeUsed = 1.0;
    rereadLines = 0;
    latinLines = 0;
    QList<OcrLine> result(crops.size());
    if (!recognition || crops.isEmpty())
        return result;
    const double bandCpu = processCpuMs();
    QList<QImage> bands(crops.size());
    for (qsizetype i = 0; i < crops.size(); ++i) {
        if (crops.at(i).isNull())
            continue;
        const QImage whole = detectionSourceImage(crops.at(i)); // the same format rule
        bands[i] = whole.copy(lineBand(whole));
    }
    stages.cropCpuMs += processCpuMs() - bandCpu;
    QList<int> all(crops.size());
    std::iota(all.begin(), all.end(), 0);
    const int lineHeight = std::clamp(int(settings.recLineHeight), 8, recognitionRows(false));
    if (settings.recWideScriptPitch <= 0 || crops.size() <= ProbeLines) {
        readLines(bands, all, 1.0, stop, result);
        noteScript(result);
        return result;
    }

    // The widest lines, body text most likely, read at natural width tell how wide the page's
    // characters are. Characters as wide as high (CJK) take far more columns than the recogniser
    // needs, so the other lines of such a page are read narrower, and read again at natural width
    // when they turn out to hold narrow characters too or are read with little certainty.
    QList<int> byWidth = all;
    const auto aspect = [&bands](int i) {
        return bands.at(i).isNull() ? 0.0 : double(bands.at(i).width()) / bands.at(i).height();
    };
    std::stable_sort(byWidth.begin(), byWidth.end(),
                     [&aspect](int a, int b) { return aspect(a) > aspect(b); });
    const QList<int> probe = byWidth.first(ProbeLines);
    const QList<int> probeWidths = readLines(bands, probe, 1.0, stop, result);
    QList<OcrLine> probeLines;
    for (int i : probe)
        probeLines.append(result.at(i));
    noteScript(probeLines);
    double squeeze = squeezeForPage(probeLines, probeWidths, lineHeight,
                                    settings.recWideScriptPitch, settings.recMinSqueeze);
    // A page whose widest lines hold no wide character is read in narrow letters, and a line
    // read so without certainty is read again with the whole dictionary.
    const bool latin = latinRecognition && settings.latinRecogniser && squeeze >= 1.0
                       && !holdsWideScript(probeLines);
    QList<int> rest;
    for (int i : all) {
        if (!probe.contains(i))
            rest.append(i);
    }
    squeezeUsed = squeeze;
    // In groups, so that a page whose lines keep needing a second reading stops squeezing.
    constexpr int Group = 8;
    for (qsizetype from = 0; from < rest.size(); from += Group) {
        if (stop && stop())
            break;
        const QList<int> group = rest.mid(from, Group);
        readLines(bands, group, squeeze, stop, result, latin);
        if (latin) {
            QList<int> unsure;
            for (int i : group) {
                if (!readInLatin(result.at(i)))
                    unsure.append(i);
            }
            readLines(bands, unsure, 1.0, stop, result);
            latinLines += int(group.size() - unsure.size());
            continue;
        }
        if (squeeze >= 1.0)
            continue;
        QList<int> again;
        for (int i : group) {
            if (needsNaturalWidth(result.at(i)))
                again.append(i);
        }
        readLines(bands, again, 1.0, stop, result);
        rereadLines += int(again.size());
        if (again.size() * 3 > group.size())
            squeeze = 1.0;
    }
    return result;
}

QList<int> OcrEngine::readLines(const QList<QImage>& bands, const QList<int>& which, double squeeze,
                                const std::function<bool()>& stop, QList<OcrLine>& result,
                                bool latin)
{
    Ort::Session* session = latin ? latinRecognition.get() : recognition.get();
    const QStringList& dictionary = latin ? latinCharacters : characters;
    QList<int> inputWidths(which.size(), 0);
    if (which.isEmpty())
        return inputWidths;
    const int height = recognitionRows(latin);
    const int maxPiece = std::max(16, int(settings.recMaxWidth));
    const int lineHeight = std::clamp(int(settings.recLineHeight), 8, height);
    const double inputCpu = processCpuMs();

    // Every band at the recogniser's height with its own aspect ratio (times squeeze), cut into
    // pieces when it is wider than one run may be.
    struct Piece
    {
        int line = 0; // index into which
        LinePiece span;
    };
    QList<QImage> scaledLines(which.size());
    QList<Piece> pieces;
    for (qsizetype n = 0; n < which.size(); ++n) {
        const QImage& image = bands.at(which.at(n));
        if (image.isNull())
            continue;
        const int natural = recognitionInputWidth(image.size(), lineHeight,
                                                  std::max(16, int(settings.recMaxLineWidth)));
        const int width = std::max(16, int(std::lround(natural * std::min(1.0, squeeze))));
        inputWidths[n] = width;
        QImage line =
            image.scaled(width, lineHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB888);
        if (lineHeight < height) {
            QImage padded(width, height, QImage::Format_RGB888);
            padded.fill(Qt::white);
            QPainter painter(&padded);
            painter.drawImage(0, (height - lineHeight) / 2, line);
            painter.end();
            line = padded;
        }
        scaledLines[n] = line;
        for (const LinePiece& span : linePieces(scaledLines.at(n), maxPiece, height))
            pieces.append(Piece{int(n), span});
    }

    stages.recognizeInputCpuMs += processCpuMs() - inputCpu;
    // Processor time of the batches' steps in microseconds, summed over the reading threads.
    std::atomic<std::int64_t> fillMicros{0};
    std::atomic<std::int64_t> runMicros{0};
    std::atomic<std::int64_t> decodeMicros{0};
    const auto micros = [](double fromMs, double toMs) {
        return std::int64_t(std::llround((toMs - fromMs) * 1e3));
    };

    // Input widths rounded up to a multiple of 32 with white columns, as a page margin: pieces
    // of one rounded width share a run, and each reads exactly as it would alone.
    QList<int> widths;
    for (const Piece& piece : pieces)
        widths.append(std::min(maxPiece, (piece.span.width() + 31) / 32 * 32));
    // The symbols each piece owns, with the input column where each was read.
    std::vector<QList<QPair<double, CtcSymbol>>> owned(size_t(pieces.size()));
    const QList<QList<int>> batches =
        batchesByWidth(widths, std::max(1, int(settings.recBatchSize)),
                       std::max(maxPiece, int(settings.recBatchColumns)));
    // Classes of each batch's output (0: not run or failed). Batches write only their own entries.
    std::vector<int> batchClasses(size_t(batches.size()), 0);
    const auto readBatch = [&](qsizetype b) {
        const QList<int>& batch = batches.at(b);
        int batchWidth = 0;
        for (int index : batch)
            batchWidth = std::max(batchWidth, widths.at(index));
        const int count = int(batch.size());
        const double fillCpu = threadCpuMs();
        std::vector<float> input(size_t(count) * 3 * height * batchWidth, 1.0f);
        for (int n = 0; n < count; ++n) {
            const Piece& piece = pieces.at(batch.at(n));
            fillRecognitionItem(input, n, batchWidth, scaledLines.at(piece.line), piece.span.left,
                                piece.span.right);
        }
        const double runCpu = threadCpuMs();
        fillMicros += micros(fillCpu, runCpu);
        try {
            const Output output = run(session, input, {count, 3, height, batchWidth});
            const double decodeCpu = threadCpuMs();
            runMicros += micros(runCpu, decodeCpu);
            if (output.shape.size() < 3 || output.shape[0] < count)
                throw Ort::Exception("recognition output does not match its input", 0);
            const std::int64_t steps = output.shape[1];
            const std::int64_t classCount = output.shape[2];
            if (steps <= 0 || classCount > INT32_MAX || steps > INT32_MAX
                || count * steps * classCount > output.elementCount)
                throw Ort::Exception("recognition output is smaller than its shape", 0);
            const int batchClassCount = int(classCount);
            const double columnsPerStep = double(batchWidth) / double(steps);
            for (int n = 0; n < count; ++n) {
                const Piece& piece = pieces.at(batch.at(n));
                const float* rows = output.data + qsizetype(n) * steps * classCount;
                for (const CtcSymbol& symbol : ctcSymbols(rows, int(steps), batchClassCount)) {
                    const double column = piece.span.left + (symbol.step + 0.5) * columnsPerStep;
                    if (column >= piece.span.ownLeft && column < piece.span.ownRight)
                        owned[size_t(batch.at(n))].append({column, symbol});
                }
            }
            batchClasses[size_t(b)] = batchClassCount;
            decodeMicros += micros(decodeCpu, threadCpuMs());
        } catch (const Ort::Exception& exception) {
            qCDebug(lcOcr) << "recognition failed:" << exception.what();
        }
    };
    // Lines are read several at once, each run on one thread: the threads of one run wait for
    // each other at every layer, lines do not, so the same work takes less processor time.
    std::atomic<qsizetype> nextBatch{0};
    std::vector<char> ran(size_t(batches.size()), 0);
    const auto readBatches = [&] {
        const DenormalsAsZero denormalsAsZero;
        for (qsizetype b = nextBatch++; b < batches.size(); b = nextBatch++) {
            if (stop && stop())
                break;
            ran[size_t(b)] = 1;
            readBatch(b);
        }
    };
    const int readers = std::clamp(int(settings.recParallelLines), 1, 8);
    std::vector<std::thread> helpers;
    for (int i = 1; i < readers && i < batches.size(); ++i)
        helpers.emplace_back(readBatches);
    readBatches();
    for (std::thread& helper : helpers)
        helper.join();
    int classes = 0;
    for (qsizetype b = 0; b < batches.size(); ++b) {
        if (ran[size_t(b)])
            batchSizes.append(int(batches.at(b).size()));
        classes = std::max(classes, batchClasses[size_t(b)]);
    }

    stages.recognizeRunCpuMs += double(runMicros) / 1e3;
    const double joinCpu = processCpuMs();

    // Pieces of a line follow each other from left to right. The same character read on both
    // sides of a cut, close to it, counts once. A cut between words holds exactly one space,
    // whichever side read it (or neither: each may place it on the other's side).
    const int space = classes - 1;
    QList<QList<CtcSymbol>> symbols(which.size());
    QList<double> lastColumn(which.size(), -1e9);
    for (qsizetype p = 0; p < pieces.size(); ++p) {
        const int line = pieces.at(p).line;
        QList<CtcSymbol>& read = symbols[line];
        QList<QPair<double, CtcSymbol>> own = owned[size_t(p)];
        if (pieces.at(p).span.spaceBefore && !read.isEmpty()) {
            float probability = -1;
            while (!read.isEmpty() && read.last().classIndex == space)
                probability = std::max(probability, read.takeLast().probability);
            while (!own.isEmpty() && own.first().second.classIndex == space)
                probability = std::max(probability, own.takeFirst().second.probability);
            if (!read.isEmpty() && !own.isEmpty()) {
                if (probability < 0) // read by neither: as sure as its neighbours
                    probability = (read.last().probability + own.first().second.probability) / 2;
                read.append(CtcSymbol{space, -1, probability});
            }
        } else if (!own.isEmpty() && !read.isEmpty()
                   && read.last().classIndex == own.first().second.classIndex
                   && own.first().first - lastColumn.at(line) < height / 2.0) {
            own.removeFirst();
        }
        for (const auto& [column, symbol] : own) {
            read.append(symbol);
            lastColumn[line] = column;
        }
    }
    for (qsizetype n = 0; n < which.size(); ++n)
        result[which.at(n)] = lineFromSymbols(symbols.at(n), classes, dictionary);
    stages.recognizeInputCpuMs += double(fillMicros) / 1e3;
    stages.decodeCpuMs += double(decodeMicros) / 1e3 + processCpuMs() - joinCpu;
    return inputWidths;
}

} // namespace dovrix

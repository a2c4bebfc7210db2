#include "ocr/OcrEngine.h"

#include "ocr/OcrDetection.h"
#include "ocr/OcrRecognition.h"
#include "ocr/OcrRuntime.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>

namespace dovrix {

namespace {

Q_LOGGING_CATEGORY(lcOcr, "dovrix.ocr", QtWarningMsg)

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

} // namespace

bool OcrEngine::initialize(const OcrEngineConfig& config, QString* error)
{
    settings = config;
    if (initialized)
        return true;
    if (!ensureRuntimeLoaded(error))
        return false;

    auto fail = [error](const Ort::Exception& exception) {
        if (error)
            *error = tr("OCR 初始化失败：%1").arg(QString::fromUtf8(exception.what()));
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
        if (error)
            *error = tr("未找到检测模型：%1（%2）").arg(detPath, reason);
        return false;
    }
    if (!readModel(recPath, &recModel, &reason)) {
        if (error)
            *error = tr("未找到识别模型：%1（%2）").arg(recPath, reason);
        return false;
    }

    try {
        const Ort::Api api = Ort::api();
        Ort::SessionOptionsHandle options;
        api.call<Ort::SessionOptions**>(Ort::CreateSessionOptionsSlot, options.put());
        api.call<Ort::SessionOptions*, int>(Ort::SetIntraOpNumThreadsSlot, options.get(), 2);
        api.call<Ort::SessionOptions*, int>(Ort::SetSessionGraphOptimizationLevelSlot,
                                            options.get(), Ort::GraphOptimizationAll);

        createSession(environment, detModel, options.get(), detection);
        createSession(environment, recModel, options.get(), recognition);

        Ort::ModelMetadataHandle metadata;
        api.call<const Ort::Session*, Ort::ModelMetadata**>(Ort::SessionGetModelMetadataSlot,
                                                            recognition.get(), metadata.put());
        Ort::Allocator* allocator = nullptr;
        api.call<Ort::Allocator**>(Ort::GetAllocatorWithDefaultOptionsSlot, &allocator);
        Ort::AllocatedString value(allocator);
        api.call<const Ort::ModelMetadata*, Ort::Allocator*, const char*, char**>(
            Ort::ModelMetadataLookupCustomMetadataMapSlot, metadata.get(), allocator, "character",
            value.put());
        if (!value.get()) {
            if (error)
                *error = tr("识别模型缺少内嵌词典（character 元数据）。");
            return false;
        }
        characters = parseDictionary(QByteArray(value.get()));
        initialized = true;
        return true;
    } catch (const Ort::Exception& exception) {
        return fail(exception);
    }
}

QImage OcrEngine::prepareDetectionInput(const QImage& page, QImage* scaled) const
{
    const QImage source = detectionSourceImage(page);
    if (scaled) {
        const QSize size = detectionInputSize(source.size(), settings.limitSideLength);
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
    std::vector<float> input = detectionTensor(scaled);
    try {
        const Output output = run(detection.get(), input, {1, 3, scaled.height(), scaled.width()});
        // The map must be [.., .., H, W] and hold H × W values.
        if (output.shape.size() < 4)
            throw Ort::Exception("detection output has fewer than four dimensions", 0);
        const std::int64_t height = output.shape[2];
        const std::int64_t width = output.shape[3];
        if (height * width > output.elementCount
            || height > INT32_MAX / std::max<std::int64_t>(1, width))
            throw Ort::Exception("detection output is smaller than its map", 0);
        boxes = boxesFromProbabilityMap(output.data, int(height), int(width), source.size(),
                                        settings.binaryThreshold, settings.boxThreshold,
                                        settings.unclipRatio);
        sortBoxes(boxes);
    } catch (const Ort::Exception& exception) {
        qCDebug(lcOcr) << "detection failed:" << exception.what();
    }
    return boxes;
}

QList<OcrLine> OcrEngine::recognize(const QImage& page)
{
    if (!initialized || page.isNull())
        return {};
    QImage scaled;
    const QImage source = prepareDetectionInput(page, &scaled);
    return recognizeBoxes(source, detectBoxes(scaled, source));
}

QList<OcrLine> OcrEngine::recognizeBoxes(const QImage& source, const QList<QRectF>& boxes)
{
    QList<OcrLine> lines;
    if (!initialized || source.isNull())
        return lines;
    for (const QRectF& box : boxes) {
        const QRect crop = cropRect(box, source.size());
        if (crop.isEmpty())
            continue;
        OcrLine line = recognizeLine(source.copy(crop));
        if (line.text.simplified().isEmpty())
            continue;
        line.box = box;
        lines.append(line);
    }
    return lines;
}

OcrLine OcrEngine::recognizeLine(const QImage& crop)
{
    if (!recognition || crop.isNull())
        return {};
    const QImage image = detectionSourceImage(crop); // the same format rule
    const int width = recognitionInputWidth(image.size(), settings.recHeight, settings.recMaxWidth);
    const QImage scaled =
        image.scaled(width, settings.recHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB888);
    std::vector<float> input = recognitionTensor(scaled);
    try {
        const Output output = run(recognition.get(), input, {1, 3, settings.recHeight, width});
        if (output.shape.size() < 3)
            throw Ort::Exception("recognition output has fewer than three dimensions", 0);
        const std::int64_t steps = output.shape[1];
        const std::int64_t classes = output.shape[2];
        if (steps * classes > output.elementCount || classes > INT32_MAX || steps > INT32_MAX)
            throw Ort::Exception("recognition output is smaller than its shape", 0);
        return decodeCtc(output.data, int(steps), int(classes), characters);
    } catch (const Ort::Exception& exception) {
        qCDebug(lcOcr) << "recognition failed:" << exception.what();
        return {};
    }
}

} // namespace dovrix

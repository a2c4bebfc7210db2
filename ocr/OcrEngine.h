#pragma once

#include "core/OcrLine.h"
#include "ocr/OcrEngineConfig.h"
#include "ocr/OcrFailure.h"
#include "ocr/OrtApi.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace dovrix {

// Offline OCR of one page image with a text-detection and a text-recognition network, run through
// the inference library loaded at run time. Runtime errors never leave the engine: initialize()
// reports them as a message, recognition drops what failed.
//
// Threads: initialize() loads the library and builds the sessions (up to a second), so it runs
// on the OCR thread, never the GUI thread; afterwards one thread at a time may call the
// recognition functions.
class OcrEngine
{
    Q_DECLARE_TR_FUNCTIONS(dovrix::OcrEngine)

public:
    static constexpr const char* DetectionModelFile = "PP-OCRv6_det_small.onnx";
    static constexpr const char* RecognitionModelFile = "PP-OCRv6_rec_small.onnx";
    // The recogniser with only the classes of narrow scripts (optional).
    static constexpr const char* LatinRecognitionModelFile = "PP-OCRv6_rec_small_latin.onnx";

    OcrEngine() = default;
    ~OcrEngine() = default;
    Q_DISABLE_COPY_MOVE(OcrEngine)

    // Copies config, then returns true at once when already initialised (touching no file).
    // Otherwise loads the runtime, reads both models from config.modelDir, builds the sessions and
    // reads the recogniser's dictionary. On false, error (when given) receives the reason.
    bool initialize(const OcrEngineConfig& config, OcrFailure* failure);
    bool isInitialized() const { return initialized; }
    const OcrEngineConfig& config() const { return settings; }
    const QStringList& dictionary() const { return characters; }

    // Returns the detection source image of page; stores the scaled network input in scaled, its
    // longer side at most limitSide (the configured limitSideLength when 0).
    QImage prepareDetectionInput(const QImage& page, QImage* scaled, int limitSide = 0) const;
    // Runs detection on scaled; boxes in pixels of source, in reading order. Empty on a runtime
    // error.
    QList<QRectF> detectBoxes(const QImage& scaled, const QImage& source);

    // Lines of a page (boxes in page-image pixels) in reading order: the page is turned level
    // first when it was scanned askew (the boxes are those of the level lines, mapped back onto
    // the page), then its lines are detected and recognised. A page whose lines run down it is
    // turned a quarter first; a page read with little certainty whose widest lines read clearly
    // better turned round is read again turned round. stop as in
    // recognizeBoxes(), also asked after detection. Empty when not initialised or the image is
    // null.
    QList<OcrLine> readPage(const QImage& page, const std::function<bool()>& stop = {});
    QList<OcrLine> recognize(const QImage& page) { return readPage(page); }

    // Wall times of the stages of the last readPage(), the processor time of its steps (all
    // threads) and the angle it turned the page by, for the bench.
    struct StageTimes
    {
        double levelMs = 0;
        double detectMs = 0;
        double recognizeMs = 0;
        double levelCpuMs = 0;
        double detectInputCpuMs = 0;    // conversion, scaling, tensor
        double detectRunCpuMs = 0;      // the network
        double detectBoxesCpuMs = 0;    // probability map to boxes
        double cropCpuMs = 0;           // line crops and their bands
        double recognizeInputCpuMs = 0; // scaling, pieces, tensors
        double recognizeRunCpuMs = 0;   // the network
        double decodeCpuMs = 0;         // network output to text
        int detectionSide = 0;          // longer side of the detection input (the last pass)
        double skewDegrees = 0;
        // How the page's text runs on it: not left to right when it was read turned.
        OcrTextDirection direction = OcrTextDirection::LeftToRight;
    };
    const StageTimes& lastStageTimes() const { return stages; }
    // recognize() after detection: recognises the accepted boxes of source and returns their
    // lines in the given order, each box narrowed to the rows of its line's own text. Several lines
    // share one network run (sorted by width, padded to the widest); stop, when given, is asked
    // before every run and ends the work early, keeping the lines read so far.
    QList<OcrLine> recognizeBoxes(const QImage& source, const QList<QRectF>& boxes,
                                  const std::function<bool()>& stop = {});
    // Text and score of one line crop; the box is left empty. Empty result on a runtime error.
    OcrLine recognizeLine(const QImage& crop);
    // Text and score of each crop, in order (boxes empty). A crop whose run failed, or that was
    // not reached before stop, gives an empty line.
    QList<OcrLine> recognizeCrops(const QList<QImage>& crops,
                                  const std::function<bool()>& stop = {});

    // Items of every recognition run of the last recognizeCrops(), for the bench.
    const QList<int>& lastBatchSizes() const { return batchSizes; }
    // The width factor the last recognizeCrops() chose for its page (1: natural width) and how
    // many lines it read again at natural width, for the bench.
    double lastSqueeze() const { return squeezeUsed; }
    int lastRereadLines() const { return rereadLines; }
    // Lines the last recognizeCrops() read with the narrow scripts' recogniser alone.
    int lastLatinLines() const { return latinLines; }

private:
    // Output of one network run; the data stays valid while value lives.
    struct Output
    {
        Ort::ValueHandle value;
        const float* data = nullptr;
        std::vector<std::int64_t> shape;
        std::int64_t elementCount = 0;
    };
    // Runs session on a float tensor over input (not copied) with input "x" and output
    // "fetch_name_0". Throws Ort::Exception.
    Output run(Ort::Session* session, std::vector<float>& input,
               const std::vector<std::int64_t>& shape) const;

    // Reads the line bands at indices `which` (scaled to the recogniser's height, their widths
    // times squeeze) into result at the same indices, with the narrow scripts' recogniser when
    // latin is set; returns their input widths in that order.
    QList<int> readLines(const QList<QImage>& bands, const QList<int>& which, double squeeze,
                         const std::function<bool()>& stop, QList<OcrLine>& result,
                         bool latin = false);

    // Rows of the input of the recogniser (of narrow scripts when latin is set).
    int recognitionRows(bool latin) const;

    // readPage() with the detection input's longer side at most limitSide.
    QList<OcrLine> readPageAt(const QImage& page, const std::function<bool()>& stop, int limitSide);
    // Remembers whether lines read hold a wide script's characters; lines without text change
    // nothing (a blank page says nothing about the document's script).
    void noteScript(const QList<OcrLine>& lines);

    // Mean score of the lines with text (1 without any).
    static double meanScore(const QList<OcrLine>& lines);
    // Whether the widest of the page's lines (as read from source) read clearly more surely
    // turned round.
    bool readsBetterTurned(const QImage& source, const QList<OcrLine>& lines);

    static constexpr int ProbeLines = 3;        // lines read at natural width to measure a page
    static constexpr double UnsureScore = 0.75; // a page read less surely may be upside down

    OcrEngineConfig settings;
    bool initialized = false;
    QStringList characters;
    QList<int> batchSizes;
    StageTimes stages;
    double squeezeUsed = 1.0;
    int rereadLines = 0;
    int latinLines = 0;
    bool lastPageWide = false;       // the last page read held characters of a wide script
    Ort::Env* environment = nullptr; // process-wide, never released
    Ort::SessionHandle detection;
    Ort::SessionHandle recognition;
    Ort::SessionHandle latinRecognition; // null without its model file
    // The input height each recogniser fixes; 0 when it leaves it free.
    int recognitionFixedRows = 0;
    int latinFixedRows = 0;
    QStringList latinCharacters;
};

} // namespace dovrix

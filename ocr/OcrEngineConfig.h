#pragma once

#include <QString>

#include <cstdint>

namespace dovrix {

// Parameters of one OCR engine, copied into it at every initialize(). The values are fixed in the
// program; only the model directory is chosen by the caller.
struct OcrEngineConfig
{
    QString modelDir;                   // directory of the two model files
    std::int32_t limitSideLength = 960; // longest side of the detection input
    float binaryThreshold = 0.3f;       // probability above which a map cell is text
    float boxThreshold = 0.55f;         // minimum mean probability of a detected region
    float unclipRatio = 1.8f;           // how far a detected region grows on every side
    std::int32_t recHeight = 48;        // height of the recognition input
    std::int32_t recMaxWidth = 960;     // maximum width of the recognition input
};

} // namespace dovrix

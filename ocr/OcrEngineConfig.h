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
    // The same after a page of a wide script (CJK): its characters are large enough for it. A
    // page that turns out to be in narrow letters is detected again at limitSideLength.
    std::int32_t wideScriptLimitSideLength = 640;
    float binaryThreshold = 0.3f; // probability above which a map cell is text
    float boxThreshold = 0.55f;   // minimum mean probability of a detected region
    float unclipRatio = 1.8f;     // how far a detected region grows on every side
    // Rows of the recognition input when the recogniser leaves its height free (one that fixes it
    // gets that height). The network works on a quarter and then an eighth of them: 44 rows keep
    // two white rows above and below the line and cost 11/12 of 48 (40, without white rows, read
    // a clean page worse).
    std::int32_t recHeight = 44;
    // Rows of the input of the recogniser of narrow scripts when it leaves its height free, the
    // line's band filling them: its layers work on 20, 10 and 5 rows instead of 22, 11 and 6
    // (a tenth less work). It reads a digit 0 after a letter where 44 rows read an o, so such a
    // line is read again (see readInLatin()).
    std::int32_t recLatinHeight = 40;
    // Rows of that height the line's band is scaled to, centred on white rows: a smaller line
    // gives a narrower input, so fewer columns to compute. Chosen by measurement.
    std::int32_t recLineHeight = 40;
    // Widest input of one recognition run; a wider line is recognised in overlapping pieces cut
    // between characters, never squeezed. Whole lines read as well as pieces, without the
    // columns pieces read twice; a full-width line of a dense 300 dpi page is about 1,900.
    std::int32_t recMaxWidth = 3200;
    std::int32_t recMaxLineWidth = 48 * 400; // a longer line is squeezed to this (bounds memory)
    // Line pieces recognised by one network run: at whole-line widths one line per run is the
    // fastest here (a larger batch no longer fits the processor's caches).
    std::int32_t recBatchSize = 1;
    // Characters of wide scripts (CJK) are read at this many line heights each, at most this much
    // narrower than their natural width; the recogniser needs far fewer columns for them than
    // their natural width gives. A pitch of 0 reads every line at natural width.
    float recWideScriptPitch = 0.65f;
    float recMinSqueeze = 0.6f;
    std::int32_t recBatchColumns = 8 * 960; // bound of batch size × widest piece
    std::int32_t intraOpThreads = 2;        // threads of one detection run (measured best)
    // Lines recognised at once, each run on one thread (1: one line at a time, on intraOpThreads
    // threads). Runs side by side do not wait for each other at every layer as the threads of
    // one run do: less processor time for the same work, and as short on two cores.
    std::int32_t recParallelLines = 2;
    bool spinning = false; // idle network threads spin instead of sleeping
    // Pages without wide characters are read with the recogniser of narrow scripts, when its
    // model file is there.
    bool latinRecogniser = true;
};

} // namespace dovrix

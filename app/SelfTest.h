#pragma once

class QTextStream;

namespace dovrix {

// Checks, without a window, that the program finds its companion files where it runs from (the
// build folder or an installed prefix): opens a generated PDF through the file probe, renders its
// page on the worker and recognises it there with the inference library and the OCR models.
// Writes one line per stage to out and returns the process exit code, 0 when every stage passed.
int runSelfTest(QTextStream& out);

} // namespace dovrix

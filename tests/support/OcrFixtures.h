#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace dovrix::test {

// The inference library and the model directory that set-up puts into the build directory
// (DOVRIX_BUILD_DIR); empty when they are not there.
QString ocrRuntimePath();
QString ocrModelDir();

// Puts the user's cache folder (in test mode) under dir, so that OCR results kept by one test run
// never reach another.
void isolateOcrCache(const QString& dir);

// Writes a minimal ONNX model that passes its float input "x" (rank 4) through to "fetch_name_0",
// with the given custom metadata entries. Enough for the runtime to build a session and read
// metadata. Returns false when the file cannot be written.
bool writePassThroughModel(const QString& path,
                           const QList<QPair<QByteArray, QByteArray>>& metadata = {});

// Levenshtein distance between the two texts divided by the length of expected (in code points).
double characterErrorRate(const QString& expected, const QString& actual);

} // namespace dovrix::test

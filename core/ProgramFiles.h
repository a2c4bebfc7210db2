#pragma once

#include <QString>
#include <QStringList>

namespace dovrix {

// The program's companion files (the file probe, the inference library, the OCR models and our
// shared libraries) lie next to the program in the build folder. An installed program
// PREFIX/bin/dovrix finds them in PREFIX/lib/dovrix, the folder the install rules fill.
inline constexpr char installedCompanionFolder[] = "../lib/dovrix";

// The folders searched, in order: the program's own folder, then the installed companion folder
// relative to it (cleaned).
QStringList companionFolders();

// The first existing file or folder called name in companionFolders(); the path beside the program
// when none exists, so that a failure names the usual place.
QString findCompanion(const QString& name);

} // namespace dovrix

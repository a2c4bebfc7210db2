#pragma once

#include "synctex/SynctexIndex.h"

#include <QStringList>

namespace dovrix {

// The program and arguments that open a source place in the user's editor, from a command line
// such as `editor +%l %f`. The command is split into arguments first (double quotes group, as
// QProcess::splitCommand does), then the placeholders are replaced inside each argument: %f the
// file, %l the line, %c the column (0 when unknown), %% a percent sign. A file name with spaces or
// quotes therefore stays one argument, and nothing is ever handed to a shell. A command without
// %f gets the file as its last argument. Empty when the command is blank.
QStringList editorCommandLine(const QString& command, const SourcePlace& place);

} // namespace dovrix

#pragma once

#include "synctex/SynctexIndex.h"

#include <QStringList>

namespace dovrix {

// The program and arguments that open a source place in the user's editor, from a command line
// such as `editor +%l %f`. The command is split into arguments first (double quotes group, as
// QProcess::splitCommand does), then the placeholders are replaced inside each argument: %f the
// file, %l the line, %c the column (0 when unknown), %% a percent sign. A file name with spaces or
// quotes therefore stays one argument, and nothing is handed to a shell by us. A command without
// %f gets the file as its last argument. Empty when the command is blank, and when the file name
// is refused (isAcceptableSourceName).
//
// When the user wrapped the editor in a POSIX shell themselves (`sh -c "editor +%l %f"`, also
// bash, dash, zsh, ksh and the like, possibly behind env), the file name goes into that shell's
// script: there it is quoted for the shell, wherever it stands (bare, or inside the script's own
// single or double quotes), so that a name such as `a;touch x;.tex` stays one word.
QStringList editorCommandLine(const QString& command, const SourcePlace& place);

// False for a source file name that no command line may carry: one with a line break or a NUL
// character (a SyncTeX file names its inputs freely).
bool isAcceptableSourceName(const QString& file);

} // namespace dovrix

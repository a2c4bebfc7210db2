#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace dovrix {

inline constexpr char applicationVersionText[] = "1.5.1";

// Organisation and application name "Dovrix", version 1.5.1. They also locate the settings file.
void setApplicationIdentity();

// The window icon from the compiled-in images ":/icons/Dovrix-<size>.png" (16, 32, 48, 256); a
// missing image leaves its size out.
QIcon applicationIcon();

// Description, help and version options, the positional "file", the options "ocr-page", "page",
// "find" and "synctex-forward", and the hidden option "self-test".
void defineCommandLine(QCommandLineParser& parser);

// The language of the help text: the interface language stored in the settings, else the one
// that fits the system's locale.
QString helpLanguage();

// True when the arguments (program name first) ask only for the help or the version text. Those
// are answered before the window system starts, so that they work without a display.
bool asksForTextOnly(const QStringList& arguments);

// The 0-based page for the 1-based "ocr-page" value; a value that is not a number counts as 0 and
// so gives -1, which requests nothing.
int ocrPageIndexFromOption(const QString& value);

} // namespace dovrix

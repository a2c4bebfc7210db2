#pragma once

#include "synctex/SynctexIndex.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace dovrix {

// One file to open and what to do once it is ready. Everything a command line can ask for a
// file, so that a running instance can be handed the same list.
struct OpenRequest
{
    QString path;
    // The path's bytes when path cannot spell them (see RawFilePath); empty otherwise.
    QByteArray rawPath;
    QString page;        // a 1-based number or a page label; empty = none
    QString find;        // search text; empty = none
    SourcePlace forward; // SyncTeX forward search; line 0 = none
};

// The open requests of a command line and the complaints about its values.
struct OpenRequestList
{
    QList<OpenRequest> requests;
    // One line each, for standard error; untranslated, like the command line's help.
    QStringList errors;
};

// "LINE:COLUMN:TEXFILE" (the file may contain colons); false for anything else or a line below 1.
// An empty column counts as 0.
bool parseSynctexPosition(const QString& text, SourcePlace* place);

// Walks the arguments (without the program name) in order: "--page", "--find" and
// "--synctex-forward" (as "--name value" or "--name=value") apply to every file named after them;
// a later one replaces an earlier one. A bad value is reported and ignored, its file still
// opens. Options in valueOptions take a value that is skipped; other options stand alone; after
// "--" everything is a file. rawArguments, when given, are the bytes of the same arguments: a file
// whose bytes its decoded text cannot spell keeps them as rawPath. "--raw-path=BYTES" (the
// percent-encoded bytes of a path) names such a file; argumentsForRequest writes it.
OpenRequestList openRequestsFromArguments(const QStringList& arguments,
                                          const QStringList& valueOptions = {},
                                          const QList<QByteArray>& rawArguments = {});

// The arguments that ask a running instance for the same request.
QStringList argumentsForRequest(const OpenRequest& request);

} // namespace dovrix

#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace dovrix {

// The print system: jobs go to CUPS as PDF files, which it turns into what each printer takes.
// The server is the one libcups is set to (CUPS_SERVER, client.conf, else the local one).

// The choices of the print dialog that travel with a job as CUPS options.
struct PrintChoices
{
    enum class Sides { OneSided, LongEdge, ShortEdge };

    QString printer; // CUPS destination, "name" or "name/instance"
    QString title;   // the job's name
    int copies = 1;
    bool collate = true;
    Sides sides = Sides::OneSided;
    bool color = true;
    bool fitToPaper = true; // else the document's own size, centred
    bool reverse = false;   // the last page first
    // Further CUPS options the print dialog chose (pages per sheet, odd or even pages, ...);
    // the choices above win over them.
    QList<QPair<QString, QString>> extraOptions;
};

struct PrintHandOver
{
    bool ok = false;
    int job = 0;   // the server's job number
    QString error; // the server's words, when it did not take the job
};

// True when the print server answers within a few seconds.
bool printServerAnswers();
// True when the server knows printer as a destination.
bool isPrintDestination(const QString& printer);
// Hands the PDF file to the server as one job with the choices; the file may go once this
// returns (the server has its own copy). Blocks while the file is sent: call it off the GUI
// thread.
PrintHandOver handToPrintServer(const QString& pdfPath, const PrintChoices& choices);

// The print system as the window's commands use it: the functions above, replaceable so that
// tests can stand in for a server that is missing or fails.
struct PrintSystem
{
    std::function<bool()> serverAnswers = printServerAnswers;
    std::function<bool(const QString& printer)> isDestination = isPrintDestination;
    std::function<PrintHandOver(const QString& pdfPath, const PrintChoices& choices)> handOver =
        handToPrintServer;
};

} // namespace dovrix

#include "app/CupsPrinting.h"

#include <QByteArray>

#include <cups/cups.h>

namespace dovrix {

namespace {

constexpr int AnswerTimeoutMs = 3000;

struct Destination
{
    QByteArray name;
    QByteArray instance; // empty: none
};

Destination destinationOf(const QString& printer)
{
    const qsizetype slash = printer.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {printer.toUtf8(), {}};
    return {printer.left(slash).toUtf8(), printer.mid(slash + 1).toUtf8()};
}

const char* sidesOf(PrintChoices::Sides sides)
{
    switch (sides) {
    case PrintChoices::Sides::LongEdge:
        return "two-sided-long-edge";
    case PrintChoices::Sides::ShortEdge:
        return "two-sided-short-edge";
    case PrintChoices::Sides::OneSided:
        break;
    }
    return "one-sided";
}

} // namespace

bool printServerAnswers()
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                AnswerTimeoutMs, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

bool isPrintDestination(const QString& printer)
{
    if (printer.isEmpty())
        return false;
    const Destination d = destinationOf(printer);
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, d.name.constData(),
                                         d.instance.isEmpty() ? nullptr : d.instance.constData());
    if (!dest)
        return false;
    cupsFreeDests(1, dest);
    return true;
}

PrintHandOver handToPrintServer(const QString& pdfPath, const PrintChoices& choices)
{
    const Destination d = destinationOf(choices.printer);
    int count = 0;
    cups_option_t* options = nullptr;
    const QByteArray copies = QByteArray::number(std::max(choices.copies, 1));
    count = cupsAddOption("copies", copies.constData(), count, &options);
    count = cupsAddOption("multiple-document-handling",
                          choices.collate ? "separate-documents-collated-copies"
                                          : "separate-documents-uncollated-copies",
                          count, &options);
    count = cupsAddOption("collate", choices.collate ? "true" : "false", count, &options);
    count = cupsAddOption("sides", sidesOf(choices.sides), count, &options);
    count =
        cupsAddOption("print-color-mode", choices.color ? "color" : "monochrome", count, &options);
    // Fit: the page is scaled to the paper; actual size: printed at its own size, centred.
    count = cupsAddOption("print-scaling", choices.fitToPaper ? "fit" : "none", count, &options);
    count = cupsAddOption("fit-to-page", choices.fitToPaper ? "true" : "false", count, &options);
    if (choices.reverse)
        count = cupsAddOption("outputorder", "reverse", count, &options);
    for (const QPair<QString, QString>& option : choices.extraOptions) {
        const QByteArray name = option.first.toUtf8();
        // The job holds only the chosen pages already.
        if (name == "page-ranges" || cupsGetOption(name.constData(), count, options))
            continue;
        count =
            cupsAddOption(name.constData(), option.second.toUtf8().constData(), count, &options);
    }
    if (!d.instance.isEmpty()) {
        // An instance's saved options come first; the dialog's choices override them.
        if (cups_dest_t* dest =
                cupsGetNamedDest(CUPS_HTTP_DEFAULT, d.name.constData(), d.instance.constData())) {
            for (int i = 0; i < dest->num_options; ++i) {
                if (!cupsGetOption(dest->options[i].name, count, options))
                    count = cupsAddOption(dest->options[i].name, dest->options[i].value, count,
                                          &options);
            }
            cupsFreeDests(1, dest);
        }
    }
    const QByteArray file = pdfPath.toLocal8Bit();
    const QByteArray title = choices.title.toUtf8();
    PrintHandOver result;
    result.job = cupsPrintFile2(CUPS_HTTP_DEFAULT, d.name.constData(), file.constData(),
                                title.constData(), count, options);
    cupsFreeOptions(count, options);
    result.ok = result.job > 0;
    if (!result.ok)
        result.error = QString::fromUtf8(cupsLastErrorString());
    return result;
}

} // namespace dovrix

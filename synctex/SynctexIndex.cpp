#include "synctex/SynctexIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" {
#include <synctex_parser.h>
}

namespace dovrix {

void SynctexIndex::ScannerDeleter::operator()(void* scanner) const
{
    synctex_scanner_free(static_cast<synctex_scanner_p>(scanner));
}

QString SynctexIndex::dataFileFor(const QString& pdfPath)
{
    const QFileInfo pdf(pdfPath);
    const QString stem = pdf.path() + u'/' + pdf.completeBaseName();
    for (const QString& suffix : {QStringLiteral(".synctex.gz"), QStringLiteral(".synctex")}) {
        if (QFileInfo(stem + suffix).isFile())
            return stem + suffix;
    }
    return {};
}

SynctexIndex::SynctexIndex(const QString& pdfPath, int pageCount)
    : pdfFolder(QFileInfo(pdfPath).absolutePath())
{
    const QString dataFile = dataFileFor(pdfPath);
    if (dataFile.isEmpty())
        return;
    current = SynctexState::Damaged;
    // The parser finds the data file itself from the output's path.
    synctex_scanner_p parsed =
        synctex_scanner_new_with_output_file(QFile::encodeName(pdfPath).constData(), nullptr, 1);
    if (!parsed)
        return;
    scanner.reset(parsed);
    // A parsed file names at least one input and describes page 1.
    if (!synctex_scanner_get_name(parsed, 1) || !synctex_sheet(parsed, 1))
        return;
    const bool olderThanPdf =
        QFileInfo(dataFile).lastModified() < QFileInfo(pdfPath).lastModified().addSecs(-2);
    current = olderThanPdf || synctex_sheet(parsed, pageCount + 1) ? SynctexState::Stale
                                                                   : SynctexState::Ready;
}

SynctexIndex::~SynctexIndex() = default;

QList<SynctexBox> SynctexIndex::boxesFor(const SourcePlace& place) const
{
    QList<SynctexBox> boxes;
    if (current != SynctexState::Ready || place.line < 1)
        return boxes;
    auto* parsed = static_cast<synctex_scanner_p>(scanner.get());
    if (synctex_display_query(parsed, QFile::encodeName(place.file).constData(), place.line,
                              place.column, 0)
        <= 0)
        return boxes;
    while (synctex_node_p node = synctex_scanner_next_result(parsed)) {
        const float height = synctex_node_box_visible_height(node);
        const float depth = synctex_node_box_visible_depth(node);
        QRectF rect(synctex_node_box_visible_h(node), synctex_node_box_visible_v(node) - height,
                    synctex_node_box_visible_width(node), height + depth);
        boxes.append({synctex_node_page(node) - 1, rect.normalized()});
    }
    return boxes;
}

SourcePlace SynctexIndex::placeAt(int page, const QPointF& pointPt) const
{
    SourcePlace place;
    if (current != SynctexState::Ready)
        return place;
    auto* parsed = static_cast<synctex_scanner_p>(scanner.get());
    if (synctex_edit_query(parsed, page + 1, float(pointPt.x()), float(pointPt.y())) <= 0)
        return place;
    if (synctex_node_p node = synctex_scanner_next_result(parsed)) {
        const char* name = synctex_scanner_get_name(parsed, synctex_node_tag(node));
        if (!name)
            return place;
        // Engines record names as they were typed, possibly relative to the build folder.
        place.file = QDir::cleanPath(QDir(pdfFolder).absoluteFilePath(QFile::decodeName(name)));
        place.line = synctex_node_line(node);
        place.column = synctex_node_column(node);
    }
    return place;
}

} // namespace dovrix

#include "core/PageColours.h"

#include <algorithm>
#include <array>

namespace dovrix {

namespace {

// Night paper and ink: the ends of the inverted range.
constexpr int NightPaper = 30;
constexpr int NightInk = 222;
// Sepia paper (white becomes this) and ink (black becomes this), per channel.
constexpr std::array<int, 3> SepiaPaper{244, 234, 211};
constexpr std::array<int, 3> SepiaInk{62, 46, 30};

using Table = std::array<uchar, 256>;

Table rangeTable(int low, int high)
{
    Table t{};
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = uchar(low + (v * (high - low) + 127) / 255);
    return t;
}

const Table& nightTable()
{
    static const Table t = rangeTable(NightPaper, NightInk);
    return t;
}

const std::array<Table, 3>& sepiaTables()
{
    static const std::array<Table, 3> t{rangeTable(SepiaInk[0], SepiaPaper[0]),
                                        rangeTable(SepiaInk[1], SepiaPaper[1]),
                                        rangeTable(SepiaInk[2], SepiaPaper[2])};
    return t;
}

} // namespace

QRgb nightPixel(QRgb px)
{
    const int r = qRed(px);
    const int g = qGreen(px);
    const int b = qBlue(px);
    const int shift = 255 - std::max({r, g, b}) - std::min({r, g, b});
    const Table& t = nightTable();
    return qRgba(t[size_t(r + shift)], t[size_t(g + shift)], t[size_t(b + shift)], qAlpha(px));
}

QRgb sepiaPixel(QRgb px)
{
    const std::array<Table, 3>& t = sepiaTables();
    return qRgba(t[0][size_t(qRed(px))], t[1][size_t(qGreen(px))], t[2][size_t(qBlue(px))],
                 qAlpha(px));
}

const PageColoursInfo& pageColoursInfo(PageColours colours)
{
    for (const PageColoursInfo& info : pageColourModes) {
        if (info.colours == colours)
            return info;
    }
    return pageColourModes[0];
}

PageColours nextPageColours(PageColours colours)
{
    const PageColoursInfo* row = &pageColoursInfo(colours);
    const auto next = std::next(row);
    return next == std::end(pageColourModes) ? pageColourModes[0].colours : next->colours;
}

QString pageColoursId(PageColours colours)
{
    return QLatin1String(pageColoursInfo(colours).id);
}

PageColours pageColoursFromId(const QString& id)
{
    for (const PageColoursInfo& info : pageColourModes) {
        if (id == QLatin1String(info.id))
            return info.colours;
    }
    return pageColourModes[0].colours;
}

PageColours effectivePageColours(PageColours colours, bool darkTheme)
{
    const PageColoursInfo& info = pageColoursInfo(colours);
    return darkTheme ? info.onDark : info.onLight;
}

QRgb pageColourOf(QRgb pixel, PageColours colours)
{
    const auto recolour = pageColoursInfo(colours).recolour;
    return recolour ? recolour(pixel) : pixel;
}

void applyPageColours(QImage& image, PageColours colours)
{
    const auto recolour = pageColoursInfo(colours).recolour;
    if (image.isNull() || !recolour)
        return;
    const QImage::Format format = image.format();
    if (format != QImage::Format_ARGB32 && format != QImage::Format_RGB32
        && format != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const bool pre = image.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = line[x];
            if (pre && qAlpha(px) != 255) {
                line[x] = qPremultiply(recolour(qUnpremultiply(px)));
                continue;
            }
            line[x] = recolour(px);
        }
    }
    if (image.format() != format)
        image.convertTo(format);
}

} // namespace dovrix

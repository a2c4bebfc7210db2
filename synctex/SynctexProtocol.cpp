#include "synctex/SynctexProtocol.h"

#include <QFile>

#include <cmath>

namespace dovrix::SynctexProtocol {

namespace {

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 17);
}

QByteArray fileField(const QString& file)
{
    return QFile::encodeName(file).toPercentEncoding();
}

// The fields of line after its keyword; false when the keyword differs or the count is wrong.
bool fields(const QByteArray& line, const char* keyword, qsizetype count, QList<QByteArray>* out)
{
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != count + 1 || parts.first() != keyword)
        return false;
    *out = parts.mid(1);
    return true;
}

bool toInt(const QByteArray& text, int* out)
{
    bool ok = false;
    *out = text.toInt(&ok);
    return ok;
}

bool toFinite(const QByteArray& text, double* out)
{
    bool ok = false;
    *out = text.toDouble(&ok);
    return ok && std::isfinite(*out);
}

} // namespace

QByteArray stateLine(SynctexState state)
{
    return "state " + QByteArray::number(int(state)) + '\n';
}

bool readStateLine(const QByteArray& line, SynctexState* state)
{
    QList<QByteArray> parts;
    int value = 0;
    if (!fields(line, "state", 1, &parts) || !toInt(parts.at(0), &value) || value < 0
        || value > int(SynctexState::TimedOut))
        return false;
    *state = SynctexState(value);
    return true;
}

QByteArray boxesQuery(const SourcePlace& place)
{
    return "boxes " + QByteArray::number(place.line) + ' ' + QByteArray::number(place.column) + ' '
           + fileField(place.file) + '\n';
}

bool readBoxesQuery(const QByteArray& line, SourcePlace* place)
{
    QList<QByteArray> parts;
    if (!fields(line, "boxes", 3, &parts) || !toInt(parts.at(0), &place->line)
        || !toInt(parts.at(1), &place->column))
        return false;
    place->file = QFile::decodeName(QByteArray::fromPercentEncoding(parts.at(2)));
    return true;
}

QByteArray placeQuery(int page, const QPointF& pointPt)
{
    return "place " + QByteArray::number(page) + ' ' + number(pointPt.x()) + ' '
           + number(pointPt.y()) + '\n';
}

bool readPlaceQuery(const QByteArray& line, int* page, QPointF* pointPt)
{
    QList<QByteArray> parts;
    double x = 0, y = 0;
    if (!fields(line, "place", 3, &parts) || !toInt(parts.at(0), page) || !toFinite(parts.at(1), &x)
        || !toFinite(parts.at(2), &y))
        return false;
    *pointPt = QPointF(x, y);
    return true;
}

QByteArray boxLines(const QList<SynctexBox>& boxes)
{
    QByteArray out;
    for (const SynctexBox& box : boxes) {
        const QRectF& r = box.rectPt;
        out += "box " + QByteArray::number(box.page) + ' ' + number(r.x()) + ' ' + number(r.y())
               + ' ' + number(r.width()) + ' ' + number(r.height()) + '\n';
    }
    return out;
}

bool readBoxLine(const QByteArray& line, SynctexBox* box)
{
    QList<QByteArray> parts;
    double r[4] = {};
    if (!fields(line, "box", 5, &parts) || !toInt(parts.at(0), &box->page))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!toFinite(parts.at(i + 1), &r[i]))
            return false;
    }
    box->rectPt = QRectF(r[0], r[1], r[2], r[3]);
    return true;
}

QByteArray placeLine(const SourcePlace& place)
{
    if (place.file.isEmpty())
        return "nowhere\n";
    return "at " + QByteArray::number(place.line) + ' ' + QByteArray::number(place.column) + ' '
           + fileField(place.file) + '\n';
}

bool readPlaceLine(const QByteArray& line, SourcePlace* place)
{
    if (line == "nowhere") {
        *place = SourcePlace();
        return true;
    }
    QList<QByteArray> parts;
    if (!fields(line, "at", 3, &parts) || !toInt(parts.at(0), &place->line)
        || !toInt(parts.at(1), &place->column) || parts.at(2).isEmpty())
        return false;
    place->file = QFile::decodeName(QByteArray::fromPercentEncoding(parts.at(2)));
    return true;
}

} // namespace dovrix::SynctexProtocol

#include "text/ReadingOrder.h"

namespace dovrix {

bool isNearlyEmptyText(const QString&)
{
    return true;
}

QList<CharSlot> makeCharSlots(const QList<QRectF>&)
{
    return {};
}

QList<TextLine> buildLines(QList<CharSlot>, const QString&)
{
    return {};
}

QList<double> findGutters(const QList<TextLine>&, double)
{
    return {};
}

bool isSpanningLine(const TextLine&, const QList<double>&)
{
    return false;
}

QList<TextLine> orderLines(const QList<TextLine>&, const QList<double>&, double)
{
    return {};
}

QList<ReadingBlock> makeBlocks(const QList<TextLine>&, double)
{
    return {};
}

QList<ReadingBlock> buildReadingOrder(const QString&, const QList<QRectF>&, const QSizeF&)
{
    return {};
}

} // namespace dovrix

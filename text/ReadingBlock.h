#pragma once

#include <QList>
#include <QMetaType>
#include <QRectF>
#include <QString>

namespace dovrix {

// One line of a page in reading order, rebuilt from character geometry.
struct ReadingBlock
{
    QString text;
    int index = 0;
    QRectF rect; // union of the line's character boxes, page points
    double confidence = 1.0;
    QString note; // translated remark, or empty
    bool headerFooter = false;
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::ReadingBlock)

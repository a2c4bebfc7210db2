#pragma once

#include "synctex/SynctexIndex.h"

#include <QByteArray>
#include <QList>
#include <QPointF>

namespace dovrix {

// What the SyncTeX child process (dovrix-synctex) may use before it is refused.
namespace SynctexLimits {
// Data that unpacks to more is refused unread (a real book's data is a few tens of megabytes).
inline constexpr qint64 UnpackedBytes = qint64(256) << 20;
// Address space of the child: the parser's nodes for the largest allowed data, and the libraries.
inline constexpr qint64 AddressSpaceBytes = qint64(3) << 30;
// Stack of the child: the parser recurses once per sibling record.
inline constexpr qint64 StackBytes = qint64(8) << 20;
// Processor time of the child, a backstop behind the window's own timeouts.
inline constexpr int CpuSeconds = 60;
// Wall-clock time the window waits for the data to be parsed, and for each answer after that.
inline constexpr int ParseTimeoutMs = 30000;
inline constexpr int AnswerTimeoutMs = 5000;
} // namespace SynctexLimits

// The lines between the window and the child, one message per line of ASCII. The child first
// sends "state N" (N a SynctexState) and "end"; with a Ready state it then reads queries:
//   "boxes LINE COLUMN FILE"  ->  "box PAGE X Y W H" for each box, then "end"
//   "place PAGE X Y"          ->  "at LINE COLUMN FILE" or "nowhere", then "end"
// FILE is the file name's bytes, percent-encoded; numbers are decimal, page points and 0-based
// pages as in SynctexIndex.
namespace SynctexProtocol {

QByteArray stateLine(SynctexState state);
bool readStateLine(const QByteArray& line, SynctexState* state);

QByteArray boxesQuery(const SourcePlace& place);
bool readBoxesQuery(const QByteArray& line, SourcePlace* place);
QByteArray placeQuery(int page, const QPointF& pointPt);
bool readPlaceQuery(const QByteArray& line, int* page, QPointF* pointPt);

QByteArray boxLines(const QList<SynctexBox>& boxes);
bool readBoxLine(const QByteArray& line, SynctexBox* box);
QByteArray placeLine(const SourcePlace& place);
bool readPlaceLine(const QByteArray& line, SourcePlace* place);

} // namespace SynctexProtocol

} // namespace dovrix

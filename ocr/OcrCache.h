#pragma once

#include "text/TextLayoutStore.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace dovrix {

// Recognised pages kept between runs of the program: one compact JSON file per document contents
// (its source SHA-256) in the user's cache folder, written atomically. The file is only a cache:
// one that is damaged, of another format or of other contents is ignored as a whole and replaced
// by the next write. Pure functions of their inputs and files, safe on any thread.
//
// {"format":"dovrix-ocr","version":2,"sourceHash":"…","pages":[{"page":0,"lines":[
//   {"box":[x,y,w,h],"text":"…","score":0.98}]}]}   (0-based pages, boxes in page points;
//   a line of a page scanned upside down or sideways also has "direction": "rightToLeft",
//   "topToBottom" or "bottomToTop")
namespace OcrCache {

// A recognised page holds a few hundred lines at most; a file with more on one page is not ours.
inline constexpr int MaxLinesPerPage = 1000;
// The largest file read for a document of pageCount pages: room for MaxLinesPerPage long lines
// on each page, and never more than 256 MiB. Larger files are ignored unread.
qint64 maxFileBytes(int pageCount);

// The folder of the files: CacheLocation/ocr.
QString directory();
// The file of the document with this source hash; empty for a hash that is not 64 lower-case
// hexadecimal digits (nothing else may name a file).
QString filePath(const QString& sourceHash);

QByteArray serialize(const QString& sourceHash, const QHash<int, OcrPageText>& pages);
// The pages of a file written for sourceHash, pages from 0 to pageCount - 1 only. False (pages
// untouched) for anything else: not JSON, another format or version, another hash, a page or
// line of the wrong shape, a page given twice or with more than MaxLinesPerPage lines, more
// lines than pageCount pages may hold (counted before the JSON is parsed).
bool parse(const QByteArray& json, const QString& sourceHash, int pageCount,
           QHash<int, OcrPageText>* pages);

// Reads the document's file; false when there is none, it is larger than maxFileBytes(pageCount)
// or it is not usable. It may take a while: call it off the GUI thread.
bool load(const QString& sourceHash, int pageCount, QHash<int, OcrPageText>* pages);
// Replaces the document's file; false (the old file kept) when it cannot be written.
bool save(const QString& sourceHash, const QHash<int, OcrPageText>& pages);

} // namespace OcrCache

} // namespace dovrix

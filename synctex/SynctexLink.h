#pragma once

#include "synctex/SynctexIndex.h"

#include <QList>
#include <QObject>
#include <QPointF>

#include <optional>

class QProcess;
class QTimer;

namespace dovrix {

// Forward and inverse search for one document. The SyncTeX data is parsed at the first query
// after setDocument by a child process (dovrix-synctex, beside the program) that keeps it and
// answers the queries: data that crashes the parser, exhausts its memory or unpacks to too much
// ends that process, never the window, and is refused with a state that says why. Answers come
// as signals on the GUI thread, in the order of the queries, unless setDocument was called since.
// The GUI thread never waits for the child.
class SynctexLink : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SynctexLink)

public:
    explicit SynctexLink(QObject* parent = nullptr);
    ~SynctexLink() override;

    // The child process executable: dovrix-synctex among the companion files.
    static QString helperProgram();

    // The PDF whose data later queries use (empty = none). Ends the child of the previous
    // document and drops every answer still on its way.
    void setDocument(const QString& pdfPath, int pageCount);
    QString documentPath() const { return pdfPath; }

    void requestBoxes(const SourcePlace& place);
    void requestPlace(int page, const QPointF& pointPt);

Q_SIGNALS:
    // boxes is empty when the data has no box for the place.
    void boxesReady(const dovrix::SourcePlace& place, const QList<dovrix::SynctexBox>& boxes);
    // place.file is empty when nothing was typeset from a source at that point.
    void placeReady(const dovrix::SourcePlace& place);
    // The data is missing, damaged, stale or refused; sent instead of an answer.
    void unavailable(dovrix::SynctexState state);

private:
    struct Query
    {
        bool boxes = true;
        SourcePlace place; // boxes: the source place
        int page = 0;      // place: the page point
        QPointF pointPt;
    };
    void ask(const Query& query);
    void startHelper();
    void stopHelper();
    void writeQueries();
    void readHelper();
    void answered(const QList<QByteArray>& lines);
    void refuse(SynctexState reason);

    QString pdfPath;
    int pages = 0;
    QProcess* helper = nullptr;        // child; the current document's reader while it runs
    QTimer* deadline;                  // child; the parse, then the oldest unanswered query
    std::optional<SynctexState> state; // as the reader reported it, or why it was refused
    QList<Query> pending;              // asked and not answered, oldest first
    qsizetype written = 0;             // how many of pending the reader has been sent
    QByteArray partialLine;            // output of the reader after its last complete line
    QList<QByteArray> answerLines;     // lines of the answer being received
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::SourcePlace)

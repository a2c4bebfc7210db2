#pragma once

#include "core/OcrLine.h"
#include "text/ReadingBlock.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>

namespace dovrix {

class SpeechEngine;
class TextLayoutStore;
struct OcrPageText;

// One line read aloud: its page, its box in page points and the text spoken.
struct SpokenLine
{
    int page = -1;
    QRectF rectPt;
    QString text;
};

// The lines of a page in the order they are read: the reading blocks of the full-text export
// without header and footer lines; a page without blocks reads its recognised OCR lines (ocr may
// be null). Lines with nothing to say are left out.
QList<SpokenLine> linesToRead(int page, const QList<ReadingBlock>& blocks, const OcrPageText* ocr);

// Reads a document aloud from a page to its end, one line per utterance, asking the text layout
// store for each page's reading blocks as it gets there. GUI thread only.
class ReadAloudController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ReadAloudController)

public:
    enum class State { Stopped, Reading, Paused };
    Q_ENUM(State)

    // store (may be null, see setStore) and engine are not owned. A failing engine stops reading.
    ReadAloudController(TextLayoutStore* store, SpeechEngine* engine, QObject* parent = nullptr);

    // The text of the document to read; stops reading when it changes.
    void setStore(TextLayoutStore* store);

    // Starts reading at the 0-based page of a document with pageCount pages (stops first).
    void start(int page, int pageCount);
    void pause();
    void resume();
    void stop();

    State state() const { return current; }
    // The line being read (page -1 when none).
    SpokenLine currentLine() const { return line; }

Q_SIGNALS:
    void stateChanged(dovrix::ReadAloudController::State state);
    void lineStarted(const dovrix::SpokenLine& line);
    // The last page has been read (not sent by stop()).
    void finished();

private:
    void setState(State state);
    void loadPage(int page);
    void onBlocksReady(int page);
    void speakNext();

    QPointer<TextLayoutStore> store;
    QPointer<SpeechEngine> engine;
    State current = State::Stopped;
    int page = -1;
    int pages = 0;
    QList<SpokenLine> queue; // lines of the current page still to be read
    SpokenLine line;
    bool waitingForPage = false;
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::SpokenLine)

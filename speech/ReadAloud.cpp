#include "speech/ReadAloud.h"

#include "speech/SpeechEngine.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"

namespace dovrix {

QList<SpokenLine> linesToRead(int page, const QList<ReadingBlock>& blocks, const OcrPageText* ocr)
{
    QList<SpokenLine> lines;
    for (const ReadingBlock& block : blocks) {
        const QString text = exportLineText(block.text).trimmed();
        if (!block.headerFooter && !text.isEmpty())
            lines.append({page, block.rect, text});
    }
    if (blocks.isEmpty() && ocr) {
        for (const OcrLine& ocrLine : ocr->lines) {
            const QString text = ocrLine.text.trimmed();
            if (!text.isEmpty())
                lines.append({page, ocrLine.box, text});
        }
    }
    return lines;
}

ReadAloudController::ReadAloudController(TextLayoutStore* store, SpeechEngine* engine,
                                         QObject* parent)
    : QObject(parent), engine(engine)
{
    qRegisterMetaType<SpokenLine>();
    setStore(store);
    connect(engine, &SpeechEngine::utteranceFinished, this, [this] {
        if (current == State::Reading)
            speakNext();
        else if (current == State::Paused)
            line = SpokenLine(); // ended just as the pause came: resume goes on with the next
    });
    connect(engine, &SpeechEngine::failed, this, &ReadAloudController::stop);
}

void ReadAloudController::setStore(TextLayoutStore* newStore)
{
    if (newStore == store)
        return;
    stop();
    if (store)
        disconnect(store, nullptr, this, nullptr);
    store = newStore;
    if (store)
        connect(store, &TextLayoutStore::readingBlocksReady, this,
                &ReadAloudController::onBlocksReady);
}

void ReadAloudController::setState(State state)
{
    if (state == current)
        return;
    current = state;
    Q_EMIT stateChanged(state);
}

void ReadAloudController::start(int firstPage, int pageCount)
{
    stop();
    if (!store || !engine || !engine->isAvailable() || firstPage < 0 || firstPage >= pageCount)
        return;
    pages = pageCount;
    setState(State::Reading);
    loadPage(firstPage);
}

void ReadAloudController::pause()
{
    if (current != State::Reading)
        return;
    engine->pause();
    setState(State::Paused);
}

void ReadAloudController::resume()
{
    if (current != State::Paused)
        return;
    setState(State::Reading);
    // A pause that fell between two lines or while a page loaded has nothing to resume.
    if (line.page >= 0)
        engine->resume();
    else if (!waitingForPage)
        speakNext();
}

void ReadAloudController::stop()
{
    if (current == State::Stopped)
        return;
    if (engine)
        engine->stop();
    queue.clear();
    line = SpokenLine();
    page = -1;
    waitingForPage = false;
    setState(State::Stopped);
}

void ReadAloudController::loadPage(int newPage)
{
    if (!store) {
        stop();
        return;
    }
    page = newPage;
    queue.clear();
    line = SpokenLine();
    waitingForPage = true;
    if (store->hasReadingBlocks(page))
        onBlocksReady(page);
    else
        store->requestReadingBlocks(page);
}

void ReadAloudController::onBlocksReady(int readyPage)
{
    if (!store || current == State::Stopped || !waitingForPage || readyPage != page)
        return;
    waitingForPage = false;
    queue = linesToRead(page, store->readingBlocks(page), store->ocrResult(page));
    if (current == State::Reading)
        speakNext();
}

void ReadAloudController::speakNext()
{
    if (queue.isEmpty()) {
        line = SpokenLine();
        if (page + 1 < pages) {
            loadPage(page + 1);
        } else {
            stop();
            Q_EMIT finished();
        }
        return;
    }
    line = queue.takeFirst();
    Q_EMIT lineStarted(line);
    engine->say(line.text);
}

} // namespace dovrix

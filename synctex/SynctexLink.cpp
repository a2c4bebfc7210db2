#include "synctex/SynctexLink.h"

#include "core/ProgramFiles.h"
#include "synctex/SynctexLog.h"
#include "synctex/SynctexProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace dovrix {

namespace {

QString helperExecutableName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("dovrix-synctex.exe");
#else
    return QStringLiteral("dovrix-synctex");
#endif
}

} // namespace

SynctexLink::SynctexLink(QObject* parent) : QObject(parent), deadline(new QTimer(this))
{
    qRegisterMetaType<SourcePlace>();
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this] { refuse(SynctexState::TimedOut); });
}

SynctexLink::~SynctexLink()
{
    stopHelper();
}

QString SynctexLink::helperProgram()
{
    const QString found = findCompanion(helperExecutableName());
    if (QFileInfo(found).isExecutable())
        return found;
    // Test programs live one folder below the build folder.
    const QString above = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                          + QStringLiteral("/../") + helperExecutableName());
    return QFileInfo(above).isExecutable() ? above : found;
}

void SynctexLink::setDocument(const QString& path, int pageCount)
{
    stopHelper();
    pdfPath = path;
    pages = pageCount;
    state.reset();
    pending.clear();
}

void SynctexLink::requestBoxes(const SourcePlace& place)
{
    Query query;
    query.place = place;
    ask(query);
}

void SynctexLink::requestPlace(int page, const QPointF& pointPt)
{
    Query query;
    query.boxes = false;
    query.page = page;
    query.pointPt = pointPt;
    ask(query);
}

void SynctexLink::ask(const Query& query)
{
    if (pdfPath.isEmpty()) {
        Q_EMIT unavailable(SynctexState::Missing);
        return;
    }
    if (state && *state != SynctexState::Ready) {
        Q_EMIT unavailable(*state); // known already: the data is not read again
        return;
    }
    pending.append(query);
    if (!helper)
        startHelper();
    else if (state)
        writeQueries();
}

void SynctexLink::startHelper()
{
    helper = new QProcess(this);
    helper->setProgram(helperProgram());
    helper->setArguments({pdfPath, QString::number(pages)});
    helper->setProcessChannelMode(QProcess::SeparateChannels);
    helper->setStandardErrorFile(QProcess::nullDevice());
    written = 0;
    partialLine.clear();
    answerLines.clear();
    connect(helper, &QProcess::readyReadStandardOutput, this, &SynctexLink::readHelper);
    connect(helper, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        readHelper(); // an answer may have come just before the end
        if (!helper)
            return; // refused while reading
        qCDebug(lcSynctex) << "reader ended" << exitCode << status;
        if (!state || !pending.isEmpty()) {
            refuse(SynctexState::Crashed); // ended before it answered
            return;
        }
        helper->deleteLater();
        helper = nullptr; // a reader that was done ended: the next query starts another
        state.reset();
    });
    connect(helper, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            qCWarning(lcSynctex) << "cannot start" << helper->program() << helper->errorString();
            refuse(SynctexState::Crashed);
        }
    });
    deadline->start(SynctexLimits::ParseTimeoutMs);
    helper->start(QIODevice::ReadWrite);
}

void SynctexLink::stopHelper()
{
    deadline->stop();
    if (!helper)
        return;
    helper->disconnect(this);
    helper->kill();
    helper->waitForFinished(1000); // killed: only the reaping is left
    // Later: this may run inside one of its signals.
    helper->deleteLater();
    helper = nullptr;
}

void SynctexLink::writeQueries()
{
    for (; written < pending.size(); ++written) {
        const Query& query = pending.at(written);
        helper->write(query.boxes ? SynctexProtocol::boxesQuery(query.place)
                                  : SynctexProtocol::placeQuery(query.page, query.pointPt));
    }
    if (!pending.isEmpty() && !deadline->isActive())
        deadline->start(SynctexLimits::AnswerTimeoutMs);
}

void SynctexLink::readHelper()
{
    if (!helper)
        return;
    partialLine += helper->readAllStandardOutput();
    qsizetype start = 0;
    for (qsizetype end = partialLine.indexOf('\n'); end >= 0;
         end = partialLine.indexOf('\n', start)) {
        const QByteArray line = partialLine.mid(start, end - start);
        start = end + 1;
        if (line != "end") {
            answerLines.append(line);
            continue;
        }
        answered(std::exchange(answerLines, {}));
        if (!helper)
            return; // refused: nothing more is read from this reader
    }
    partialLine.remove(0, start);
}

void SynctexLink::answered(const QList<QByteArray>& lines)
{
    if (!state) {
        SynctexState reported = SynctexState::Damaged;
        if (lines.size() != 1 || !SynctexProtocol::readStateLine(lines.first(), &reported)) {
            refuse(SynctexState::Crashed);
            return;
        }
        deadline->stop();
        if (reported != SynctexState::Ready) {
            refuse(reported);
            return;
        }
        state = reported;
        writeQueries();
        return;
    }
    if (written == 0) {
        refuse(SynctexState::Crashed); // an answer nobody asked for
        return;
    }
    const Query query = pending.takeFirst();
    --written;
    deadline->stop();
    if (written > 0)
        deadline->start(SynctexLimits::AnswerTimeoutMs);
    if (query.boxes) {
        QList<SynctexBox> boxes;
        for (const QByteArray& line : lines) {
            SynctexBox box;
            if (!SynctexProtocol::readBoxLine(line, &box)) {
                refuse(SynctexState::Crashed);
                return;
            }
            boxes.append(box);
        }
        Q_EMIT boxesReady(query.place, boxes);
    } else {
        SourcePlace place;
        if (lines.size() != 1 || !SynctexProtocol::readPlaceLine(lines.first(), &place)) {
            refuse(SynctexState::Crashed);
            return;
        }
        Q_EMIT placeReady(place);
    }
}

void SynctexLink::refuse(SynctexState reason)
{
    qCDebug(lcSynctex) << "SyncTeX data of" << pdfPath << "refused, state" << int(reason);
    stopHelper();
    state = reason;
    const qsizetype unanswered = pending.size();
    pending.clear();
    written = 0;
    // A slot may ask again or change the document: the answers go out after the state is set.
    for (qsizetype i = 0; i < unanswered; ++i)
        Q_EMIT unavailable(reason);
}

} // namespace dovrix

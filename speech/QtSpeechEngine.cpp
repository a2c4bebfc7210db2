#include "speech/QtSpeechEngine.h"

#include <QTextToSpeech>
#include <QVoice>

namespace dovrix {

QtSpeechEngine::QtSpeechEngine(QObject* parent) : SpeechEngine(parent)
{
    if (QTextToSpeech::availableEngines().isEmpty())
        return;
    speech = new QTextToSpeech(this);
    connect(speech, &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { onStateChanged(int(state)); });
}

QtSpeechEngine::~QtSpeechEngine() = default;

bool QtSpeechEngine::isAvailable() const
{
    return speech && breakdown.isEmpty() && speech->state() != QTextToSpeech::Error;
}

QString QtSpeechEngine::unavailableReason() const
{
    if (!speech)
        return tr("没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。");
    if (!breakdown.isEmpty())
        return tr("语音合成引擎无法使用：%1").arg(breakdown);
    if (speech->state() == QTextToSpeech::Error)
        return tr("语音合成引擎无法使用：%1").arg(speech->errorString());
    return {};
}

void QtSpeechEngine::say(const QString& text)
{
    if (!speech)
        return;
    speaking = false;
    if (speech->state() != QTextToSpeech::Ready)
        speech->stop();
    speaking = true;
    speech->say(text);
}

void QtSpeechEngine::pause()
{
    if (speech)
        speech->pause();
}

void QtSpeechEngine::resume()
{
    if (speech)
        speech->resume();
}

void QtSpeechEngine::stop()
{
    speaking = false;
    if (speech)
        speech->stop();
}

void QtSpeechEngine::setRate(double rate)
{
    if (speech)
        speech->setRate(rate);
}

QStringList QtSpeechEngine::voiceNames() const
{
    QStringList names;
    if (speech) {
        for (const QVoice& voice : speech->availableVoices())
            names.append(voice.name());
    }
    return names;
}

void QtSpeechEngine::setVoice(const QString& name)
{
    if (!speech)
        return;
    for (const QVoice& voice : speech->availableVoices()) {
        if (voice.name() == name) {
            speech->setVoice(voice);
            return;
        }
    }
}

void QtSpeechEngine::onStateChanged(int state)
{
    if (state == QTextToSpeech::Error) {
        speaking = false;
        breakdown = speech->errorString();
        Q_EMIT failed();
    } else if (state == QTextToSpeech::Ready && speaking) {
        speaking = false;
        Q_EMIT utteranceFinished();
    }
}

} // namespace dovrix

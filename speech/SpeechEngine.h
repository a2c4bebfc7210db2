#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace dovrix {

// What read aloud needs from a speech synthesiser: one utterance at a time, told when it has been
// spoken to its end. The program uses QtSpeechEngine; tests use a stand-in. GUI thread only.
class SpeechEngine : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SpeechEngine)

public:
    explicit SpeechEngine(QObject* parent = nullptr) : QObject(parent) {}

    // False when no synthesiser can speak; unavailableReason() then says why (translated).
    virtual bool isAvailable() const = 0;
    virtual QString unavailableReason() const = 0;

    // Speaks text, replacing any utterance still in progress without announcing its end.
    virtual void say(const QString& text) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Ends the utterance without announcing its end.
    virtual void stop() = 0;

    // -1 (slowest) to 1 (fastest), 0 normal.
    virtual void setRate(double rate) = 0;
    virtual QStringList voiceNames() const = 0;
    // An unknown or empty name keeps the synthesiser's default voice.
    virtual void setVoice(const QString& name) = 0;

Q_SIGNALS:
    // The text of the last say() has been spoken to its end.
    void utteranceFinished();
    // The synthesiser broke down (e.g. no audio output); unavailableReason() says why.
    void failed();
};

} // namespace dovrix

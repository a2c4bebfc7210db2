#pragma once

#include "speech/SpeechEngine.h"

class QTextToSpeech;

namespace dovrix {

// SpeechEngine over Qt's text-to-speech module with its default plugin (flite or
// speech-dispatcher, whichever Debian installed).
class QtSpeechEngine : public SpeechEngine
{
    Q_OBJECT
    Q_DISABLE_COPY(QtSpeechEngine)

public:
    explicit QtSpeechEngine(QObject* parent = nullptr);
    ~QtSpeechEngine() override;

    bool isAvailable() const override;
    QString unavailableReason() const override;
    void say(const QString& text) override;
    void pause() override;
    void resume() override;
    void stop() override;
    void setRate(double rate) override;
    QStringList voiceNames() const override;
    void setVoice(const QString& name) override;

private:
    void onStateChanged(int state);

    QTextToSpeech* speech = nullptr; // child; null when no plugin is installed
    // Set between say() and the end of its utterance; stop() clears it, so the Ready state that
    // follows a stop is not taken for an end.
    bool speaking = false;
    // Why the synthesiser broke down. Kept: stopping it afterwards puts it back in its ready
    // state, although it still cannot speak (no audio device, for one).
    QString breakdown;
};

} // namespace dovrix

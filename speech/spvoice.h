#pragma once
// The voice object of a dictionary window. It connects to the speech engine
// and the sound output on its first Speak, then speaks every text it is given
// in the background, each after the one before; Speak itself returns at once.
//
//   spvoice1->Speak(QString(cx::speech::kChineseTag) + word, cx::speech::SVSFlagsAsync);
//
// When the engine or the sound output is missing, Speak throws SpeechError
// and the object stays unconnected, so the next Speak tries again.

#include "speech/audiooutput.h"
#include "speech/engine.h"
#include "speech/speechtext.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QThread;

namespace cx::speech {

// How a voice reaches the engine and the sound output. Each function throws
// SpeechError when what it reaches is not there.
struct SpeechBackend {
    std::function<std::shared_ptr<SpeechEngine>()> connectEngine = connectEspeak;
    std::function<std::unique_ptr<AudioOutput>(int sampleRate)> openOutput = openSystemOutput;
};

// The espeak-ng engine with its samples kept in log instead of played.
SpeechBackend captureBackend(std::shared_ptr<CaptureLog> log);

enum SpeakFlags { SVSFlagsAsync = 1 };

class TSpVoice : public QObject {
    Q_OBJECT
public:
    explicit TSpVoice(QObject *parent = nullptr);
    ~TSpVoice() override;

    // Takes effect on the next connection: a connected voice is disconnected.
    void setBackend(SpeechBackend backend);
    bool isConnected() const { return connected_; }

    // Queues text (optionally led by a <LANG LANGID="..."> tag) and returns
    // its stream number. Throws SpeechError when the voice cannot connect.
    int Speak(const QString &text, SpeakFlags flags);

signals:
    void queued(int stream, const QString &text);
    // The samples of a stream, this many seconds long, were handed to the
    // sound output.
    void spoken(int stream, double seconds);
    // Synthesis or playback failed after Speak had returned; the voice is
    // disconnected again and the next Speak reconnects.
    void errorOccurred(const QString &message);

private:
    void connectVoice();
    void disconnectVoice();
    void deliver(std::uint64_t generation, int stream, const Samples &samples);
    void fail(std::uint64_t generation, const QString &message);

    SpeechBackend backend_;
    bool connected_ = false;
    std::shared_ptr<SpeechEngine> engine_;
    std::unique_ptr<AudioOutput> output_;
    std::unique_ptr<QThread> thread_;   // synthesises the queued texts in order
    std::unique_ptr<QObject> worker_;   // lives in thread_, receives the jobs
    std::uint64_t generation_ = 0;      // results of an older connection are dropped
    int lastStream_ = 0;
};

} // namespace cx::speech

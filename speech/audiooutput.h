#pragma once
// Where synthesised samples go: the system's sound output, or a capture in
// memory for tests. An output plays what it is given in the order given,
// each piece after the one before.

#include "speech/engine.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace cx::speech {

class AudioOutput : public QObject {
    Q_OBJECT
public:
    // Queues the samples of one spoken text behind what is already playing.
    virtual void play(int stream, const Samples &samples) = 0;

signals:
    // The output stopped working (device removed, sound server gone).
    void failed(const QString &message);
};

// Opens the system's default sound output for 16-bit mono at sampleRate.
// Throws SpeechError when there is no output device or it cannot be opened.
std::unique_ptr<AudioOutput> openSystemOutput(int sampleRate);

// What a capture output was given, kept apart from the output so a test can
// read it after the voice that owned the output is gone.
struct CaptureLog {
    struct Piece {
        int stream;
        Samples samples;
    };
    std::vector<Piece> pieces;
};

class CaptureOutput final : public AudioOutput {
    Q_OBJECT
public:
    explicit CaptureOutput(std::shared_ptr<CaptureLog> log) : log_(std::move(log)) {}
    void play(int stream, const Samples &samples) override;

signals:
    void captured(int stream);

private:
    std::shared_ptr<CaptureLog> log_;
};

} // namespace cx::speech

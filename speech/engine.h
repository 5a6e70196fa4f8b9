#pragma once
// Speech synthesis: text in, 16-bit mono samples out. The engine is shared by
// every voice object of the process (espeak-ng keeps global state): the first
// voice that connects starts it, later ones join it.

#include "speech/speechtext.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace cx::speech {

struct Samples {
    int sampleRate = 0;
    std::vector<std::int16_t> data;

    double seconds() const { return sampleRate ? double(data.size()) / sampleRate : 0.0; }
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Synthesises text in the given language. May be called from any thread;
    // calls are serialised. Throws SpeechError.
    virtual Samples synthesize(const QString &text, std::uint16_t langId) = 0;
    virtual int sampleRate() const = 0;
};

// The espeak-ng engine of this process, started on first use. Throws
// SpeechError when its data or the Mandarin voice cannot be found.
std::shared_ptr<SpeechEngine> connectEspeak();

// The phonemes espeak-ng reads for text in the given language (its own
// mnemonic notation, tones as Chao digits such as 51 for the falling tone).
// Lets a voice be checked without listening to it. Throws SpeechError.
QString espeakPhonemes(const QString &text, std::uint16_t langId);

} // namespace cx::speech

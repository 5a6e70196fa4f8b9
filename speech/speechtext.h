#pragma once
// The text handed to a voice may start with a language tag, as in
// <LANG LANGID="804">汉语 (language 0x0804, Chinese as spoken in the PRC).
// The tag chooses the voice; it is never read aloud.

#include <QLatin1String>
#include <QString>
#include <cstdint>

namespace cx::speech {

// The tag both dictionary windows put before a character or word.
inline constexpr QLatin1String kChineseTag("<LANG LANGID=\"804\">");

inline constexpr std::uint16_t kLangChinesePrc = 0x0804;

struct SpeechText {
    QString text;        // what is to be spoken, without the tag
    std::uint16_t langId; // language of the tag, or the Chinese default
};

// Splits a leading <LANG LANGID="hex"> tag (case and spacing as the markup
// allows; a closing </LANG> at the end is dropped) from the text. A text
// without a tag is Chinese: the dictionary speaks nothing else by default.
SpeechText parseSpeechText(const QString &text);

// The espeak-ng voice for a language: Mandarin for the Chinese languages,
// English for the English ones, Mandarin for any other.
const char *voiceForLanguage(std::uint16_t langId);

} // namespace cx::speech

#include "speech/speechtext.h"

#include <QRegularExpression>

namespace cx::speech {

SpeechText parseSpeechText(const QString &text)
{
    static const QRegularExpression open(
        QStringLiteral(R"(^\s*<\s*LANG\s+LANGID\s*=\s*"([0-9A-Fa-f]{1,4})[^"]*"\s*>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression close(QStringLiteral(R"(<\s*/\s*LANG\s*>\s*$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = open.match(text);
    if (!m.hasMatch())
        return {text, kLangChinesePrc};
    QString rest = text.mid(m.capturedEnd());
    rest.remove(close);
    return {rest, static_cast<std::uint16_t>(m.captured(1).toUShort(nullptr, 16))};
}

const char *voiceForLanguage(std::uint16_t langId)
{
    // The primary language is the low ten bits: 0x04 Chinese, 0x09 English.
    switch (langId & 0x3FF) {
    case 0x09:
        return langId == 0x0809 ? "en" : "en-us";
    default:
        // cmn-latn-pinyin reads hanzi as Mandarin syllables with their tones;
        // the plain cmn voice reads many of them as English words ("han four").
        return "cmn-latn-pinyin";
    }
}

} // namespace cx::speech

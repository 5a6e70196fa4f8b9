#pragma once
#include <QString>
#include <stdexcept>

namespace cx::speech {

// An error of the speech output. Its text is shown to the user as it stands:
// it says what is missing and what the user can do about it.
class SpeechError : public std::runtime_error {
public:
    explicit SpeechError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

} // namespace cx::speech

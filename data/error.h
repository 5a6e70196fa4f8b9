#pragma once
#include <QString>
#include <stdexcept>

namespace cx::data {

// An error of the data-access layer. Its text is shown to the user as it
// stands, so it names the file and says what went wrong in plain words.
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

} // namespace cx::data

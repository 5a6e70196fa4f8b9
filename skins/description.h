#pragma once
// The skin description: a sectioned text ("[Section]" headers, "key=value"
// lines) inside the skin archive, read under these rules: lines trimmed,
// empty lines and ";" comments dropped, sections and keys matched ignoring
// ASCII case, the first matching section and the first matching key decide.

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QList>
#include <optional>

namespace cx::skins {

class SkinDescription
{
public:
    SkinDescription() = default;
    // The text is taken up to its first zero byte.
    explicit SkinDescription(QByteArrayView text);

    // The trimmed value of `key` in `section`; `fallback` when the section or
    // key is missing or the value is empty.
    QByteArray value(QByteArrayView section, QByteArrayView key, QByteArrayView fallback = {}) const;
    // The value read as a number: "0x"/"0X" and at least one more character
    // is hexadecimal, anything else signed decimal; `fallback` when invalid.
    int number(QByteArrayView section, QByteArrayView key, int fallback) const;
    // A colour written as three decimal numbers ("237 235 233").
    QColor colour(QByteArrayView section, QByteArrayView key, const QColor &fallback) const;

    bool hasSection(QByteArrayView section) const { return headerIndex(section) >= 0; }
    const QList<QByteArray> &lines() const { return m_lines; }

private:
    qsizetype headerIndex(QByteArrayView section) const;

    QList<QByteArray> m_lines;      // kept lines, trimmed
    QList<qsizetype> m_headers;     // indexes into m_lines
};

// Reads a number by the description's rules; nullopt when it is not one.
std::optional<int> parseNumber(QByteArrayView text);

} // namespace cx::skins

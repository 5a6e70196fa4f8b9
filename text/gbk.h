#pragma once
// GBK (code page 936) text: all text the dictionary filters, trims, measures
// or converts is handled as GBK bytes; the stores hold UTF-8 and the screen
// holds QString. These helpers are the only bridge between the three.

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace cx::text {

// Bytes of GBK text.
using Gbk = std::string;

// Replacement put where a character cannot be represented in GBK. It is
// visible on screen and in a search ("?" is dropped by the search filter, so
// such a search stops rather than matching something else).
inline constexpr char kGbkReplacement = '?';

struct ConversionReport {
    std::size_t replaced = 0; // characters that could not be converted
};

// UTF-16 (QString) to GBK. Characters outside GBK become kGbkReplacement and
// are counted in report.
Gbk toGbk(const QString &text, ConversionReport *report = nullptr);
Gbk utf8ToGbk(std::string_view utf8, ConversionReport *report = nullptr);

// GBK to UTF-16. A byte sequence that is not GBK becomes U+FFFD, one per
// undecodable byte, and is counted in report.
QString fromGbk(std::string_view gbk, ConversionReport *report = nullptr);
std::string gbkToUtf8(std::string_view gbk, ConversionReport *report = nullptr);

// Removes leading and trailing bytes of value 0x20 or below.
std::string_view trimmed(std::string_view bytes);
QString trimmed(const QString &text); // the same rule on the GBK form

// True when b starts a double-byte character (any byte of 0x80 or above).
inline bool isLeadByte(unsigned char b) { return b >= 0x80; }

// Length in bytes of the GBK form of text.
std::size_t gbkLength(const QString &text);

} // namespace cx::text

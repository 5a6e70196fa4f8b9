#pragma once
#include "text/gbk.h"

#include <QString>
#include <string_view>

namespace cx::data {

// The search-input filter: keeps the double-byte characters of GBK text and
// drops every single-byte one (letters, digits, blanks, punctuation, quotes,
// "%"). A double-byte character is kept whole even when its second byte is
// below 0x80, so the result never holds a broken lead byte; a lead byte with
// nothing after it is dropped.
text::Gbk KeepDoubleByte(std::string_view gbk);
QString KeepDoubleByte(const QString &text);

// True when the GBK text holds at least one double-byte character: its
// UTF-16 form has fewer code units than it has bytes. False for "".
bool HasDoubleByte(std::string_view gbk);
bool HasDoubleByte(const QString &text);

} // namespace cx::data

#pragma once
#include <QString>

namespace cx::stores {

// A CJK unified or compatibility ideograph, or 〇.
inline bool isHanzi(char32_t c)
{
    return c == 0x3007 || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// Punctuation that a word of the word store may hold between its hanzi
// (the parts of a saying, the dot of a foreign name).
inline bool isWordPunctuation(char32_t c)
{
    return c == U'，' || c == U'、' || c == U'·' || c == U'；';
}

} // namespace cx::stores

#pragma once
// The character code table and the conversion of a GBK text into pinyin,
// Wubi codes or their initials.
//
// The table is GBK text, one line per character reading:
//   simplified(2) traditional(2) ① pinyin ② wubi ③ pinyin-initial ④ wubi-initial
// ending with CR LF. The application reads only the copy embedded in the
// executable; other tables of the same format can be read for maintenance.

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cx::chartable
{

// Which field of a line to extract. Values outside 1..4 are allowed and
// extract nothing: every double-byte character then yields a single blank.
enum class CodeField : int { Pinyin = 1, Wubi = 2, PinyinInitial = 3, WubiInitial = 4 };

// The lines of a table in file order, without line ends, duplicates kept.
// Besides the lines it holds, for every two-byte key, the result of the
// first-match walk, so a lookup costs one array access; the results are
// exactly those of LookupCharField over lines().
class CharCodeTable
{
public:
    CharCodeTable() = default;

    // Takes bytes up to the first zero byte and splits them at CR LF, lone
    // CR or lone LF; a line end at the very end adds no empty line.
    static CharCodeTable fromBytes(std::string_view bytes);

    // The table embedded in the executable, parsed on first use and kept:
    // it never changes while the program runs. Empty if the resource is
    // missing (every double-byte character then converts to a blank).
    static const CharCodeTable &embedded();

    const std::vector<std::string> &lines() const { return lines_; }

    // The same as LookupCharField(*this, key, field) for a two-byte key
    // whose first byte is 0x80 or above: the field followed by one blank.
    std::string_view lookup(unsigned char lead, unsigned char trail, CodeField field) const;

private:
    // Index of the first line whose bytes 1-2 or 3-4 (stripped) equal the key
    // lead*256+trail, for lead bytes 0x80..0xFF; kNoLine when none does.
    static constexpr std::uint32_t kNoLine = UINT32_MAX;
    std::vector<std::uint32_t> firstLine_;
    // The four fields of every line, each with its blank appended, plus one
    // row for "not found" (the last line, or a lone blank for an empty table).
    std::vector<std::array<std::string, 4>> fields_;
    std::vector<std::string> lines_;
};

// The plain first-match walk over the table's lines: the chosen field of the
// first line whose stripped bytes 1-2 or 3-4 equal key, stripped, with one
// blank appended; the last line when none matches. `key` is not stripped.
std::string LookupCharField(const CharCodeTable &table, std::string_view key, CodeField field);

// The codes of text: every double-byte character (a byte of 0x80 or above
// and the byte after it, whatever that is; a zero byte when the text ends)
// replaced by its field and one blank, single-byte characters copied, and
// the whole stripped of bytes of 0x20 or below at both ends. GBK in, GBK out.
std::string ConvertText(std::string_view gbk, CodeField field);
std::string ConvertText(const CharCodeTable &table, std::string_view gbk, CodeField field);

// The same on the GBK form of text, for screen-side callers.
QString ConvertText(const QString &text, CodeField field);

// ConvertText computed with LookupCharField for every character instead of
// the index: the reference the index is checked and measured against.
std::string ConvertTextByWalk(const CharCodeTable &table, std::string_view gbk, CodeField field);

} // namespace cx::chartable

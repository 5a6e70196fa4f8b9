#include "chartable/chartable.h"

#include "text/gbk.h"

#include <QFile>

// Resources of a static library are registered only when something names
// their initialiser; it has to be called outside any namespace.
static void initChartableResources()
{
    Q_INIT_RESOURCE(chartable);
}

namespace cx::chartable
{
namespace
{

constexpr std::string_view kSeparators[4] = {"\xA2\xD9", "\xA2\xDA", "\xA2\xDB", "\xA2\xDC"}; // ① ② ③ ④
constexpr std::size_t kLeadBytes = 0x80;

std::string_view part(std::string_view line, std::size_t from, std::size_t count)
{
    return from >= line.size() ? std::string_view() : line.substr(from, count);
}

// Field 1..4 of a line, stripped, with one blank appended. Separators are
// found walking whole characters from the first byte, so a trail byte A2
// followed by a lead byte D9..DC is no separator. A line lacking a field's
// closing separator gives that field up to the end of the line; one lacking
// the opening separator, or with separators out of order, gives nothing.
std::string extractField(std::string_view line, CodeField field)
{
    const int n = static_cast<int>(field);
    std::string out;
    if (n >= 1 && n <= 4) {
        std::size_t pos[4] = {std::string_view::npos, std::string_view::npos, std::string_view::npos,
                              std::string_view::npos};
        for (std::size_t i = 0; i < line.size();) {
            const std::size_t width = text::isLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
            const std::string_view ch = line.substr(i, width);
            for (int s = 0; s < 4; ++s)
                if (pos[s] == std::string_view::npos && ch == kSeparators[s])
                    pos[s] = i;
            i += width;
        }
        if (pos[n - 1] != std::string_view::npos) {
            const std::size_t start = pos[n - 1] + 2;
            const std::size_t end = (n < 4 && pos[n] != std::string_view::npos) ? pos[n] : line.size();
            if (end >= start)
                for (char c : line.substr(start, end - start))
                    if (c != '\0')
                        out += c;
        }
    }
    out = std::string(text::trimmed(out));
    out += ' ';
    return out;
}

bool keyMatches(std::string_view line, std::string_view key)
{
    return text::trimmed(part(line, 0, 2)) == key || text::trimmed(part(line, 2, 2)) == key;
}

std::size_t keyIndex(unsigned char lead, unsigned char trail)
{
    return (lead - kLeadBytes) * 256 + trail;
}

template <class Lookup> std::string convert(std::string_view gbk, Lookup &&lookup)
{
    std::string acc;
    acc.reserve(gbk.size() * 3);
    for (std::size_t i = 0; i < gbk.size();) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (!text::isLeadByte(b)) {
            acc += static_cast<char>(b);
            ++i;
            continue;
        }
        // The byte after a lead byte belongs to the character whatever it is.
        const auto trail = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        acc += lookup(b, trail);
        i += 2;
    }
    const std::string_view kept = text::trimmed(acc);
    return std::string(kept);
}

} // namespace

CharCodeTable CharCodeTable::fromBytes(std::string_view bytes)
{
    CharCodeTable t;
    bytes = bytes.substr(0, bytes.find('\0'));
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        t.lines_.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        t.lines_.emplace_back(bytes.substr(start));

    t.firstLine_.assign(kLeadBytes * 256, kNoLine);
    for (std::uint32_t i = 0; i < t.lines_.size(); ++i) {
        const std::string_view line = t.lines_[i];
        for (std::string_view key : {text::trimmed(part(line, 0, 2)), text::trimmed(part(line, 2, 2))}) {
            if (key.size() != 2 || !text::isLeadByte(static_cast<unsigned char>(key[0])))
                continue; // no lookup key (always a lead byte and one more) can equal it
            auto &slot = t.firstLine_[keyIndex(static_cast<unsigned char>(key[0]),
                                               static_cast<unsigned char>(key[1]))];
            if (slot == kNoLine)
                slot = i;
        }
    }
    // The fields of every line, and after them the "not found" row: the
    // fields of the last line (of nothing for an empty table).
    t.fields_.resize(t.lines_.size() + 1);
    for (std::size_t i = 0; i < t.fields_.size(); ++i) {
        const std::string_view line = i < t.lines_.size() ? std::string_view(t.lines_[i])
                                      : t.lines_.empty()  ? std::string_view()
                                                          : std::string_view(t.lines_.back());
        for (int f = 0; f < 4; ++f)
            t.fields_[i][f] = extractField(line, static_cast<CodeField>(f + 1));
    }
    return t;
}

const CharCodeTable &CharCodeTable::embedded()
{
    static const CharCodeTable table = [] {
        initChartableResources();
        QFile f(QStringLiteral(":/chartable/mywb"));
        if (!f.open(QIODevice::ReadOnly))
            return CharCodeTable::fromBytes({});
        const QByteArray bytes = f.readAll();
        return CharCodeTable::fromBytes(std::string_view(bytes.constData(), bytes.size()));
    }();
    return table;
}

std::string_view CharCodeTable::lookup(unsigned char lead, unsigned char trail, CodeField field) const
{
    const int f = static_cast<int>(field);
    if (f < 1 || f > 4 || lead < kLeadBytes)
        return " ";
    const std::uint32_t line = firstLine_[keyIndex(lead, trail)];
    return fields_[line == kNoLine ? lines_.size() : line][f - 1];
}

std::string LookupCharField(const CharCodeTable &table, std::string_view key, CodeField field)
{
    const auto &lines = table.lines();
    for (const std::string &line : lines)
        if (keyMatches(line, key))
            return extractField(line, field);
    return extractField(lines.empty() ? std::string_view() : std::string_view(lines.back()), field);
}

std::string ConvertText(const CharCodeTable &table, std::string_view gbk, CodeField field)
{
    return convert(gbk,
                   [&](unsigned char lead, unsigned char trail) { return table.lookup(lead, trail, field); });
}

std::string ConvertText(std::string_view gbk, CodeField field)
{
    return ConvertText(CharCodeTable::embedded(), gbk, field);
}

QString ConvertText(const QString &text, CodeField field)
{
    return text::fromGbk(ConvertText(text::toGbk(text), field));
}

std::string ConvertTextByWalk(const CharCodeTable &table, std::string_view gbk, CodeField field)
{
    return convert(gbk, [&](unsigned char lead, unsigned char trail) {
        const char key[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        return LookupCharField(table, std::string_view(key, 2), field);
    });
}

} // namespace cx::chartable

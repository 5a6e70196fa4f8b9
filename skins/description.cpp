#include "skins/description.h"

#include "skins/archive.h"
#include "text/gbk.h"

#include <charconv>

namespace cx::skins {
namespace {

QByteArrayView trim(QByteArrayView s)
{
    const std::string_view t = cx::text::trimmed(std::string_view(s.data(), size_t(s.size())));
    return QByteArrayView(t.data(), qsizetype(t.size()));
}

bool isHeader(QByteArrayView line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

} // namespace

SkinDescription::SkinDescription(QByteArrayView text)
{
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        text = text.first(zero);
    for (const QByteArray &raw : splitLines(text)) {
        const QByteArrayView line = trim(raw);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (isHeader(line))
            m_headers.append(m_lines.size());
        m_lines.append(line.toByteArray());
    }
}

qsizetype SkinDescription::headerIndex(QByteArrayView section) const
{
    const QByteArray wanted = asciiLower(QByteArray("[") + section.toByteArray() + "]");
    for (qsizetype h : m_headers)
        if (asciiLower(m_lines[h]) == wanted)
            return h;
    return -1;
}

QByteArray SkinDescription::value(QByteArrayView section, QByteArrayView key, QByteArrayView fallback) const
{
    const qsizetype h = headerIndex(section);
    if (h < 0)
        return fallback.toByteArray();
    const QByteArray wanted = asciiLower(key);
    for (qsizetype i = h + 1; i < m_lines.size(); ++i) {
        const QByteArrayView line = m_lines[i];
        if (isHeader(line))
            break;
        const qsizetype eq = line.indexOf('=');
        const QByteArrayView lineKey = eq < 0 ? QByteArrayView() : trim(line.first(eq));
        if (asciiLower(lineKey) != wanted)
            continue;
        const QByteArrayView v = trim(line.sliced(eq + 1));
        return v.isEmpty() ? fallback.toByteArray() : v.toByteArray();
    }
    return fallback.toByteArray();
}

std::optional<int> parseNumber(QByteArrayView text)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hexadecimal holds 32 bits: 0xFFFFFFFF is -1.
        unsigned v = 0;
        const auto r = std::from_chars(begin + 2, end, v, 16);
        if (r.ec != std::errc() || r.ptr != end)
            return std::nullopt;
        return int(v);
    }
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-')
            return std::nullopt;
    }
    int v = 0;
    const auto r = std::from_chars(begin, end, v, 10);
    if (begin == end || r.ec != std::errc() || r.ptr != end)
        return std::nullopt;
    return v;
}

int SkinDescription::number(QByteArrayView section, QByteArrayView key, int fallback) const
{
    return parseNumber(value(section, key)).value_or(fallback);
}

QColor SkinDescription::colour(QByteArrayView section, QByteArrayView key, const QColor &fallback) const
{
    const QList<QByteArray> parts = value(section, key).simplified().split(' ');
    if (parts.size() != 3)
        return fallback;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> v = parseNumber(parts[i]);
        if (!v || *v < 0 || *v > 255)
            return fallback;
        rgb[i] = *v;
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}

} // namespace cx::skins

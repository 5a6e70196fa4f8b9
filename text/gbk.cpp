#include "text/gbk.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace cx::text {
namespace {

// One converter per direction, opened once: iconv_open costs far more than
// the short texts the dictionary converts.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts in; on an unconvertible or invalid input unit of `unit` bytes,
    // appends `replacement`, skips the unit and counts it.
    std::string run(std::string_view in, std::size_t unit, std::string_view replacement,
                    ConversionReport *report) const
    {
        std::string out;
        out.reserve(in.size() * 2);
        char buf[1024];
        char *src = const_cast<char *>(in.data());
        std::size_t left = in.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (left > 0) {
            char *dst = buf;
            std::size_t room = sizeof buf;
            std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, dst - buf);
            if (rc != static_cast<std::size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (truncated sequence at the end): replace one unit.
            std::size_t skip = std::min(unit, left);
            src += skip;
            left -= skip;
            out.append(replacement);
            if (report)
                ++report->replaced;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

const Converter &utf8ToGbkConv()
{
    static const Converter c("GBK", "UTF-8");
    return c;
}
const Converter &gbkToUtf8Conv()
{
    static const Converter c("UTF-8", "GBK");
    return c;
}

// Length of the UTF-8 sequence starting with b (1 for stray bytes).
std::size_t utf8Unit(unsigned char b)
{
    if (b >= 0xF0 && b < 0xF8)
        return 4;
    if (b >= 0xE0)
        return 3;
    if (b >= 0xC0)
        return 2;
    return 1;
}

} // namespace

Gbk utf8ToGbk(std::string_view utf8, ConversionReport *report)
{
    ConversionReport whole;
    Gbk out = utf8ToGbkConv().run(utf8, 1, std::string_view(), &whole);
    if (whole.replaced == 0)
        return out;
    // Some character is not in GBK: redo it one UTF-8 character at a time so
    // that each such character becomes exactly one replacement. Only bad
    // input takes this path.
    out.clear();
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t n = std::min(utf8Unit(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        ConversionReport one;
        Gbk c = utf8ToGbkConv().run(utf8.substr(at, n), n, std::string_view(), &one);
        if (one.replaced) {
            out += kGbkReplacement;
            if (report)
                ++report->replaced;
        } else {
            out += c;
        }
        at += n;
    }
    return out;
}

Gbk toGbk(const QString &text, ConversionReport *report)
{
    const QByteArray u8 = text.toUtf8();
    return utf8ToGbk(std::string_view(u8.constData(), u8.size()), report);
}

std::string gbkToUtf8(std::string_view gbk, ConversionReport *report)
{
    return gbkToUtf8Conv().run(gbk, 1, "\xEF\xBF\xBD", report);
}

QString fromGbk(std::string_view gbk, ConversionReport *report)
{
    const std::string u8 = gbkToUtf8(gbk, report);
    return QString::fromUtf8(u8.data(), static_cast<qsizetype>(u8.size()));
}

std::string_view trimmed(std::string_view bytes)
{
    std::size_t b = 0, e = bytes.size();
    while (b < e && static_cast<unsigned char>(bytes[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(bytes[e - 1]) <= 0x20)
        --e;
    return bytes.substr(b, e - b);
}

QString trimmed(const QString &text)
{
    // Every byte ≤ 0x20 is a control or blank in both GBK and UTF-16, so the
    // rule can run on the characters directly: no round trip needed.
    qsizetype b = 0, e = text.size();
    while (b < e && text.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && text.at(e - 1).unicode() <= 0x20)
        --e;
    return text.mid(b, e - b);
}

std::size_t gbkLength(const QString &text)
{
    return toGbk(text).size();
}

} // namespace cx::text

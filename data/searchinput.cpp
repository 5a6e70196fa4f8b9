#include "data/searchinput.h"

namespace cx::data {

text::Gbk KeepDoubleByte(std::string_view gbk)
{
    text::Gbk out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        if (!text::isLeadByte(static_cast<unsigned char>(gbk[i])))
            continue;
        if (i + 1 < gbk.size()) {
            out += gbk[i];
            out += gbk[i + 1];
        }
        ++i;
    }
    return out;
}

QString KeepDoubleByte(const QString &text)
{
    return text::fromGbk(KeepDoubleByte(text::toGbk(text)));
}

bool HasDoubleByte(std::string_view gbk)
{
    return std::size_t(text::fromGbk(gbk).size()) != gbk.size();
}

bool HasDoubleByte(const QString &text)
{
    return HasDoubleByte(text::toGbk(text));
}

} // namespace cx::data

// A skin description of any bytes, asked for any section and key.

#include "harness.h"
#include "skins/description.h"

using namespace cx::skins;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    cx::fuzz::Input in(data, size);
    const std::string_view section = in.piece(24);
    const std::string_view key = in.piece(24);
    const std::string_view text = in.rest();
    const SkinDescription d(QByteArrayView(text.data(), qsizetype(text.size())));
    const QByteArrayView s(section.data(), qsizetype(section.size()));
    const QByteArrayView k(key.data(), qsizetype(key.size()));

    const QByteArray v = d.value(s, k, "fallback");
    CX_FUZZ_CHECK(!v.isEmpty());
    CX_FUZZ_CHECK(v == v.trimmed() || v == "fallback");
    CX_FUZZ_CHECK(!v.contains('\n') && !v.contains('\r') && !v.contains('\0'));
    d.hasSection(s);
    const int n = d.number(s, k, 7);
    const QColor c = d.colour(s, k, Qt::black);
    CX_FUZZ_CHECK(c.isValid());

    // A number the reader accepts is the number it spells.
    if (const std::optional<int> p = parseNumber(v))
        CX_FUZZ_CHECK(*p == n);
    else
        CX_FUZZ_CHECK(n == 7);
    return 0;
}

// Search input and GBK text of any bytes: the filter keeps whole double-byte
// characters only, the test agrees with it, and conversions never lose or
// garble text that is valid GBK.

#include "harness.h"
#include "data/searchinput.h"
#include "text/gbk.h"

using namespace cx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // The byte form: pairs, each led by a byte of 0x80 or above, in order.
    const text::Gbk kept = data::KeepDoubleByte(bytes);
    CX_FUZZ_CHECK(kept.size() % 2 == 0 && kept.size() <= bytes.size());
    for (std::size_t i = 0; i < kept.size(); i += 2)
        CX_FUZZ_CHECK(text::isLeadByte(static_cast<unsigned char>(kept[i])));
    CX_FUZZ_CHECK(data::KeepDoubleByte(kept) == kept);
    data::HasDoubleByte(bytes);

    // GBK to UTF-16 and back: valid GBK comes back byte for byte.
    text::ConversionReport report;
    const QString wide = text::fromGbk(bytes, &report);
    CX_FUZZ_CHECK(text::gbkToUtf8(bytes) == wide.toStdString());
    if (report.replaced == 0) {
        text::ConversionReport back;
        CX_FUZZ_CHECK(text::toGbk(wide, &back) == bytes);
        CX_FUZZ_CHECK(back.replaced == 0);
    }
    text::utf8ToGbk(bytes);

    // The screen form: what the filter leaves holds no single-byte character,
    // and the test says there is something exactly when something is left.
    const QString typed = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    const QString filtered = data::KeepDoubleByte(typed);
    for (const QChar c : filtered)
        CX_FUZZ_CHECK(c.unicode() >= 0x80);
    CX_FUZZ_CHECK(data::HasDoubleByte(filtered) == !filtered.isEmpty());
    CX_FUZZ_CHECK(data::KeepDoubleByte(filtered) == filtered);

    // Trimming the screen form is trimming the GBK form.
    CX_FUZZ_CHECK(text::toGbk(text::trimmed(typed)) == text::trimmed(text::toGbk(typed)));
    CX_FUZZ_CHECK(text::gbkLength(typed) == text::toGbk(typed).size());
    return 0;
}

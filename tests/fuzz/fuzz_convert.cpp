// ConvertText over any text with any small table and any field: the index
// gives exactly what the plain walk over the lines gives.

#include "harness.h"
#include "chartable/chartable.h"

using namespace cx::chartable;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    cx::fuzz::Input in(data, size);
    const auto field = static_cast<CodeField>(int(in.byte() % 7) - 1); // -1..5, some outside 1..4
    const std::string_view tableBytes = in.piece(255);
    const std::string_view text = in.rest();

    const CharCodeTable table = CharCodeTable::fromBytes(tableBytes);
    CX_FUZZ_CHECK(ConvertText(table, text, field) == ConvertTextByWalk(table, text, field));
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80)
            continue;
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        CX_FUZZ_CHECK(table.lookup(lead, trail, field) == LookupCharField(table, text.substr(i, 2), field));
    }

    // The embedded table, on one character (the walk over its lines is slow).
    const std::string_view one = text.substr(0, 2);
    CX_FUZZ_CHECK(ConvertText(one, field) == ConvertTextByWalk(CharCodeTable::embedded(), one, field));
    return 0;
}

// The sections of an idiom description from any text and any separator:
// runs of separators collapse without losing a character of the text, and
// fields are taken off exactly.

#include "harness.h"
#include "windows/descriptsections.h"

using namespace cx::windows;

namespace {

QString withoutSeparators(QString text, QChar sep)
{
    text.remove(sep);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    cx::fuzz::Input in(data, size);
    const std::uint8_t choice = in.byte();
    const std::string_view rest = in.rest();
    const QString text = QString::fromUtf8(rest.data(), qsizetype(rest.size()));
    // Mostly the description's own separator, sometimes a character of the text.
    const QChar sep = (choice & 3) || text.isEmpty() ? kSectionSeparator : text.at(choice % text.size());

    const QString collapsed = CollapseSeparators(text, sep);
    CX_FUZZ_CHECK(withoutSeparators(collapsed, sep) == withoutSeparators(text, sep));
    CX_FUZZ_CHECK(collapsed.isEmpty() == withoutSeparators(text, sep).isEmpty());
    if (!collapsed.isEmpty()) {
        CX_FUZZ_CHECK(collapsed.front() != sep && collapsed.back() == sep);
        CX_FUZZ_CHECK(!collapsed.contains(QString(2, sep)));
    }
    CX_FUZZ_CHECK(CollapseSeparators(collapsed, sep) == collapsed);

    QString work = text;
    const QString field = TakeField(work, sep);
    if (text.contains(sep)) {
        CX_FUZZ_CHECK(field + sep + work == text);
        CX_FUZZ_CHECK(!field.contains(sep));
    } else {
        CX_FUZZ_CHECK(field.isEmpty() && work == text);
    }

    const std::optional<QString> caption = DescriptionCaption(text);
    CX_FUZZ_CHECK(caption.has_value() == !CollapseSeparators(text, kSectionSeparator).isEmpty());
    if (caption) {
        CX_FUZZ_CHECK(!caption->contains(kSectionSeparator));
        CX_FUZZ_CHECK(caption->count(kSectionJoint) >= kDescriptionSections - 1);
        CX_FUZZ_CHECK(!CaptionLines(*caption).contains(QLatin1Char('\r')));
    }
    return 0;
}

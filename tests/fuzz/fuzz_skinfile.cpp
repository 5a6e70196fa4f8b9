// A skin file of any bytes: refused with a reason, or read into entries that
// lie inside the decoded archive; every description in it reads safely.

#include "harness.h"
#include "skins/archive.h"
#include "skins/description.h"

#include <QtEndian>

using namespace cx::skins;

namespace {

void readDescription(const QByteArray &text)
{
    const SkinDescription d(text);
    for (const QByteArray &line : d.lines()) {
        if (line.startsWith('[') && line.endsWith(']')) {
            const QByteArray section = line.mid(1, line.size() - 2);
            CX_FUZZ_CHECK(d.hasSection(section));
            d.value(section, "Image", "x");
            d.number(section, "Frame", 1);
            d.colour(section, "Colour", QColor());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView file(reinterpret_cast<const char *>(data), qsizetype(size));
    // The first byte chooses between a skin file and an already decoded
    // archive: the decoder then does not stand between the fuzzer and the
    // archive's tables.
    SkinArchive archive;
    QString error;
    if (file.isEmpty())
        return 0;
    bool ok;
    if (file[0] & 1) {
        ok = archive.loadArchive(file.sliced(1), &error);
    } else {
        // A length up to the limit only adds zeros decoded past the end of
        // the stream, at a cost the fuzzer would pay on every run: lengths
        // above 256 KiB and within the limit are folded below it.
        QByteArray skin = file.sliced(1).toByteArray();
        if (skin.size() >= 4) {
            quint32 length = qFromLittleEndian<quint32>(skin.constData());
            if (length > (1u << 18) && length <= quint32(kMaxArchiveBytes))
                qToLittleEndian<quint32>(length % (1u << 18), skin.data());
        }
        ok = archive.load(skin, &error);
    }
    if (!ok) {
        CX_FUZZ_CHECK(!error.isEmpty());
        CX_FUZZ_CHECK(archive.isEmpty());
        return 0;
    }
    CX_FUZZ_CHECK(archive.count() <= kMaxEntries);
    for (int i = 0; i < archive.count(); ++i) {
        CX_FUZZ_CHECK(archive.content(i).size() == archive.size(i));
        readDescription(archive.content(i));
        if (archive.names().at(i).endsWith(".bmp"))
            archive.bitmap(archive.storedNames().at(i));
    }
    archive.findContaining(".ini");
    return 0;
}

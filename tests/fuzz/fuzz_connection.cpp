// A connection string of any text: refused with a DataError, or parsed into
// settings the store can use.

#include "harness.h"
#include "data/connection.h"
#include "data/error.h"

using namespace cx::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const ConnectionSettings s = parseConnectionString(text);
        CX_FUZZ_CHECK(s.provider.compare(QLatin1String("Microsoft.Jet.OLEDB.4.0"), Qt::CaseInsensitive) == 0);
        CX_FUZZ_CHECK(!s.dataSource.isEmpty());
        CX_FUZZ_CHECK(!s.filePath().contains(QLatin1Char('\\')));
        CX_FUZZ_CHECK(s.filePath().size() == s.dataSource.size());
    } catch (const DataError &e) {
        CX_FUZZ_CHECK(!e.message().isEmpty());
    }
    return 0;
}

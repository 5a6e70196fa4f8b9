// A statement of any text in the windows' dialect: refused with a DataError,
// or translated so that every literal is a bound parameter. Writing the
// parameters back as literals gives a statement that translates the same.

#include "harness.h"
#include "data/error.h"
#include "data/jet.h"

using namespace cx::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString statement = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    TranslatedStatement t;
    try {
        t = translateJet(statement);
    } catch (const DataError &e) {
        CX_FUZZ_CHECK(!e.message().isEmpty());
        return 0;
    }
    // Outside bracketed names no quote is left: nothing the literals held
    // reaches the engine as statement text.
    bool inName = false;
    qsizetype marks = 0;
    for (const QChar c : t.sql) {
        if (inName) {
            inName = c != QLatin1Char(']');
            continue;
        }
        if (c == QLatin1Char('['))
            inName = true;
        CX_FUZZ_CHECK(c != QLatin1Char('"') && c != QLatin1Char('\''));
        marks += c == QLatin1Char('?');
    }
    if (statement.contains(QLatin1Char('?')))
        return 0; // a mark of the statement's own cannot be told from a literal's
    CX_FUZZ_CHECK(marks == t.parameters.size());

    QString rebuilt;
    qsizetype next = 0;
    inName = false;
    for (const QChar c : t.sql) {
        if (!inName && c == QLatin1Char('?')) {
            QString literal = t.parameters.at(next++);
            literal.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            rebuilt += QLatin1Char('"') + literal + QLatin1Char('"');
            continue;
        }
        inName = inName ? c != QLatin1Char(']') : c == QLatin1Char('[');
        rebuilt += c;
    }
    const TranslatedStatement again = translateJet(rebuilt);
    CX_FUZZ_CHECK(again.parameters == t.parameters);
    CX_FUZZ_CHECK(again.sql.simplified() == t.sql.simplified());
    return 0;
}

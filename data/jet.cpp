#include "data/jet.h"

#include "data/error.h"

namespace cx::data {

TranslatedStatement translateJet(const QString &statement)
{
    TranslatedStatement out;
    out.sql.reserve(statement.size());
    const qsizetype n = statement.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            QString literal;
            qsizetype j = i + 1;
            bool closed = false;
            for (; j < n; ++j) {
                if (statement.at(j) == c) {
                    if (j + 1 < n && statement.at(j + 1) == c) {
                        literal += c;
                        ++j;
                        continue;
                    }
                    closed = true;
                    break;
                }
                literal += statement.at(j);
            }
            if (!closed)
                throw DataError(QStringLiteral("语句中的字符串没有结束：%1").arg(statement));
            out.parameters << literal;
            // Blanks around the placeholder keep it apart from the words
            // around it ("%马%"or descript … is written without a blank).
            out.sql += QStringLiteral(" ? ");
            i = j;
        } else if (c == QLatin1Char('[')) {
            // A bracketed name is passed on as it stands: the engine reads
            // [name] the same way.
            const qsizetype close = statement.indexOf(QLatin1Char(']'), i);
            if (close < 0)
                throw DataError(QStringLiteral("语句中的方括号没有结束：%1").arg(statement));
            out.sql += statement.mid(i, close - i + 1);
            i = close;
        } else {
            out.sql += c;
        }
    }
    return out;
}

} // namespace cx::data

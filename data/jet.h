#pragma once
#include <QString>
#include <QStringList>

namespace cx::data {

// A statement in the store engine's own dialect, with the text literals of
// the original taken out as bound parameters.
struct TranslatedStatement {
    QString sql;
    QStringList parameters;
};

// Translates a statement written in the Jet dialect the windows use: Chinese
// table names without quotes, text literals in double quotes (a doubled
// double quote inside stands for one) or single quotes, `like` with "%".
// Every literal becomes a bound parameter, so no value can change the shape
// of the statement. Throws DataError on an unterminated literal.
TranslatedStatement translateJet(const QString &statement);

} // namespace cx::data

#pragma once
#include <QString>

namespace cx::data {

// The parts of a connection string the stores understand, e.g.
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=dat\lxwd.dat;Mode=Share Deny
// Read|Share Deny Write;Persist Security Info=False;Jet OLEDB:Database Password=…"
struct ConnectionSettings {
    QString provider;
    QString dataSource;  // as written, backslashes and all
    QString mode;        // empty when not given
    QString password;    // empty when not given
    bool exclusive = false; // other processes may neither read nor write

    // The data source as a path of this system: backslashes become slashes;
    // a relative path stays relative to the working directory.
    QString filePath() const;
};

// Parses a connection string; throws DataError on an unknown provider, a
// missing data source, an unknown share mode or a malformed pair.
ConnectionSettings parseConnectionString(const QString &text);

} // namespace cx::data

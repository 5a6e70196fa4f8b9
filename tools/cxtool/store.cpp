// cxtool store query / store info: reading a store from the command line.
// Errors of the data-access layer reach main(), which prints them and exits 1.
#include "cxtool/command.h"

#include "data/connection.h"
#include "data/store.h"

namespace
{

cx::data::ConnectionSettings settingsFor(const QString &file, const QString &password)
{
    cx::data::ConnectionSettings s;
    s.provider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
    s.dataSource = file;
    s.password = password;
    s.exclusive = true;
    return s;
}

int storeQuery(const QStringList &args)
{
    if (args.size() != 3) {
        cxtool::err(QStringLiteral("usage: cxtool store query FILE PASSWORD STATEMENT"));
        return 2;
    }
    cx::data::StoreConnection store(settingsFor(args[0], args[1]));
    const cx::data::ResultSet r = store.select(args[2]);
    cxtool::out(r.fields.join(QLatin1Char('\t')));
    for (int row = 0; row < r.rowCount(); ++row) {
        QStringList cells;
        for (int c = 0; c < r.fields.size(); ++c) {
            // Keep one row per line: line breaks inside values are escaped.
            QString v = r.at(row, c);
            v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
            v.replace(QLatin1Char('\t'), QLatin1String("\\t"));
            v.replace(QLatin1Char('\r'), QLatin1String("\\r"));
            v.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            cells << v;
        }
        cxtool::out(cells.join(QLatin1Char('\t')));
    }
    return 0;
}

int storeInfo(const QStringList &args)
{
    if (args.size() != 2) {
        cxtool::err(QStringLiteral("usage: cxtool store info FILE PASSWORD"));
        return 2;
    }
    cx::data::StoreConnection store(settingsFor(args[0], args[1]));
    for (const QString &t : store.tables()) {
        const cx::data::ResultSet r = store.select(QStringLiteral("select count(*) from [%1]").arg(t));
        cxtool::out(t + QLatin1Char('\t') + r.at(0, 0));
    }
    return 0;
}

cxtool::Registration query{
    {QStringLiteral("store query"), QStringLiteral("FILE PASSWORD STATEMENT"), storeQuery}};
cxtool::Registration info{{QStringLiteral("store info"), QStringLiteral("FILE PASSWORD"), storeInfo}};

} // namespace

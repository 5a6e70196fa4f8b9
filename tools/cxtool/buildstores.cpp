// cxtool build-stores: builds the five stores from the open data, or loads a
// user's own collection file into one of them.
#include "cxtool/command.h"

#include "stores/builder.h"

#include <QElapsedTimer>
#include <QLocale>

namespace
{

const QString kUsage = QStringLiteral(
    "usage: cxtool build-stores [--out DIR] [--data DIR] [--starter DIR]\n"
    "       cxtool build-stores --import TABLE FILE [--append] [--out DIR] [--data DIR] [--starter DIR]");

int buildStores(const QStringList &args)
{
    QString out = QStringLiteral("dat");
    QString dataDir = QStringLiteral(CX_STORES_DATA_DIR);
    QString starterDir;
    QString table, file;
    bool append = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--out") && hasValue)
            out = args[++i];
        else if (a == QLatin1String("--data") && hasValue)
            dataDir = args[++i];
        else if (a == QLatin1String("--starter") && hasValue)
            starterDir = args[++i];
        else if (a == QLatin1String("--import") && i + 2 < args.size()) {
            table = args[++i];
            file = args[++i];
        } else if (a == QLatin1String("--append"))
            append = true;
        else {
            cxtool::err(kUsage);
            return 2;
        }
    }
    if (append && table.isEmpty()) {
        cxtool::err(kUsage);
        return 2;
    }
    if (starterDir.isEmpty())
        starterDir = dataDir + QStringLiteral("/starter");

    cx::stores::BuildOptions options;
    options.outDir = out;
    options.sources = cx::stores::SourcePaths::defaults(dataDir + QStringLiteral("/node_modules"), starterDir);
    options.progress = [](const QString &line) { cxtool::out(line); };
    if (!table.isEmpty()) {
        options.stores = cx::stores::storeOfTable(table);
        if (options.stores == 0 || options.stores == cx::stores::kStrokeStore) {
            cxtool::err(QStringLiteral("build-stores: no collection file can fill table “%1” (tables: cylib, hzlib, "
                                       "成语, 歇后语, 灯谜, wylib, fyclib)")
                            .arg(table));
            return 2;
        }
        const int n = cx::stores::saveImport(out, table, file, append);
        cxtool::out(QStringLiteral("%1: %2 entries saved under %3/import; rebuilding its store")
                        .arg(table)
                        .arg(n)
                        .arg(out));
    }

    QElapsedTimer clock;
    clock.start();
    const cx::stores::BuildReport report = cx::stores::buildStores(options);
    for (const QString &r : report.remarks)
        cxtool::out(r);
    cxtool::out(QStringLiteral("rows:"));
    const QLocale c = QLocale::c();
    for (const auto &t : report.tables)
        cxtool::out(QStringLiteral("  %1\t%2\t%3").arg(t.file, t.table, c.toString(t.rows)));
    if (options.stores & cx::stores::kStrokeStore)
        cxtool::out(QStringLiteral("  %1/hzbs/\t%2 stroke files").arg(out).arg(c.toString(report.strokeFiles)));
    cxtool::out(QStringLiteral("built in %1 s").arg(clock.elapsed() / 1000.0, 0, 'f', 1));
    return 0;
}

cxtool::Registration buildStoresCommand{
    {QStringLiteral("build-stores"), QStringLiteral("[--out DIR] | --import TABLE FILE [--append]"), buildStores}};

} // namespace

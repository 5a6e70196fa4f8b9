#include "data/runquery.h"

namespace cx::data {
namespace {
BusySplash *g_splash = nullptr;

// Hides the splash on every way out of RunQuery.
struct SplashGuard {
    BusySplash *splash;
    ~SplashGuard()
    {
        if (splash)
            splash->hideNow();
    }
};
} // namespace

void setBusySplash(BusySplash *splash) { g_splash = splash; }
BusySplash *busySplash() { return g_splash; }

void RunQuery(Query &query, const QString &statement, bool behindSplash)
{
    BusySplash *splash = behindSplash ? g_splash : nullptr;
    if (splash)
        splash->showNow();
    SplashGuard guard{splash};
    query.clearSql();
    query.addSql(statement);
    query.open();
}

} // namespace cx::data

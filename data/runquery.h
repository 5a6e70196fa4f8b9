#pragma once
#include "data/query.h"

namespace cx::data {

// The busy splash as the query runner sees it; the shell provides it.
class BusySplash {
public:
    virtual ~BusySplash() = default;
    // Shows the splash and paints it at once, before a statement blocks the loop.
    virtual void showNow() = 0;
    virtual void hideNow() = 0;
};

// The splash RunQuery shows; none until the shell sets one.
void setBusySplash(BusySplash *splash);
BusySplash *busySplash();

// Runs one statement on a query: the splash (when asked) goes up, the query
// is cleared (its displays blank), the statement becomes its only line, and
// the query is opened on the whole result. On failure the splash goes down
// and the DataError propagates, so the caller's remaining steps are skipped;
// the query stays closed.
void RunQuery(Query &query, const QString &statement, bool behindSplash);
inline void RunQuery(QuerySlot &slot, const QString &statement, bool behindSplash)
{
    RunQuery(slot.query, statement, behindSplash);
}

} // namespace cx::data

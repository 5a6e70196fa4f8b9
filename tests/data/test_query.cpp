#include "data/error.h"
#include "data/querymodel.h"
#include "data/runquery.h"
#include "data/statements.h"
#include "support/fixturestores.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace cx::data;
using namespace cx::test;
namespace st = cx::data::statements;

namespace {

class FakeSplash : public BusySplash {
public:
    void showNow() override { ++shown, visible = true; }
    void hideNow() override { ++hidden, visible = false; }
    int shown = 0, hidden = 0;
    bool visible = false;
};

class Slots : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString dat = writeFixtureStores(dir.path());
        qry1.query.setConnectionString(connectionString(dat + "/lxwg.dat", kCharacterPassword));
        qry2.query.setConnectionString(connectionString(dat + "/lxwd.dat", kWordPassword));
        qry3.query.setConnectionString(connectionString(dat + "/lxwe.dat", kIdiomPassword));
        qry4.query.setConnectionString(connectionString(dat + "/lxwa.dat", kClassicalPassword));
        qry5.query.setConnectionString(connectionString(dat + "/lxwi.dat", kStrokePassword));
        setBusySplash(&splash);
    }
    void TearDown() override { setBusySplash(nullptr); }

    QTemporaryDir dir;
    QuerySlot qry1, qry2, qry3, qry4, qry5;
    FakeSplash splash;
};

} // namespace

TEST_F(Slots, EveryFixedStatementRunsAsWritten)
{
    struct Case {
        const char *label;
        QuerySlot &slot;
        QString statement;
        int rows;
    } cases[] = {
        {"S1", qry1, st::S1(), fixture::kCharactersInFirstSelection},
        {"S2", qry3, st::S2(), fixture::kRiddlesInFirstSelection},
        {"S3", qry3, st::S3(), fixture::kIdiomsInFirstSelection},
        {"S4", qry3, st::S4(), fixture::kSayingsInFirstSelection},
        {"S5", qry4, st::S5(), fixture::kClassicalWords},
        {"S6", qry4, st::S6(), fixture::kAntonyms},
        {"S7", qry5, st::S7(), fixture::kStrokeMovies},
        {"S8", qry3, st::S8("马"), 2},
        {"S8 none", qry3, st::S8("龙"), 0},
        {"S8 %", qry3, st::S8("之百"), 1},
        {"S9 first or second part", qry3, st::S9("马"), 2},
        {"S10", qry3, st::S10("马"), 1},
        {"S11", qry3, st::S11("一字"), 4},
        {"S12", qry3, st::S12("拿"), 1},
        {"S13", qry1, st::S13("氵"), 2},
        {"S14", qry1, st::S14("ma"), 3},
        {"S15", qry1, st::S15("YGK"), 1},
        {"S16", qry1, st::S16("馬"), 1},
        {"S16 empty value", qry1, st::S16(""), 0},
        {"lookup with a quote", qry1, st::S13("氵\" or \"1\"=\"1"), 0},
    };
    for (auto &c : cases) {
        RunQuery(c.slot, c.statement, true);
        EXPECT_TRUE(c.slot.query.isOpen()) << c.label;
        EXPECT_EQ(c.slot.query.recordCount(), c.rows) << c.label;
        EXPECT_EQ(c.slot.query.currentRow(), c.rows ? 0 : -1) << c.label;
    }
    EXPECT_EQ(splash.shown, int(std::size(cases)));
    EXPECT_EQ(splash.hidden, splash.shown);
}

TEST_F(Slots, FieldsAsTextNullsEmptyAndQuotesAndPercentInLiterals)
{
    RunQuery(qry1, st::S14("yu"), false);
    ASSERT_EQ(qry1.query.recordCount(), 2);
    EXPECT_EQ(qry1.query.fieldText("name"), QStringLiteral("於"));
    EXPECT_EQ(qry1.query.fieldText("content"), QString()); // null
    EXPECT_EQ(qry1.query.fieldText("ID"), QStringLiteral("205"));
    EXPECT_EQ(qry1.query.fieldText("NAME"), QStringLiteral("於")); // names as in any case
    EXPECT_THROW(qry1.query.fieldText("nosuchfield"), DataError);

    RunQuery(qry2, QStringLiteral("select * from words where word =") + st::literal("说\"话\""), false);
    EXPECT_EQ(qry2.query.recordCount(), 1);
    RunQuery(qry2, QStringLiteral("select * from words where content like \"%100\%%\""), false);
    EXPECT_EQ(qry2.query.recordCount(), 1);
    RunQuery(qry2, QStringLiteral("select * from words where spell = \"\""), false);
    EXPECT_EQ(qry2.query.recordCount(), 1); // empty, not null
}

TEST_F(Slots, NotificationsFollowOpenCloseAndRowMoves)
{
    QSignalSpy changes(&qry1.source, &DataSource::dataChange);
    QSignalSpy states(&qry1.source, &DataSource::stateChange);
    QueryTableModel model(&qry1.source, {{"name", "汉字"}});
    EXPECT_EQ(model.rowCount(), 0);

    RunQuery(qry1, st::S1(), false);
    EXPECT_EQ(states.count(), 1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(model.rowCount(), fixture::kCharactersInFirstSelection);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("汉字"));
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("妈"));

    model.activateRow(2);
    EXPECT_EQ(qry1.query.currentRow(), 2);
    EXPECT_EQ(qry1.query.fieldText("name"), QStringLiteral("吗"));
    EXPECT_EQ(changes.count(), 2);
    qry1.query.last();
    qry1.query.next(); // clamped: stays on the last row, no notification
    EXPECT_EQ(qry1.query.currentRow(), fixture::kCharactersInFirstSelection - 1);
    EXPECT_EQ(changes.count(), 3);

    // Replacing the statement closes the query: displays and grid go blank.
    qry1.query.clearSql();
    EXPECT_FALSE(qry1.query.isOpen());
    EXPECT_EQ(states.count(), 2);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(qry1.query.fieldText("name"), QString());
}

TEST_F(Slots, FailedRunHidesTheSplashAndLeavesTheQueryClosed)
{
    RunQuery(qry3, st::S3(), true);
    ASSERT_TRUE(qry3.query.isOpen());
    qry3.query.setConnectionString(connectionString(dir.path() + "/dat/gone.dat", kIdiomPassword));
    EXPECT_THROW(RunQuery(qry3, st::S8("马"), true), DataError);
    EXPECT_FALSE(splash.visible);
    EXPECT_FALSE(qry3.query.isOpen());
    EXPECT_EQ(qry3.query.commandText(), st::S8("马"));
}

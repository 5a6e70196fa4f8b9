#include "data/connection.h"
#include "data/error.h"

#include <gtest/gtest.h>

using namespace cx::data;

TEST(ConnectionString, SlotStringParses)
{
    const ConnectionSettings s = parseConnectionString(QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=dat\\lxwd.dat;Mode=Share Deny Read|Share Deny Write;"
        "Persist Security Info=False;Jet OLEDB:Database Password=乙乙⑤C⑥"));
    EXPECT_EQ(s.dataSource, QStringLiteral("dat\\lxwd.dat"));
    EXPECT_EQ(s.filePath(), QStringLiteral("dat/lxwd.dat"));
    EXPECT_EQ(s.password, QStringLiteral("乙乙⑤C⑥"));
    EXPECT_TRUE(s.exclusive);
    // A password may hold ';' and '=': it takes the rest of the text.
    EXPECT_EQ(parseConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a;"
                                                   "Jet OLEDB:Database Password=x;y=z"))
                  .password,
              QStringLiteral("x;y=z"));
}

TEST(ConnectionString, BadStringsAreClearErrors)
{
    const char *bad[] = {
        "",
        "Provider=SQLOLEDB;Data Source=a",
        "Provider=Microsoft.Jet.OLEDB.4.0",
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a;Colour=blue",
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a;garbage",
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a;Mode=Sometimes",
    };
    for (const char *b : bad) {
        try {
            parseConnectionString(QString::fromUtf8(b));
            ADD_FAILURE() << "accepted: " << b;
        } catch (const DataError &e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}

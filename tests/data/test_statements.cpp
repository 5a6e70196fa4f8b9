#include "data/error.h"
#include "data/jet.h"
#include "data/statements.h"

#include <gtest/gtest.h>

using namespace cx::data;
namespace st = cx::data::statements;

TEST(Statements, ExactTexts)
{
    const QString ma = QStringLiteral("马");
    struct Case { QString got, want; } cases[] = {
        {st::S1(), "select * from hzlib where ID>200 and ID<300"},
        {st::S2(), "select * from 灯谜 where ID>0 and ID<200"},
        {st::S3(), "select * from 成语 where ID>0 and ID<200"},
        {st::S4(), "select * from 歇后语 where ID>0 and ID<200"},
        {st::S5(), "select * from wylib"},
        {st::S6(), "select * from fyclib"},
        {st::S7(), "select * from hzbs"},
        {st::S8(ma), "select * from 成语 where keyword like \"%马%\""},
        {st::S9(ma), "select * from 歇后语 where keyword like \"%马%\"or descript like \"%马%\""},
        {st::S10(ma), "select * from 灯谜 where keyword like \"%马%\""},
        {st::S11(ma), "select * from 灯谜 where phonetic like \"%马%\""},
        {st::S12(ma), "select * from 灯谜 where descript like \"%马%\""},
        {st::S13(ma), "select * from hzlib where part =\"马\""},
        {st::S14("ma"), "select * from hzlib where spell =\"ma\""},
        {st::S15("CN"), "select * from hzlib where wbcode =\"CN\""},
        {st::S16(""), "select * from hzlib where oldname =\"\""},
        // A double quote in a looked-up value is doubled, so it stays inside the literal.
        {st::S13("a\"b"), "select * from hzlib where part =\"a\"\"b\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.got, c.want);
}

TEST(JetTranslation, LiteralsBecomeParameters)
{
    struct Case {
        QString jet;
        QString sql;
        QStringList params;
    } cases[] = {
        {"select * from 成语 where keyword like \"%马%\"", "select * from 成语 where keyword like  ? ", {"%马%"}},
        {"select * from 歇后语 where keyword like \"%马%\"or descript like \"%马%\"",
         "select * from 歇后语 where keyword like  ? or descript like  ? ", {"%马%", "%马%"}},
        {"x =\"a\"\"b\"", "x = ? ", {"a\"b"}},
        {"x ='it''s' and y=\"; drop\"", "x = ?  and y= ? ", {"it's", "; drop"}},
        {"select [name] from t", "select [name] from t", {}},
    };
    for (const auto &c : cases) {
        const TranslatedStatement t = translateJet(c.jet);
        EXPECT_EQ(t.sql, c.sql) << c.jet.toStdString();
        EXPECT_EQ(t.parameters, c.params) << c.jet.toStdString();
    }
}

TEST(JetTranslation, UnterminatedLiteralIsAnError)
{
    for (const char *bad : {"select * from t where a=\"x", "select * from t where a='x", "select [a from t"})
        EXPECT_THROW(translateJet(QString::fromUtf8(bad)), cx::data::DataError) << bad;
}

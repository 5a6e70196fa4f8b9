// The text rules of the store builder: pinyin, headwords, explanations,
// idiom descriptions and the collection file.
#include "stores/clean.h"
#include "stores/collectionfile.h"
#include "stores/pinyin.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace cx::stores;

TEST(Pinyin, NumberedSyllables)
{
    const std::pair<const char *, const char *> cases[] = {
        {"zhong1", "zhōng"}, {"guo2", "guó"},  {"lu:4", "lǜ"},  {"lv3", "lǚ"},   {"nü3", "nǚ"},
        {"hou4", "hòu"},     {"liu2", "liú"},  {"gui4", "guì"}, {"de5", "de"},   {"de", "de"},
        {"Zhong1", "zhōng"}, {"er2", "ér"},    {"r5", "r"},     {"xx5", "xx"},   {"zhong6", ""},
        {"zhong1x", ""},     {"", ""},         {"中", ""},
    };
    for (const auto &[in, want] : cases)
        EXPECT_EQ(markedSyllable(QString::fromUtf8(in)), QString::fromUtf8(want)) << in;
}

TEST(Pinyin, WordReadings)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"中国", "zhōng guó", "zhōng guó"},
        {"中国", "zhong1 guo2", "zhōng guó"},
        {"一下", "yí xià", "yī xià"},          // the tone sandhi of 一 is undone
        {"一模一样", "yì mú yí yàng", "yī mú yī yàng"},
        {"不要", "bú yào", "bù yào"},
        {"一不做，二不休", "yi1 bu4 zuo4 , er4 bu4 xiu1", "yī bù zuò，èr bù xiū"},
        {"中国", "zhōng", ""},                 // too few syllables
        {"中", "zhōng guó", ""},                // too many
        {"卡拉OK", "ka3 la1 OK", ""},            // Latin letters are no syllables
        {"中国", "zhōng 3", ""},
    };
    for (const auto &[word, readings, want] : cases)
        EXPECT_EQ(wordPinyin(QString::fromUtf8(word), QString::fromUtf8(readings)), QString::fromUtf8(want))
            << word << " " << readings;
}

TEST(Clean, Headwords)
{
    const std::pair<const char *, const char *> cases[] = {
        {"中国", "中国"},
        {"为渊驱鱼﹐为丛驱雀", "为渊驱鱼，为丛驱雀"},
        {"共产主义运动中的左”派幼稚病", "共产主义运动中的左派幼稚病"},
        {"卡拉ok", "卡拉OK"},
        {"阿q正传", "阿Q正传"},
        {"凡·爱克兄弟", "凡·爱克兄弟"},
        {"东…西…", "东…西…"},
        {"三j", ""},                // a lost character stands as a letter
        {"糠fdb7", ""},             // or as its code in hex
        {"一。妫洌幔豹Ｍ", ""},
        {"縦(緪、絚）", ""},
        {"德国--一个冬天的童话", ""},
        {"，中", ""},
        {"", ""},
    };
    for (const auto &[in, want] : cases)
        EXPECT_EQ(cleanHeadword(QString::fromUtf8(in)), QString::fromUtf8(want)) << in;
}

TEST(Clean, Explanations)
{
    EXPECT_EQ(cleanExplanation(QStringLiteral("1.内心约束。 \n2.禁中。\r\n\r\n3.指皇帝。 ")),
              QStringLiteral("1.内心约束。\n2.禁中。\n3.指皇帝。"));
    EXPECT_EQ(cleanExplanation(QStringLiteral("  \n ")), QString());
    // Text decoded with the wrong code page, or with hex codes for lost characters.
    EXPECT_EQ(cleanExplanation(QStringLiteral("语出《汉┦椤ぱ钽⒋》古与今如一丘之貉。")), QString());
    EXPECT_EQ(cleanExplanation(QStringLiteral("函数ゝ(x)")), QString());
    EXPECT_EQ(cleanExplanation(QStringLiteral("养尊处优的纨fd43！")), QString());
    EXPECT_EQ(cleanExplanation(QStringLiteral("1.亦作\"??3b4a\"。")), QString());
    EXPECT_EQ(cleanExplanation(QStringLiteral("渤海b178(今河北景县)人。")), QString());
    // Numbers, years, formulas and Latin words stay.
    for (const char *keep : {"1949年10月1日", "化学式ch3coch3。", "即bcd码", "圆周率3.14159", "d860等降糖药物",
                             "氟化钙(caf2)", "碳12(126c)", "［卡拉，日から；ok，译自英orchestra］"})
        EXPECT_EQ(cleanExplanation(QString::fromUtf8(keep)), QString::fromUtf8(keep)) << keep;
}

TEST(Clean, IdiomMarks)
{
    EXPECT_TRUE(explainsIdiom(QStringLiteral("比喻失误后及时补救。")));
    EXPECT_TRUE(explainsIdiom(QStringLiteral("形容人刻苦自励。")));
    EXPECT_TRUE(explainsIdiom(QStringLiteral("《易．说卦》\"震，一索而得男。\"")));
    EXPECT_TRUE(explainsIdiom(QStringLiteral("事见《史记．滑稽列传》。")));
    // A book named in passing makes no idiom.
    EXPECT_FALSE(explainsIdiom(QStringLiteral("颁布了《中华民国临时约法》。2月，清帝下诏退位。")));
    EXPECT_FALSE(explainsIdiom(QStringLiteral("不管怎样。")));
}

TEST(Clean, IdiomDescriptions)
{
    // The source of the saying becomes a section of its own, its lost
    // opening quote restored.
    EXPECT_EQ(idiomDescription(QStringLiteral("语出《战国策·楚策四》亡羊而补牢，未为迟也。”丢失了羊，赶快修好羊圈。比喻失误后及时补救。")),
              QStringLiteral("丢失了羊，赶快修好羊圈。比喻失误后及时补救。;出处：《战国策·楚策四》：“亡羊而补牢，未为迟也。”"));
    // Senses are sections; a ";" inside a section becomes "；".
    EXPECT_EQ(idiomDescription(QStringLiteral("1.原形容水势广大的样子;形容事物的广阔壮大。\n2.比喻声势浩大。")),
              QStringLiteral("原形容水势广大的样子；形容事物的广阔壮大。;比喻声势浩大。"));
    EXPECT_EQ(idiomDescription(QStringLiteral("①同等；一律。②比喻。")), QStringLiteral("同等；一律。;比喻。"));
    // ◇ starts a further sense; the source runs up to it.
    EXPECT_EQ(idiomDescription(QStringLiteral("语出《韩非子·五蠹》宋人守株。◇比喻死守经验。")),
              QStringLiteral("比喻死守经验。;出处：《韩非子·五蠹》宋人守株。"));
    EXPECT_EQ(idiomDescription(QStringLiteral("形容数量很多。")), QStringLiteral("形容数量很多。"));
    EXPECT_EQ(firstSense(QStringLiteral("1.见\"中泠\"。\n2.第二"), 40), QStringLiteral("见\"中泠\"。"));
    EXPECT_EQ(firstSense(QStringLiteral("①一二三四五六"), 3), QStringLiteral("一二三……"));
}

TEST(CollectionFile, ReadsEntries)
{
    const QByteArray text = "\xEF\xBB\xBF# 说明\r\n"
                            "外甥打灯笼\t照舅（旧）\r\n"
                            "\r\n"
                            "  哑巴吃黄连 \t 有苦说不出\x01 \n"
                            "竹篮打水\t一场空;\\t\\\\\\n两手空空\n";
    const QList<QStringList> rows = parseCollection(text, QStringLiteral("歇后语"), QStringLiteral("x.tsv"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("外甥打灯笼"), QStringLiteral("照舅（旧）")}));
    EXPECT_EQ(rows[1], (QStringList{QStringLiteral("哑巴吃黄连"), QStringLiteral("有苦说不出")}));
    EXPECT_EQ(rows[2][1], QStringLiteral("一场空;\t\\\n两手空空"));
    EXPECT_EQ(collectionLine(rows[2]), QStringLiteral("竹篮打水\t一场空;\\t\\\\\\n两手空空"));
}

TEST(CollectionFile, RejectsBadEntries)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"灯谜", "一口咬掉牛尾巴\t告\n", "x.tsv:1: 2 values"},
        {"歇后语", "# c\na\tb\tc\n", "x.tsv:2: 3 values"},
        {"歇后语", " \t后半句\n", "x.tsv:1: the first value is empty"},
        {"fyclib", "大\t小\\x\n", "x.tsv:1: unknown escape"},
        {"fyclib", "大\t\xC0\xAF\n", "x.tsv:1: not UTF-8"},
        {"wylib", "\xF0\xA0\x80\x80\t字\n", "x.tsv:1: “\xF0\xA0\x80\x80” has characters outside GBK"},
        {"hzbs", "中\t4e2d.json\n", "no collection file can fill table hzbs"},
    };
    for (const auto &[table, text, want] : cases) {
        try {
            parseCollection(QByteArray(text), QString::fromUtf8(table), QStringLiteral("x.tsv"));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error &e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(QString::fromUtf8(want))) << e.what();
        }
    }
}

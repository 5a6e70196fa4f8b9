#include "chartable/chartable.h"
#include "text/gbk.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace cx::chartable;
using cx::text::Gbk;

namespace
{

Gbk g(const char *utf8)
{
    return cx::text::utf8ToGbk(utf8);
}
std::string u8(std::string_view gbk)
{
    return cx::text::gbkToUtf8(gbk);
}

const CharCodeTable &table()
{
    return CharCodeTable::embedded();
}

// The committed table file, read the way the embedded copy is.
QByteArray tableFile()
{
    QFile f(QStringLiteral(CX_SOURCE_DIR "/resources/chartable/mywb.txt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

} // namespace

// Every worked example and edge case that the table decides, in all four
// fields and in the plain walk as well as through the index.
TEST(ConvertText, WorkedExamplesAndEdgeCases)
{
    struct Case {
        Gbk text;
        const char *f1, *f2, *f3, *f4;
    } cases[] = {
        {g("汉语"), "HAN YU", "IC YGK", "H Y", "I Y"},
        {g("中国"), "ZHONG GUO", "K L", "Z G", "K L"},
        {g("觉得"), "JIAO DE", "IPMQ TJ", "J D", "I T"},
        {g("沈阳"), "CHEN YANG", "IPM BJ", "C Y", "I B"},
        {g("卡拉OK"), "KA LA OK", "HHU RU OK", "K L OK", "H R OK"},
        {g("3D打印"), "3DDA YIN", "3DRS QGB", "3DD Y", "3DR Q"},
        {g("ＣＤ机"), "C D JI", "C D SM", "C D J", "C D S"},
        {"", "", "", "", ""},
        {" abc ", "abc", "abc", "abc", "abc"},
        {"\t\x01 a b\r\n", "a b", "a b", "a b", "a b"},
        {g("汉语 拼音"), "HAN YU  PIN YIN", "IC YGK  RUA UJF", "H Y  P Y", "I Y  R U"},
        {g("中龘国"), "ZHONG  GUO", "K  L", "Z  G", "K  L"}, // 龘 is not in the table
        {g("龘"), "", "", "", ""},
        {g("中") + "\xB9", "ZHONG", "K", "Z", "K"},         // lone final lead byte
        {"\xB9\x20\x61", "a", "a", "a", "a"},               // the lead byte takes the blank
        {"\xA1\x61\x62", "b", "b", "b", "b"},               // ... or an ASCII letter
        {"\xB9\x61\x62", "JIAN b", "TMQB b", "J b", "T b"}, // B9 61 is 筧, traditional form of 笕
        {g("音乐"), "YIN LE", "UJF QI", "Y L", "U Q"},      // first reading wins
        {g("於"), "YU", "GF", "Y", "G"},                    // found as traditional form of 于
        {g("沈"), "CHEN", "IPM", "C", "I"},                 // ... of 沉
        {g("（"), "(", "(", "(", "("},                      // the ASCII-carrying line is first
        {g("。"), "。", "。", "。", "。"},
        {g("·"), "·", "·", "·", ""},
        {g("邰"), "TAI", "CKB", "T", "C"}, // DB A2: A2 DB straddles two characters
        {g("堍"), "TU", "FQK", "T", "F"},  // DC A2
        {g("佗"), "TUO", "WPX", "T", "W"}, // D9 A2
        {g("ａｂ"), "", "", "", ""},       // full-width lower case: not held
        {g("aａb"), "a b", "a b", "a b", "a b"},
    };
    for (const Case &c : cases) {
        const char *want[4] = {c.f1, c.f2, c.f3, c.f4};
        for (int f = 1; f <= 4; ++f) {
            EXPECT_EQ(u8(ConvertText(c.text, CodeField(f))), want[f - 1]) << u8(c.text) << " field " << f;
            EXPECT_EQ(u8(ConvertTextByWalk(table(), c.text, CodeField(f))), want[f - 1])
                << u8(c.text) << " field " << f;
        }
    }
    EXPECT_EQ(ConvertText(QStringLiteral("汉语"), CodeField::Pinyin), QStringLiteral("HAN YU"));
    EXPECT_EQ(ConvertText(QStringLiteral("ＣＤ机"), CodeField::Wubi), QStringLiteral("C D SM"));
}

TEST(ConvertText, FieldOutsideOneToFourGivesBlanks)
{
    for (int f : {0, 5, -1, 99}) {
        EXPECT_EQ(ConvertText(g("汉语"), CodeField(f)), "") << f;
        EXPECT_EQ(ConvertText(g("a中b"), CodeField(f)), "a b") << f;
        EXPECT_EQ(ConvertTextByWalk(table(), g("a中b"), CodeField(f)), "a b") << f;
    }
}

TEST(ConvertText, EmptyTableTurnsEveryCharacterIntoABlank)
{
    const CharCodeTable empty = CharCodeTable::fromBytes({});
    EXPECT_EQ(ConvertText(empty, g("a汉语b"), CodeField::Pinyin), "a  b");
    EXPECT_EQ(LookupCharField(empty, g("汉"), CodeField::Wubi), " ");
    EXPECT_EQ(ConvertText(empty, " x ", CodeField::Pinyin), "x");
}

TEST(CharCodeTable, SplitsAtEveryKindOfLineEndAndStopsAtZero)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CharCodeTable::fromBytes(c.bytes).lines(), c.lines) << c.bytes;
}

// Lines a generated table never holds: separators missing, out of order or
// doubled, keys padded with blanks or too short, zero bytes in fields. The
// index must agree with the plain walk whatever the lines are.
TEST(CharCodeTable, IndexAgreesWithPlainWalkOnOddLines)
{
    const std::string s1 = "\xA2\xD9", s2 = "\xA2\xDA", s3 = "\xA2\xDB", s4 = "\xA2\xDC";
    const std::string bytes =
        "\xB0\xA1\xB0\xA2" + s1 + "A" + s2 + "B" + s3 + "C" + s4 + "D\r\n" // 啊 with 阿 as traditional
        + " \xB0\xA2\xB0\xA3" + s1 + "X" + s2 + "Y\r\n"                    // shifted, no ③ ④
        + "\xB0\xA3 " + s2 + "Q" + s1 + "P" + s3 + "R" + s4 + "\r\n"       // ② before ①
        + "\xB0\xA4\x10\x10" + s1 + " M " + s1 + "N" + s2 + "  " + s3 + s4 + "Z Z\r\n" + "\xB0\xA5" + s1 +
        "E" + s2 + "F\r\n" + "\xB0\r\n" + "  " + s1 + " " + s2 + " " + s3 + " " + s4 + " \r\n";
    const CharCodeTable t = CharCodeTable::fromBytes(bytes);
    ASSERT_EQ(t.lines().size(), 7u);
    for (int lead : {0xA2, 0xB0, 0xB1})
        for (int trail = 0; trail < 256; ++trail)
            for (int f = 0; f <= 5; ++f) {
                const char key[2] = {char(lead), char(trail)};
                EXPECT_EQ(t.lookup(lead, trail, CodeField(f)), LookupCharField(t, {key, 2}, CodeField(f)))
                    << lead << " " << trail << " " << f;
            }
    EXPECT_EQ(LookupCharField(t, "\xB0\xA2", CodeField::Pinyin), "A "); // the earlier line's traditional form
    EXPECT_EQ(LookupCharField(t, "\xA2\xB0", CodeField::Pinyin), "X "); // bytes 3-4 of the shifted line
    EXPECT_EQ(LookupCharField(t, "\xA2\xB0", CodeField::Wubi), "Y ");   // no ③: up to the line end
    EXPECT_EQ(LookupCharField(t, "\xB0\xA3", CodeField::Pinyin), " ");  // ② before ①
    EXPECT_EQ(LookupCharField(t, "\xB0\xA3", CodeField::Wubi), "Q\xA2\xD9P ");
    EXPECT_EQ(LookupCharField(t, "\xB0\xA4", CodeField::WubiInitial), "Z Z ");
    EXPECT_EQ(LookupCharField(t, "\xB0\xA4", CodeField::Pinyin), "M \xA2\xD9N ");
    EXPECT_EQ(LookupCharField(t, "\xB0\xA4", CodeField::Wubi), " ");
    EXPECT_EQ(LookupCharField(t, "\xB0\xA5", CodeField::Wubi), "F ");
    EXPECT_EQ(LookupCharField(t, "\xB0\xA6", CodeField::Wubi), " "); // not found: the blank last line
}

// The index against the plain first-match walk on every character that
// stands in the table, both as simplified and as traditional form.
TEST(CharCodeTable, IndexAgreesWithPlainWalkOnEveryTableCharacter)
{
    std::set<std::string> keys;
    for (const std::string &line : table().lines())
        for (std::size_t at : {0u, 2u})
            if (line.size() >= at + 2 && cx::text::isLeadByte(line[at]))
                keys.insert(line.substr(at, 2));
    ASSERT_GT(keys.size(), 6763u);
    for (const std::string &key : keys)
        for (int f = 1; f <= 4; ++f)
            ASSERT_EQ(table().lookup(key[0], key[1], CodeField(f)),
                      LookupCharField(table(), key, CodeField(f)))
                << u8(key) << " field " << f;
}

TEST(CharCodeTable, IndexAgreesWithPlainWalkOnRandomBytes)
{
    std::mt19937 rng(20240603);
    std::vector<std::string> pieces;
    for (const std::string &line : table().lines())
        pieces.push_back(line.substr(0, 2));
    for (const char *p : {" ", "\t", "a", "Z", "\x01", "\xA2", "\xD9", "\xFF", "\x80"})
        pieces.push_back(p);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), len(0, 10), byte(0, 255);
    for (int n = 0; n < 400; ++n) {
        std::string text;
        for (std::size_t i = len(rng); i > 0; --i)
            text += (i % 3 == 0) ? std::string(1, char(byte(rng))) : pieces[pick(rng)];
        for (int f = 0; f <= 4; ++f)
            ASSERT_EQ(ConvertText(text, CodeField(f)), ConvertTextByWalk(table(), text, CodeField(f)))
                << u8(text) << " field " << f;
    }
}

TEST(CodeTable, EmbeddedTableIsTheCommittedFile)
{
    const QByteArray file = tableFile();
    EXPECT_EQ(table().lines(),
              CharCodeTable::fromBytes({file.constData(), std::size_t(file.size())}).lines());
}

TEST(CodeTable, TellingRowsStandInOrder)
{
    const auto &lines = table().lines();
    auto at = [&](const char *utf8) -> std::ptrdiff_t {
        const auto it = std::find(lines.begin(), lines.end(), g(utf8));
        return it == lines.end() ? -1 : it - lines.begin();
    };
    for (const char *row : {"汉漢①HAN②IC③H④I", "语語①YU②YGK③Y④Y", "中中①ZHONG②K③Z④K", "吕呂①LV②KK③L④K",
                            "ＡＡ①A②A③A④A", "。。①。②。③。④。", "11①1②1③1④1"})
        EXPECT_GE(at(row), 0) << row;
    EXPECT_LT(at("沉沈①CHEN②IPM③C④I"), at("沈沈①SHEN②IPQ③S④I"));
    EXPECT_GE(at("沉沈①CHEN②IPM③C④I"), 0);
    EXPECT_GE(at("觉覺①JIAO②IPMQ③J④I"), 0);
    EXPECT_EQ(at("觉覺①JIAO②IPMQ③J④I") + 1, at("觉覺①JUE②IPMQ③J④I"));
    EXPECT_GE(at("于於①YU②GF③Y④G"), 0);
    EXPECT_LT(at("于於①YU②GF③Y④G"), at("於於①WU②YWU③W④Y"));
    EXPECT_EQ(at("於於①WU②YWU③W④Y") + 1, at("於於①YU②YWU③Y④Y"));
    EXPECT_GE(at("（（①(②(③(④("), 0);
    EXPECT_LT(at("（（①(②(③(④("), at("（（①（②（③（④（"));
    EXPECT_EQ(lines.back(), "  \xA2\xD9 \xA2\xDA \xA2\xDB \xA2\xDC ");
}

// The conventions the lookup relies on: CR LF after every line, no empty
// line, four separators in order at character boundaries, every GB2312
// hanzi present with its lines adjacent, the initials fields consistent,
// and 126 lines after the hanzi.
TEST(CodeTable, LinesFollowTheConventions)
{
    const QByteArray file = tableFile();
    EXPECT_TRUE(file.endsWith("\r\n"));
    EXPECT_FALSE(file.contains('\0'));
    EXPECT_EQ(file.count("\r\n"), file.count('\n'));
    EXPECT_EQ(file.count("\r\n"), file.count('\r'));

    static const QRegularExpression pinyin(QStringLiteral("^[A-Z]{1,6}$")),
        wubi(QStringLiteral("^[A-Y]{1,4}$"));
    const auto &lines = table().lines();
    std::set<std::string> hanzi;
    std::string previous;
    std::size_t hanziLines = 0;
    for (const std::string &line : lines) {
        ASSERT_FALSE(line.empty());
        static const QRegularExpression separator(QStringLiteral("[①②③④]"));
        const QStringList f = QString::fromStdString(u8(line)).split(separator);
        ASSERT_EQ(f.size(), 5) << u8(line);
        const auto b = static_cast<unsigned char>(line[0]);
        if (b < 0xB0 || b > 0xF7)
            continue;
        ++hanziLines;
        const std::string ch = line.substr(0, 2);
        if (ch != previous) {
            EXPECT_TRUE(hanzi.insert(ch).second) << "lines of " << u8(ch) << " are apart";
        }
        previous = ch;
        EXPECT_TRUE(pinyin.match(f[1]).hasMatch()) << u8(line);
        EXPECT_TRUE(wubi.match(f[2]).hasMatch()) << u8(line);
        EXPECT_EQ(f[3], f[1].left(1)) << u8(line);
        EXPECT_EQ(f[4], f[2].left(1)) << u8(line);
    }
    EXPECT_EQ(hanzi.size(), 6763u);
    EXPECT_EQ(lines.size() - hanziLines, 126u);
    // The hanzi lines come first, in one block.
    for (std::size_t i = 0; i < hanziLines; ++i)
        EXPECT_GE(static_cast<unsigned char>(lines[i][0]), 0xB0) << i;
}

#include "text/gbk.h"

#include <gtest/gtest.h>

using namespace cx::text;

TEST(Gbk, RoundTripsHanziAndAscii)
{
    const QString s = QStringLiteral("汉语 abc ①②③④ 丂");
    const Gbk g = toGbk(s);
    EXPECT_EQ(g.substr(0, 4), "\xBA\xBA\xD3\xEF");
    EXPECT_NE(g.find("\xA2\xD9\xA2\xDA\xA2\xDB\xA2\xDC"), std::string::npos);
    EXPECT_NE(g.find("\x81\x40"), std::string::npos); // 丂: second byte below 0x80
    EXPECT_EQ(fromGbk(g), s);
    EXPECT_EQ(gbkToUtf8(g), s.toStdString());
}

TEST(Gbk, UnrepresentableCharactersAreReplacedVisiblyAndCounted)
{
    ConversionReport r;
    // 😀 and the Korean syllable are outside GBK; each becomes one '?'.
    const Gbk g = toGbk(QStringLiteral("马😀한马"), &r);
    EXPECT_EQ(g, "\xC2\xED??\xC2\xED");
    EXPECT_EQ(r.replaced, 2u);
}

TEST(Gbk, UndecodableBytesBecomeReplacementCharacters)
{
    ConversionReport r;
    // 0xA2E3 is undefined in GBK, 0xE3 0x20 is no pair, and a lead byte ends the text.
    const QString s = fromGbk("\xC2\xED\xA2\xE3 a\xC2", &r);
    EXPECT_EQ(s, QStringLiteral("马\uFFFD\uFFFD a\uFFFD"));
    EXPECT_EQ(r.replaced, 3u);
}

TEST(Gbk, TrimRemovesBytesUpToBlankAtBothEnds)
{
    struct Case { std::string in, out; } cases[] = {
        {"", ""}, {" \t\r\n", ""}, {"\x01马\x1F", "马"}, {"  a b  ", "a b"}, {"\x21", "\x21"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(trimmed(std::string_view(c.in)), c.out) << c.in;
        EXPECT_EQ(trimmed(QString::fromStdString(c.in)), QString::fromStdString(c.out)) << c.in;
    }
    EXPECT_EQ(gbkLength(QStringLiteral("马a")), 3u);
}

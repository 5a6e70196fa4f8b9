#include "data/searchinput.h"

#include <gtest/gtest.h>

using namespace cx::data;

TEST(SearchInput, KeepDoubleByteAndHasDoubleByte)
{
    struct Case {
        std::string in, kept;
        bool has;
    } cases[] = {
        {"", "", false},
        {"abc\xB3\xC9\xD3\xEF" "123", "\xB3\xC9\xD3\xEF", true}, // abc成语123 -> 成语
        {"   123 abc", "", false},
        {"\"%\xC2\xED%\"", "\xC2\xED", true},                     // quotes and % go
        {"\x81\x40" "a", "\x81\x40", true},                        // 丂: second byte below 0x80 kept whole
        {"\xC2\xED\xC2", "\xC2\xED", true},                        // lone final lead byte dropped
        {"\xC2", "", false},
    };
    for (const auto &c : cases) {
        const std::string kept = KeepDoubleByte(std::string_view(c.in));
        EXPECT_EQ(kept, c.kept) << c.in;
        EXPECT_EQ(HasDoubleByte(std::string_view(kept)), c.has) << c.in;
    }
    EXPECT_TRUE(HasDoubleByte(std::string_view("a\xC2\xED")));
    EXPECT_FALSE(HasDoubleByte(std::string_view("abc")));
    EXPECT_EQ(KeepDoubleByte(QStringLiteral("abc成语123")), QStringLiteral("成语"));
    EXPECT_FALSE(HasDoubleByte(KeepDoubleByte(QStringLiteral("😀 x"))));
}

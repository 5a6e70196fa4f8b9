#include "app/boxes.h"
#include "text/gbk.h"

#include <gtest/gtest.h>

using namespace cx::app;

TEST(Boxes, InputIsClippedToWholeCharactersWithin255GbkBytes)
{
    struct Case {
        QString text;
        std::size_t expectBytes;
    } cases[] = {
        {QString(255, QLatin1Char('a')), 255},
        {QString(300, QLatin1Char('a')), 255},
        {QString(127, QChar(0x6C49)) + QStringLiteral("a"), 255}, // 254 + 1
        {QString(128, QChar(0x6C49)), 254},                       // a double-byte character never split
        {QStringLiteral("a") + QString(128, QChar(0x6C49)), 255},
        {QStringLiteral("短"), 2},
    };
    for (const Case &c : cases) {
        const QString clipped = clipToGbkLimit(c.text);
        EXPECT_EQ(cx::text::gbkLength(clipped), c.expectBytes) << c.text.size();
        EXPECT_TRUE(c.text.startsWith(clipped));
    }
}

TEST(Boxes, ScriptedServiceAnswersAndRecords)
{
    ScopedScriptedBoxes scripted;
    scripted.confirmAnswers = {true};
    scripted.inputAnswers = {QString(200, QChar(0x9A6C)), std::nullopt};

    Boxes &b = boxes();
    EXPECT_TRUE(b.confirm(QStringLiteral("一")));
    EXPECT_FALSE(b.confirm(QStringLiteral("二"))) << "no answer left means No";
    const auto first = b.input(QStringLiteral("成语搜索"), QStringLiteral("请输入"), QString());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->size(), 127) << "the reply is clipped as the edit would clip it";
    EXPECT_FALSE(b.input(QStringLiteral("成语搜索"), QStringLiteral("请输入"), QString()).has_value());
    b.message(QStringLiteral("复制成功"));
    b.error(QStringLiteral("坏了"));
    EXPECT_EQ(scripted.transcript,
              (QStringList{QStringLiteral("confirm: 一"), QStringLiteral("confirm: 二"),
                           QStringLiteral("input: 成语搜索 | 请输入"), QStringLiteral("input: 成语搜索 | 请输入"),
                           QStringLiteral("message: 复制成功"), QStringLiteral("error: 坏了")}));
}

TEST(Boxes, ScopedServiceRestoresTheScreenBoxes)
{
    Boxes *before = &boxes();
    {
        ScopedScriptedBoxes scripted;
        EXPECT_EQ(&boxes(), &scripted);
    }
    EXPECT_EQ(&boxes(), before);
}

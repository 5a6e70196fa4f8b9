#include "windows/descriptsections.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace cx::windows;

namespace {

// The eleven sections joined as the idiom panel shows them.
QString joined(const QStringList &sections)
{
    QStringList all = sections.mid(0, kDescriptionSections);
    while (all.size() < kDescriptionSections)
        all << QString();
    return all.join(QStringLiteral("\r\r"));
}

} // namespace

TEST(CollapseSeparators, DropsLeadingRunsAndEndsWithOneSeparator)
{
    const std::pair<const char *, const char *> cases[] = {
        {"a;b", "a;b;"},     {";;a;;;b;;", "a;b;"}, {"abc", "abc;"}, {"a;", "a;"},
        {";", ""},           {";;;", ""},           {"", ""},        {"形容;；出自", "形容;；出自;"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(CollapseSeparators(QString::fromUtf8(in), QLatin1Char(';')), QString::fromUtf8(out)) << in;
}

TEST(TakeField, YieldsEachSectionThenEmptyOnes)
{
    QString work = QStringLiteral("甲;乙;");
    EXPECT_EQ(TakeField(work, QLatin1Char(';')), QStringLiteral("甲"));
    EXPECT_EQ(work, QStringLiteral("乙;"));
    EXPECT_EQ(TakeField(work, QLatin1Char(';')), QStringLiteral("乙"));
    EXPECT_EQ(TakeField(work, QLatin1Char(';')), QString());
    EXPECT_TRUE(work.isEmpty());
    QString without = QStringLiteral("无分隔");
    EXPECT_EQ(TakeField(without, QLatin1Char(';')), QString());
    EXPECT_EQ(without, QStringLiteral("无分隔")) << "left unchanged without a separator";
}

TEST(DescriptionCaption, ElevenSectionsOrNothing)
{
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("第%1节").arg(i);
    struct Case {
        const char *what;
        QString descript;
        std::optional<QString> caption;
    };
    const Case cases[] = {
        {"two sections", QStringLiteral("释义;出处"), joined({QStringLiteral("释义"), QStringLiteral("出处")})},
        {"twelve sections: the first eleven", twelve.join(QLatin1Char(';')), joined(twelve)},
        {"leading, doubled and final separators", QStringLiteral(";;;释义;;出处;"),
         joined({QStringLiteral("释义"), QStringLiteral("出处")})},
        {"no separator: whole as the first", QStringLiteral("比喻做了多余的事。"),
         joined({QStringLiteral("比喻做了多余的事。")})},
        {"outside GBK kept intact", QStringLiteral("𠀀字;乙"), joined({QStringLiteral("𠀀字"), QStringLiteral("乙")})},
        {"empty", QString(), std::nullopt},
        {"one separator", QStringLiteral(";"), std::nullopt},
        {"separators only", QStringLiteral(";;;;"), std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<QString> got = DescriptionCaption(c.descript);
        ASSERT_EQ(got.has_value(), c.caption.has_value());
        if (got) {
            EXPECT_EQ(*got, *c.caption);
            EXPECT_EQ(got->split(QStringLiteral("\r\r")).size(), 11) << "always eleven sections";
        }
    }
    EXPECT_EQ(*DescriptionCaption(QStringLiteral("甲;乙")),
              QStringLiteral("甲\r\r乙\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r"));
}

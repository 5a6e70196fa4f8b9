#include "data/connection.h"
#include "data/query.h"
#include "support/fixturestores.h"
#include "windows/form8.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct InFixture {
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    InFixture()
    {
        cx::test::writeFixtureStores(dir.path());
        QDir::setCurrent(dir.path());
    }
    ~InFixture() { QDir::setCurrent(old); }
};

QStringList texts(const std::vector<CollectionCount> &counts)
{
    QStringList out;
    for (const auto &c : counts)
        out << c.text();
    return out;
}
} // namespace

TEST(Statistics, CountsComeFromTheStores)
{
    InFixture f;
    EXPECT_EQ(texts(CountCollections()),
              (QStringList{QStringLiteral("成语5条"), QStringLiteral("词语5条"), QStringLiteral("歇后语4条"),
                           QStringLiteral("古文字3个"), QStringLiteral("汉字9个"), QStringLiteral("反义词4组"),
                           QStringLiteral("古语词3组"), QStringLiteral("灯谜4条")}));
}

TEST(Statistics, AStoreHeldByASlotIsStillCountedAndAMissingOneSaysSo)
{
    InFixture f;
    // qry3 holds the idiom store exclusively, as after an idiom search.
    cx::data::Query held;
    held.setConnectionString(cx::test::connectionString(QStringLiteral("dat\\lxwe.dat"), cx::test::kIdiomPassword));
    held.addSql(QStringLiteral("select * from 成语"));
    held.open();
    QFile::remove(QStringLiteral("dat/lxwa.dat"));
    const auto counts = CountCollections();
    EXPECT_EQ(counts[0].text(), QStringLiteral("成语5条"));
    EXPECT_EQ(counts[5].text(), QStringLiteral("反义词：无法读取"));
    EXPECT_EQ(counts[6].count, -1);
    EXPECT_TRUE(counts[6].error.contains(QLatin1String("lxwa.dat")));
    EXPECT_EQ(counts[7].text(), QStringLiteral("灯谜4条"));
}

TEST(Statistics, PanelShowsTheCountsWhenFirstShownAndHidesOnClose)
{
    InFixture f;
    TForm8 panel;
    EXPECT_EQ(panel.size(), QSize(672, 366));
    EXPECT_TRUE(panel.windowFlags() & Qt::FramelessWindowHint);
    panel.show();
    EXPECT_EQ(panel.countLabels[1]->text(), QStringLiteral("词语5条"));
    panel.btnClose->click();
    EXPECT_FALSE(panel.isVisible());
}

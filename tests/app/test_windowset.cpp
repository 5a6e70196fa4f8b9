#include "app/boxes.h"
#include "app/forms.h"
#include "app/startup.h"
#include "data/connection.h"
#include "data/error.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace cx::app;

TEST(WindowSet, CreatesInOrderHiddenAndRegistered)
{
    ScopedScriptedBoxes scripted;
    QStringList steps;
    std::vector<std::unique_ptr<QWidget>> made;
    auto entry = [&](const char *name, bool withStep) {
        WindowEntry e{QString::fromLatin1(name), [&, name] {
                          steps << QStringLiteral("build ") + QLatin1String(name);
                          made.push_back(std::make_unique<QWidget>());
                          made.back()->show(); // creation hides it again
                          return made.back().get();
                      },
                      {}};
        if (withStep)
            e.creationStep = [&, name] { steps << QStringLiteral("step ") + QLatin1String(name); };
        return e;
    };
    ASSERT_TRUE(createWindows({entry("TFormA", false), entry("TFormB", true)}));
    EXPECT_EQ(steps, (QStringList{QStringLiteral("build TFormA"), QStringLiteral("build TFormB"),
                                  QStringLiteral("step TFormB")}));
    EXPECT_EQ(window(QStringLiteral("TFormB")), made[1].get());
    EXPECT_FALSE(made[0]->isVisible());
    EXPECT_TRUE(scripted.transcript.isEmpty());
    made.clear();
    EXPECT_EQ(window(QStringLiteral("TFormB")), nullptr) << "a destroyed window leaves the registry";
}

TEST(WindowSet, CreationStepErrorIsShownAndStartUpGoesOn)
{
    ScopedScriptedBoxes scripted;
    std::vector<std::unique_ptr<QWidget>> made;
    bool laterBuilt = false;
    const bool ok = createWindows({
        {QStringLiteral("TFormS"), [&] { made.push_back(std::make_unique<QWidget>()); return made.back().get(); },
         [] { throw cx::data::DataError(QStringLiteral("找不到数据文件“dat/lxwi.dat”")); }},
        {QStringLiteral("TFormT"), [&] {
             laterBuilt = true;
             made.push_back(std::make_unique<QWidget>());
             return made.back().get();
         }, {}},
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(laterBuilt);
    EXPECT_EQ(scripted.transcript, QStringList{QStringLiteral("error: 找不到数据文件“dat/lxwi.dat”")});
}

TEST(WindowSet, BuildErrorIsFatalAndStopsStartUp)
{
    ScopedScriptedBoxes scripted;
    bool laterBuilt = false;
    const bool ok = createWindows({
        {QStringLiteral("TFormP"), []() -> QWidget * { throw std::runtime_error("无法创建浏览器组件"); }, {}},
        {QStringLiteral("TFormQ"), [&]() -> QWidget * { laterBuilt = true; return nullptr; }, {}},
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(laterBuilt);
    EXPECT_EQ(scripted.transcript, QStringList{QStringLiteral("fatal: 无法创建浏览器组件")});
}

TEST(WindowSet, SlotConnectionStringsInStartUpOrder)
{
    const auto &all = slotConnections();
    ASSERT_EQ(all.size(), 4u);
    const QString files[] = {QStringLiteral("dat\\lxwd.dat"), QStringLiteral("dat\\lxwe.dat"),
                             QStringLiteral("dat\\lxwa.dat"), QStringLiteral("dat\\lxwg.dat")};
    const QString passwords[] = {QStringLiteral("乙乙⑤C⑥"), QStringLiteral("⑤乙乙C⑥"), QStringLiteral("⑤乙乙C"),
                                 QStringLiteral("乙乙C⑥")};
    const QString slotNames[] = {QStringLiteral("qry2"), QStringLiteral("qry3"), QStringLiteral("qry4"), QStringLiteral("qry1")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(all[i].slot, slotNames[i]);
        EXPECT_EQ(all[i].connectionString,
                  QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + files[i]
                      + QStringLiteral(";Mode=Share Deny Read|Share Deny Write;Persist Security Info=False;"
                                       "Jet OLEDB:Database Password=")
                      + passwords[i]);
        const auto s = cx::data::parseConnectionString(all[i].connectionString);
        EXPECT_TRUE(s.exclusive);
        EXPECT_EQ(s.password, passwords[i]);
    }
}

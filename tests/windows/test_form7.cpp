#include "app/boxes.h"
#include "app/forms.h"
#include "app/shell.h"
#include "data/error.h"
#include "data/statements.h"
#include "skins/skinengine.h"
#include "support/fixturestores.h"
#include "widgets/gradprogress.h"
#include "widgets/imagepanel.h"
#include "widgets/lumobutton.h"
#include "windows/form7.h"

#include <QAction>
#include <QLabel>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Stand-ins for the target windows, with the named parts the main window
// switches; registered under the class names the main window looks for.
struct Targets {
    QWidget form4, form5, form6, form1, form9, form10, form8;
    QWidget *form4Panels[3];
    QWidget *form6Panels[2];
    cx::TImagePanel *title = new cx::TImagePanel(&form6);
    cx::TGradProgress *bar = new cx::TGradProgress(&form10);

    Targets()
    {
        const char *p4[] = {"flatpanel2", "flatpanel3", "flatpanel4"};
        for (int i = 0; i < 3; ++i) {
            form4Panels[i] = new QWidget(&form4);
            form4Panels[i]->setObjectName(QLatin1String(p4[i]));
        }
        const char *p6[] = {"flatpanel1", "flatpanel2"};
        for (int i = 0; i < 2; ++i) {
            form6Panels[i] = new QWidget(&form6);
            form6Panels[i]->setObjectName(QLatin1String(p6[i]));
        }
        title->setObjectName(QStringLiteral("ImagePanel1"));
        bar->setObjectName(QStringLiteral("GradProgress1"));
        bar->setMaxValue(100);
        bar->setPosition(70);
        const std::pair<const char *, QWidget *> all[] = {{"TForm4", &form4}, {"TForm5", &form5}, {"TForm6", &form6},
                                                          {"TForm1", &form1}, {"TForm9", &form9}, {"TForm10", &form10},
                                                          {"TForm8", &form8}};
        for (const auto &[name, w] : all)
            cx::app::registerWindow(QLatin1String(name), w);
    }
    ~Targets()
    {
        for (const char *name : {"TForm4", "TForm5", "TForm6", "TForm1", "TForm9", "TForm10", "TForm8"})
            cx::app::registerWindow(QLatin1String(name), nullptr);
    }
    void hideAll()
    {
        for (QWidget *w : {&form4, &form5, &form6, &form1, &form9, &form10, &form8})
            w->hide();
    }
};

// The main window on fixture stores in a temporary working directory.
struct MainWindowFixture : ::testing::Test {
    QTemporaryDir dir;
    QString oldCwd = QDir::currentPath();
    cx::app::ScopedScriptedBoxes boxes;
    QStringList opened;
    std::unique_ptr<TForm7> form;

    void SetUp() override
    {
        cx::test::writeFixtureStores(dir.path());
        QDir::setCurrent(dir.path());
        cx::app::setShellOpener([this](const QString &target) { opened << target; });
        form = std::make_unique<TForm7>();
        auto set = [](cx::data::QuerySlot &s, const char *file, const QString &pw) {
            s.query.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=dat\\")
                                        + QLatin1String(file)
                                        + QStringLiteral(";Mode=Share Deny Read|Share Deny Write;Persist Security "
                                                         "Info=False;Jet OLEDB:Database Password=")
                                        + pw);
        };
        set(form->qry1, "lxwg.dat", cx::test::kCharacterPassword);
        set(form->qry2, "lxwd.dat", cx::test::kWordPassword);
        set(form->qry3, "lxwe.dat", cx::test::kIdiomPassword);
        set(form->qry4, "lxwa.dat", cx::test::kClassicalPassword);
    }
    void TearDown() override
    {
        form.reset();
        cx::app::setShellOpener(nullptr);
        QDir::setCurrent(oldCwd);
    }
};

} // namespace

TEST(MainWindowLayout, DesignSizeAndMaximisedRules)
{
    const MainLayout l = mainLayout(QSize(885, 620));
    EXPECT_EQ(l.gradProgress2, QRect(0, 0, 885, 2));
    EXPECT_EQ(l.flatpanel2, QRect(0, 2, 885, 60));
    EXPECT_EQ(l.gradProgress3, QRect(0, 62, 885, 2));
    EXPECT_EQ(l.smgpnl2, QRect(0, 64, 885, 450));
    EXPECT_EQ(l.img14, QRect(164, 91, 545, 263));
    EXPECT_EQ(l.gradProgress4, QRect(0, 514, 885, 2));
    EXPECT_EQ(l.flatpanel5, QRect(0, 516, 885, 70));
    EXPECT_EQ(l.gradProgress1, QRect(0, 586, 885, 2));
    EXPECT_EQ(l.gradProgress5, QRect(0, 588, 885, 2));
    EXPECT_EQ(l.smgpnl1, QRect(0, 590, 885, 30));

    EXPECT_EQ(maximisedFrame(QSize(1024, 768)), QRect(0, 0, 1024, 738));
    // Maximised: the banner stays in the middle of the larger picture area.
    const MainLayout big = mainLayout(QSize(1024, 680));
    EXPECT_EQ(big.smgpnl2.size(), QSize(1024, 510));
    EXPECT_NEAR(big.img14.left() + 272.5, big.smgpnl2.width() * (164 + 272.5) / 885, 1);
    EXPECT_NEAR(big.img14.top() + 131.5, big.smgpnl2.height() * (91 + 131.5) / 450, 1);
    EXPECT_EQ(big.img14.size(), QSize(545, 263));

    EXPECT_EQ(skinMenuPosition(QPoint(300, 200)), QPoint(315, 215));
    EXPECT_EQ(speechInstallerPath(QStringLiteral("/opt/chengxin/chengxin")), QStringLiteral("/opt/chengxin/TTS5.MSI"));
    EXPECT_EQ(contactMailUrl().section(QLatin1Char('?'), 1), QStringLiteral("subject=澄心辞苑-中国优秀软件"));
    EXPECT_TRUE(contactMailUrl().startsWith(QLatin1String("mailto:")));
}

TEST_F(MainWindowFixture, WindowFaceMenusAndToolbar)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("澄心辞苑 Z2020 build 01.01"));
    EXPECT_EQ(form->centralWidget()->size(), QSize(885, 620));
    EXPECT_EQ(form->LumoButton11->geometry(), QRect(756, 0, 64, 60));
    EXPECT_EQ(form->LumoButton11->glyph().size(), QSize(32, 32));
    EXPECT_EQ(form->LumoButton4->glyph().size(), QSize(31, 32));
    EXPECT_FALSE(form->LumoButton4->glyphHot().isNull());
    EXPECT_EQ(form->img5->geometry(), QRect(682, 2, 5, 55));

    auto texts = [](const QList<QAction *> &actions) {
        QStringList out;
        for (QAction *a : actions)
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(texts(form->mm1->actions()), (QStringList{QStringLiteral("主要功能"), QStringLiteral("扩展功能"),
                                                        QStringLiteral("辅助功能"), QStringLiteral("关于软件"),
                                                        QStringLiteral("更换界面")}));
    EXPECT_EQ(texts(form->y1->actions()), (QStringList{QStringLiteral("新华字典"), QStringLiteral("汉语辞海"),
                                                       QStringLiteral("成语词典"), QStringLiteral("-"),
                                                       QStringLiteral("退出软件")}));
    EXPECT_EQ(texts(form->N11->actions()), (QStringList{QStringLiteral("网上辞海"), QStringLiteral("网上汉字笔顺"),
                                                        QStringLiteral("-"), QStringLiteral("语音引擎")}));
    EXPECT_EQ(texts(form->popupmenu1->actions()),
              (QStringList{QStringLiteral("春暖花开"), QStringLiteral("-"), QStringLiteral("骄阳似火"), QStringLiteral("-"),
                           QStringLiteral("秋高气爽"), QStringLiteral("-"), QStringLiteral("银装素裏"), QStringLiteral("-"),
                           QStringLiteral("蓝色妖姬")}));
}

TEST_F(MainWindowFixture, CollectionActionsRunTheirStatementSwitchPanelsAndShowTheTarget)
{
    Targets t;
    struct Case {
        const char *what;
        std::function<void()> trigger;
        cx::data::QuerySlot *slot;
        QString statement;
        int rows;
        QWidget *target;
        std::vector<bool> panels; // TForm4: flatpanel2..4, TForm6: flatpanel1..2
        QString caption;
    };
    TForm7 &f = *form;
    using namespace cx::data::statements;
    using namespace cx::test::fixture;
    const Case cases[] = {
        {"中华灯谜", [&] { f.LumoButton3->click(); }, &f.qry3, S2(), kRiddlesInFirstSelection, &t.form4, {true, false, false}, {}},
        {"成语词典 menu", [&] { f.N16->trigger(); }, &f.qry3, S3(), kIdiomsInFirstSelection, &t.form4, {false, true, false}, {}},
        {"歇后语", [&] { f.LumoButton5->click(); }, &f.qry3, S4(), kSayingsInFirstSelection, &t.form4, {false, false, true}, {}},
        {"新华字典", [&] { f.LumoButton2->click(); }, &f.qry1, S1(), kCharactersInFirstSelection, &t.form5, {}, {}},
        {"古汉语词", [&] { f.LumoButton6->click(); }, &f.qry4, S5(), kClassicalWords, &t.form6, {true, false},
         QStringLiteral("中国古汉语文言词总汇")},
        {"反义词 menu", [&] { f.N20->trigger(); }, &f.qry4, S6(), kAntonyms, &t.form6, {false, true},
         QStringLiteral("中国汉语正反义词总汇")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        t.hideAll();
        c.trigger();
        EXPECT_TRUE(boxes.transcript.isEmpty()) << boxes.transcript.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(c.slot->query.commandText(), c.statement);
        EXPECT_TRUE(c.slot->query.isOpen());
        EXPECT_EQ(c.slot->query.recordCount(), c.rows);
        EXPECT_TRUE(c.target->isVisible());
        QWidget *const *panels = c.target == &t.form4 ? t.form4Panels : t.form6Panels;
        for (std::size_t i = 0; i < c.panels.size(); ++i) {
            EXPECT_EQ(panels[i]->isVisibleTo(c.target), c.panels[i]) << "panel " << i;
        }
        if (!c.caption.isEmpty()) {
            EXPECT_EQ(t.title->caption(), c.caption);
        }
    }

    // The windows without a statement of their own.
    t.hideAll();
    f.LumoButton10->click();
    EXPECT_TRUE(t.form10.isVisible());
    EXPECT_EQ(t.bar->position(), 0) << "the stroke-order bar starts again";
    f.N15->trigger();
    EXPECT_TRUE(t.form1.isVisible());
    f.LumoButton9->click();
    EXPECT_TRUE(t.form9.isVisible());
    emit f.smgpnl1->clicked();
    EXPECT_TRUE(t.form8.isVisible()) << "the bottom strip opens the statistics panel";
}

TEST_F(MainWindowFixture, AFailedStatementShowsTheErrorAndLeavesTheTargetHidden)
{
    Targets t;
    t.hideAll();
    QDir(dir.filePath(QStringLiteral("dat"))).removeRecursively();
    EXPECT_THROW(form->LumoButton4Click(), cx::data::DataError);
    form->LumoButton6->click(); // through the button: the error box, and the loop goes on
    ASSERT_EQ(boxes.transcript.size(), 1);
    EXPECT_TRUE(boxes.transcript[0].startsWith(QLatin1String("error: ")));
    EXPECT_TRUE(boxes.transcript[0].contains(QLatin1String("lxwa.dat")));
    EXPECT_FALSE(t.form4.isVisible());
    EXPECT_FALSE(t.form6.isVisible());
    EXPECT_EQ(t.title->caption(), QString()) << "the target is not prepared either";
}

TEST_F(MainWindowFixture, ConfirmedActionsActOnlyOnYes)
{
    struct Case {
        const char *what;
        std::function<void()> trigger;
        QString question;
        QString opens;
    };
    TForm7 &f = *form;
    const QString installer = speechInstallerPath(QCoreApplication::applicationFilePath());
    const Case cases[] = {
        {"联系作者", [&] { f.LumoButton11->click(); }, QStringLiteral("是否确认？\r\n\r\n启动邮件程序，联系软件作者？"), contactMailUrl()},
        {"联系作者 menu", [&] { f.N25->trigger(); }, QStringLiteral("是否确认？\r\n\r\n启动邮件程序，联系软件作者？"), contactMailUrl()},
        {"软件升级", [&] { f.N24->trigger(); }, QStringLiteral("是否确认？\r\n\r\n访问软件升级网站？"), upgradeSiteUrl()},
        {"语音引擎 without installer", [&] { f.N23->trigger(); },
         QStringLiteral("是否确认？\r\n\r\n如果没有听到发音，请安装语音引擎"), QString()},
    };
    ASSERT_FALSE(QFile::exists(installer));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (bool yes : {false, true}) {
            boxes.transcript.clear();
            opened.clear();
            boxes.confirmAnswers = {yes};
            c.trigger();
            EXPECT_EQ(boxes.transcript, QStringList{QStringLiteral("confirm: ") + c.question});
            EXPECT_EQ(opened, yes && !c.opens.isEmpty() ? QStringList{c.opens} : QStringList{});
        }
    }

    // With the installer beside the executable, Yes opens it.
    {
        QFile file(installer);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    opened.clear();
    boxes.confirmAnswers = {true};
    f.N23->trigger();
    QFile::remove(installer);
    EXPECT_EQ(opened, QStringList{installer});
}

TEST_F(MainWindowFixture, ExitAsksFirstTheCloseBoxDoesNot)
{
    form->show();
    boxes.confirmAnswers = {false};
    form->N30->trigger();
    EXPECT_TRUE(form->isVisible());
    boxes.confirmAnswers = {true};
    form->N30->trigger();
    EXPECT_FALSE(form->isVisible());

    boxes.transcript.clear();
    form->show();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.transcript.isEmpty());
}

TEST_F(MainWindowFixture, SkinMenuOpensBesideThePointerAndItemsChooseTheirFiles)
{
    form->show();
    for (const std::function<void()> &open :
         {std::function<void()>([&] { form->LumoButton8->click(); }), std::function<void()>([&] { form->N13->trigger(); })}) {
        QCursor::setPos(300, 200);
        open();
        EXPECT_TRUE(form->popupmenu1->isVisible());
        EXPECT_EQ(form->popupmenu1->pos(), QPoint(315, 215));
        form->popupmenu1->hide();
    }
    const std::pair<QAction *, const char *> items[] = {{form->N1, "skin\\skin1.skn"}, {form->N2, "skin\\skin2.skn"},
                                                        {form->N3, "skin\\skin3.skn"}, {form->N4, "skin\\skin4.skn"},
                                                        {form->N10, "skin\\skin5.skn"}};
    for (const auto &[item, file] : items) {
        item->trigger();
        EXPECT_EQ(form->skndt1->skinFile(), QLatin1String(file));
    }
}

TEST_F(MainWindowFixture, MaximisedWindowLeavesTheBottom30PixelsFree)
{
    form->show();
    const QRect screen = form->screen()->geometry();
    const QSize decoration = form->frameGeometry().size() - form->geometry().size();
    // The test screen may be narrower than the window: the limit never cuts the normal size.
    const QSize normal(885, 620 + form->menuBar()->sizeHint().height());
    EXPECT_EQ(form->maximumSize(), (QSize(screen.width(), screen.height() - 30) - decoration).expandedTo(normal));
    form->showMaximized();
    QTest::qWait(20);
    const QRect banner = form->img14->geometry();
    EXPECT_NEAR(banner.left() + 272.5, form->smgpnl2->width() * (164 + 272.5) / 885, 1);
    EXPECT_NEAR(banner.top() + 131.5, form->smgpnl2->height() * (91 + 131.5) / 450, 1);
    form->showNormal();
    QTest::qWait(20);
    EXPECT_EQ(form->centralWidget()->size(), QSize(885, 620));
}

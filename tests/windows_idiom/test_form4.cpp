#include "app/forms.h"
#include "data/statements.h"
#include "data/storewriter.h"
#include "support/fixturestores.h"
#include "widgets/flatpanel.h"
#include "widgets/lumobutton.h"
#include "windowfixture.h"
#include "windows/form4.h"
#include "windows/form7.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <functional>

using namespace cx::data::statements;
using cx::test::showAndWait;

namespace {

const QString kPrompt = QStringLiteral("请搜索......    ");

QString inputLine(const QString &caption) { return QStringLiteral("input: ") + caption + QStringLiteral(" | ") + kPrompt; }

struct Form4Fixture : cx::test::WindowFixture {
    TForm4 form{qry3};

    Form4Fixture() { form.FormCreate(); }

    // The riddle panel alone is visible, on the first riddles.
    void onRiddles()
    {
        cx::data::RunQuery(qry3, S2(), false);
        form.flatpanel2->setVisible(true);
        form.flatpanel3->setVisible(false);
        form.flatpanel4->setVisible(false);
    }
    std::vector<bool> panels() const
    {
        return {!form.flatpanel2->isHidden(), !form.flatpanel3->isHidden(), !form.flatpanel4->isHidden()};
    }
    QString keywordAt(int row) const { return qry3.query.cell(row, qry3.query.fieldIndex(QStringLiteral("keyword"))); }
};

struct Search {
    const char *what;
    cx::TLumoButton *TForm4::*button;
    QString caption;
    std::function<QString(const QString &)> statement;
};

const Search kSearches[] = {
    {"成语搜索", &TForm4::LumoButton4, QStringLiteral("成语"), S8},
    {"歇后语搜索", &TForm4::LumoButton5, QStringLiteral("歇后语"), S9},
    {"搜谜面", &TForm4::LumoButton2, QStringLiteral("灯谜谜面"), S10},
    {"搜谜目", &TForm4::LumoButton8, QStringLiteral("灯谜谜目"), S11},
    {"搜谜底", &TForm4::LumoButton9, QStringLiteral("灯谜谜底"), S12},
};

} // namespace

TEST_F(Form4Fixture, SearchesThatFindRowsShowThemAndSwitchPanelsAfterIdiomsAndSayings)
{
    struct Case {
        int search;
        QString reply;
        QString text;
        QStringList keywords;
        std::vector<bool> panels; // flatpanel2, 3, 4 afterwards
        bool shown;
    };
    const Case cases[] = {
        {0, QStringLiteral("马"), QStringLiteral("马"), {QStringLiteral("马到成功"), QStringLiteral("一马当先")},
         {false, true, false}, true},
        // Quotes and "%" are filtered out before the statement is made.
        {0, QStringLiteral("\"马%'"), QStringLiteral("马"), {QStringLiteral("马到成功"), QStringLiteral("一马当先")},
         {false, true, false}, true},
        // First part or second part.
        {1, QStringLiteral("马"), QStringLiteral("马"), {QStringLiteral("老马识途"), QStringLiteral("泥菩萨过河")},
         {false, false, true}, true},
        {2, QStringLiteral("口"), QStringLiteral("口"), {QStringLiteral("一口咬掉牛尾巴"), QStringLiteral("一人一张口，口下长只手")},
         {true, false, false}, false},
        {3, QStringLiteral("打一字"), QStringLiteral("打一字"),
         {QStringLiteral("一口咬掉牛尾巴"), QStringLiteral("千里相逢"), QStringLiteral("一人一张口，口下长只手"),
          QStringLiteral("有马能跑")},
         {true, false, false}, false},
        {4, QStringLiteral("谜底是 重"), QStringLiteral("谜底是重"), {}, {true, false, false}, false},
        {4, QStringLiteral("重"), QStringLiteral("重"), {QStringLiteral("千里相逢")}, {true, false, false}, false},
    };
    for (const Case &c : cases) {
        const Search &s = kSearches[c.search];
        SCOPED_TRACE(std::string(s.what) + " " + c.reply.toStdString());
        form.hide();
        onRiddles();
        boxes.transcript.clear();
        splash = {};
        reply(c.reply);
        (form.*s.button)->click();

        QStringList expected{inputLine(s.caption)};
        if (c.keywords.isEmpty())
            expected << QStringLiteral("message: ") + c.text + QStringLiteral(" 没有搜索到结果！");
        EXPECT_EQ(boxes.transcript, expected);
        EXPECT_EQ(qry3.query.commandText(), s.statement(c.text));
        EXPECT_EQ(splash.shown, 1);
        EXPECT_EQ(splash.hidden, 1);
        QStringList keywords;
        for (int r = 0; r < qry3.query.recordCount(); ++r)
            keywords << keywordAt(r);
        EXPECT_EQ(keywords, c.keywords);
        EXPECT_EQ(panels(), c.panels);
        EXPECT_EQ(form.isVisible(), c.shown);
    }
}

TEST_F(Form4Fixture, SearchesThatFindNothingNameTheFilteredTextAndLeaveEveryGridEmpty)
{
    for (const Search &s : kSearches) {
        SCOPED_TRACE(s.what);
        onRiddles();
        boxes.transcript.clear();
        reply(QStringLiteral("abc龙123"));
        (form.*s.button)->click();
        EXPECT_EQ(boxes.transcript, (QStringList{inputLine(s.caption), QStringLiteral("message: 龙 没有搜索到结果！")}));
        EXPECT_EQ(qry3.query.commandText(), s.statement(QStringLiteral("龙")));
        EXPECT_TRUE(qry3.query.isOpen());
        for (cx::windows::TDBGrid *g : {form.dbgrd1, form.dbgrd2, form.dbgrd3})
            EXPECT_EQ(g->model()->rowCount(), 0);
        EXPECT_EQ(panels(), (std::vector<bool>{true, false, false})) << "the window stays as it was";
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(Form4Fixture, CancelledEmptyOrSingleByteInputDoesNothing)
{
    const std::optional<QString> replies[] = {std::nullopt,           QString(),
                                              QStringLiteral("abc"),  QStringLiteral("  123  "),
                                              QStringLiteral("\"%'"), QStringLiteral("% or 1=1 --")};
    for (const Search &s : kSearches)
        for (const std::optional<QString> &r : replies) {
            SCOPED_TRACE(std::string(s.what) + " " + r.value_or(QStringLiteral("<cancel>")).toStdString());
            onRiddles();
            boxes.transcript.clear();
            splash = {};
            reply(r);
            (form.*s.button)->click();
            EXPECT_EQ(boxes.transcript, QStringList{inputLine(s.caption)});
            EXPECT_EQ(splash.shown, 0);
            EXPECT_EQ(qry3.query.commandText(), S2()) << "the previous rows stay";
            EXPECT_EQ(qry3.query.recordCount(), cx::test::fixture::kRiddlesInFirstSelection);
            EXPECT_EQ(panels(), (std::vector<bool>{true, false, false}));
        }
}

TEST_F(Form4Fixture, AFailingSearchIsReportedWithTheSplashDownAndNothingShown)
{
    onRiddles();
    qry3.query.setConnectionString(cx::test::connectionString(dat + QStringLiteral("/missing.dat"),
                                                              cx::test::kIdiomPassword));
    boxes.transcript.clear();
    splash = {};
    reply(QStringLiteral("马"));
    form.LumoButton4->click();
    ASSERT_EQ(boxes.transcript.size(), 2);
    EXPECT_TRUE(boxes.transcript[1].startsWith(QLatin1String("error: "))) << boxes.transcript[1].toStdString();
    EXPECT_EQ(splash.shown, 1);
    EXPECT_FALSE(splash.up);
    EXPECT_FALSE(qry3.query.isOpen());
    EXPECT_EQ(panels(), (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Form4Fixture, DescriptionSectionsFollowTheCurrentRowAndSurviveEmptyDescriptions)
{
    // A store of idioms whose descriptions are the cases of the display.
    const QString path = dir.path() + QStringLiteral("/sections.dat");
    {
        cx::data::StoreWriter w(path, cx::test::kIdiomPassword);
        QStringList twelve;
        for (int i = 1; i <= 12; ++i)
            twelve << QStringLiteral("节%1").arg(i);
        w.addTable(QStringLiteral("成语"),
                   {QStringLiteral("ID"), QStringLiteral("keyword"), QStringLiteral("phonetic"), QStringLiteral("descript")},
                   {{"1", "两节", "", "释义;出处"},
                    {"2", "空", "", QString()},
                    {"3", "只有分隔", "", ";;;"},
                    {"4", "十二节", "", twelve.join(QLatin1Char(';'))},
                    {"5", "前导与连续", "", ";;;甲;;乙;"},
                    {"6", "无分隔", "", "比喻做了多余的事。"}});
        w.commit();
    }
    qry3.query.setConnectionString(cx::test::connectionString(path, cx::test::kIdiomPassword));
    EXPECT_TRUE(form.label9->caption().isEmpty()) << "empty until the first description arrives";
    cx::data::RunQuery(qry3, S3(), false);

    auto sections = [](QStringList s) {
        while (s.size() < 11)
            s << QString();
        return s.mid(0, 11).join(QStringLiteral("\r\r"));
    };
    QStringList first11;
    for (int i = 1; i <= 11; ++i)
        first11 << QStringLiteral("节%1").arg(i);
    struct Step {
        int row;
        QString caption;
    };
    const QString two = sections({QStringLiteral("释义"), QStringLiteral("出处")});
    const Step steps[] = {
        {0, two},
        {1, two}, // empty: the previous sections stay
        {2, two}, // separators only: the same
        {3, sections(first11)},
        {4, sections({QStringLiteral("甲"), QStringLiteral("乙")})},
        {5, sections({QStringLiteral("比喻做了多余的事。")})},
        {1, sections({QStringLiteral("比喻做了多余的事。")})},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.row);
        // The grid moves the current row as a click would.
        form.dbgrd2->queryModel()->activateRow(s.row);
        EXPECT_EQ(form.label9->caption(), s.caption);
    }
    EXPECT_EQ(form.label9->text(), QString(form.label9->caption()).replace(QLatin1Char('\r'), QLatin1Char('\n')))
        << "carriage returns shown as line breaks";

    // An empty result keeps the sections too.
    const QString shown = form.label9->caption();
    cx::data::RunQuery(qry3, S8(QStringLiteral("龙")), false);
    EXPECT_EQ(form.label9->caption(), shown);
}

TEST_F(Form4Fixture, IntroductionsCycleThroughTheirParagraphsAndAreNeverReset)
{
    const QStringList sayings = SayingIntroduction(), riddles = RiddleIntroduction();
    ASSERT_EQ(sayings.size(), 7);
    ASSERT_EQ(riddles.size(), 11);
    int ideographic = 0;
    for (const QString &p : sayings + riddles) {
        EXPECT_TRUE(p.startsWith(QLatin1String("    ")) || p.startsWith(QStringLiteral("　　"))) << p.toStdString();
        EXPECT_FALSE(p.contains(QLatin1Char('\n')) || p.contains(QLatin1Char('\r')));
        ideographic += p.startsWith(QStringLiteral("　　"));
    }
    EXPECT_EQ(ideographic, 1);
    EXPECT_EQ(form.memo2->document()->blockCount(), 7);
    EXPECT_EQ(form.memo3->document()->blockCount(), 11);

    EXPECT_EQ(form.label5->caption(), sayings[0]);
    EXPECT_EQ(form.label8->caption(), riddles[0]);
    form.flatpanel4->setVisible(true);
    form.flatpanel2->setVisible(false);
    form.flatpanel3->setVisible(false);
    showAndWait(&form);
    std::vector<int> seen;
    for (int i = 0; i < 7; ++i) {
        QTest::mouseClick(form.label5, Qt::LeftButton, {}, QPoint(20, 10));
        seen.push_back(form.sayingIndex());
        EXPECT_EQ(form.label5->caption(), sayings[form.sayingIndex()]);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 0}));
    seen.clear();
    for (int i = 0; i < 11; ++i) {
        form.LumoButton7->click();
        seen.push_back(form.riddleIndex());
        EXPECT_EQ(form.label8->caption(), riddles[form.riddleIndex()]);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}));

    // Hiding, switching panels and showing again keep both places.
    form.label5Click();
    form.LumoButton7Click();
    form.LumoButton3->click();
    EXPECT_FALSE(form.isVisible());
    form.flatpanel3->setVisible(true);
    form.flatpanel4->setVisible(false);
    showAndWait(&form);
    EXPECT_EQ(form.sayingIndex(), 1);
    EXPECT_EQ(form.riddleIndex(), 1);
    EXPECT_EQ(form.label8->caption(), riddles[1]);
}

TEST_F(Form4Fixture, ARiddleRowClickGivesTheTwoLineHintThatOnlyTheRiddleGridShows)
{
    onRiddles();
    showAndWait(&form);
    QWidget *riddles = form.dbgrd1->viewport();
    const auto cellCentre = [](cx::windows::TDBGrid *g, int row) {
        return g->visualRect(g->model()->index(row, 0)).center();
    };
    QTest::mouseClick(riddles, Qt::LeftButton, {}, cellCentre(form.dbgrd1, 1));
    EXPECT_EQ(qry3.query.currentRow(), 1);
    EXPECT_EQ(form.hintText(), QStringLiteral("谜面：千里相逢\r谜目：打一字"));
    EXPECT_EQ(cx::windows::applicationHintTiming().pause, 500);
    EXPECT_EQ(cx::windows::applicationHintTiming().hidePause, 10000);

    QTest::mouseMove(riddles, cellCentre(form.dbgrd1, 1) + QPoint(3, 0));
    EXPECT_FALSE(QToolTip::isVisible()) << "not before the hint pause";
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 3000);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("谜面：千里相逢\n谜目：打一字"));
    QToolTip::hideText();

    // The columns as the user sees them: moved, the category comes first.
    form.dbgrd1->horizontalHeader()->moveSection(1, 0);
    QTest::mouseClick(riddles, Qt::LeftButton, {}, cellCentre(form.dbgrd1, 2));
    EXPECT_EQ(form.hintText(), QStringLiteral("谜面：打一字\r谜目：一人一张口，口下长只手"));
    form.dbgrd1->horizontalHeader()->moveSection(0, 1);

    // The idiom grid sets the hint but shows none, not even its cell texts.
    cx::data::RunQuery(qry3, S3(), false);
    form.flatpanel3->setVisible(true);
    form.flatpanel2->setVisible(false);
    QWidget *idioms = form.dbgrd2->viewport();
    QTest::mouseClick(idioms, Qt::LeftButton, {}, cellCentre(form.dbgrd2, 0));
    EXPECT_EQ(form.hintText(), QStringLiteral("成语：马到成功\r读音：mǎ dào chéng gōng"));
    QTest::mouseMove(idioms, cellCentre(form.dbgrd2, 0) + QPoint(3, 0));
    QHelpEvent help(QEvent::ToolTip, cellCentre(form.dbgrd2, 0), idioms->mapToGlobal(cellCentre(form.dbgrd2, 0)));
    QApplication::sendEvent(idioms, &help);
    QTest::qWait(800);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(Form4Fixture, TheWheelOverAGridMovesTheCurrentRow)
{
    onRiddles();
    showAndWait(&form);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.dbgrd1->setFocus();
    QWidget *target = form.dbgrd1->viewport();
    QWheelEvent towardsUser(QPointF(10, 10), QPointF(target->mapToGlobal(QPoint(10, 10))), QPoint(), QPoint(0, -120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &towardsUser);
    EXPECT_EQ(qry3.query.currentRow(), 1);
    EXPECT_EQ(form.dbtextkeyword->text(), QStringLiteral("千里相逢"));
    EXPECT_EQ(form.dbtextdescript->text(), QStringLiteral("重"));
}

// The main window's collection actions find this window's panels by name.
TEST(Form4InTheWindowSet, TheMainWindowsCollectionsChooseThePanel)
{
    QTemporaryDir dir;
    const QString dat = cx::test::writeFixtureStores(dir.path());
    cx::app::ScopedScriptedBoxes boxes;
    TForm7 main;
    main.qry3.query.setConnectionString(
        cx::test::connectionString(dat + QStringLiteral("/lxwe.dat"), cx::test::kIdiomPassword));
    TForm4 form(main.qry3);
    form.FormCreate();
    cx::app::registerWindow(QStringLiteral("TForm4"), &form);
    struct Case {
        void (TForm7::*action)();
        cx::TFlatPanel *TForm4::*panel;
        cx::windows::TDBGrid *TForm4::*grid;
        int rows;
    };
    using namespace cx::test::fixture;
    const Case cases[] = {
        {&TForm7::LumoButton4Click, &TForm4::flatpanel3, &TForm4::dbgrd2, kIdiomsInFirstSelection},
        {&TForm7::LumoButton5Click, &TForm4::flatpanel4, &TForm4::dbgrd3, kSayingsInFirstSelection},
        {&TForm7::LumoButton3Click, &TForm4::flatpanel2, &TForm4::dbgrd1, kRiddlesInFirstSelection},
    };
    for (const Case &c : cases) {
        (main.*c.action)();
        for (cx::TFlatPanel *p : {form.flatpanel2, form.flatpanel3, form.flatpanel4})
            EXPECT_EQ(p->isVisible(), p == form.*c.panel) << p->objectName().toStdString();
        EXPECT_EQ((form.*c.grid)->model()->rowCount(), c.rows);
        EXPECT_TRUE(form.isVisible());
    }
    EXPECT_TRUE(boxes.transcript.isEmpty());
    cx::app::registerWindow(QStringLiteral("TForm4"), nullptr);
}

TEST_F(Form4Fixture, ButtonPicturesGrowWhileHotOnTheIdiomAndSayingPanelsOnly)
{
    struct Case {
        cx::TLumoButton *button;
        QSize glyph, hot; // an empty hot size: no hot picture
    };
    const QSize small(19, 20), large(24, 24);
    const Case cases[] = {
        {form.LumoButton4, small, large}, {form.LumoButton3, small, large}, {form.LumoButton5, small, large},
        {form.LumoButton6, small, large}, {form.LumoButton2, large, {}},    {form.LumoButton8, large, {}},
        {form.LumoButton9, large, {}},    {form.LumoButton7, large, {}},    {form.LumoButton10, large, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button->objectName().toStdString());
        EXPECT_EQ(c.button->glyph().size(), c.glyph);
        EXPECT_EQ(c.button->glyphHot().isNull(), c.hot.isEmpty());
        if (!c.hot.isEmpty()) {
            EXPECT_EQ(c.button->glyphHot().size(), c.hot);
        }
        EXPECT_EQ(c.button->numGlyphs(), 1);
    }
}

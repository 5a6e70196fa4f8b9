#include "app/forms.h"
#include "data/statements.h"
#include "support/fixturestores.h"
#include "widgets/flatbutton.h"
#include "widgets/flatpanel.h"
#include "widgets/imagepanel.h"
#include "widgets/lumobutton.h"
#include "windowfixture.h"
#include "windows/form6.h"
#include "windows/form7.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using cx::test::showAndWait;

namespace {

const QString kPrompt = QStringLiteral("请搜索......    ");

struct Form6Fixture : cx::test::WindowFixture {
    TForm6 form{qry4};

    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < qry4.query.recordCount(); ++r)
            out << qry4.query.cell(r, qry4.query.fieldIndex(QStringLiteral("name")));
        return out;
    }
};

} // namespace

TEST_F(Form6Fixture, SearchesMatchTheWordOrItsExplanationAndTellWhenNothingIsFound)
{
    struct Case {
        const char *what;
        cx::TLumoButton *TForm6::*button;
        QString caption;
        std::optional<QString> reply;
        QStringList names;  // rows afterwards
        QString message;    // empty: none
        int splashes;
    };
    const Case cases[] = {
        {"classical word", &TForm6::LumoButton3, QStringLiteral("文言词"), QStringLiteral("吾"), {QStringLiteral("吾")}, {}, 1},
        {"by its explanation", &TForm6::LumoButton3, QStringLiteral("文言词"), QStringLiteral("x说\"%"),
         {QStringLiteral("曰")}, {}, 1},
        {"antonym of either side", &TForm6::LumoButton2, QStringLiteral("反义词"), QStringLiteral("小"),
         {QStringLiteral("大")}, {}, 1},
        {"nothing found", &TForm6::LumoButton2, QStringLiteral("反义词"), QStringLiteral("abc龙"), {},
         QStringLiteral("龙 没有搜索到结果！"), 1},
        {"cancelled", &TForm6::LumoButton3, QStringLiteral("文言词"), std::nullopt,
         {QStringLiteral("大"), QStringLiteral("高"), QStringLiteral("黑"), QStringLiteral("快")}, {}, 0},
        {"single-byte only", &TForm6::LumoButton2, QStringLiteral("反义词"), QStringLiteral("\"% or 1=1"),
         {QStringLiteral("大"), QStringLiteral("高"), QStringLiteral("黑"), QStringLiteral("快")}, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        cx::data::RunQuery(qry4, cx::data::statements::S6(), false);
        boxes.transcript.clear();
        splash = {};
        reply(c.reply);
        (form.*c.button)->click();
        QStringList expected{QStringLiteral("input: ") + c.caption + QStringLiteral(" | ") + kPrompt};
        if (!c.message.isEmpty())
            expected << QStringLiteral("message: ") + c.message;
        EXPECT_EQ(boxes.transcript, expected);
        EXPECT_EQ(names(), c.names);
        EXPECT_EQ(splash.shown, c.splashes);
        EXPECT_FALSE(splash.up);
        EXPECT_EQ(form.dbgrd1->model()->rowCount(), c.names.size());
    }
    EXPECT_EQ(ClassicalWordSearch(QStringLiteral("吾")),
              QStringLiteral("select * from wylib where name like \"%吾%\" or fname like \"%吾%\""));
}

TEST(Form6InTheWindowSet, OpeningEachCollectionSetsTheTitleAndItsPanel)
{
    QTemporaryDir dir;
    const QString dat = cx::test::writeFixtureStores(dir.path());
    cx::app::ScopedScriptedBoxes boxes;
    TForm7 main;
    main.qry4.query.setConnectionString(
        cx::test::connectionString(dat + QStringLiteral("/lxwa.dat"), cx::test::kClassicalPassword));
    TForm6 form(main.qry4);
    cx::app::registerWindow(QStringLiteral("TForm6"), &form);
    EXPECT_EQ(form.ImagePanel1->caption(), QStringLiteral("中国古汉语文言词总汇"));

    main.LumoButton6Click();
    main.LumoButton7Click();
    EXPECT_EQ(form.ImagePanel1->caption(), QStringLiteral("中国汉语正反义词总汇"));
    EXPECT_TRUE(form.flatpanel2->isVisible());
    EXPECT_FALSE(form.flatpanel1->isVisible());
    EXPECT_EQ(form.dbgrd2->model()->rowCount(), cx::test::fixture::kAntonyms);
    EXPECT_EQ(form.dbgrd2->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("反义 "));

    form.LumoButton1->click();
    EXPECT_FALSE(form.isVisible());
    main.LumoButton6Click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.ImagePanel1->caption(), QStringLiteral("中国古汉语文言词总汇"));
    EXPECT_TRUE(form.flatpanel1->isVisible());
    EXPECT_FALSE(form.flatpanel2->isVisible());
    EXPECT_EQ(form.dbgrd1->model()->rowCount(), cx::test::fixture::kClassicalWords);
    EXPECT_TRUE(boxes.transcript.isEmpty());
    cx::app::registerWindow(QStringLiteral("TForm6"), nullptr);
}

TEST_F(Form6Fixture, ThePanelBesideTheGridMovesTheWindowAndTheBarsDoNot)
{
    form.flatpanel2->setVisible(false);
    form.move(100, 100);
    showAndWait(&form);
    auto drag = [this](QWidget *w, QPoint at, QPoint by) {
        const QPoint before = form.pos();
        const QPoint start = w->mapToGlobal(at);
        QTest::mousePress(w, Qt::LeftButton, {}, at);
        QTest::mouseMove(w, w->mapFromGlobal(start + by / 2));
        QTest::mouseMove(w, w->mapFromGlobal(start + by));
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(start + by));
        QCoreApplication::processEvents();
        return form.pos() - before;
    };
    EXPECT_EQ(drag(form.flatpanel1, QPoint(70, 280), QPoint(30, 20)), QPoint(30, 20));
    EXPECT_EQ(drag(form.ImagePanel1, QPoint(100, 15), QPoint(30, 20)), QPoint(0, 0));
    EXPECT_EQ(drag(form.ImagePanel2, QPoint(100, 10), QPoint(30, 20)), QPoint(0, 0));

    for (cx::TLumoButton *b : {form.LumoButton1, form.LumoButton2, form.LumoButton3, form.LumoButton4}) {
        EXPECT_EQ(b->glyph().size(), QSize(30, 30));
        EXPECT_EQ(b->glyphHot().size(), QSize(39, 40));
    }
    EXPECT_EQ(form.FlatButton1->glyph().size(), QSize(24, 24));

    // The close picture tells what it does, and closes.
    const QPoint at(16, 16);
    QHelpEvent help(QEvent::ToolTip, at, form.FlatButton1->mapToGlobal(at));
    QApplication::sendEvent(form.FlatButton1, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("关闭"));
    QToolTip::hideText();
    form.FlatButton1->click();
    EXPECT_FALSE(form.isVisible());
}

#include "cwfixture.h"

#include "data/statements.h"
#include "speech/speecherror.h"
#include "speech/spvoice.h"
#include "widgets/flatbutton.h"
#include "widgets/flatpanel.h"
#include "widgets/lumobutton.h"
#include "windows/dbcontrols.h"
#include "windows/form5.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

using namespace cx::data::statements;

struct CharacterWindow : cw::CwStores {
    std::unique_ptr<TForm5> form;

    void SetUp() override
    {
        cw::CwStores::SetUp();
        form = std::make_unique<TForm5>(qry1);
        cx::data::RunQuery(qry1, S1(), false);
    }
    void TearDown() override
    {
        form.reset();
        cw::CwStores::TearDown();
    }
    void selectRow(int row) { form->dbgrd1->setCurrentIndex(form->dbgrd1->model()->index(row, 0)); }
    QStringList listed() const
    {
        QStringList out;
        for (int r = 0; r < qry1.query.recordCount(); ++r)
            out << qry1.query.cell(r, qry1.query.fieldIndex(QStringLiteral("name")));
        return out;
    }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3)); }
};

TEST_F(CharacterWindow, DisplaysFollowTheRowChosenInTheGrid)
{
    EXPECT_EQ(listed(), (QStringList{"马", "妈", "吗", "沈", "於", "引"}));
    EXPECT_EQ(form->dbtextname->text(), QStringLiteral("马"));
    // A click on the fourth row of the grid.
    form->show();
    QWidget *viewport = form->dbgrd1->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, form->dbgrd1->visualRect(form->dbgrd1->model()->index(3, 0)).center());
    EXPECT_EQ(qry1.query.currentRow(), 3);
    EXPECT_EQ(form->dbtextname->text(), QStringLiteral("沈"));
    EXPECT_EQ(form->dbtextoldname->text(), QStringLiteral("沈"));
    EXPECT_EQ(form->dbtextpart->text(), QStringLiteral("氵"));
    EXPECT_EQ(form->dbtextwbcode->text(), QStringLiteral("IP"));
    EXPECT_EQ(form->dbtextspell->text(), QStringLiteral("shen"));
    EXPECT_EQ(form->dbmemocontent->toPlainText(), QStringLiteral("姓。"));
    EXPECT_TRUE(form->dbmemocontent->isReadOnly());
    // The wheel over the focused grid steps one row per notch.
    form->dbgrd1->setFocus();
    QWheelEvent towards(QPointF(5, 5), form->dbgrd1->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &towards);
    EXPECT_EQ(form->dbtextname->text(), QStringLiteral("於"));
    EXPECT_TRUE(form->dbmemocontent->toPlainText().isEmpty());
}

// Each look-up lists the characters sharing the clicked value, the first
// current, behind the splash, with the value kept in lbl1.
TEST_F(CharacterWindow, AttributeLookups)
{
    struct Case {
        const char *label;
        int row;
        QString statement;
        QStringList listed;
    } cases[] = {
        {"dbtextpart", 3, S13(QStringLiteral("氵")), {"沈", "汉"}},
        {"dbtextspell", 0, S14(QStringLiteral("ma")), {"马", "妈", "吗"}},
        {"dbtextwbcode", 1, S15(QStringLiteral("VC")), {"妈"}},
        {"dbtextoldname", 0, S16(QStringLiteral("馬")), {"马"}},
    };
    form->show();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        cx::data::RunQuery(qry1, S1(), false);
        selectRow(c.row);
        const QString value = form->findChild<cx::windows::TDBText *>(QLatin1String(c.label))->text();
        const int shown = splash.shown;
        click(form->findChild<QWidget *>(QLatin1String(c.label)));
        EXPECT_EQ(qry1.query.commandText(), c.statement);
        EXPECT_EQ(listed(), c.listed);
        EXPECT_EQ(qry1.query.currentRow(), 0);
        EXPECT_EQ(form->lbl1->text(), value);
        EXPECT_EQ(splash.shown, shown + 1);
        EXPECT_EQ(splash.hidden, splash.shown);
        EXPECT_TRUE(boxes.transcript.isEmpty());
    }
    // The radical again, in the new list: the same look-up for the current row.
    cx::data::RunQuery(qry1, S1(), false);
    selectRow(3);
    form->dbtextpartClick();
    form->dbtextpartClick();
    EXPECT_EQ(listed(), (QStringList{"沈", "汉"}));
    EXPECT_EQ(form->dbtextname->text(), QStringLiteral("沈"));
}

TEST_F(CharacterWindow, LookupOfNothingEmptiesEveryDisplaySilently)
{
    // A search that finds nothing leaves every value empty; a look-up on the
    // empty radical then runs with nothing between the quotes.
    boxes.inputAnswers.push_back(QStringLiteral("龘"));
    form->FlatButton3Click();
    ASSERT_EQ(boxes.transcript.size(), 2);
    boxes.transcript.clear();
    form->dbtextpartClick();
    EXPECT_EQ(qry1.query.commandText(), S13(QString()));
    EXPECT_EQ(qry1.query.recordCount(), 0);
    for (QLabel *l : std::initializer_list<QLabel *>{form->dbtextname, form->dbtextoldname, form->dbtextpart,
                                                     form->dbtextwbcode, form->dbtextspell})
        EXPECT_TRUE(l->text().isEmpty());
    EXPECT_TRUE(form->dbmemocontent->toPlainText().isEmpty());
    EXPECT_EQ(form->dbgrd1->model()->rowCount(), 0);
    EXPECT_TRUE(boxes.transcript.isEmpty());
}

TEST_F(CharacterWindow, CopyPutsTheThreePartsOnTheClipboard)
{
    click(form->FlatButton2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("马  馬\r\n\r\n部首：马  拼音：ma\r\n\r\n一种家畜。\r\n姓。"));
    EXPECT_EQ(boxes.transcript, QStringList{QStringLiteral("message: 复制成功")});
    // No current row: the labels and line breaks stay, the values are empty.
    cx::data::RunQuery(qry1, S13(QStringLiteral("无")), false);
    form->FlatButton2Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("  \r\n\r\n部首：  拼音：\r\n\r\n"));
}

TEST(CharacterEntry, EmptyTraditionalFormLeavesTheTwoBlanks)
{
    EXPECT_EQ(characterEntryText("马", "", "马", "mǎ", "马。"), QStringLiteral("马  \r\n\r\n部首：马  拼音：mǎ\r\n\r\n马。"));
}

TEST(CharacterSearch, Statements)
{
    const struct {
        const char *input;
        const char *statement; // nullptr: nothing is searched
    } cases[] = {
        {"马", "select * from hzlib where name =\"马\" or oldname =\"马\""},
        {" 馬a1 ", "select * from hzlib where name =\"馬\" or oldname =\"馬\""},
        {"汉汉语", "select * from hzlib where name =\"汉\" or oldname =\"汉\" or name =\"语\" or oldname =\"语\""},
        {"ma", "select * from hzlib where spell =\"ma\" or spell =\"mā\" or spell =\"má\" or spell =\"mǎ\" or "
               "spell =\"mà\" or wbcode =\"MA\" or wbcode =\"ma\""},
        {"MA3", "select * from hzlib where spell =\"mǎ\""},
        {"mǎ", "select * from hzlib where spell =\"mǎ\""},
        {"lv4", "select * from hzlib where spell =\"lǜ\""},
        {"gou3", "select * from hzlib where spell =\"gǒu\""},
        {"hui2", "select * from hzlib where spell =\"huí\""},
        {"liu", "select * from hzlib where spell =\"liu\" or spell =\"liū\" or spell =\"liú\" or spell =\"liǔ\" or "
                "spell =\"liù\" or wbcode =\"LIU\" or wbcode =\"liu\""},
        {"ng", "select * from hzlib where spell =\"ng\" or wbcode =\"NG\" or wbcode =\"ng\""},
        {"IPQ", "select * from hzlib where wbcode =\"IPQ\" or wbcode =\"ipq\""},
        {"ma0", "select * from hzlib where spell =\"ma\""},
        {"mǎ4", nullptr},
        {"", nullptr},
        {"   ", nullptr},
        {"123", nullptr},
        {"\"", nullptr},
        {"zzzzzzz", nullptr},
        {"xyz", nullptr},
        {"hng", "select * from hzlib where spell =\"hng\" or wbcode =\"HNG\" or wbcode =\"hng\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        const std::optional<QString> s = characterSearchStatement(QString::fromUtf8(c.input));
        if (c.statement)
            EXPECT_EQ(s.value_or(QStringLiteral("(none)")), QString::fromUtf8(c.statement));
        else
            EXPECT_FALSE(s.has_value()) << s->toStdString();
    }
}

TEST_F(CharacterWindow, SearchByCharacterPinyinOrWubi)
{
    const struct {
        const char *input;
        QStringList listed;
    } cases[] = {{"漢", {"汉"}}, {"MA", {"马", "妈", "吗"}}, {"ywu", {"於"}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        boxes.inputAnswers.push_back(QString::fromUtf8(c.input));
        const int shown = splash.shown;
        click(form->FlatButton3);
        EXPECT_EQ(listed(), c.listed);
        EXPECT_EQ(splash.shown, shown + 1);
    }
    EXPECT_EQ(boxes.transcript.filter(QStringLiteral("message")), QStringList());
    // Nothing found: the message names the text; cancel and blanks do nothing.
    boxes.inputAnswers = {QStringLiteral(" xy "), std::nullopt, QStringLiteral("  ")};
    boxes.transcript.clear();
    form->FlatButton3Click();
    EXPECT_EQ(qry1.query.recordCount(), 0);
    cx::data::RunQuery(qry1, S1(), false);
    form->FlatButton3Click();
    form->FlatButton3Click();
    EXPECT_EQ(qry1.query.recordCount(), 6);
    EXPECT_EQ(boxes.transcript,
              (QStringList{QStringLiteral("input: 新华字典 | 请输入汉字、拼音或五笔......    "),
                           QStringLiteral("message: xy 没有搜索到结果！"),
                           QStringLiteral("input: 新华字典 | 请输入汉字、拼音或五笔......    "),
                           QStringLiteral("input: 新华字典 | 请输入汉字、拼音或五笔......    ")}));
}

TEST_F(CharacterWindow, BothSpeakButtonsSpeakTheCharacterOnly)
{
    auto log = std::make_shared<cx::speech::CaptureLog>();
    form->spvoice1->setBackend(cx::speech::captureBackend(log));
    QSignalSpy queued(form->spvoice1, &cx::speech::TSpVoice::queued);
    selectRow(3);
    click(form->FlatButton1);
    click(form->LumoButton22);
    ASSERT_EQ(queued.size(), 2);
    for (const auto &q : queued)
        EXPECT_EQ(q.at(1).toString(), QStringLiteral("<LANG LANGID=\"804\">沈"));
    // Both are spoken, in order.
    EXPECT_TRUE(QTest::qWaitFor([&] { return log->pieces.size() == 2; }, 20000));
    ASSERT_EQ(log->pieces.size(), 2u);
    EXPECT_EQ(log->pieces[0].stream, 1);
    EXPECT_EQ(log->pieces[1].stream, 2);
    EXPECT_GT(log->pieces[0].samples.seconds(), 0.1);
    EXPECT_TRUE(boxes.transcript.isEmpty());
}

TEST_F(CharacterWindow, MissingSpeechEngineShowsTheErrorAndTriesAgain)
{
    int attempts = 0;
    cx::speech::SpeechBackend none;
    none.connectEngine = [&]() -> std::shared_ptr<cx::speech::SpeechEngine> {
        ++attempts;
        throw cx::speech::SpeechError(QStringLiteral("没有找到语音引擎"));
    };
    form->spvoice1->setBackend(none);
    click(form->FlatButton1);
    click(form->LumoButton22);
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(boxes.transcript, (QStringList{QStringLiteral("error: 没有找到语音引擎"),
                                             QStringLiteral("error: 没有找到语音引擎")}));
    EXPECT_FALSE(form->spvoice1->isConnected());
    EXPECT_EQ(form->dbtextname->text(), QStringLiteral("马"));
}

TEST_F(CharacterWindow, LayoutAndClose)
{
    EXPECT_EQ(form->size(), QSize(721, 420));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->dbgrd1->geometry(), QRect(0, 0, 81, 420));
    EXPECT_EQ(form->flatpanel1->geometry(), QRect(80, 128, 641, 292));
    EXPECT_FALSE(form->lbl1->isVisible());
    EXPECT_EQ(form->LumoButton22->toolTip(), QStringLiteral("读音"));
    EXPECT_EQ(form->FlatButton4->caption(), QStringLiteral("返回"));
    form->show();
    click(form->FlatButton4);
    EXPECT_FALSE(form->isVisible());
}

} // namespace

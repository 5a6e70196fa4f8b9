#include "cwfixture.h"

#include "speech/spvoice.h"
#include "widgets/lumobutton.h"
#include "windows/dbcontrols.h"
#include "windows/form1.h"
#include "windows/form5.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

struct WordWindow : cw::CwStores {
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        cw::CwStores::SetUp();
        form = std::make_unique<TForm1>(qry2);
    }
    void TearDown() override
    {
        form.reset();
        cw::CwStores::TearDown();
    }
    void selectRow(int row) { form->DBGrid1->setCurrentIndex(form->DBGrid1->model()->index(row, 0)); }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    // word | pinyin row | Wubi row | traditional row | explanation
    QString shown() const
    {
        return QStringList{form->dbtextword->text(), form->dbtextspell->text(), form->label4->text(),
                           form->dbtextord->text(), form->label5->text()}
            .join(QStringLiteral(" | "));
    }
};

TEST_F(WordWindow, FirstShowingSelectsTheFirstWordsOnce)
{
    EXPECT_FALSE(qry2.query.isOpen());
    EXPECT_EQ(form->label4->text(), QStringLiteral("五笔"));
    EXPECT_EQ(form->label5->text(), QStringLiteral("label5"));
    form->show();
    EXPECT_EQ(qry2.query.commandText(), firstWordsStatement());
    EXPECT_EQ(qry2.query.recordCount(), cw::kFirstWords);
    EXPECT_EQ(splash.shown, 1);
    EXPECT_EQ(shown(), QStringLiteral("汉语 | hàn yǔ | IC YGK | 漢語 | 汉族的语言。"));
    // A later showing keeps what the slot holds.
    cx::data::RunQuery(qry2, wordSearchStatement(QStringLiteral("兔")), false);
    form->hide();
    form->show();
    EXPECT_EQ(qry2.query.recordCount(), 1);
    EXPECT_EQ(splash.shown, 1);
}

// Moving between rows with and without stored pinyin: each row shows its own
// pinyin (computed in lower case where none is stored) and its Wubi codes;
// an empty explanation keeps the one before.
TEST_F(WordWindow, ComputedRowsFollowTheCurrentWord)
{
    form->show();
    const struct {
        int row;
        const char *shown;
    } steps[] = {
        {1, "马车 | ma che | CN LG | 馬車 | 马拉的车。"},
        {0, "汉语 | hàn yǔ | IC YGK | 漢語 | 汉族的语言。"},
        {2, "卡拉OK | ka la ok | HHU RU OK | 卡拉OK | 一种娱乐方式。"},
        {1, "马车 | ma che | CN LG | 馬車 | 马拉的车。"},
        {4, "中国 | zhōng guó | K L | 中國 | 马拉的车。"},
        {3, " |  |  |  | 没有词目的一行。"},
        {5, "No.1 | no.1 | No.1 | No.1 | 第一名。"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.row);
        selectRow(s.row);
        EXPECT_EQ(shown(), QString::fromUtf8(s.shown));
    }
    // The stored field stays empty: only the display shows the computed pinyin.
    selectRow(1);
    EXPECT_TRUE(qry2.query.fieldText(QStringLiteral("spell")).isEmpty());
    EXPECT_EQ(form->label6->text(), QStringLiteral("ma che"));
}

TEST_F(WordWindow, SearchFindsWordsContainingTheText)
{
    form->show();
    const struct {
        const char *input;
        QStringList words;
    } cases[] = {{"车", {"马车"}}, {"abc汉123", {"汉语"}}, {"兔", {"守株待兔"}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        boxes.inputAnswers.push_back(QString::fromUtf8(c.input));
        const int up = splash.shown;
        click(form->LumoButton4);
        QStringList words;
        for (int r = 0; r < qry2.query.recordCount(); ++r)
            words << qry2.query.cell(r, qry2.query.fieldIndex(QStringLiteral("word")));
        EXPECT_EQ(words, c.words);
        EXPECT_EQ(splash.shown, up + 1);
    }
    EXPECT_EQ(shown(), QStringLiteral("守株待兔 | shǒu zhū dài tù | PF SRI TFFY QKQY | 守株待兔 | 比喻死守经验。"));
    boxes.transcript.clear();
    // Input without a double-byte character, and Cancel, change nothing.
    boxes.inputAnswers = {QStringLiteral("abc 12"), std::nullopt, QStringLiteral("龘")};
    form->LumoButton4Click();
    form->LumoButton4Click();
    EXPECT_EQ(qry2.query.recordCount(), 1);
    // Nothing found: the message names the text; the word, pinyin and
    // traditional rows and the grid empty, the Wubi row and explanation stay.
    form->LumoButton4Click();
    EXPECT_EQ(qry2.query.recordCount(), 0);
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 0);
    EXPECT_EQ(shown(), QStringLiteral(" |  | PF SRI TFFY QKQY |  | 比喻死守经验。"));
    EXPECT_EQ(boxes.transcript, (QStringList{QStringLiteral("input: 词语 | 请搜索......    "),
                                             QStringLiteral("input: 词语 | 请搜索......    "),
                                             QStringLiteral("input: 词语 | 请搜索......    "),
                                             QStringLiteral("message: 龘 没有搜索到结果！")}));
}

TEST_F(WordWindow, CopyPutsTheNineLinesOnTheClipboard)
{
    form->show();
    selectRow(1);
    click(form->LumoButton2);
    const QString expected = QStringLiteral("\r\n澄心辞苑\r\n\r\n词条：马车\r\n拼音：ma che\r\n五笔：CN LG\r\n"
                                            "繁体：馬車\r\n释义：马拉的车。\r\n\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    EXPECT_EQ(expected.count(QStringLiteral("\r\n")), 9);
    EXPECT_EQ(boxes.transcript, QStringList{QStringLiteral("message: 复制成功")});
}

TEST_F(WordWindow, SpeakSendsThePrefixedWordAndQueuesQuickSpeaks)
{
    auto log = std::make_shared<cx::speech::CaptureLog>();
    form->spvoice1->setBackend(cx::speech::captureBackend(log));
    QSignalSpy queued(form->spvoice1, &cx::speech::TSpVoice::queued);
    form->show();
    selectRow(5);
    click(form->LumoButton1);
    selectRow(0);
    click(form->LumoButton1);
    ASSERT_EQ(queued.size(), 2);
    EXPECT_EQ(queued[0].at(1).toString(), QStringLiteral("<LANG LANGID=\"804\">No。1"));
    EXPECT_EQ(queued[1].at(1).toString(), QStringLiteral("<LANG LANGID=\"804\">汉语"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return log->pieces.size() == 2; }, 20000));
    ASSERT_EQ(log->pieces.size(), 2u);
    EXPECT_EQ(log->pieces[0].stream, 1);
    EXPECT_EQ(log->pieces[1].stream, 2);
    EXPECT_TRUE(boxes.transcript.isEmpty());
}

TEST_F(WordWindow, EachWindowConnectsItsOwnVoice)
{
    TForm5 characters(qry1);
    form->spvoice1->setBackend(cx::speech::captureBackend(std::make_shared<cx::speech::CaptureLog>()));
    form->show();
    form->LumoButton1Click();
    EXPECT_TRUE(form->spvoice1->isConnected());
    EXPECT_FALSE(characters.spvoice1->isConnected());
}

TEST_F(WordWindow, LayoutAndClose)
{
    EXPECT_EQ(form->size(), QSize(700, 417));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->DBGrid1->geometry(), QRect(0, 56, 273, 361));
    EXPECT_FALSE(form->label6->isVisible());
    EXPECT_EQ(form->LumoButton2->toolTip(), QStringLiteral("复制解释"));
    EXPECT_EQ(form->LumoButton4->caption(), QStringLiteral("词语搜索"));
    form->show();
    EXPECT_FALSE(form->dbmemocontent->isVisible());
    click(form->LumoButton5);
    EXPECT_FALSE(form->isVisible());
}

} // namespace

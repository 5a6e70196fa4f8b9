#include "app/boxes.h"
#include "app/forms.h"
#include "data/error.h"
#include "player/loopbackserver.h"
#include "player/strokeplayer.h"
#include "support/fixturestores.h"
#include "widgets/gradprogress.h"
#include "windows/dbcontrols.h"
#include "windows/form10.h"
#include "windows/form7.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A movie of one stroke, as the store builder copies them into dat/hzbs/.
const QByteArray kMovie = R"({"strokes":["M 100 400 L 900 400 L 900 300 L 100 300 Z"],"medians":[[[120,350],[880,350]]]})";

// The fixture stores (hzbs: 一 4e00.json, 中 4e2d.json, 国 56fd.json) as
// the working directory, with the movies of 一 and 中 in dat/hzbs/; the
// movie of 国 only on the loopback server.
struct StrokeFixture {
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    cx::test::LoopbackServer server;
    QString base = server.origin() + QStringLiteral("/other/hzbs/swf/");
    cx::app::ScopedScriptedBoxes boxes;

    StrokeFixture()
    {
        cx::test::writeFixtureStores(dir.path());
        QDir::setCurrent(dir.path());
        QDir().mkpath(QStringLiteral("dat/hzbs"));
        for (const char *name : {"dat/hzbs/4e00.json", "dat/hzbs/4e2d.json"}) {
            QFile f(QString::fromLatin1(name));
            f.open(QIODevice::WriteOnly);
            f.write(kMovie);
        }
        server.add("/other/hzbs/swf/56fd.json", {200, "application/json", kMovie});
    }
    ~StrokeFixture() { QDir::setCurrent(old); }
};

QStringList listed(const TForm10 &w)
{
    QStringList out;
    for (int r = 0; r < w.ADOQuery1.recordCount(); ++r)
        out << w.ADOQuery1.cell(r, w.ADOQuery1.fieldIndex(QStringLiteral("hz")));
    return out;
}

void clickRow(TForm10 &w, int row)
{
    const QRect cell = w.dbgrd1->visualRect(w.dbgrd1->model()->index(row, 0));
    QTest::mouseClick(w.dbgrd1->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

TEST(StrokeWindow, LayoutAndCreation)
{
    StrokeFixture f;
    TForm10 w(nullptr, f.base);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("汉字笔顺查询"));
    EXPECT_EQ(w.size(), QSize(688, 509));
    struct Place {
        QWidget *control;
        QRect geometry;
    } places[] = {
        {w.GradProgress1, {0, 0, 688, 5}},  {w.Edit1, {24, 24, 121, 28}},   {w.Button1, {168, 24, 75, 25}},
        {w.DBEdit1, {256, 16, 121, 37}},    {w.DBEdit2, {388, 16, 121, 37}}, {w.dbgrd1, {24, 66, 69, 429}},
        {w.ShockwaveFlash1, {98, 66, 571, 428}},
    };
    for (const Place &p : places)
        EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->objectName().toStdString();
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("输入汉字搜索"));
    EXPECT_EQ(w.Button1->text(), QStringLiteral("查找"));
    EXPECT_TRUE(w.DBEdit1->isHidden());
    EXPECT_TRUE(w.DBEdit2->isHidden());
    EXPECT_FALSE(w.GradProgress1->showPercent());
    EXPECT_EQ(w.GradProgress1->position(), 0);

    QSignalSpy ready(w.ShockwaveFlash1, &cx::player::TStrokePlayer::readyStateChange);
    w.FormCreate();
    EXPECT_EQ(w.ADOQuery1.commandText(), QStringLiteral("select * from hzbs"));
    EXPECT_EQ(listed(w), (QStringList{QStringLiteral("一"), QStringLiteral("中"), QStringLiteral("国")}));
    // The first row's hm, appended to the base address as it stands.
    EXPECT_EQ(w.ShockwaveFlash1->movie(), f.base + QStringLiteral("4e00.json"));
    EXPECT_EQ(ready.count(), 1);
    EXPECT_TRUE(w.ShockwaveFlash1->strokeMovie());
    EXPECT_TRUE(f.server.requests().isEmpty()); // found in dat/hzbs/
    EXPECT_EQ(w.GradProgress1->position(), 100);
}

TEST(StrokeWindow, AMissingStoreEndsCreationBeforeAnyMovie)
{
    StrokeFixture f;
    QFile::remove(QStringLiteral("dat/lxwi.dat"));
    TForm10 w(nullptr, f.base);
    EXPECT_THROW(w.FormCreate(), cx::data::DataError);
    EXPECT_TRUE(w.ShockwaveFlash1->movie().isEmpty());
    EXPECT_EQ(w.dbgrd1->model()->rowCount(), 0);
}

TEST(StrokeWindow, BarStepsByFiveUpToFullAndTheMainWindowResetsIt)
{
    StrokeFixture f;
    TForm10 w(nullptr, f.base);
    w.FormCreate();
    TForm7 main;
    cx::app::registerWindow(QStringLiteral("TForm10"), &w);

    for (int opening = 0; opening < 2; ++opening) {
        main.LumoButton10Click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.GradProgress1->position(), 0) << opening;
        for (int i = 1; i <= 21; ++i) {
            emit w.ShockwaveFlash1->progress(3); // whatever the player says
            EXPECT_EQ(w.GradProgress1->position(), std::min(100, 5 * i)) << i;
        }
    }
    main.LumoButton10Click();
    emit w.ShockwaveFlash1->readyStateChange(0);
    EXPECT_EQ(w.GradProgress1->position(), 100);
    main.LumoButton10Click();
    emit w.ShockwaveFlash1->fsCommand(QStringLiteral("passEnd"), QStringLiteral("1"));
    EXPECT_EQ(w.GradProgress1->position(), 100);

    // A movie fetched from the web after an opening fills the bar too.
    main.LumoButton10Click();
    QSignalSpy ready(w.ShockwaveFlash1, &cx::player::TStrokePlayer::readyStateChange);
    clickRow(w, 2);
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(f.server.requests(), QList<QByteArray>{"/other/hzbs/swf/56fd.json"});
    EXPECT_EQ(w.GradProgress1->position(), 100);
    cx::app::registerWindow(QStringLiteral("TForm10"), nullptr);
}

TEST(StrokeWindow, ACellClickLoadsThatRowsMovieEvenWhenAlreadyCurrent)
{
    StrokeFixture f;
    TForm10 w(nullptr, f.base);
    w.FormCreate();
    w.show();
    QSignalSpy ready(w.ShockwaveFlash1, &cx::player::TStrokePlayer::readyStateChange);
    w.GradProgress1->setPosition(40);
    clickRow(w, 1);
    EXPECT_EQ(w.ADOQuery1.currentRow(), 1);
    EXPECT_EQ(w.ShockwaveFlash1->movie(), f.base + QStringLiteral("4e2d.json"));
    clickRow(w, 1);
    EXPECT_EQ(ready.count(), 2);
    EXPECT_EQ(w.GradProgress1->position(), 100); // raised by the events, never reset by a click
}

TEST(StrokeWindow, SearchListsTheTypedCharacters)
{
    struct Case {
        const char *typed;
        QStringList rows;
        const char *message; // nullptr: none
        const char *movie;   // the movie loaded afterwards
    } cases[] = {
        {"国中", {"中", "国"}, nullptr, "4e2d.json"},
        {"a中 b中\"", {"中"}, nullptr, "4e2d.json"},
        {"马", {}, "马 没有搜索到结果！", "4e00.json"},
        {"输入汉字搜索", {}, "输入汉字搜索 没有搜索到结果！", "4e00.json"},
        {"abc", {"一", "中", "国"}, nullptr, "4e00.json"}, // nothing to look for: the whole list
    };
    for (const Case &c : cases) {
        StrokeFixture f;
        TForm10 w(nullptr, f.base);
        w.FormCreate();
        w.Edit1->setText(QString::fromUtf8(c.typed));
        w.Button1->click();
        EXPECT_EQ(listed(w), c.rows) << c.typed;
        EXPECT_EQ(w.dbgrd1->model()->rowCount(), c.rows.size()) << c.typed;
        const QStringList expected = c.message ? QStringList{QStringLiteral("message: ") + QString::fromUtf8(c.message)}
                                               : QStringList{};
        EXPECT_EQ(f.boxes.transcript, expected) << c.typed;
        EXPECT_EQ(w.ShockwaveFlash1->movie(), f.base + QString::fromLatin1(c.movie)) << c.typed;
    }
}

TEST(StrokeWindow, SearchStatementBindsEachCharacterOnce)
{
    EXPECT_EQ(StrokeSearchStatement(QStringLiteral("中国中")),
              QStringLiteral("select * from hzbs where hz in (\"中\",\"国\")"));
    EXPECT_EQ(StrokeSearchStatement(QStringLiteral("𠀀中")),
              QStringLiteral("select * from hzbs where hz in (\"𠀀\",\"中\")"));
    EXPECT_EQ(StrokeMovieAddress(StrokeMovieBaseAddress(), QStringLiteral(" a%20b ")),
              StrokeMovieBaseAddress() + QStringLiteral(" a%20b "));
    EXPECT_TRUE(StrokeMovieBaseAddress().startsWith(QLatin1String("http://")));
    EXPECT_TRUE(StrokeMovieBaseAddress().endsWith(QLatin1String("/other/hzbs/swf/")));
}

#include "player/loopbackserver.h"
#include "player/strokeplayer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace cx::player;

namespace {

const QString kBase = QStringLiteral("http://127.0.0.1:1/other/hzbs/swf/");

// Two strokes: a bar across (median 300 long) and a dot (median of one point).
const QByteArray kTwoStrokes = R"({"strokes":[
  "M 100 400 L 400 400 L 400 300 L 100 300 Z",
  "m 500 600 l 100 0 l 0 -100 l -100 0 z"],
  "medians":[[[120,350],[420,350]],[[550,550]]]})";

QByteArray oneShortStroke()
{
    return R"({"strokes":["M 0 0 L 1024 0 L 1024 900 L 0 900 Z"],"medians":[[[512,450]]]})";
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

} // namespace

TEST(SvgPath, CommandsAndTheirFailures)
{
    struct Case {
        const char *data;
        bool ok;
        QRectF bounds;
    } cases[] = {
        {"M 0 0 L 10 0 L 10 10 Z", true, {0, 0, 10, 10}},
        {"M0,0 10,0 10,10z", true, {0, 0, 10, 10}},            // implicit lines after a move
        {"m 5 5 l 10 0 l 0 10 z", true, {5, 5, 10, 10}},        // relative
        {"M 0 0 H 8 V -4 h -8 Z", true, {0, -4, 8, 4}},
        {"M 0 0 Q 5 10 10 0 Z", true, {0, 0, 10, 5}},           // the curve's top is at half its control
        {"M 0 0 C 0 10 10 10 10 0 Z", true, {0, 0, 10, 7.5}},
        {"M 1e1 -2.5E0 L .5 +3", true, {0.5, -2.5, 9.5, 5.5}},
        {"", false, {}},
        {"   ", false, {}},
        {"L 1 2", false, {}},       // no move first
        {"M 1", false, {}},         // missing number
        {"M 1 2 X 3 4", false, {}}, // unknown command
        {"1 2", false, {}},
        {"M 0 0 Z 3 4", false, {}}, // numbers after a close
        {"M 0 0 L 1 nan", false, {}},
    };
    for (const Case &c : cases) {
        const auto path = ParseSvgPath(QString::fromLatin1(c.data));
        EXPECT_EQ(path.has_value(), c.ok) << c.data;
        if (path && c.ok) {
            const QRectF b = path->boundingRect();
            EXPECT_NEAR(b.left(), c.bounds.left(), 1e-9) << c.data;
            EXPECT_NEAR(b.top(), c.bounds.top(), 1e-9) << c.data;
            EXPECT_NEAR(b.width(), c.bounds.width(), 1e-9) << c.data;
            EXPECT_NEAR(b.height(), c.bounds.height(), 1e-9) << c.data;
        }
    }
}

TEST(StrokeMovie, ReadsStrokesAndMediansAndRefusesBrokenFiles)
{
    const auto movie = ParseStrokeMovie(kTwoStrokes);
    ASSERT_TRUE(movie);
    ASSERT_EQ(movie->strokes.size(), 2u);
    EXPECT_DOUBLE_EQ(movie->strokes[0].medianLength, 300);
    EXPECT_EQ(movie->strokes[1].median, QVector<QPointF>{QPointF(550, 550)});
    EXPECT_TRUE(movie->strokes[1].outline.contains(QPointF(550, 550)));

    const char *broken[] = {
        "",
        "not json",
        "[1,2]",
        R"({"strokes":[],"medians":[]})",
        R"({"strokes":["M 0 0 L 1 1 Z"]})",
        R"({"strokes":["M 0 0 L 1 1 Z"],"medians":[[[0,0]],[[1,1]]]})",
        R"({"strokes":["Q"],"medians":[[[0,0]]]})",
        R"({"strokes":["M 0 0 L 1 1 Z"],"medians":[[]]})",
        R"({"strokes":["M 0 0 L 1 1 Z"],"medians":[[["a",1]]]})",
        R"({"strokes":["M 0 0 L 1 1 Z"],"medians":[[[1,2,3]]]})",
        R"({"strokes":[7],"medians":[[[0,0]]]})",
        R"({"strokes":["M 0 0 L 1e9 1 Z"],"medians":[[[0,0]]]})",
        R"({"strokes":["M 0 0 L 1 1 Z"],"medians":[[[0,-1e7]]]})",
    };
    for (const char *b : broken)
        EXPECT_FALSE(ParseStrokeMovie(b)) << b;
    EXPECT_FALSE(ParseStrokeMovie(QByteArray(kMaxMovieBytes + 1, ' ')));
}

TEST(StrokeMovie, RealStrokeFilesParse)
{
    const QString dir = QStringLiteral(CX_SOURCE_DIR "/tools/data/node_modules/hanzi-writer-data");
    if (!QDir(dir).exists())
        GTEST_SKIP() << "stroke data package not installed";
    for (const auto &[ch, strokes] : {std::pair{"一", 1}, {"永", 5}, {"国", 8}, {"藏", 17}}) {
        QFile f(dir + QLatin1Char('/') + QString::fromUtf8(ch) + QStringLiteral(".json"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << ch;
        const auto movie = ParseStrokeMovie(f.readAll());
        ASSERT_TRUE(movie) << ch;
        EXPECT_EQ(int(movie->strokes.size()), strokes) << ch;
        // Every median starts near its own outline and stays in the em box.
        for (const Stroke &s : movie->strokes) {
            const QRectF b = s.outline.boundingRect();
            EXPECT_TRUE(b.adjusted(-60, -60, 60, 60).contains(s.median.front())) << ch;
            EXPECT_TRUE(QRectF(0, -124, 1024, 1024).contains(b)) << ch;
        }
    }
}

TEST(Timing, StrokesFollowEachOtherWithGapsAndThePassLoops)
{
    const Timeline t = MakeTimeline(*ParseStrokeMovie(kTwoStrokes));
    // (300 + 600) / 3 = 300 ms and (0 + 600) / 3 = 200 ms, a second between.
    EXPECT_EQ(t.start, (std::vector<double>{0, 1300}));
    EXPECT_EQ(t.end, (std::vector<double>{300, 1500}));
    EXPECT_DOUBLE_EQ(t.drawn, 1500);
    EXPECT_DOUBLE_EQ(t.period, 3500);

    struct Case {
        double ms;
        int pass, complete, active;
        double progress;
    } cases[] = {
        {-5, 0, 0, 0, 0},   {0, 0, 0, 0, 0},    {150, 0, 0, 0, 0.5}, {300, 0, 1, -1, 0},
        {800, 0, 1, -1, 0}, {1400, 0, 1, 1, 0.5}, {1500, 0, 2, -1, 0}, {3499, 0, 2, -1, 0},
        {3500, 1, 0, 0, 0}, {3650, 1, 0, 0, 0.5},
    };
    for (const Case &c : cases) {
        const Frame f = FrameAt(t, c.ms);
        EXPECT_EQ(f.pass, c.pass) << c.ms;
        EXPECT_EQ(f.complete, c.complete) << c.ms;
        EXPECT_EQ(f.active, c.active) << c.ms;
        EXPECT_NEAR(f.progress, c.progress, 1e-9) << c.ms;
    }
    EXPECT_EQ(PassesDrawn(t, 1499), 0);
    EXPECT_EQ(PassesDrawn(t, 1500), 1);
    EXPECT_EQ(PassesDrawn(t, 4999), 1);
    EXPECT_EQ(PassesDrawn(t, 5000), 2);
}

TEST(Geometry, SquareEmBoxAndMedianPrefix)
{
    const QRectF sq = CharacterSquare(QSizeF(571, 428));
    EXPECT_EQ(sq, QRectF(79.5, 8, 412, 412));
    const QTransform m = EmToSquare(sq);
    EXPECT_EQ(m.map(QPointF(0, 900)), sq.topLeft());
    EXPECT_EQ(m.map(QPointF(1024, -124)), sq.bottomRight());

    const QVector<QPointF> line{{0, 0}, {10, 0}, {10, 10}};
    EXPECT_EQ(PolylineLength(line), 20);
    EXPECT_EQ(PolylinePrefix(line, 0), QVector<QPointF>{QPointF(0, 0)});
    EXPECT_EQ(PolylinePrefix(line, 15), (QVector<QPointF>{{0, 0}, {10, 0}, {10, 5}}));
    EXPECT_EQ(PolylinePrefix(line, 99), line);
}

TEST(MovieName, OnlyAPlainFileNameAfterTheBaseIsLookedUpLocally)
{
    const QString base = QStringLiteral("http://h/other/hzbs/swf/");
    struct Case {
        const char *address, *name;
    } cases[] = {
        {"http://h/other/hzbs/swf/4e00.json", "4e00.json"},
        {"http://h/other/hzbs/swf/ 4e00.json ", " 4e00.json "}, // nothing trimmed
        {"http://h/other/hzbs/swf/", ""},
        {"http://h/other/hzbs/swf/../x.json", ""},
        {"http://h/other/hzbs/swf/a/b.json", ""},
        {"http://h/other/hzbs/swf/..", ""},
        {"http://h/other/hzbs/swf/a\\b", ""},
        {"http://other/4e00.json", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LocalMovieName(base, QString::fromUtf8(c.address)), QString::fromUtf8(c.name)) << c.address;
}

TEST(Player, PlaysAMovieFromTheLocalFolder)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("4e00.json")), kTwoStrokes);
    TStrokePlayer player(kBase, nullptr, dir.path());
    player.resize(571, 428);
    QSignalSpy progress(&player, &TStrokePlayer::progress);
    QSignalSpy ready(&player, &TStrokePlayer::readyStateChange);
    player.setMovie(kBase + QStringLiteral("4e00.json"));
    EXPECT_GE(progress.count(), 1);
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(ready.at(0).at(0).toInt(), int(TStrokePlayer::Complete));
    ASSERT_TRUE(player.strokeMovie());

    // Half-way through the first stroke part of it is red; once drawn, it is ink.
    const QImage half = player.renderFrame(150);
    const QImage drawn = player.renderFrame(1000);
    EXPECT_GT(countColour(half, qRgb(0xC8, 0x28, 0x28)), 500);
    EXPECT_EQ(countColour(drawn, qRgb(0xC8, 0x28, 0x28)), 0);
    const QPointF barMiddle = EmToSquare(CharacterSquare(QSizeF(571, 428))).map(QPointF(250, 350));
    EXPECT_EQ(drawn.pixel(barMiddle.toPoint()) & 0xFFFFFF, 0x222222u);
    // The right end of the bar is not reached yet at half time.
    const QPointF barEnd = EmToSquare(CharacterSquare(QSizeF(571, 428))).map(QPointF(390, 350));
    EXPECT_EQ(half.pixel(barEnd.toPoint()) & 0xFFFFFF, 0xDDDDDDu);

    // The same address again reloads and starts over.
    player.setMovie(player.movie());
    EXPECT_EQ(ready.count(), 2);
}

TEST(Player, ReportsTheEndOfEveryPass)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.json")), oneShortStroke());
    TStrokePlayer player(kBase, nullptr, dir.path());
    player.resize(200, 200);
    player.setMovie(kBase + QStringLiteral("a.json"));
    QSignalSpy command(&player, &TStrokePlayer::fsCommand);
    player.show();
    // One stroke with a median of one point takes 200 ms.
    ASSERT_TRUE(command.wait(3000));
    EXPECT_EQ(command.at(0).at(0).toString(), QStringLiteral("passEnd"));
    EXPECT_EQ(command.at(0).at(1).toString(), QStringLiteral("1"));
    // Hidden, the clock stands still.
    player.hide();
    const double at = player.elapsedMs();
    QTest::qWait(50);
    EXPECT_EQ(player.elapsedMs(), at);
}

TEST(Player, MissingOrBrokenMoviesShowNothing)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("bad.json")), "{\"strokes\":");
    cx::test::LoopbackServer server;
    const QString base = server.origin() + QStringLiteral("/other/hzbs/swf/");
    TStrokePlayer player(base, nullptr, dir.path());
    player.resize(100, 100);
    QSignalSpy ready(&player, &TStrokePlayer::readyStateChange);
    QSignalSpy command(&player, &TStrokePlayer::fsCommand);
    QImage white(100, 100, QImage::Format_ARGB32_Premultiplied);
    white.fill(Qt::white);

    // A broken local file is not fetched from the web either.
    player.setMovie(base + QStringLiteral("bad.json"));
    EXPECT_EQ(player.renderFrame(100), white);
    // Empty name: nothing to fetch.
    player.setMovie(base);
    // Not on the server.
    player.setMovie(base + QStringLiteral("none.json"));
    QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 5000);
    QTest::qWait(100);
    EXPECT_EQ(server.requests(), QList<QByteArray>{"/other/hzbs/swf/none.json"});
    EXPECT_FALSE(player.strokeMovie());
    EXPECT_EQ(ready.count(), 0);
    EXPECT_EQ(command.count(), 0);
    EXPECT_EQ(player.renderFrame(100), white);
}

TEST(Player, FetchesOverHttpWhenTheLocalFolderHasNoMovie)
{
    QTemporaryDir empty;
    cx::test::LoopbackServer server;
    const QString base = server.origin() + QStringLiteral("/other/hzbs/swf/");
    // The name follows the base exactly: nothing inserted, escaped or decoded.
    const QString hm = QStringLiteral("4e00+%2B(1).json");
    server.add("/other/hzbs/swf/4e00+%2B(1).json", {200, "application/json", kTwoStrokes});
    TStrokePlayer player(base, nullptr, empty.path());
    player.resize(571, 428);
    QSignalSpy progress(&player, &TStrokePlayer::progress);
    QSignalSpy ready(&player, &TStrokePlayer::readyStateChange);
    player.setMovie(base + hm);
    EXPECT_FALSE(player.strokeMovie());
    ASSERT_TRUE(ready.wait(5000));
    EXPECT_EQ(server.requests(), QList<QByteArray>{"/other/hzbs/swf/4e00+%2B(1).json"});
    EXPECT_GE(progress.count(), 1);
    EXPECT_EQ(progress.last().at(0).toInt(), 100);
    EXPECT_EQ(ready.at(0).at(0).toInt(), int(TStrokePlayer::Complete));
    ASSERT_TRUE(player.strokeMovie());
    EXPECT_EQ(player.strokeMovie()->strokes.size(), 2u);
}

TEST(Player, ANewMovieDropsTheOneStillLoading)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("local.json")), oneShortStroke());
    cx::test::LoopbackServer server;
    const QString base = server.origin() + QStringLiteral("/other/hzbs/swf/");
    server.add("/other/hzbs/swf/web.json", {200, "application/json", kTwoStrokes});
    TStrokePlayer player(base, nullptr, dir.path());
    QSignalSpy ready(&player, &TStrokePlayer::readyStateChange);
    player.setMovie(base + QStringLiteral("web.json"));
    player.setMovie(base + QStringLiteral("local.json"));
    QTest::qWait(300);
    EXPECT_EQ(ready.count(), 1);
    ASSERT_TRUE(player.strokeMovie());
    EXPECT_EQ(player.strokeMovie()->strokes.size(), 1u);
}

// Stroke-order player: loading a movie from the local folder until it is
// ready, and drawing one animation frame in the 571 x 428 box.

#include "player/strokeplayer.h"
#include "windows/form10.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

const QString kBase = QStringLiteral("http://127.0.0.1:1/other/hzbs/swf/");

// A real stroke file of many strokes when the data package is there, else a
// made-up one of the same size.
QByteArray movieBytes()
{
    QFile f(QStringLiteral(CX_SOURCE_DIR "/tools/data/node_modules/hanzi-writer-data/藏.json"));
    if (f.open(QIODevice::ReadOnly))
        return f.readAll();
    QByteArray strokes, medians;
    for (int i = 0; i < 17; ++i) {
        const int y = 100 + i * 45;
        strokes += QStringLiteral("%1\"M 100 %2 Q 500 %3 900 %2 L 900 %4 Q 500 %5 100 %4 Z\"")
                       .arg(i ? "," : "").arg(y).arg(y + 20).arg(y + 30).arg(y + 50).toUtf8();
        medians += QStringLiteral("%1[[110,%2],[500,%3],[890,%2]]").arg(i ? "," : "").arg(y + 15).arg(y + 35).toUtf8();
    }
    return "{\"strokes\":[" + strokes + "],\"medians\":[" + medians + "]}";
}

void BM_LocalMovieToReady(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("85cf.json")));
    f.open(QIODevice::WriteOnly);
    f.write(movieBytes());
    f.close();
    cx::player::TStrokePlayer player(kBase, nullptr, dir.path());
    player.resize(571, 428);
    int ready = 0;
    QObject::connect(&player, &cx::player::TStrokePlayer::readyStateChange, [&](int) { ++ready; });
    const QString address = kBase + QStringLiteral("85cf.json");
    for (auto _ : state) {
        player.setMovie(address);
        benchmark::DoNotOptimize(player.strokeMovie());
    }
    if (ready != int(state.iterations()))
        state.SkipWithError("the movie did not become ready");
    state.counters["strokes"] = player.strokeMovie() ? double(player.strokeMovie()->strokes.size()) : 0;
}
BENCHMARK(BM_LocalMovieToReady)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One frame of the animation at a point inside the active stroke: all the
// strokes before it drawn, the active one revealed half-way.
void BM_FrameTime(benchmark::State &state)
{
    const auto movie = cx::player::ParseStrokeMovie(movieBytes());
    const cx::player::Timeline timeline = cx::player::MakeTimeline(*movie);
    QImage target(571, 428, QImage::Format_ARGB32_Premultiplied);
    const int strokes = int(movie->strokes.size());
    int i = 0;
    for (auto _ : state) {
        const int s = i++ % strokes;
        const double ms = (timeline.start[s] + timeline.end[s]) / 2;
        QPainter p(&target);
        cx::player::PaintStrokeFrame(p, target.rect(), &*movie, cx::player::FrameAt(timeline, ms));
    }
    state.counters["strokes"] = strokes;
}
BENCHMARK(BM_FrameTime)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The stroke-order window's creation step on the real store: open it (key
// derivation included), S7 over every row, the first movie. Needs
// CX_STORES_DIR naming a folder that holds dat/lxwi.dat and dat/hzbs/.
void BM_StrokeWindowCreation(benchmark::State &state)
{
    const QString root = qEnvironmentVariable("CX_STORES_DIR");
    if (root.isEmpty() || !QFile::exists(root + QStringLiteral("/dat/lxwi.dat"))) {
        state.SkipWithError("CX_STORES_DIR with dat/lxwi.dat not set");
        return;
    }
    const QString old = QDir::currentPath();
    QDir::setCurrent(root);
    int rows = 0;
    for (auto _ : state) {
        TForm10 window;
        window.FormCreate();
        rows = window.ADOQuery1.recordCount();
    }
    QDir::setCurrent(old);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_StrokeWindowCreation)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

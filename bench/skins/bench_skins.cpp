// A skin switch as the user sees it: decode the file, build the style from
// its description and bitmaps, install it and repaint every window.
#include "demowindow.h"
#include "skins/archive.h"
#include "skins/lzhuf.h"
#include "skins/skinengine.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

QByteArray skinFile(int n)
{
    QFile f(QStringLiteral(CX_SKIN_DIR "/skin%1.skn").arg(n));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("skin file %d missing", n);
    return f.readAll();
}

void BM_DecodeSkinFile(benchmark::State &state)
{
    const QByteArray file = skinFile(1);
    cx::skins::SkinArchive archive;
    for (auto _ : state)
        benchmark::DoNotOptimize(archive.load(file));
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_DecodeSkinFile)->Unit(benchmark::kMillisecond);

void BM_BuildTheme(benchmark::State &state)
{
    const QByteArray file = skinFile(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(cx::skins::SkinTheme::fromSkinFile(file));
}
BENCHMARK(BM_BuildTheme)->Unit(benchmark::kMillisecond);

// Ten windows of about forty controls each are open (the program's window
// count), all shown; each iteration switches skin and repaints them all.
void BM_SkinSwitchAllWindows(benchmark::State &state)
{
    std::vector<std::unique_ptr<QMainWindow>> windows;
    for (int i = 0; i < 10; ++i) {
        windows.emplace_back(makeSkinDemoWindow(QStringLiteral("窗口%1").arg(i)));
        windows.back()->show();
    }
    QApplication::processEvents();
    const QString files[] = {QStringLiteral(CX_SKIN_DIR "/skin1.skn"), QStringLiteral(CX_SKIN_DIR "/skin5.skn")};
    int next = 0;
    for (auto _ : state) {
        if (!cx::skins::selectSkin(files[next ^= 1]))
            state.SkipWithError("skin not loaded");
        for (auto &w : windows)
            w->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SkinSwitchAllWindows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cx::skins::TSkinEngine skndt1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

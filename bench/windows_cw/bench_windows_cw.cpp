// The word window on the full stores: a word search, and a row change with
// its two computed rows. The stores are read from dat/ under the directory
// named by CX_STORES_DIR (default: the working directory), e.g.
//   CX_STORES_DIR=/work/main build-x/bench/windows_cw/bench_windows_cw
#include "app/startup.h"
#include "data/runquery.h"
#include "data/storenames.h"
#include "windows/form1.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void connectWords(cx::data::QuerySlot &slot)
{
    slot.query.setConnectionString(cx::app::storeConnectionString(
        QStringLiteral("lxwd.dat"), cx::data::stores::password(cx::data::stores::kWords)));
}

void BM_WordSearch(benchmark::State &state, const char *text)
{
    cx::data::QuerySlot slot;
    connectWords(slot);
    const QString statement = wordSearchStatement(QString::fromUtf8(text));
    cx::data::RunQuery(slot, statement, false); // the store is held from the first statement on
    for (auto _ : state)
        cx::data::RunQuery(slot, statement, false);
    state.counters["rows"] = slot.query.recordCount();
}
BENCHMARK_CAPTURE(BM_WordSearch, 爱, "爱")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordSearch, 中国, "中国")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordSearch, 守株待兔, "守株待兔")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WordSearch, 不, "不")->Unit(benchmark::kMillisecond);

// One step of the grid on the first selection: every bound display takes the
// new row, then the pinyin (where none is stored) and the Wubi codes.
void BM_WordRowChange(benchmark::State &state)
{
    cx::data::QuerySlot slot;
    connectWords(slot);
    TForm1 form(slot);
    cx::data::RunQuery(slot, firstWordsStatement(), false);
    const int rows = slot.query.recordCount();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % rows;
        slot.query.setCurrentRow(row);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_WordRowChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray dir = qgetenv("CX_STORES_DIR");
    if (!dir.isEmpty())
        QDir::setCurrent(QString::fromLocal8Bit(dir));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

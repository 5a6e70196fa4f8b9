// The store build on the installed open data (the target is three minutes on
// two cores), store by store, into a temporary folder.
#include "stores/builder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void build(benchmark::State &state, unsigned stores)
{
    const cx::stores::SourcePaths sources = cx::stores::SourcePaths::defaults(
        QStringLiteral(CX_STORES_DATA_DIR "/node_modules"), QStringLiteral(CX_STORES_DATA_DIR "/starter"));
    if (const QString missing = sources.firstMissing(); !missing.isEmpty()) {
        state.SkipWithError(("source missing: " + missing.toStdString()).c_str());
        return;
    }
    for (auto _ : state) {
        QTemporaryDir dir;
        cx::stores::BuildOptions o;
        o.outDir = dir.path();
        o.sources = sources;
        o.stores = stores;
        const cx::stores::BuildReport r = cx::stores::buildStores(o);
        benchmark::DoNotOptimize(r.tables.size());
    }
}

void BM_AllStores(benchmark::State &s) { build(s, cx::stores::kAllStores); }
void BM_WordStore(benchmark::State &s) { build(s, cx::stores::kWordStore); }
void BM_CharacterStore(benchmark::State &s) { build(s, cx::stores::kCharacterStore); }
void BM_StrokeStore(benchmark::State &s) { build(s, cx::stores::kStrokeStore); }

BENCHMARK(BM_AllStores)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_WordStore)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_CharacterStore)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_StrokeStore)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // QProcess (bzip2) wants an application object
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

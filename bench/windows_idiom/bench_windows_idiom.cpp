// The idiom search (S8) and the saying search (S9) on the full idiom store
// through RunQuery, and the idiom search as the user runs it from the
// window: input box answered, statement, grids and displays refreshed.
// Build the stores with `cxtool build-stores`; CX_DAT_DIR names their folder
// (default dat/ of the source tree).
#include "app/boxes.h"
#include "data/runquery.h"
#include "data/statements.h"
#include "widgets/lumobutton.h"
#include "windows/form4.h"

#include <QApplication>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kIdiomPassword = QStringLiteral("⑤乙乙C⑥");

QString idiomStore()
{
    const char *dir = std::getenv("CX_DAT_DIR");
    return (dir ? QString::fromLocal8Bit(dir) : QStringLiteral(CX_SOURCE_DIR "/dat")) + QStringLiteral("/lxwe.dat");
}

// The idiom slot on the full store, opened once so that the key derivation
// of the first read is not measured (the program pays it once per run).
struct Slot {
    cx::data::QuerySlot slot;
    bool ok = false;
    Slot()
    {
        const QString file = idiomStore();
        if (!QFileInfo::exists(file))
            return;
        slot.query.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file
                                       + QStringLiteral(";Mode=Share Deny Read|Share Deny Write;Persist Security "
                                                        "Info=False;Jet OLEDB:Database Password=")
                                       + kIdiomPassword);
        cx::data::RunQuery(slot, cx::data::statements::S3(), false);
        ok = true;
    }
};

Slot &shared()
{
    static Slot s;
    return s;
}

void search(benchmark::State &state, QString (*statement)(const QString &), const QString &text)
{
    Slot &s = shared();
    if (!s.ok) {
        state.SkipWithError("no full idiom store: build it with cxtool build-stores and set CX_DAT_DIR");
        return;
    }
    for (auto _ : state)
        cx::data::RunQuery(s.slot, statement(text), true);
    state.counters["rows"] = s.slot.query.recordCount();
}

void BM_S8_Idioms(benchmark::State &state) { search(state, cx::data::statements::S8, QStringLiteral("马")); }
void BM_S8_IdiomsRare(benchmark::State &state) { search(state, cx::data::statements::S8, QStringLiteral("龘")); }
void BM_S9_Sayings(benchmark::State &state) { search(state, cx::data::statements::S9, QStringLiteral("马")); }

void BM_IdiomSearchFromTheWindow(benchmark::State &state)
{
    Slot &s = shared();
    if (!s.ok) {
        state.SkipWithError("no full idiom store");
        return;
    }
    cx::app::ScopedScriptedBoxes boxes;
    TForm4 form(s.slot);
    form.FormCreate();
    for (auto _ : state) {
        boxes.inputAnswers.push_back(QStringLiteral("马"));
        form.LumoButton4->click();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = s.slot.query.recordCount();
}

} // namespace

BENCHMARK(BM_S8_Idioms)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_S8_IdiomsRare)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_S9_Sayings)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_IdiomSearchFromTheWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    // The offscreen platform says on every showing that it cannot raise.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtWarningMsg || !text.contains(QLatin1String("raise()")))
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

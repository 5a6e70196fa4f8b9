// Query runner costs on stores of realistic size: a "%text%" idiom search
// over 50,000 rows, a radical lookup over 21,000 characters, and opening a
// store (its first read runs the key derivation).
#include "data/runquery.h"
#include "data/statements.h"
#include "data/storewriter.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

const QString kPassword = QStringLiteral("⑤乙乙C⑥");

QString connectionString(const QString &file)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file
        + QStringLiteral(";Mode=Share Deny Read|Share Deny Write;Persist Security Info=False;"
                         "Jet OLEDB:Database Password=")
        + kPassword;
}

// Deterministic text from the common hanzi block.
struct Texts {
    std::mt19937 rng{20261210};
    QString hanzi(int n)
    {
        QString s;
        std::uniform_int_distribution<int> d(0x4E00, 0x62FF);
        for (int i = 0; i < n; ++i)
            s += QChar(d(rng));
        return s;
    }
};

struct Stores {
    QTemporaryDir dir;
    QString idioms, characters;
    Stores()
    {
        Texts t;
        idioms = dir.filePath(QStringLiteral("lxwe.dat"));
        {
            cx::data::StoreWriter w(idioms, kPassword);
            w.beginTable(QStringLiteral("成语"), {QStringLiteral("ID"), QStringLiteral("keyword"),
                                                  QStringLiteral("phonetic"), QStringLiteral("descript")});
            for (int i = 1; i <= 50000; ++i)
                w.addRow({QString::number(i), t.hanzi(4), QStringLiteral("pīn yīn pīn yīn"), t.hanzi(60)});
            w.endTable();
            w.commit();
        }
        characters = dir.filePath(QStringLiteral("lxwg.dat"));
        {
            cx::data::StoreWriter w(characters, kPassword);
            w.beginTable(QStringLiteral("hzlib"),
                         {QStringLiteral("ID"), QStringLiteral("name"), QStringLiteral("oldname"),
                          QStringLiteral("part"), QStringLiteral("wbcode"), QStringLiteral("spell"),
                          QStringLiteral("content")});
            for (int i = 1; i <= 21000; ++i) {
                const QString c = QChar(0x4E00 + i);
                // 214 radicals, about 100 characters each.
                w.addRow({QString::number(i), c, c, QChar(0x2F00 + i % 214), QStringLiteral("ABCD"),
                          QStringLiteral("ma"), t.hanzi(40)});
            }
            w.endTable();
            w.commit();
        }
    }
};

Stores &stores()
{
    static Stores s;
    return s;
}

void BM_S8_IdiomSearch50k(benchmark::State &state)
{
    cx::data::Query q;
    q.setConnectionString(connectionString(stores().idioms));
    cx::data::RunQuery(q, cx::data::statements::S3(), false); // connect once, as a slot does
    for (auto _ : state) {
        cx::data::RunQuery(q, cx::data::statements::S8(QStringLiteral("马")), false);
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK(BM_S8_IdiomSearch50k)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_S13_RadicalLookup21k(benchmark::State &state)
{
    cx::data::Query q;
    q.setConnectionString(connectionString(stores().characters));
    cx::data::RunQuery(q, cx::data::statements::S1(), false);
    for (auto _ : state) {
        cx::data::RunQuery(q, cx::data::statements::S13(QString(QChar(0x2F00 + 7))), false);
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK(BM_S13_RadicalLookup21k)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// A query's first open: connection, lock, key derivation, first selection.
void BM_OpenStore(benchmark::State &state)
{
    for (auto _ : state) {
        cx::data::Query q;
        q.setConnectionString(connectionString(stores().characters));
        cx::data::RunQuery(q, cx::data::statements::S1(), false);
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

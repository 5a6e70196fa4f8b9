// ConvertText costs: a four-character word, and a whole word list of
// 278,000 words (the size of the word store), each through the index and
// through the plain first-match walk over the table's lines.
// The words are the multi-character rows of the Rime wubi86 dictionary,
// repeated up to 278,000.
#include "chartable/chartable.h"
#include "text/gbk.h"

#include <QFile>
#include <benchmark/benchmark.h>

#include <set>

namespace
{

using namespace cx::chartable;

constexpr std::size_t kListSize = 278000;

const std::vector<std::string> &words()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> out;
        QFile f(QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml"));
        if (!f.open(QIODevice::ReadOnly))
            return out;
        std::set<std::string> seen;
        bool body = false;
        while (!f.atEnd()) {
            const QByteArray line = f.readLine().trimmed();
            if (!body) {
                body = line == "...";
                continue;
            }
            if (line.startsWith('#'))
                continue;
            const QString text = QString::fromUtf8(line.left(line.indexOf('\t')));
            cx::text::ConversionReport bad;
            const std::string gbk = cx::text::toGbk(text, &bad);
            if (text.size() >= 2 && !bad.replaced && seen.insert(gbk).second)
                out.push_back(gbk);
        }
        for (std::size_t i = 0; !out.empty() && out.size() < kListSize; ++i)
            out.push_back(out[i]);
        out.resize(std::min(out.size(), kListSize));
        return out;
    }();
    return list;
}

const std::vector<std::string> &fourCharacterWords()
{
    static const std::vector<std::string> list = [] {
        std::vector<std::string> out;
        for (const std::string &w : words())
            if (w.size() == 8 && out.size() < 1000)
                out.push_back(w);
        return out;
    }();
    return list;
}

// One four-character word per call, cycling through a thousand of them so
// that the walk meets characters from all over the table.
template <bool Walk> void BM_FourCharacterWord(benchmark::State &state)
{
    const auto &table = CharCodeTable::embedded();
    const auto &list = fourCharacterWords();
    if (list.empty()) {
        state.SkipWithError("wubi86.dict.yaml not found");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string &w = list[i++ % list.size()];
        benchmark::DoNotOptimize(Walk ? ConvertTextByWalk(table, w, CodeField::Pinyin)
                                      : ConvertText(table, w, CodeField::Pinyin));
    }
}
BENCHMARK(BM_FourCharacterWord<false>)
    ->Name("ConvertText/four-character word")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FourCharacterWord<true>)
    ->Name("ConvertTextByWalk/four-character word")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The screen-side form, GBK conversion both ways included.
void BM_FourCharacterWordQString(benchmark::State &state)
{
    const QString w = QStringLiteral("一帆风顺");
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertText(w, CodeField::Wubi));
}
BENCHMARK(BM_FourCharacterWordQString)->Name("ConvertText/QString four-character word");

template <bool Walk> void BM_WordList(benchmark::State &state)
{
    const auto &table = CharCodeTable::embedded();
    const auto &list = words();
    if (list.size() != kListSize) {
        state.SkipWithError("wubi86.dict.yaml not found");
        return;
    }
    const auto field = static_cast<CodeField>(state.range(0));
    for (auto _ : state)
        for (const std::string &w : list)
            benchmark::DoNotOptimize(Walk ? ConvertTextByWalk(table, w, field)
                                          : ConvertText(table, w, field));
    state.counters["words"] = static_cast<double>(list.size());
}
BENCHMARK(BM_WordList<false>)
    ->Name("ConvertText/278000 words")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordList<true>)
    ->Name("ConvertTextByWalk/278000 words")
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Speech costs: synthesising a word and an explanation-length text (the work
// of the worker thread), the Speak call itself (the cost on the UI thread),
// and a window's first Speak, which connects its voice.
#include "speech/spvoice.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace cx::speech;

namespace {

const QString kWord = QStringLiteral("汉语");
const QString kLong = QStringLiteral("汉语是汉族的语言，也是中国的通用语言，在世界上使用人数最多。");

void BM_SynthesizeWord(benchmark::State &state)
{
    const auto engine = connectEspeak();
    double seconds = 0;
    for (auto _ : state)
        seconds = engine->synthesize(kWord, kLangChinesePrc).seconds();
    state.counters["audio_s"] = seconds;
}
BENCHMARK(BM_SynthesizeWord)->Unit(benchmark::kMillisecond);

void BM_SynthesizeSentence(benchmark::State &state)
{
    const auto engine = connectEspeak();
    double seconds = 0;
    for (auto _ : state)
        seconds = engine->synthesize(kLong, kLangChinesePrc).seconds();
    state.counters["audio_s"] = seconds;
}
BENCHMARK(BM_SynthesizeSentence)->Unit(benchmark::kMillisecond);

// A connected voice: Speak only queues the text for the worker.
void BM_SpeakOnConnectedVoice(benchmark::State &state)
{
    TSpVoice voice;
    voice.setBackend(captureBackend(std::make_shared<CaptureLog>()));
    voice.Speak(QString(kChineseTag) + kWord, SVSFlagsAsync);
    for (auto _ : state)
        voice.Speak(QString(kChineseTag) + kWord, SVSFlagsAsync);
}
BENCHMARK(BM_SpeakOnConnectedVoice)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// A window's first Speak: joins the running engine, opens the output and
// starts the worker (the voice is then destroyed, which joins the worker).
void BM_FirstSpeak(benchmark::State &state)
{
    connectEspeak();
    for (auto _ : state) {
        TSpVoice voice;
        voice.setBackend(captureBackend(std::make_shared<CaptureLog>()));
        voice.Speak(QString(kChineseTag) + kWord, SVSFlagsAsync);
    }
}
BENCHMARK(BM_FirstSpeak)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

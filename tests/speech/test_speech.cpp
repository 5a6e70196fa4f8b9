#include "speech/spvoice.h"
#include "speech/speecherror.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

using namespace cx::speech;

namespace {

const QString kTag = QString(kChineseTag);
constexpr int kWait = 20000; // generous: the machine may be busy; nothing is timed

double rms(const Samples &s)
{
    double sum = 0;
    for (std::int16_t v : s.data)
        sum += double(v) * v;
    return s.data.empty() ? 0.0 : std::sqrt(sum / s.data.size()) / 32768.0;
}

// An engine that fails to synthesise, for the failures after Speak returned.
class BrokenEngine final : public SpeechEngine {
public:
    Samples synthesize(const QString &, std::uint16_t) override { throw SpeechError(QStringLiteral("合成失败")); }
    int sampleRate() const override { return 22050; }
};

} // namespace

TEST(SpeechText, LeadingTagChoosesLanguageAndIsRemoved)
{
    struct Case {
        QString in, text;
        std::uint16_t lang;
    } cases[] = {
        {kTag + QStringLiteral("汉语"), QStringLiteral("汉语"), 0x0804},
        {kTag, QString(), 0x0804}, // an empty entry sends the tag alone
        {QStringLiteral("汉语"), QStringLiteral("汉语"), 0x0804},
        {QStringLiteral(" <lang langid = \"409\" >hello</LANG>"), QStringLiteral("hello"), 0x0409},
        {QStringLiteral("<LANG LANGID=\"804;409\">词"), QStringLiteral("词"), 0x0804},
        {QStringLiteral("词<LANG LANGID=\"409\">"), QStringLiteral("词<LANG LANGID=\"409\">"), 0x0804},
    };
    for (const Case &c : cases) {
        const SpeechText t = parseSpeechText(c.in);
        EXPECT_EQ(t.text, c.text) << c.in.toStdString();
        EXPECT_EQ(t.langId, c.lang) << c.in.toStdString();
    }
    EXPECT_STREQ(voiceForLanguage(0x0804), "cmn-latn-pinyin");
    EXPECT_STREQ(voiceForLanguage(0x0409), "en-us");
}

// The Mandarin voice must read hanzi as Mandarin syllables with their tones,
// not switch to English for spelled-out pinyin ("(en)" in the phonemes).
TEST(SpeechEngine, MandarinVoiceReadsHanziWithTones)
{
    const QString tones = espeakPhonemes(QStringLiteral("妈麻马骂"), kLangChinesePrc);
    EXPECT_FALSE(tones.contains(QStringLiteral("(en)"))) << tones.toStdString();
    const QStringList syllables = tones.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(syllables.size(), 4) << tones.toStdString();
    const char *chao[] = {"55", "35", "214", "51"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(syllables[i].contains(QLatin1String(chao[i]))) << tones.toStdString();

    const QString words = QStringLiteral("汉语词典成语歇后语灯谜古文反义词你好重庆");
    const QString ph = espeakPhonemes(words, kLangChinesePrc);
    EXPECT_FALSE(ph.contains(QStringLiteral("(en)"))) << ph.toStdString();
    EXPECT_EQ(ph.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), words.size()) << ph.toStdString();

    EXPECT_NE(espeakPhonemes(QStringLiteral("hello"), 0x0409), espeakPhonemes(QStringLiteral("hello"), 0x0804));
}

TEST(SpeechEngine, SynthesisesAWordToAudibleSamples)
{
    const auto engine = connectEspeak();
    EXPECT_EQ(engine, connectEspeak()); // one engine, joined by every voice
    const Samples s = engine->synthesize(QStringLiteral("汉语"), kLangChinesePrc);
    EXPECT_EQ(s.sampleRate, 22050);
    EXPECT_GT(s.seconds(), 0.3);
    EXPECT_LT(s.seconds(), 1.0);
    EXPECT_GT(rms(s), 0.03);
}

TEST(SpVoice, QuickSpeaksAreQueuedAndPlayedInOrder)
{
    auto log = std::make_shared<CaptureLog>();
    TSpVoice voice, other;
    voice.setBackend(captureBackend(log));
    QSignalSpy queued(&voice, &TSpVoice::queued);
    EXPECT_FALSE(voice.isConnected());

    const int first = voice.Speak(kTag + QStringLiteral("汉语"), SVSFlagsAsync);
    const int second = voice.Speak(kTag + QStringLiteral("成语词典"), SVSFlagsAsync);
    const int third = voice.Speak(kTag, SVSFlagsAsync);
    // Both calls returned before anything was played: results only arrive
    // through the event loop.
    EXPECT_TRUE(log->pieces.empty());
    EXPECT_TRUE(voice.isConnected());
    EXPECT_FALSE(other.isConnected()); // each window's voice connects on its own
    ASSERT_EQ(queued.size(), 3);
    EXPECT_EQ(queued[0][1].toString(), kTag + QStringLiteral("汉语"));

    QTRY_COMPARE_WITH_TIMEOUT(log->pieces.size(), std::size_t(3), kWait);
    EXPECT_EQ(log->pieces[0].stream, first);
    EXPECT_EQ(log->pieces[1].stream, second);
    EXPECT_EQ(log->pieces[2].stream, third);
    EXPECT_GT(rms(log->pieces[0].samples), 0.03);
    EXPECT_GT(log->pieces[1].samples.seconds(), log->pieces[0].samples.seconds()); // four syllables, not two
    EXPECT_LT(log->pieces[2].samples.seconds(), 0.2); // the tag alone says nothing
}

TEST(SpVoice, TagChoosesTheVoiceAndIsNotSpoken)
{
    // Synthesis varies by a few samples from run to run, so what the engine
    // was asked for is recorded, and the length shows the tag was not read.
    struct Recording final : SpeechEngine {
        std::vector<std::pair<QString, std::uint16_t>> asked;
        Samples synthesize(const QString &text, std::uint16_t langId) override
        {
            asked.emplace_back(text, langId);
            return connectEspeak()->synthesize(text, langId);
        }
        int sampleRate() const override { return connectEspeak()->sampleRate(); }
    };
    auto engine = std::make_shared<Recording>();
    auto log = std::make_shared<CaptureLog>();
    SpeechBackend backend = captureBackend(log);
    backend.connectEngine = [engine] { return engine; };
    TSpVoice voice;
    voice.setBackend(backend);
    voice.Speak(kTag + QStringLiteral("汉语"), SVSFlagsAsync);
    voice.Speak(QStringLiteral("<LANG LANGID=\"409\">hello"), SVSFlagsAsync);
    QTRY_COMPARE_WITH_TIMEOUT(log->pieces.size(), std::size_t(2), kWait);

    ASSERT_EQ(engine->asked.size(), 2u); // read only after the worker delivered both
    EXPECT_EQ(engine->asked[0], std::make_pair(QStringLiteral("汉语"), std::uint16_t(0x0804)));
    EXPECT_EQ(engine->asked[1], std::make_pair(QStringLiteral("hello"), std::uint16_t(0x0409)));
    const double plain = connectEspeak()->synthesize(QStringLiteral("汉语"), 0x0804).seconds();
    EXPECT_NEAR(log->pieces[0].samples.seconds(), plain, plain * 0.2);
}

// No engine or no sound device: Speak throws, the voice stays unconnected,
// and the next Speak tries again.
TEST(SpVoice, MissingEngineOrDeviceFailsSpeakAndTheNextSpeakRetries)
{
    for (bool deviceMissing : {false, true}) {
        auto log = std::make_shared<CaptureLog>();
        int attempts = 0;
        SpeechBackend backend = captureBackend(log);
        const auto openCapture = backend.openOutput;
        if (deviceMissing) {
            backend.openOutput = [&attempts, openCapture](int rate) -> std::unique_ptr<AudioOutput> {
                if (++attempts == 1)
                    throw SpeechError(QStringLiteral("没有找到声音输出设备"));
                return openCapture(rate);
            };
        } else {
            backend.connectEngine = [&attempts]() -> std::shared_ptr<SpeechEngine> {
                if (++attempts == 1)
                    throw SpeechError(QStringLiteral("无法启动语音引擎"));
                return connectEspeak();
            };
        }
        TSpVoice voice;
        voice.setBackend(backend);
        try {
            voice.Speak(kTag + QStringLiteral("汉"), SVSFlagsAsync);
            ADD_FAILURE() << "Speak did not fail";
        } catch (const SpeechError &e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
        EXPECT_FALSE(voice.isConnected());
        voice.Speak(kTag + QStringLiteral("语"), SVSFlagsAsync);
        EXPECT_EQ(attempts, 2);
        QTRY_COMPARE_WITH_TIMEOUT(log->pieces.size(), std::size_t(1), kWait);
    }
}

TEST(SpVoice, SystemOutputNeedsARealDevice)
{
    if (QMediaDevices::audioOutputs().isEmpty()) {
        EXPECT_THROW(openSystemOutput(22050), SpeechError);
        TSpVoice voice; // the default backend plays through the system output
        for (int i = 0; i < 2; ++i) {
            EXPECT_THROW(voice.Speak(kTag + QStringLiteral("汉语"), SVSFlagsAsync), SpeechError);
            EXPECT_FALSE(voice.isConnected());
        }
    } else {
        EXPECT_NE(openSystemOutput(22050), nullptr);
    }
}

TEST(SpVoice, FailureAfterSpeakDisconnectsAndReportsIt)
{
    int connects = 0;
    SpeechBackend backend;
    backend.connectEngine = [&connects] {
        ++connects;
        return std::make_shared<BrokenEngine>();
    };
    backend.openOutput = [](int) { return std::make_unique<CaptureOutput>(std::make_shared<CaptureLog>()); };
    TSpVoice voice;
    voice.setBackend(backend);
    QSignalSpy errors(&voice, &TSpVoice::errorOccurred);
    voice.Speak(kTag + QStringLiteral("汉"), SVSFlagsAsync);
    voice.Speak(kTag + QStringLiteral("语"), SVSFlagsAsync);
    QTRY_VERIFY_WITH_TIMEOUT(!voice.isConnected(), kWait);
    QTest::qWait(50); // let the second text's failure arrive too: it belongs to the old connection
    EXPECT_EQ(errors.size(), 1);
    voice.Speak(kTag + QStringLiteral("汉"), SVSFlagsAsync);
    EXPECT_EQ(connects, 2);
}

TEST(SpVoice, DestroyedWithTextsStillQueued)
{
    auto log = std::make_shared<CaptureLog>();
    {
        TSpVoice voice;
        voice.setBackend(captureBackend(log));
        for (int i = 0; i < 5; ++i)
            voice.Speak(kTag + QStringLiteral("歇后语灯谜"), SVSFlagsAsync);
    }
    QTest::qWait(50);
    EXPECT_TRUE(log->pieces.empty());
}

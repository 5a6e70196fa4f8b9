#include "speech/engine.h"

#include "speech/speecherror.h"

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace cx::speech {
namespace {

// Serialises every call into espeak-ng, which is not reentrant.
std::mutex &espeakMutex()
{
    static std::mutex m;
    return m;
}

int collectSamples(short *wav, int count, espeak_EVENT *events)
{
    if (wav && count > 0 && events && events->user_data) {
        auto *out = static_cast<std::vector<std::int16_t> *>(events->user_data);
        out->insert(out->end(), wav, wav + count);
    }
    return 0;
}

void selectVoice(std::uint16_t langId)
{
    const char *name = voiceForLanguage(langId);
    if (espeak_SetVoiceByName(name) != EE_OK)
        throw SpeechError(QStringLiteral("语音引擎缺少“%1”语音，无法朗读。请重新安装语音数据（espeak-ng-data）。")
                              .arg(QString::fromLatin1(name)));
}

class EspeakEngine final : public SpeechEngine {
public:
    EspeakEngine()
    {
        // DONT_EXIT: without it the library ends the process when its data
        // is missing.
        rate_ = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate_ <= 0)
            throw SpeechError(QStringLiteral("无法启动语音引擎：找不到语音数据。请安装语音引擎（espeak-ng-data）后再试。"));
        espeak_SetSynthCallback(collectSamples);
        selectVoice(kLangChinesePrc);
    }

    Samples synthesize(const QString &text, std::uint16_t langId) override
    {
        std::lock_guard lock(espeakMutex());
        selectVoice(langId);
        Samples out;
        out.sampleRate = rate_;
        const QByteArray utf8 = text.toUtf8();
        const espeak_ERROR err = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                              espeakCHARS_UTF8, nullptr, &out.data);
        if (err != EE_OK)
            throw SpeechError(QStringLiteral("语音引擎无法朗读“%1”（错误 %2）").arg(text).arg(int(err)));
        return out;
    }

    int sampleRate() const override { return rate_; }

private:
    int rate_ = 0;
};

std::mutex &engineMutex()
{
    static std::mutex m;
    return m;
}

// Started once and kept until the process ends: espeak_Terminate waits
// forever on the library's own thread after synchronous synthesis.
std::shared_ptr<SpeechEngine> &runningEngine()
{
    static std::shared_ptr<SpeechEngine> engine;
    return engine;
}

} // namespace

std::shared_ptr<SpeechEngine> connectEspeak()
{
    std::lock_guard lock(engineMutex());
    if (runningEngine())
        return runningEngine();
    std::lock_guard espeakLock(espeakMutex());
    auto engine = std::make_shared<EspeakEngine>();
    runningEngine() = engine;
    return engine;
}

QString espeakPhonemes(const QString &text, std::uint16_t langId)
{
    const auto engine = connectEspeak();
    std::lock_guard lock(espeakMutex());
    selectVoice(langId);
    const QByteArray utf8 = text.toUtf8();
    const void *at = utf8.constData();
    QString out;
    while (at) {
        if (const char *ph = espeak_TextToPhonemes(&at, espeakCHARS_UTF8, 0)) {
            if (!out.isEmpty())
                out += QLatin1Char(' ');
            out += QString::fromUtf8(ph).trimmed();
        }
    }
    return out;
}

} // namespace cx::speech

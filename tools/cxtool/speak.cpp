// cxtool speak: reads a text aloud the way the dictionary windows do, prints
// the phonemes the voice reads, or writes the samples to a WAV file. A text
// without a <LANG> tag is given the Chinese one.
#include "cxtool/command.h"

#include "speech/spvoice.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QtEndian>

namespace {

using namespace cx::speech;

QString tagged(const QString &text)
{
    return text.trimmed().startsWith(QLatin1Char('<')) ? text : QString(kChineseTag) + text;
}

void writeWav(const QString &path, const Samples &s)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("无法写入“%1”").arg(path).toStdString());
    const quint32 bytes = quint32(s.data.size() * 2);
    auto u32 = [&f](quint32 v) { v = qToLittleEndian(v); f.write(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&f](quint16 v) { v = qToLittleEndian(v); f.write(reinterpret_cast<const char *>(&v), 2); };
    f.write("RIFF");
    u32(36 + bytes);
    f.write("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(quint32(s.sampleRate));
    u32(quint32(s.sampleRate) * 2);
    u16(2);
    u16(16);
    f.write("data");
    u32(bytes);
    for (std::int16_t v : s.data)
        u16(quint16(v));
}

int speak(const QStringList &args)
{
    QString mode, wav;
    QStringList words = args;
    if (!words.isEmpty() && (words.first() == QLatin1String("--phonemes"))) {
        mode = words.takeFirst();
    } else if (words.size() >= 2 && words.first() == QLatin1String("--wav")) {
        mode = words.takeFirst();
        wav = words.takeFirst();
    }
    if (words.isEmpty()) {
        cxtool::err(QStringLiteral("usage: cxtool speak [--phonemes | --wav FILE] TEXT..."));
        return 2;
    }
    if (mode == QLatin1String("--phonemes")) {
        for (const QString &w : words) {
            const SpeechText t = parseSpeechText(tagged(w));
            cxtool::out(t.text + QLatin1Char('\t') + espeakPhonemes(t.text, t.langId));
        }
        return 0;
    }

    // Every text is queued at once, as quick presses of a speak button would.
    auto log = std::make_shared<CaptureLog>();
    TSpVoice voice;
    if (!wav.isEmpty())
        voice.setBackend(captureBackend(log));
    QEventLoop loop;
    int last = 0;
    double seconds = 0;
    QString failure;
    QObject::connect(&voice, &TSpVoice::spoken, &loop, [&](int stream, double s) {
        seconds += s;
        if (stream == last) // let the sound output finish before the process ends
            QTimer::singleShot(wav.isEmpty() ? int(seconds * 1000) + 1500 : 0, &loop, &QEventLoop::quit);
    });
    QObject::connect(&voice, &TSpVoice::errorOccurred, &loop, [&](const QString &m) {
        failure = m;
        loop.quit();
    });
    for (const QString &w : words)
        last = voice.Speak(tagged(w), SVSFlagsAsync);
    loop.exec();
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    if (!wav.isEmpty()) {
        Samples all{log->pieces.front().samples.sampleRate, {}};
        for (const auto &p : log->pieces)
            all.data.insert(all.data.end(), p.samples.data.begin(), p.samples.data.end());
        writeWav(wav, all);
    }
    cxtool::out(QStringLiteral("%1 texts, %2 s").arg(words.size()).arg(seconds, 0, 'f', 2));
    return 0;
}

cxtool::Registration r{{QStringLiteral("speak"), QStringLiteral("[--phonemes | --wav FILE] TEXT..."), speak}};

} // namespace

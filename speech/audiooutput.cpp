#include "speech/audiooutput.h"

#include "speech/speecherror.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>
#include <QTimer>

namespace cx::speech {
namespace {

const QString kNoDevice = QStringLiteral("没有找到声音输出设备，无法朗读。请接好音箱或耳机，确认声音服务已经启动，然后再试。");

// Writes queued samples into the sink as fast as it takes them. Push mode
// with a short feed timer: the sink never runs dry while there is something
// to play, and goes idle by itself when the queue is empty.
class SystemOutput final : public AudioOutput {
public:
    SystemOutput(const QAudioDevice &device, const QAudioFormat &format) : sink_(device, format)
    {
        io_ = sink_.start();
        if (!io_ || sink_.error() == QAudio::OpenError || sink_.error() == QAudio::FatalError)
            throw SpeechError(QStringLiteral("无法打开声音输出设备“%1”，无法朗读。").arg(device.description()));
        feed_.setInterval(20);
        QObject::connect(&feed_, &QTimer::timeout, this, [this] { pump(); });
        QObject::connect(&sink_, &QAudioSink::stateChanged, this, [this](QAudio::State) { checkSink(); });
    }

    void play(int, const Samples &samples) override
    {
        pending_.append(reinterpret_cast<const char *>(samples.data.data()),
                        qsizetype(samples.data.size() * sizeof(std::int16_t)));
        pump();
    }

private:
    void pump()
    {
        while (!pending_.isEmpty()) {
            const qsizetype room = std::min<qsizetype>(sink_.bytesFree(), pending_.size());
            if (room <= 0)
                break;
            const qint64 written = io_->write(pending_.constData(), room);
            if (written <= 0)
                break;
            pending_.remove(0, qsizetype(written));
        }
        if (pending_.isEmpty())
            feed_.stop();
        else if (!feed_.isActive())
            feed_.start();
        checkSink();
    }

    void checkSink()
    {
        const QAudio::Error e = sink_.error();
        if (!failed_ && (e == QAudio::OpenError || e == QAudio::FatalError || e == QAudio::IOError)) {
            failed_ = true;
            pending_.clear();
            feed_.stop();
            emit failed(QStringLiteral("声音输出设备出错，朗读中断。"));
        }
    }

    QAudioSink sink_;
    QIODevice *io_ = nullptr;
    QByteArray pending_;
    QTimer feed_;
    bool failed_ = false;
};

} // namespace

std::unique_ptr<AudioOutput> openSystemOutput(int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        throw SpeechError(kNoDevice);
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        throw SpeechError(QStringLiteral("声音输出设备“%1”不能播放 %2 Hz 的单声道声音，无法朗读。")
                              .arg(device.description())
                              .arg(sampleRate));
    return std::make_unique<SystemOutput>(device, format);
}

void CaptureOutput::play(int stream, const Samples &samples)
{
    log_->pieces.push_back({stream, samples});
    emit captured(stream);
}

} // namespace cx::speech

#include "speech/spvoice.h"

#include "speech/speecherror.h"

#include <QThread>

namespace cx::speech {

SpeechBackend captureBackend(std::shared_ptr<CaptureLog> log)
{
    SpeechBackend b;
    b.openOutput = [log](int) { return std::make_unique<CaptureOutput>(log); };
    return b;
}

TSpVoice::TSpVoice(QObject *parent) : QObject(parent) {}

TSpVoice::~TSpVoice() { disconnectVoice(); }

void TSpVoice::setBackend(SpeechBackend backend)
{
    disconnectVoice();
    backend_ = std::move(backend);
}

void TSpVoice::connectVoice()
{
    // Nothing is kept unless every step succeeds, so a failed attempt leaves
    // the voice as it was and the next Speak starts afresh.
    auto engine = backend_.connectEngine();
    auto output = backend_.openOutput(engine->sampleRate());
    auto thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("speech"));
    auto worker = std::make_unique<QObject>();
    worker->moveToThread(thread.get());
    thread->start();

    const std::uint64_t generation = ++generation_;
    connect(output.get(), &AudioOutput::failed, this,
            [this, generation](const QString &message) { fail(generation, message); }, Qt::QueuedConnection);
    engine_ = std::move(engine);
    output_ = std::move(output);
    thread_ = std::move(thread);
    worker_ = std::move(worker);
    connected_ = true;
}

void TSpVoice::disconnectVoice()
{
    if (!connected_)
        return;
    connected_ = false;
    ++generation_;
    // Texts still waiting for synthesis are dropped with the worker.
    thread_->quit();
    thread_->wait();
    worker_.reset();
    thread_.reset();
    output_.reset();
    engine_.reset();
}

int TSpVoice::Speak(const QString &text, SpeakFlags)
{
    if (!connected_)
        connectVoice();
    const int stream = ++lastStream_;
    emit queued(stream, text);

    const SpeechText parsed = parseSpeechText(text);
    const std::uint64_t generation = generation_;
    // The worker only reads the engine through its own reference, and this
    // object outlives every job because disconnecting joins the thread.
    QMetaObject::invokeMethod(
        worker_.get(),
        [this, engine = engine_, parsed, generation, stream] {
            try {
                Samples samples = engine->synthesize(parsed.text, parsed.langId);
                QMetaObject::invokeMethod(
                    this, [this, generation, stream, s = std::move(samples)] { deliver(generation, stream, s); },
                    Qt::QueuedConnection);
            } catch (const SpeechError &e) {
                QMetaObject::invokeMethod(
                    this, [this, generation, m = e.message()] { fail(generation, m); }, Qt::QueuedConnection);
            }
        },
        Qt::QueuedConnection);
    return stream;
}

void TSpVoice::deliver(std::uint64_t generation, int stream, const Samples &samples)
{
    if (generation != generation_ || !connected_)
        return;
    output_->play(stream, samples);
    emit spoken(stream, samples.seconds());
}

void TSpVoice::fail(std::uint64_t generation, const QString &message)
{
    if (generation != generation_ || !connected_)
        return;
    disconnectVoice();
    emit errorOccurred(message);
}

} // namespace cx::speech

#include "desktop/tone_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <chrono>
#include <thread>
#include <vector>

namespace kelo::desktop {

TonePlayer::TonePlayer() : threadContext_(std::make_unique<QObject>()) {
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        return;  // no sound device: silent waits
    }
    threadContext_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("whistle"));
    thread_.start();
    QMetaObject::invokeMethod(
        threadContext_.get(), [this] { open(); }, Qt::BlockingQueuedConnection);
}

namespace {
// How often the buffer is topped up: well inside the buffer's length.
constexpr int feedMilliseconds = 4;
}  // namespace

void TonePlayer::open() {
    QAudioFormat format;
    format.setSampleRate(synth_.sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(format)) {
        return;
    }
    sink_ = new QAudioSink(output,
                           format);  // NOLINT(cppcoreguidelines-owning-memory): deleted in close()
    sink_->setBufferSize(synth_.sampleRate() * 2 * bufferMilliseconds / 1000);
    output_ = sink_->start();
    if (output_ == nullptr || sink_->error() != QAudio::NoError) {
        return;
    }
    feeder_ = new QTimer;  // NOLINT(cppcoreguidelines-owning-memory): deleted in close()
    feeder_->setTimerType(Qt::PreciseTimer);
    QObject::connect(feeder_, &QTimer::timeout, [this] { feed(); });
    feeder_->start(feedMilliseconds);
    feed();
    const std::lock_guard lock(mutex_);
    deviceAlive_ = true;
}

void TonePlayer::feed() {
    const qsizetype free = sink_->bytesFree() / 2;
    if (free <= 0) {
        return;
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(free));
    {
        const std::lock_guard lock(mutex_);
        synth_.render(samples.data(), samples.size());
    }
    output_->write(reinterpret_cast<const char*>(samples.data()), free * 2);
    taken_.notify_all();
}

// Shut down in a safe order: stop feeding, stop the sink, wait a little, then delete it on its
// own thread.
void TonePlayer::close() {
    delete feeder_;  // NOLINT(cppcoreguidelines-owning-memory)
    feeder_ = nullptr;
    if (sink_ != nullptr) {
        sink_->stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        delete sink_;  // NOLINT(cppcoreguidelines-owning-memory)
        sink_ = nullptr;
    }
}

TonePlayer::~TonePlayer() {
    if (!thread_.isRunning()) {
        return;
    }
    {
        std::unique_lock lock(mutex_);
        taken_.wait_for(lock, std::chrono::milliseconds(100),
                        [this] { return synth_.silent() || !deviceAlive_; });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    QMetaObject::invokeMethod(
        threadContext_.get(), [this] { close(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

bool TonePlayer::hasDevice() const {
    const std::lock_guard lock(mutex_);
    return deviceAlive_;
}

bool TonePlayer::play(int hertz, int milliseconds) {
    std::unique_lock lock(mutex_);
    if (!deviceAlive_) {
        return false;
    }
    synth_.queue(hertz, milliseconds);
    const std::uint64_t ticket = synth_.tonesQueued();
    // A device that stops taking samples (the sound server went away) turns us silent.
    const auto patience = std::chrono::milliseconds(milliseconds + 250);
    if (taken_.wait_for(lock, patience, [&] { return synth_.tonesRendered() >= ticket; })) {
        return true;
    }
    deviceAlive_ = false;
    return false;
}

}  // namespace kelo::desktop

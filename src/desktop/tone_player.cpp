#include "desktop/tone_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <chrono>
#include <thread>

namespace kelo::desktop {

/// What the sink reads: the synthesiser's samples, rendered on demand under the player's lock.
class TonePlayer::SynthDevice : public QIODevice {
  public:
    explicit SynthDevice(TonePlayer& player) : player_(player) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return std::numeric_limits<qint32>::max(); }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const auto samples = static_cast<std::size_t>(maxSize / 2);
        {
            const std::lock_guard lock(player_.mutex_);
            player_.synth_.render(reinterpret_cast<std::int16_t*>(data), samples);
        }
        player_.taken_.notify_all();
        return static_cast<qint64>(samples * 2);
    }
    qint64 writeData(const char* /*data*/, qint64 /*size*/) override { return -1; }

  private:
    TonePlayer& player_;
};

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

void TonePlayer::open() {
    QAudioFormat format;
    format.setSampleRate(synth_.sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(format)) {
        return;
    }
    device_ =
        new SynthDevice(*this);  // NOLINT(cppcoreguidelines-owning-memory): deleted in close()
    device_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(output, format);  // NOLINT(cppcoreguidelines-owning-memory)
    sink_->setBufferSize(synth_.sampleRate() * 2 * bufferMilliseconds / 1000);
    sink_->start(device_);
    const std::lock_guard lock(mutex_);
    deviceAlive_ = sink_->error() == QAudio::NoError && sink_->state() != QAudio::StoppedState;
}

// Shut down in a safe order: let the last tone fade, feed a little silence, stop, wait, then
// delete on the sink's own thread.
void TonePlayer::close() {
    if (sink_ != nullptr) {
        sink_->stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        delete sink_;  // NOLINT(cppcoreguidelines-owning-memory)
        sink_ = nullptr;
    }
    delete device_;  // NOLINT(cppcoreguidelines-owning-memory)
    device_ = nullptr;
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

void TonePlayer::beep(int hertz, int milliseconds) {
    std::unique_lock lock(mutex_);
    if (deviceAlive_) {
        synth_.queue(hertz, milliseconds);
        const std::uint64_t ticket = synth_.tonesQueued();
        // A device that stops taking samples (the sound server went away) turns us silent.
        const auto patience = std::chrono::milliseconds(milliseconds + 250);
        if (taken_.wait_for(lock, patience, [&] { return synth_.tonesRendered() >= ticket; })) {
            silentPace_.resync();
            return;
        }
        deviceAlive_ = false;
    }
    lock.unlock();
    silentPace_.wait(std::chrono::milliseconds(milliseconds));
}

}  // namespace kelo::desktop

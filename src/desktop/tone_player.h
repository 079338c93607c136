#pragma once

#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "desktop/pace_clock.h"
#include "desktop/tone_synth.h"

class QAudioSink;
class QIODevice;

namespace kelo::desktop {

/// Plays the whistle through the default audio output. One sink lives for the whole program on
/// a thread of its own and pulls samples from the synthesiser, silence while idle, so it never
/// underflows. Without a sound device (found out at start-up), or once the device stops taking
/// samples, every tone becomes a silent wait of the same length, and nothing hangs.
class TonePlayer {
  public:
    TonePlayer();
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    bool hasDevice() const;
    /// Sounds a tone; returns when the device has taken its samples.
    void beep(int hertz, int milliseconds);

    /// The device buffer asked for, in milliseconds: small, so the whistle follows the ball.
    static constexpr int bufferMilliseconds = 25;

  private:
    class SynthDevice;
    void open();
    void close();

    mutable std::mutex mutex_;
    std::condition_variable taken_;
    ToneSynth synth_;
    bool deviceAlive_ = false;
    PaceClock silentPace_;

    QThread thread_;
    std::unique_ptr<QObject> threadContext_;
    QAudioSink* sink_ = nullptr;     // lives on thread_
    SynthDevice* device_ = nullptr;  // lives on thread_
};

}  // namespace kelo::desktop

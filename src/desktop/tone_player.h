#pragma once

#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "desktop/tone_synth.h"

class QAudioSink;
class QIODevice;
class QTimer;

namespace kelo::desktop {

/// Plays the whistle through the default audio output. One sink lives for the whole program on
/// a thread of its own; a timer there keeps its small buffer topped up from the synthesiser,
/// with silence while idle, so it never underflows. Without a sound device (found out at start-up),
/// or once the device stops taking samples, every tone becomes a silent wait of the same length,
/// and nothing hangs.
class TonePlayer {
  public:
    TonePlayer();
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    bool hasDevice() const;
    /// Sounds a tone and returns when the device has taken its samples; false at once without
    /// a device, and false (turning silent) when the device stops taking samples. The caller
    /// then waits the tone's length itself.
    bool play(int hertz, int milliseconds);

    /// The device buffer asked for, in milliseconds: small, so the whistle follows the ball.
    static constexpr int bufferMilliseconds = 25;

  private:
    void open();
    void feed();
    void close();

    mutable std::mutex mutex_;
    std::condition_variable taken_;
    ToneSynth synth_;
    bool deviceAlive_ = false;

    QThread thread_;
    std::unique_ptr<QObject> threadContext_;
    QAudioSink* sink_ = nullptr;   // lives on thread_
    QIODevice* output_ = nullptr;  // the sink's own buffer, on thread_
    QTimer* feeder_ = nullptr;     // on thread_
};

}  // namespace kelo::desktop

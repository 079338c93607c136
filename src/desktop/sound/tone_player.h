#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "desktop/sound/tone_synth.h"
#include "desktop/sound/wake_loop.h"

struct pa_context;
struct pa_stream;

namespace kelo::desktop {

/// Plays the whistle, and the voice's sentences between whistles, through the sound server
/// (PulseAudio, or PipeWire's pulse server) on a thread of its own, so that nothing the server
/// does, or fails to do, can hold up the game. The flight's clock sets the time: each tone is
/// handed over with its start on that clock and sounds a constant `delay` later, or not at all
/// where no server answers in time.
///
/// The thread sleeps while the game waits: it connects once, after start-up; opens a stream at
/// a flight's first tone and closes it shortly after the last; and tries the server again at
/// the next flight after losing it (the server restarted, or the default output changed).
class TonePlayer {
  public:
    using Clock = ToneSynth::Clock;

    /// How long after its start on the flight's clock a tone sounds. It covers the device
    /// buffer, plus the time a flight's first tone takes to open a stream.
    static constexpr std::chrono::milliseconds delay{30};
    /// The device buffer: the whistle runs this far ahead of the speaker.
    static constexpr std::chrono::milliseconds buffer{20};

    /// Called on the whistle's thread each time it has looked for work and is about to sleep,
    /// with how long it will sleep (-1: until woken). Tests hand work over in that very moment.
    using BeforeSleep = std::function<void(int timeoutMicroseconds)>;

    /// Starts the thread, which connects to the sound server in the background.
    explicit TonePlayer(BeforeSleep beforeSleep = {});
    /// Quick whatever the server does: the thread drops its stream and connection and ends.
    ~TonePlayer();
    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    /// Hands a tone over; never waits.
    void play(Clock::time_point start, int hertz, std::chrono::milliseconds duration);
    /// Hands a sentence over (16-bit mono samples at `sampleRate`), replacing one still to come
    /// or playing; it sounds once the whistle is over, through the same stream. Never waits.
    void speak(std::vector<std::int16_t> samples);
    static constexpr int sampleRate = ToneSynth::defaultSampleRate;

  private:
    struct Tone {
        Clock::time_point start;
        int hertz;
        std::chrono::milliseconds duration;
    };
    void run();
    bool stopRequested();
    /// The game has handed something over that the thread has not taken yet.
    bool handedOver();
    void connect();
    void takeHandedTones();
    void keepConnection();
    void keepStream();
    void openStream();
    void closeStream();
    void disconnect();
    void write(std::size_t bytes);
    int pollTimeoutMicroseconds() const;

    WakeLoop loop_;
    BeforeSleep beforeSleep_;

    std::mutex mutex_;  // guards the two below: the game's thread hands over, the whistle takes
    std::vector<Tone> handed_;
    std::optional<std::vector<std::int16_t>> handedSentence_;
    bool stopping_ = false;

    // The whistle thread's own state.
    ToneSynth synth_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    Clock::time_point connectDeadline_{};
    Clock::time_point lastStart_{};
    bool triedThisFlight_ = false;
    bool anchored_ = false;
    std::size_t quietSamples_ = 0;

    std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace kelo::desktop

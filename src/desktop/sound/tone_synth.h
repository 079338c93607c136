#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>

namespace kelo::desktop {

/// The whistle's synthesiser: 16-bit mono samples of a sine on a timeline. Each tone has its
/// place in time; the samples are rendered from a cursor that says when the next one sounds.
/// A tone holds its pitch over a short gap until the next one starts (the flight's pause between
/// tones), and as long again while no next tone is known; the phase runs on from pitch to pitch,
/// and only before and after real silence does the sound fade in or out: no clicks. Plain C++,
/// used on the whistle thread only.
/// @code
///   ToneSynth synth;
///   synth.setCursor(now);                       // the next sample sounds now
///   synth.add(now + 30ms, 440, 5ms);            // a tone in 30 ms
///   synth.render(buffer, 48000 / 50);           // 20 ms of samples: silence, then the tone
/// @endcode
class ToneSynth {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr int defaultSampleRate = 48000;
    static constexpr double amplitude = 0.3 * 32767;
    /// The longest gap over which a tone holds its pitch for the next one: longer than the
    /// flight's pause between two tones, far shorter than a pause a listener would hear. The
    /// last tone of a flight sounds this much longer than asked.
    static constexpr std::chrono::milliseconds holdLimit{10};

    explicit ToneSynth(int sampleRate = defaultSampleRate);

    /// Adds a tone that sounds from `start` for `duration`; tones come in the order they sound.
    void add(Clock::time_point start, int hertz, std::chrono::microseconds duration);
    /// The next sample rendered sounds at `when`, after silence: a new stream, or one the
    /// device ran dry of. What sounds then fades in, as after any silence.
    void setCursor(Clock::time_point when);
    /// When the next sample sounds.
    Clock::time_point cursor() const;
    /// Renders the next samples from the cursor on.
    void render(std::int16_t* out, std::size_t count);
    /// Forgets the tones that end before `when`, as nothing played them.
    void forgetBefore(Clock::time_point when);
    /// Nothing sounds now and nothing is to come.
    bool silent() const { return tones_.empty() && level_ == 0; }
    int sampleRate() const { return sampleRate_; }

  private:
    struct Tone {
        Clock::time_point start;
        Clock::time_point end;
        double hertz;
    };
    /// The pitch that sounds at `now`, or 0 for silence; drops the tones that are over.
    double pitchAt(Clock::time_point now);

    int sampleRate_;
    double fadeStep_;  // a fade takes 1 ms
    std::deque<Tone> tones_;
    Clock::time_point origin_{};  // the cursor is origin_ + rendered_ samples
    std::uint64_t rendered_ = 0;
    double hertz_ = 0;
    double phase_ = 0;
    double level_ = 0;  // envelope, 0 to 1
};

}  // namespace kelo::desktop

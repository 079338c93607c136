#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace kelo::desktop {

/// The game's synthesiser: 16-bit mono samples of the whistle's sine on a timeline, and the
/// voice's sentences between the whistles. Each tone has its
/// place in time; the samples are rendered from a cursor that says when the next one sounds.
/// A tone holds its pitch over a short gap until the next one starts (the flight's pause between
/// tones), and as long again while no next tone is known; the phase runs on from pitch to pitch,
/// and only before and after real silence does the sound fade in or out: no clicks. A sentence
/// (samples at the synthesiser's rate) sounds only while no tone sounds or waits: one handed
/// over during a flight starts after its last tone; a tone handed over while a sentence plays
/// cuts the sentence off with a short fade-out, and so does a new sentence, which then plays.
/// Plain C++, used on the sound thread only.
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
    /// A sentence to say, replacing one that is still to come or playing; it is dropped if it
    /// could not start by `notAfter`.
    void say(std::vector<std::int16_t> samples, Clock::time_point notAfter);
    /// Forgets the tones that end before `when`, and a sentence that should have started by
    /// then, as nothing played them.
    void forgetBefore(Clock::time_point when);
    /// Nothing sounds now and nothing is to come.
    bool silent() const { return tones_.empty() && level_ == 0 && !speaking() && next_.empty(); }
    int sampleRate() const { return sampleRate_; }

  private:
    struct Tone {
        Clock::time_point start;
        Clock::time_point end;
        double hertz;
    };
    /// The pitch that sounds at `now`, or 0 for silence; drops the tones that are over.
    double pitchAt(Clock::time_point now);
    bool speaking() const { return spoken_ < sentence_.size(); }
    /// The voice's next sample: none while the whistle sounds or waits, the sentence's fade-out
    /// once it is cut off.
    double nextSpokenSample();

    int sampleRate_;
    double fadeStep_;  // a fade takes 1 ms
    std::deque<Tone> tones_;
    Clock::time_point origin_{};  // the cursor is origin_ + rendered_ samples
    std::uint64_t rendered_ = 0;
    double hertz_ = 0;
    double phase_ = 0;
    double level_ = 0;  // envelope, 0 to 1

    std::vector<std::int16_t> sentence_;  // the sentence playing or to play
    std::size_t spoken_ = 0;              // how much of it has sounded
    Clock::time_point notAfter_{};
    std::vector<std::int16_t> next_;  // one that replaces it once it has faded out
    Clock::time_point nextNotAfter_{};
    double speechLevel_ = 1;  // 1, or falling while the sentence is cut off
    bool cutting_ = false;
    double speechFadeStep_;  // a cut takes 5 ms
};

}  // namespace kelo::desktop

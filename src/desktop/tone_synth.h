#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

namespace kelo::desktop {

/// The whistle's synthesiser: 16-bit mono samples of a sine whose phase runs on from tone to
/// tone, so a change of pitch makes no click. After silence a tone fades in; when no tone
/// follows, the last pitch fades out before the silence. Plain C++: the audio device pulls from
/// it on its own thread, under the owner's lock.
class ToneSynth {
  public:
    static constexpr int defaultSampleRate = 48000;
    static constexpr double amplitude = 0.3 * 32767;

    explicit ToneSynth(int sampleRate = defaultSampleRate);

    /// Queues a tone after the ones already queued.
    void queue(int hertz, int milliseconds);
    /// Renders the next samples: the queued tones, then a fade-out and silence.
    void render(std::int16_t* out, std::size_t count);
    /// How many queued tones have been rendered whole.
    std::uint64_t tonesRendered() const { return tonesRendered_; }
    std::uint64_t tonesQueued() const { return tonesQueued_; }
    /// No tone queued or sounding, and the fade-out done.
    bool silent() const { return remaining_ == 0 && pending_.empty() && level_ == 0; }
    int sampleRate() const { return sampleRate_; }
    /// Samples in a fade (1 ms).
    int fadeSamples() const { return fadeSamples_; }

  private:
    struct Tone {
        double hertz;
        std::size_t samples;
    };
    void startNextTone();

    int sampleRate_;
    int fadeSamples_;
    std::deque<Tone> pending_;
    double hertz_ = 0;
    std::size_t remaining_ = 0;  // samples left of the sounding tone
    double phase_ = 0;
    double level_ = 0;  // envelope, 0 to 1
    std::uint64_t tonesQueued_ = 0;
    std::uint64_t tonesRendered_ = 0;
};

}  // namespace kelo::desktop

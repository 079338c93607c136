#include "desktop/sound/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelo::desktop {

ToneSynth::ToneSynth(int sampleRate)
    : sampleRate_(sampleRate), fadeStep_(1000.0 / std::max(1000, sampleRate)) {}

void ToneSynth::add(Clock::time_point start, int hertz, std::chrono::microseconds duration) {
    const auto length = std::max(duration, std::chrono::microseconds::zero());
    tones_.push_back({start, start + length, static_cast<double>(hertz)});
}

void ToneSynth::setCursor(Clock::time_point when) {
    origin_ = when;
    rendered_ = 0;
    level_ = 0;
    phase_ = 0;
}

ToneSynth::Clock::time_point ToneSynth::cursor() const {
    return origin_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                         static_cast<double>(rendered_) / sampleRate_));
}

void ToneSynth::forgetBefore(Clock::time_point when) {
    while (!tones_.empty() && tones_.front().end < when) {
        tones_.pop_front();
    }
}

double ToneSynth::pitchAt(Clock::time_point now) {
    while (!tones_.empty()) {
        const Tone& tone = tones_.front();
        if (now < tone.start) {
            return 0;
        }
        if (now < tone.end) {
            return tone.hertz;
        }
        const bool nextKnown = tones_.size() > 1;
        const bool holding = nextKnown
                                 ? tones_[1].start <= tone.end + holdLimit && now < tones_[1].start
                                 : now < tone.end + holdLimit;
        if (holding) {
            // Hold the pitch over the pause between two tones, and a little while for a next
            // tone that a busy flight hands over late.
            return tone.hertz;
        }
        tones_.pop_front();
    }
    return 0;
}

void ToneSynth::render(std::int16_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const double pitch = pitchAt(cursor());
        ++rendered_;
        if (pitch > 0) {
            hertz_ = pitch;
            level_ = std::min(1.0, level_ + fadeStep_);  // fade in after silence
        } else {
            level_ = std::max(0.0, level_ - fadeStep_);  // fade the last pitch out
        }
        if (level_ == 0) {
            phase_ = 0;
            out[i] = 0;
            continue;
        }
        out[i] = static_cast<std::int16_t>(std::lround(amplitude * level_ * std::sin(phase_)));
        phase_ += 2 * std::numbers::pi * hertz_ / sampleRate_;
        if (phase_ > 2 * std::numbers::pi) {
            phase_ -= 2 * std::numbers::pi;
        }
    }
}

}  // namespace kelo::desktop

#include "desktop/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelo::desktop {

ToneSynth::ToneSynth(int sampleRate)
    : sampleRate_(sampleRate), fadeSamples_(std::max(1, sampleRate / 1000)) {}

void ToneSynth::queue(int hertz, int milliseconds) {
    const auto samples = static_cast<std::size_t>(std::max(0, milliseconds)) *
                         static_cast<std::size_t>(sampleRate_) / 1000;
    pending_.push_back({static_cast<double>(hertz), samples});
    ++tonesQueued_;
    if (remaining_ == 0) {
        startNextTone();
    }
}

void ToneSynth::startNextTone() {
    while (remaining_ == 0 && !pending_.empty()) {
        const Tone tone = pending_.front();
        pending_.pop_front();
        if (tone.samples == 0) {
            ++tonesRendered_;
            continue;
        }
        hertz_ = tone.hertz;
        remaining_ = tone.samples;
    }
}

void ToneSynth::render(std::int16_t* out, std::size_t count) {
    const double step = 1.0 / fadeSamples_;
    for (std::size_t i = 0; i < count; ++i) {
        if (remaining_ > 0) {
            level_ = std::min(1.0, level_ + step);  // fade in after silence; no dip between tones
        } else {
            level_ = std::max(0.0, level_ - step);  // no tone follows: fade the last pitch out
        }
        if (level_ == 0 && remaining_ == 0) {
            phase_ = 0;
            out[i] = 0;
            continue;
        }
        out[i] = static_cast<std::int16_t>(std::lround(amplitude * level_ * std::sin(phase_)));
        phase_ += 2 * std::numbers::pi * hertz_ / sampleRate_;
        if (phase_ > 2 * std::numbers::pi) {
            phase_ -= 2 * std::numbers::pi;
        }
        if (remaining_ > 0 && --remaining_ == 0) {
            ++tonesRendered_;
            startNextTone();
        }
    }
}

}  // namespace kelo::desktop

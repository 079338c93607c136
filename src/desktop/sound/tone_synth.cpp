#include "desktop/sound/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelo::desktop {

ToneSynth::ToneSynth(int sampleRate)
    : sampleRate_(sampleRate),
      fadeStep_(1000.0 / std::max(1000, sampleRate)),
      speechFadeStep_(200.0 / std::max(1000, sampleRate)) {}

void ToneSynth::say(std::vector<std::int16_t> samples, Clock::time_point notAfter) {
    if (speaking() && spoken_ > 0) {
        next_ = std::move(samples);  // after the one playing has faded out
        nextNotAfter_ = notAfter;
        cutting_ = true;
        return;
    }
    sentence_ = std::move(samples);
    spoken_ = 0;
    notAfter_ = notAfter;
    next_.clear();
}

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
    if (spoken_ == 0 && notAfter_ < when) {
        sentence_.clear();
    }
    if (!next_.empty() && nextNotAfter_ < when) {
        next_.clear();
    }
}

double ToneSynth::nextSpokenSample() {
    const bool whistling = !tones_.empty() || level_ > 0;
    if (whistling && spoken_ > 0 && speaking()) {
        cutting_ = true;  // a shot cuts the sentence off
        next_.clear();
    }
    if (cutting_) {
        speechLevel_ -= speechFadeStep_;
        if (speechLevel_ <= 0 || !speaking()) {
            // Faded out: the sentence is over, and the one that replaces it may begin.
            cutting_ = false;
            speechLevel_ = 1;
            sentence_ = std::move(next_);
            next_.clear();
            spoken_ = 0;
            notAfter_ = nextNotAfter_;
            return 0;
        }
        return speechLevel_ * sentence_[spoken_++];
    }
    if (whistling || !speaking()) {
        return 0;  // the sentence waits for the whistle to end
    }
    return sentence_[spoken_++];
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
        const double spoken = nextSpokenSample();
        if (pitch > 0) {
            hertz_ = pitch;
            level_ = std::min(1.0, level_ + fadeStep_);  // fade in after silence
        } else {
            level_ = std::max(0.0, level_ - fadeStep_);  // fade the last pitch out
        }
        if (level_ == 0) {
            phase_ = 0;
            out[i] = static_cast<std::int16_t>(std::lround(spoken));
            continue;
        }
        out[i] = static_cast<std::int16_t>(std::lround(
            std::clamp(amplitude * level_ * std::sin(phase_) + spoken, -32768.0, 32767.0)));
        phase_ += 2 * std::numbers::pi * hertz_ / sampleRate_;
        if (phase_ > 2 * std::numbers::pi) {
            phase_ -= 2 * std::numbers::pi;
        }
    }
}

}  // namespace kelo::desktop

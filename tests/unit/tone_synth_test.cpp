// The whistle's synthesiser: every 5 ms tone at its pitch, and no clicks between pitches or
// into and out of silence.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "desktop/tone_synth.h"
#include "game/flight.h"

using kelo::desktop::ToneSynth;

namespace {

/// The pitches of a leaning shot: 90 steps of the whistle rule from 440 Hz.
std::vector<int> leaningShotTones() {
    std::vector<int> tones;
    double hertz = 440;
    for (int step = 0; step < 90; ++step) {
        hertz = kelo::game::nextTone(hertz, step);
        tones.push_back(static_cast<int>(std::lround(hertz)));
    }
    return tones;
}

/// The frequency of a slice from its zero crossings, interpolated between samples.
double measuredHertz(const std::vector<std::int16_t>& samples, std::size_t begin, std::size_t end,
                     int rate) {
    std::vector<double> crossings;
    for (std::size_t i = begin + 1; i < end; ++i) {
        const double a = samples[i - 1];
        const double b = samples[i];
        if ((a < 0 && b >= 0) || (a >= 0 && b < 0)) {
            crossings.push_back(static_cast<double>(i - 1) + a / (a - b));
        }
    }
    if (crossings.size() < 2) {
        return 0;
    }
    const double halfPeriods = static_cast<double>(crossings.size() - 1);
    return halfPeriods / 2 / ((crossings.back() - crossings.front()) / rate);
}

/// The largest second difference, against what a pure sine of the highest pitch may show.
double roughness(const std::vector<std::int16_t>& samples) {
    double largest = 0;
    for (std::size_t i = 2; i < samples.size(); ++i) {
        largest = std::max(largest, std::abs(samples[i] - 2.0 * samples[i - 1] + samples[i - 2]));
    }
    return largest;
}

TEST(ToneSynth, SoundsEveryToneOfALeaningShotAtItsPitch) {
    ToneSynth synth;
    const auto tones = leaningShotTones();
    for (int hertz : tones) {
        synth.queue(hertz, 5);
    }
    const std::size_t slice = 240;  // 5 ms at 48 kHz
    std::vector<std::int16_t> samples(slice * tones.size());
    synth.render(samples.data(), samples.size());
    EXPECT_EQ(synth.tonesRendered(), tones.size());
    for (std::size_t i = 0; i < tones.size(); ++i) {
        // Leave out the first millisecond of the first slice, where the tone fades in.
        const std::size_t begin = i * slice + (i == 0 ? 48 : 0);
        const double measured = measuredHertz(samples, begin, (i + 1) * slice, synth.sampleRate());
        EXPECT_NEAR(measured, tones[i], tones[i] * 0.03) << "tone " << i;
    }
}

TEST(ToneSynth, ChangesPitchAndFadesWithoutClicks) {
    ToneSynth synth;
    std::vector<std::int16_t> samples(480 + 90 * (240 + 96) + 960);
    std::size_t at = 0;
    const auto render = [&](std::size_t count) {
        synth.render(samples.data() + at, count);
        at += count;
    };
    render(480);  // silence first
    for (int hertz : leaningShotTones()) {
        synth.queue(hertz, 5);
        render(240);
        render(96);  // the 2 ms pause between steps: a fade, not a cut
    }
    render(960);  // fade-out into silence
    EXPECT_TRUE(synth.silent());
    const double sineLimit =
        ToneSynth::amplitude * std::pow(2 * std::numbers::pi * 3256.0 / 48000, 2);
    EXPECT_LT(roughness(samples), sineLimit * 1.3)
        << "a phase jump or a hard edge would be far larger";
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0);
}

TEST(ToneSynth, AnAbruptStopWouldBeCaughtAsAClick) {
    // The check above must be able to fail: a sine cut at its peak is rough.
    std::vector<std::int16_t> cut(480);
    for (std::size_t i = 0; i < 240; ++i) {
        cut[i] = static_cast<std::int16_t>(
            ToneSynth::amplitude * std::sin(2 * std::numbers::pi * 440 * (i + 27.3) / 48000));
    }
    const double sineLimit =
        ToneSynth::amplitude * std::pow(2 * std::numbers::pi * 3256.0 / 48000, 2);
    EXPECT_GT(roughness(cut), sineLimit * 1.3);
}

}  // namespace

// The whistle's synthesiser: every tone at its place and pitch, held over the pauses between
// tones, and no clicks between pitches or into and out of silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

#include "desktop/sound/tone_synth.h"
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

using namespace std::chrono_literals;

/// A leaning shot on the synthesiser's timeline as the flight hands it over: a 5 ms tone every
/// 7 ms (the 2 ms pause between steps), the first 10 ms after the cursor.
struct LeaningShot {
    static constexpr std::size_t perStep = 7 * 48;  // samples of one step
    static constexpr std::size_t lead = 10 * 48;    // silence before the first tone
    ToneSynth synth;
    std::vector<int> tones = leaningShotTones();
    std::vector<std::int16_t> samples;
    LeaningShot() {
        const auto origin = ToneSynth::Clock::time_point{} + 1h;
        synth.setCursor(origin);
        for (std::size_t i = 0; i < tones.size(); ++i) {
            synth.add(origin + 10ms + i * 7ms, tones[i], 5ms);
        }
        samples.resize(lead + tones.size() * perStep + 20 * 48);
        synth.render(samples.data(), samples.size());
    }
};

TEST(ToneSynth, SoundsEveryToneOfALeaningShotAtItsPlaceAndPitch) {
    LeaningShot shot;
    EXPECT_EQ(*std::max_element(shot.samples.begin(), shot.samples.begin() + LeaningShot::lead), 0)
        << "silence until the first tone starts";
    for (std::size_t i = 0; i < shot.tones.size(); ++i) {
        // Leave out the first millisecond of the first tone, where it fades in.
        const std::size_t begin = LeaningShot::lead + i * LeaningShot::perStep + (i == 0 ? 48 : 0);
        const double measured =
            measuredHertz(shot.samples, begin, begin + 5 * 48 - (i == 0 ? 48 : 0), 48000);
        EXPECT_NEAR(measured, shot.tones[i], shot.tones[i] * 0.03) << "tone " << i;
    }
    EXPECT_TRUE(shot.synth.silent());
    EXPECT_EQ(shot.samples.back(), 0);
}

TEST(ToneSynth, HoldsThePitchOverThePausesAndFadesOnlyAtTheEdgesOfSilence) {
    LeaningShot shot;
    const double sineLimit =
        ToneSynth::amplitude * std::pow(2 * std::numbers::pi * 3256.0 / 48000, 2);
    EXPECT_LT(roughness(shot.samples), sineLimit * 1.3)
        << "a phase jump or a hard edge would be far larger";
    // No dip in a pause: the loudest sample of every 2 ms pause is near full amplitude.
    for (std::size_t i = 0; i + 1 < shot.tones.size(); ++i) {
        const auto pause =
            shot.samples.begin() +
            static_cast<std::ptrdiff_t>(LeaningShot::lead + i * LeaningShot::perStep + 5 * 48);
        const auto loudest = std::abs(*std::max_element(
            pause, pause + 2 * 48, [](auto a, auto b) { return std::abs(a) < std::abs(b); }));
        EXPECT_GT(loudest, ToneSynth::amplitude * 0.8) << "pause after tone " << i;
    }
}

TEST(ToneSynth, ATonePastTheCursorIsCutAndALongGapIsSilence) {
    ToneSynth synth;
    const auto origin = ToneSynth::Clock::time_point{} + 1h;
    synth.setCursor(origin + 3ms);
    synth.add(origin, 1000, 5ms);         // began before the cursor: only its last 2 ms sound
    synth.add(origin + 40ms, 1000, 5ms);  // 35 ms later: silence between
    std::vector<std::int16_t> samples(60 * 48);
    synth.render(samples.data(), samples.size());
    const auto loud = [&](std::size_t fromMs, std::size_t toMs) {
        return std::any_of(samples.begin() + static_cast<std::ptrdiff_t>(fromMs * 48),
                           samples.begin() + static_cast<std::ptrdiff_t>(toMs * 48),
                           [](auto s) { return std::abs(s) > 100; });
    };
    EXPECT_TRUE(loud(0, 2));
    EXPECT_FALSE(loud(4, 36)) << "no pitch is held over a 35 ms gap";
    EXPECT_TRUE(loud(44, 50)) << "the last tone is held a while for a next one that comes late";
    EXPECT_TRUE(loud(38, 42));
    EXPECT_FALSE(loud(54, 60));
    EXPECT_EQ(synth.cursor(), origin + 63ms);

    synth.add(origin + 70ms, 500, 5ms);
    synth.forgetBefore(origin + 80ms);  // nothing played it: it is dropped
    EXPECT_TRUE(synth.silent());
}

TEST(ToneSynth, AfterTheDeviceRanDryTheWhistleFadesInAgain) {
    ToneSynth synth;
    const auto origin = ToneSynth::Clock::time_point{} + 1h;
    synth.setCursor(origin);
    synth.add(origin, 1000, 100ms);
    std::vector<std::int16_t> before(20 * 48);
    synth.render(before.data(), before.size());
    ASSERT_GT(*std::max_element(before.begin(), before.end()), ToneSynth::amplitude * 0.9);
    // The device played silence for a while and starts again from an empty buffer.
    synth.setCursor(origin + 50ms);
    std::vector<std::int16_t> after(5 * 48);
    synth.render(after.data(), after.size());
    const auto loudest = [&](std::size_t from, std::size_t to) {
        return std::abs(
            *std::max_element(after.begin() + static_cast<std::ptrdiff_t>(from),
                              after.begin() + static_cast<std::ptrdiff_t>(to),
                              [](auto a, auto b) { return std::abs(a) < std::abs(b); }));
    };
    EXPECT_LT(loudest(0, 12), ToneSynth::amplitude * 0.3) << "no jump out of the device's silence";
    EXPECT_GT(loudest(96, 240), ToneSynth::amplitude * 0.9) << "the tone goes on at full level";
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

namespace {

/// A sentence as the voice hands it over: here a steady level, so that where it sounds, and how
/// it ends, can be read off the samples.
std::vector<std::int16_t> sentence(std::size_t milliseconds, std::int16_t level = 8000) {
    return std::vector<std::int16_t>(milliseconds * 48, level);
}

/// The first sample at or after `from` with the level of `sentence()`, or the end.
std::size_t firstSpoken(const std::vector<std::int16_t>& samples, std::size_t from = 0) {
    const auto found = std::find(samples.begin() + static_cast<std::ptrdiff_t>(from), samples.end(),
                                 std::int16_t{8000});
    return static_cast<std::size_t>(found - samples.begin());
}

}  // namespace

TEST(ToneSynth, ASentenceHandedOverDuringAFlightStartsAfterItsLastTone) {
    ToneSynth synth;
    const auto origin = ToneSynth::Clock::time_point{} + 1h;
    synth.setCursor(origin);
    synth.add(origin + 10ms, 440, 5ms);
    synth.add(origin + 17ms, 470, 5ms);
    synth.say(sentence(50), origin + 1s);
    std::vector<std::int16_t> samples(100 * 48);
    synth.render(samples.data(), samples.size());
    // The last tone ends at 22 ms, holds 10 ms for a next one, then fades out in 1 ms.
    EXPECT_GE(firstSpoken(samples), 33u * 48);
    EXPECT_LT(firstSpoken(samples), 35u * 48);
    EXPECT_EQ(std::count(samples.begin(), samples.end(), std::int16_t{8000}), 50 * 48)
        << "the whole sentence, once";
    EXPECT_TRUE(synth.silent());
}

TEST(ToneSynth, AShotCutsASentenceOffWithAShortFadeAndNoClick) {
    ToneSynth synth;
    const auto origin = ToneSynth::Clock::time_point{} + 1h;
    synth.setCursor(origin);
    synth.say(sentence(500), origin + 1s);
    std::vector<std::int16_t> samples(100 * 48);
    synth.render(samples.data(), 20 * 48);  // 20 ms of the sentence
    synth.add(origin + 60ms, 440, 5ms);     // a shot is fired: its first tone comes in 40 ms
    synth.render(samples.data() + 20 * 48, 80 * 48);
    const auto after = samples.begin() + 20 * 48;
    EXPECT_LT(*std::max_element(after + 6 * 48, after + 40 * 48), 1)
        << "silent within 6 ms of the cut until the tone";
    EXPECT_LT(roughness({after - 48, after + 10 * 48}), 100) << "faded, not cut";
    EXPECT_TRUE(std::none_of(samples.begin() + 65 * 48, samples.end(), [](std::int16_t s) {
        return s == 8000;
    })) << "the rest of the sentence never plays";
}

TEST(ToneSynth, ANewSentenceReplacesOneStillPlaying) {
    ToneSynth synth;
    const auto origin = ToneSynth::Clock::time_point{} + 1h;
    synth.setCursor(origin);
    synth.say(sentence(500, 4000), origin + 1s);
    std::vector<std::int16_t> samples(200 * 48);
    synth.render(samples.data(), 20 * 48);
    synth.say(sentence(100), origin + 1s);
    synth.render(samples.data() + 20 * 48, 180 * 48);
    const std::size_t replaced = firstSpoken(samples);
    EXPECT_GT(replaced, 20u * 48);
    EXPECT_LT(replaced, 27u * 48) << "after a fade-out of about 5 ms";
    EXPECT_EQ(std::count(samples.begin(), samples.end(), std::int16_t{8000}), 100 * 48);
    EXPECT_TRUE(synth.silent());
}

TEST(ToneSynth, ASentenceThatCouldNotStartInTimeIsForgotten) {
    ToneSynth synth;
    const auto origin = ToneSynth::Clock::time_point{} + 1h;
    synth.say(sentence(100), origin + 2s);
    synth.forgetBefore(origin + 1s);
    EXPECT_FALSE(synth.silent()) << "still in time";
    synth.forgetBefore(origin + 3s);  // no sound device came up meanwhile
    EXPECT_TRUE(synth.silent());
}

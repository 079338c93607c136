#pragma once

#include <deque>
#include <string>
#include <vector>

#include "forms/platform.h"
#include "forms/platform_records.h"
#include "forms/uniform_generator.h"

namespace kelo::forms {

/// A calendar date and time of day, as the headless clock is set.
struct DateTime {
    int year = 2026;
    int month = 12;
    int day = 8;
    int hour = 10;
    int minute = 17;
    int second = 23;
};

/// The platform without a screen: message boxes are recorded and answered OK at once, tones,
/// pauses and moves are recorded and not waited for; the clock and the font list are whatever
/// the caller sets. Records accumulate until the caller takes them.
class HeadlessPlatform : public Platform {
  public:
    using Records = PlatformRecords;

    HeadlessPlatform();

    void setClock(const DateTime& now) { now_ = now; }
    void setFonts(std::vector<std::string> fonts) { fonts_ = std::move(fonts); }
    /// The next draws of the generator are these values, before it goes on with its own.
    void queueDraws(const std::vector<float>& draws);

    const Records& records() const { return records_; }
    /// Hands over what was recorded since the last call and starts afresh.
    Records takeRecords();
    bool ended() const { return ended_; }

    int fontCount() const override;
    std::string fontName(int position) const override;
    void messageBox(std::string_view prompt) override;
    void beep(int hertz, int milliseconds) override;
    void pause(std::chrono::milliseconds duration) override;
    void showNow(const Control& moved) override;
    ClockReading clock() const override;
    float nextRandom() override;
    void reseedRandom(double seed) override;
    void endProgram() override;
    void handlerAbandoned(const RuntimeError& error) override;

  private:
    DateTime now_;
    std::vector<std::string> fonts_;
    std::deque<float> queuedDraws_;
    UniformGenerator generator_;
    Records records_;
    bool ended_ = false;
};

/// The date as the short date form dd/MM/yyyy.
std::string shortDateText(const DateTime& date);

}  // namespace kelo::forms

#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "forms/runtime_error.h"

namespace kelo::forms {

class Control;

/// The date and time as the game reads them.
struct ClockReading {
    std::string shortDate;  // today's date in the system's short date form
    int minute = 0;
    int second = 0;
};

/// What the game needs of the machine beyond its windows. One implementation runs headless
/// (tests, the scripted driver), one on the desktop.
class Platform {
  public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    virtual ~Platform() = default;

    /// The installed screen fonts, positions 0 .. fontCount() - 1.
    virtual int fontCount() const = 0;
    /// Throws RuntimeError(SubscriptOutOfRange) for a position not in the list.
    virtual std::string fontName(int position) const = 0;

    /// A modal message box with the prompt and an OK button; returns when OK is pressed.
    virtual void messageBox(std::string_view prompt) = 0;
    /// Sounds a tone; returns when it has sounded (or its samples are queued for the device).
    virtual void beep(int hertz, int milliseconds) = 0;
    /// Waits; the flight of the ball paces its steps with it.
    virtual void pause(std::chrono::milliseconds duration) = 0;
    /// Shows a control that moved inside a running handler on screen at once.
    virtual void showNow(const Control& moved) = 0;

    virtual ClockReading clock() const = 0;
    /// The next value of the uniform generator, in [0, 1).
    virtual float nextRandom() = 0;
    virtual void reseedRandom(double seed) = 0;

    /// Ends the program at once, without further events.
    virtual void endProgram() = 0;
    /// A handler was abandoned by a run-time error nobody caught.
    virtual void handlerAbandoned(const RuntimeError& error) = 0;
};

}  // namespace kelo::forms

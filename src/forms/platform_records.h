#pragma once

#include <string>
#include <vector>

namespace kelo::forms {

class Control;

/// What a platform recorded of a run, for the state dump: message prompts, tones, the places
/// of moved controls, and handlers abandoned by a run-time error.
struct PlatformRecords {
    struct Tone {
        int hertz;
        int milliseconds;
    };
    struct Position {
        float left;
        float top;
    };
    std::vector<std::string> messages;
    std::vector<Tone> beeps;
    std::vector<Position> moves;
    std::vector<std::string> abandoned;
    long long pausedMilliseconds = 0;

    /// Records where a moved control now stands (controls with a box only).
    void recordMove(const Control& moved);
};

}  // namespace kelo::forms

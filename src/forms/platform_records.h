#pragma once

#include <string>
#include <vector>

namespace kelo::forms {

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
};

}  // namespace kelo::forms

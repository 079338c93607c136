#pragma once

#include <string_view>

namespace kelo::desktop {

/// The voice's synthesiser runs in a process of its own, the game's own program started with
/// this option: espeak-ng's library probes the sound server when it starts (and waits for ever
/// on one that does not answer), and keeps global state; a child process the game can end at
/// any moment keeps both away from the game.
///   kelo --speech-helper VOICE TEXT
inline constexpr std::string_view speechHelperOption = "--speech-helper";

/// How the helper ends.
enum class SpeechHelperStatus {
    Spoken = 0,
    NoSynthesiser = 3,  // espeak-ng or its data is missing
    NoVoice = 4,        // espeak-ng has no voice of that name
};

/// In the helper process: synthesises `text` in `voice` and writes to standard output the sample
/// rate (4 bytes, little endian) and then the sentence's 16-bit mono samples; the status to end
/// with.
SpeechHelperStatus speakToStandardOutput(const char* voice, const char* text);

}  // namespace kelo::desktop

#include "desktop/sound/speech_helper.h"

#include <espeak-ng/speak_lib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kelo::desktop {
namespace {

// Words a minute: slower than espeak's 175, for children of two and three.
constexpr int childrensRate = 140;

int written(short* samples, int count, espeak_EVENT* /*events*/) {
    if (samples != nullptr && count > 0 &&
        std::fwrite(samples, sizeof(short), static_cast<std::size_t>(count), stdout) !=
            static_cast<std::size_t>(count)) {
        return 1;  // the game no longer listens
    }
    return 0;
}

}  // namespace

SpeechHelperStatus speakToStandardOutput(const char* voice, const char* text) {
    // The library's audio output is never used here, but it probes the sound server as it
    // starts: send the probe nowhere, so that it fails at once instead of opening a stream of
    // its own, or waiting for ever on a server that does not answer.
    ::setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        return SpeechHelperStatus::NoSynthesiser;
    }
    if (espeak_SetVoiceByName(voice) != EE_OK) {
        espeak_Terminate();
        return SpeechHelperStatus::NoVoice;
    }
    espeak_SetParameter(espeakRATE, childrensRate, 0);
    espeak_SetSynthCallback(&written);
    const auto rateBytes = static_cast<std::uint32_t>(rate);
    std::array<unsigned char, 4> header{};
    for (std::size_t i = 0; i < header.size(); ++i) {
        header[i] = static_cast<unsigned char>(rateBytes >> (8 * i));
    }
    std::fwrite(header.data(), 1, header.size(), stdout);
    espeak_Synth(text, std::strlen(text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 nullptr);
    std::fflush(stdout);
    espeak_Terminate();
    return SpeechHelperStatus::Spoken;
}

}  // namespace kelo::desktop

#include "desktop/sound/speech_helper.h"

#include <dlfcn.h>
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

/// espeak-ng's library, opened in the helper only: the game itself loads nothing of the voice.
class Espeak {
  public:
    Espeak() : library_(::dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL)) {
        if (library_ != nullptr) {
            bind(initialize, "espeak_Initialize");
            bind(setVoiceByName, "espeak_SetVoiceByName");
            bind(setParameter, "espeak_SetParameter");
            bind(setSynthCallback, "espeak_SetSynthCallback");
            bind(synth, "espeak_Synth");
            bind(terminate, "espeak_Terminate");
        }
    }
    ~Espeak() {
        if (library_ != nullptr) {
            ::dlclose(library_);
        }
    }
    Espeak(const Espeak&) = delete;
    Espeak& operator=(const Espeak&) = delete;

    explicit operator bool() const { return library_ != nullptr && complete_; }

    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&espeak_SetParameter) setParameter = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    decltype(&espeak_Terminate) terminate = nullptr;

  private:
    template <typename Function>
    void bind(Function& function, const char* name) {
        function = reinterpret_cast<Function>(::dlsym(library_, name));
        complete_ = complete_ && function != nullptr;
    }

    void* library_;
    bool complete_ = true;
};

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
    const Espeak espeak;
    if (!espeak) {
        return SpeechHelperStatus::NoSynthesiser;
    }
    const int rate =
        espeak.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        return SpeechHelperStatus::NoSynthesiser;
    }
    if (espeak.setVoiceByName(voice) != EE_OK) {
        espeak.terminate();
        return SpeechHelperStatus::NoVoice;
    }
    espeak.setParameter(espeakRATE, childrensRate, 0);
    espeak.setSynthCallback(&written);
    const auto rateBytes = static_cast<std::uint32_t>(rate);
    std::array<unsigned char, 4> header{};
    for (std::size_t i = 0; i < header.size(); ++i) {
        header[i] = static_cast<unsigned char>(rateBytes >> (8 * i));
    }
    std::fwrite(header.data(), 1, header.size(), stdout);
    espeak.synth(text, std::strlen(text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 nullptr);
    std::fflush(stdout);
    espeak.terminate();
    return SpeechHelperStatus::Spoken;
}

}  // namespace kelo::desktop

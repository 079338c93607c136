#include "desktop/sound/voice.h"

#include <espeak-ng/speak_lib.h>

#include <cmath>
#include <cstdio>

namespace kelo::desktop {
namespace {

// Words a minute: slower than espeak's 175, for children of two and three.
constexpr int childrensRate = 140;

/// The samples at another rate, by linear interpolation: the synthesiser speaks at 22,050 Hz.
std::vector<std::int16_t> resampled(const std::vector<std::int16_t>& samples, int from, int to) {
    if (samples.empty() || from == to) {
        return samples;
    }
    const double step = static_cast<double>(from) / to;
    const auto count = static_cast<std::size_t>(static_cast<double>(samples.size()) / step);
    std::vector<std::int16_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = static_cast<double>(i) * step;
        const auto left = static_cast<std::size_t>(at);
        const std::size_t right = std::min(left + 1, samples.size() - 1);
        const double share = at - static_cast<double>(left);
        out[i] = static_cast<std::int16_t>(
            std::lround(samples[left] * (1 - share) + samples[right] * share));
    }
    return out;
}

int received(short* samples, int count, espeak_EVENT* events) {
    auto* voice = events != nullptr ? static_cast<Voice*>(events->user_data) : nullptr;
    return voice != nullptr && voice->heard(samples, count) ? 0 : 1;  // 1 stops the synthesis
}

}  // namespace

Voice::Voice(int sampleRate, Sink sink)
    : sampleRate_(sampleRate), sink_(std::move(sink)), thread_([this] { run(); }) {}

Voice::~Voice() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    abandon_ = true;
    wake_.notify_one();
    thread_.join();
}

void Voice::say(std::string voice, std::string text) {
    {
        const std::lock_guard lock(mutex_);
        request_ = Request{std::move(voice), std::move(text)};
    }
    abandon_ = true;  // the sentence being synthesised, if any, is no longer wanted
    wake_.notify_one();
}

void Voice::run() {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || request_.has_value(); });
            if (stopping_) {
                break;
            }
            request = std::move(*request_);
            request_.reset();
            abandon_ = false;
        }
        synthesise(request);
    }
    if (loaded_) {
        espeak_Terminate();
    }
}

bool Voice::ready() {
    if (!loaded_ && !unusable_) {
        // Loaded at the first sentence. DONT_EXIT: without its data the library would end the
        // process.
        synthRate_ =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (synthRate_ <= 0) {
            unusable_ = true;
            std::fputs(
                "kelo: the speech synthesiser (espeak-ng) could not start: the game plays "
                "on without its voice\n",
                stderr);
        } else {
            loaded_ = true;
            espeak_SetSynthCallback(&received);
            espeak_SetParameter(espeakRATE, childrensRate, 0);
        }
    }
    return loaded_;
}

void Voice::synthesise(const Request& request) {
    if (!ready() || missing_.contains(request.voice)) {
        return;
    }
    if (espeak_SetVoiceByName(request.voice.c_str()) != EE_OK) {
        missing_.insert(request.voice);
        std::fprintf(stderr, "kelo: espeak-ng has no voice '%s': the game says nothing in it\n",
                     request.voice.c_str());
        return;
    }
    heard_.clear();
    const espeak_ERROR status = espeak_Synth(request.text.c_str(), request.text.size() + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, this);
    if (status != EE_OK || abandon_) {
        return;  // a newer sentence came, or the game is closing
    }
    sink_(resampled(heard_, synthRate_, sampleRate_));
}

bool Voice::heard(const short* samples, int count) {
    if (samples != nullptr && count > 0) {
        heard_.insert(heard_.end(), samples, samples + count);
    }
    return !abandon_;
}

}  // namespace kelo::desktop

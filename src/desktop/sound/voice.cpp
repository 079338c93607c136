#include "desktop/sound/voice.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "desktop/sound/speech_helper.h"

namespace kelo::desktop {
namespace {

/// The samples at another rate, by linear interpolation: the synthesiser speaks at 22,050 Hz.
std::vector<std::int16_t> resampled(const std::vector<std::int16_t>& samples, int from, int to) {
    if (samples.empty() || from == to || from <= 0) {
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

/// The helper's output: the sample rate (4 bytes, little endian), then 16-bit samples.
std::vector<std::int16_t> samplesOf(const std::vector<unsigned char>& bytes, int& rate) {
    constexpr std::size_t header = 4;
    if (bytes.size() < header) {
        return {};
    }
    rate = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (bytes[3] << 24);
    std::vector<std::int16_t> samples((bytes.size() - header) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] =
            static_cast<std::int16_t>(bytes[header + 2 * i] | (bytes[header + 2 * i + 1] << 8));
    }
    return samples;
}

}  // namespace

Voice::Voice(std::string helper, int sampleRate, Sink sink)
    : helper_(std::move(helper)),
      sampleRate_(sampleRate),
      sink_(std::move(sink)),
      thread_([this] { run(); }) {}

Voice::~Voice() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        abandon_ = true;
    }
    wake_.notify_one();
    bell_.ring();
    thread_.join();
}

void Voice::say(std::string voice, std::string text) {
    {
        const std::lock_guard lock(mutex_);
        request_ = Request{std::move(voice), std::move(text)};
        abandon_ = true;  // the sentence being made, if any, is no longer wanted
    }
    wake_.notify_one();
    bell_.ring();
}

bool Voice::abandoned() {
    const std::lock_guard lock(mutex_);
    return abandon_;
}

void Voice::run() {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || request_.has_value(); });
            if (stopping_) {
                return;
            }
            request = std::move(*request_);
            request_.reset();
            abandon_ = false;
        }
        bell_.quiet();
        synthesise(request);
    }
}

bool Voice::readAll(int output, std::vector<unsigned char>& bytes) {
    std::array<unsigned char, 16384> chunk{};
    for (;;) {
        std::array<pollfd, 2> waiting{{{output, POLLIN, 0}, {bell_.fd(), POLLIN, 0}}};
        if (::poll(waiting.data(), waiting.size(), -1) < 0) {
            continue;  // a signal
        }
        if ((waiting[1].revents & POLLIN) != 0) {
            bell_.quiet();
            if (abandoned()) {
                return false;
            }
        }
        if ((waiting[0].revents & (POLLIN | POLLHUP)) != 0) {
            const ssize_t got = ::read(output, chunk.data(), chunk.size());
            if (got <= 0) {
                return true;  // the helper is done
            }
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
        }
    }
}

void Voice::synthesise(const Request& request) {
    if (unusable_ || missing_.contains(request.voice)) {
        return;
    }
    ChildProcess helper(helper_,
                        {helper_, std::string(speechHelperOption), request.voice, request.text});
    if (!helper) {
        unusable_ = true;
        std::fputs("kelo: the voice could not start its synthesiser: the game plays on silently\n",
                   stderr);
        return;
    }
    std::vector<unsigned char> bytes;
    if (!readAll(helper.output(), bytes)) {
        return;  // a newer sentence came, or the game is closing: the helper is ended
    }
    switch (static_cast<SpeechHelperStatus>(helper.wait())) {
        case SpeechHelperStatus::Spoken:
            break;
        case SpeechHelperStatus::NoVoice:
            missing_.insert(request.voice);
            std::fprintf(stderr, "kelo: espeak-ng has no voice '%s': the game says nothing in it\n",
                         request.voice.c_str());
            return;
        default:
            unusable_ = true;
            std::fputs(
                "kelo: the speech synthesiser (espeak-ng) could not start: the game plays "
                "on silently\n",
                stderr);
            return;
    }
    int rate = 0;
    const std::vector<std::int16_t> samples = samplesOf(bytes, rate);
    if (!samples.empty() && !abandoned()) {
        sink_(resampled(samples, rate, sampleRate_));
    }
}

}  // namespace kelo::desktop

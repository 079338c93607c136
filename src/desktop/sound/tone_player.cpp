#include "desktop/sound/tone_player.h"

#include <algorithm>
#include <string>

#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include "app/version.h"
#include "lang/texts.h"

namespace kelo::desktop {
namespace {

constexpr int sampleRate = TonePlayer::sampleRate;
constexpr pa_sample_spec sampleSpec{PA_SAMPLE_S16LE, sampleRate, 1};

// A server that has not answered by then does not answer: give up on it until the next flight.
constexpr auto connectPatience = std::chrono::seconds(2);
// Tones further apart than this belong to different flights (a flight hands one every 7 ms).
constexpr auto flightGap = std::chrono::milliseconds(100);
// How long the stream plays silence after the last tone before it closes: by then the fade-out
// has long left the device buffer, and the server and the sound card may go to sleep.
constexpr auto quietBeforeClosing = std::chrono::milliseconds(200);
// The server asks for more samples in pieces of this length.
constexpr auto refill = std::chrono::milliseconds(5);

constexpr std::uint32_t bytesOf(std::chrono::milliseconds length) {
    constexpr std::int64_t bytesPerSecond = std::int64_t{sampleRate} * 2;
    return static_cast<std::uint32_t>(bytesPerSecond * length.count() / 1000);
}

}  // namespace

TonePlayer::TonePlayer(BeforeSleep beforeSleep)
    : beforeSleep_(std::move(beforeSleep)), synth_(sampleRate), thread_([this] { run(); }) {}

TonePlayer::~TonePlayer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (loop_) {
        loop_.wake();
    }
    thread_.join();
}

void TonePlayer::play(Clock::time_point start, int hertz, std::chrono::milliseconds duration) {
    if (!loop_) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        handed_.push_back({start, hertz, duration});
    }
    loop_.wake();
}

void TonePlayer::speak(std::vector<std::int16_t> samples) {
    if (!loop_) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        handedSentence_ = std::move(samples);
    }
    loop_.wake();
}

void TonePlayer::run() {
    if (!loop_) {
        return;
    }
    triedThisFlight_ = false;
    connect();  // probe the server now, in the background, so that the first flight finds it
    while (!stopRequested()) {
        takeHandedTones();
        keepConnection();
        keepStream();
        // Sleeps until the server or the game has something for us: no wake-up while idle.
        const int timeout = pollTimeoutMicroseconds();
        if (beforeSleep_) {
            beforeSleep_(timeout);
        }
        if (!loop_.iterate(timeout, [this] { return handedOver(); })) {
            break;
        }
    }
    disconnect();
}

bool TonePlayer::stopRequested() {
    const std::lock_guard lock(mutex_);
    return stopping_;
}

bool TonePlayer::handedOver() {
    const std::lock_guard lock(mutex_);
    return stopping_ || !handed_.empty() || handedSentence_.has_value();
}

void TonePlayer::takeHandedTones() {
    std::vector<Tone> tones;
    std::optional<std::vector<std::int16_t>> sentence;
    {
        const std::lock_guard lock(mutex_);
        tones.swap(handed_);
        sentence.swap(handedSentence_);
    }
    if (sentence) {
        // Like a flight, a sentence may try a server that was lost; one that cannot start
        // while the server is being found is not said at all.
        triedThisFlight_ = false;
        synth_.say(std::move(*sentence), Clock::now() + connectPatience + delay);
    }
    for (const Tone& tone : tones) {
        if (tone.start - lastStart_ > flightGap) {
            triedThisFlight_ = false;  // a new flight may try a server that was lost
        }
        lastStart_ = tone.start;
        synth_.add(tone.start + delay, tone.hertz, tone.duration);
    }
    if (stream_ == nullptr) {
        synth_.forgetBefore(Clock::now());  // what could not sound in time never will
    }
}

void TonePlayer::connect() {
    triedThisFlight_ = true;
    pa_proplist* properties = pa_proplist_new();
    // The sound settings show the game as its desktop entry does: its name and its icon.
    const std::string name(lang::text(lang::Language::English, lang::Target::mobilCaption));
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, KELO_APP_ID);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, KELO_APP_ID);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_VERSION, KELO_VERSION);
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    context_ = pa_context_new_with_proplist(loop_.api(), name.c_str(), properties);
    pa_proplist_free(properties);
    if (context_ == nullptr) {
        return;
    }
    // Never start a server of our own: no server means a silent whistle.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        disconnect();
        return;
    }
    connectDeadline_ = Clock::now() + connectPatience;
}

void TonePlayer::keepConnection() {
    if (context_ != nullptr) {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY) {
            return;
        }
        const bool lost = state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
        if (!lost && Clock::now() < connectDeadline_) {
            return;  // still connecting
        }
        disconnect();
    }
    if (!synth_.silent() && !triedThisFlight_) {
        connect();
    }
}

void TonePlayer::keepStream() {
    if (stream_ != nullptr) {
        const pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
            disconnect();  // the output went away: the next flight starts afresh
        } else if (quietSamples_ >= bytesOf(quietBeforeClosing) / 2) {
            closeStream();
        }
        return;
    }
    if (!synth_.silent() && context_ != nullptr &&
        pa_context_get_state(context_) == PA_CONTEXT_READY) {
        openStream();
    }
}

void TonePlayer::openStream() {
    stream_ = pa_stream_new(context_, "whistle", &sampleSpec, nullptr);
    if (stream_ == nullptr) {
        disconnect();
        return;
    }
    pa_stream_set_write_callback(
        stream_,
        [](pa_stream*, std::size_t bytes, void* self) {
            static_cast<TonePlayer*>(self)->write(bytes);
        },
        this);
    // After an underflow the device starts again from an empty buffer: find our place anew.
    pa_stream_set_underflow_callback(
        stream_, [](pa_stream*, void* self) { static_cast<TonePlayer*>(self)->anchored_ = false; },
        this);
    const pa_buffer_attr attributes{.maxlength = static_cast<std::uint32_t>(-1),
                                    .tlength = bytesOf(buffer),
                                    .prebuf = static_cast<std::uint32_t>(-1),
                                    .minreq = bytesOf(refill),
                                    .fragsize = static_cast<std::uint32_t>(-1)};
    anchored_ = false;
    quietSamples_ = 0;
    // The default output, whichever it is now: a change of output is followed at the next flight.
    if (pa_stream_connect_playback(stream_, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        disconnect();
    }
}

void TonePlayer::write(std::size_t bytes) {
    while (bytes >= 2) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream_, &data, &size) < 0 || data == nullptr || size < 2) {
            return;
        }
        size &= ~std::size_t{1};
        if (!anchored_) {
            // An empty buffer plays what comes at once: the first sample sounds now.
            synth_.setCursor(Clock::now());
            anchored_ = true;
        }
        synth_.render(static_cast<std::int16_t*>(data), size / 2);
        if (pa_stream_write(stream_, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            return;
        }
        quietSamples_ = synth_.silent() ? quietSamples_ + size / 2 : 0;
        bytes -= size;
    }
}

void TonePlayer::closeStream() {
    if (stream_ == nullptr) {
        return;
    }
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void TonePlayer::disconnect() {
    closeStream();
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

int TonePlayer::pollTimeoutMicroseconds() const {
    if (context_ == nullptr || pa_context_get_state(context_) == PA_CONTEXT_READY) {
        return -1;  // nothing to time: sleep until woken
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(connectDeadline_ - Clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()) + 1000);
}

}  // namespace kelo::desktop

#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "desktop/sound/child_process.h"

namespace kelo::desktop {

/// The game's voice: each sentence is synthesised by espeak-ng in a helper process (the game's
/// own program with `speechHelperOption`) and read back, on a thread of the voice's own, so that
/// nothing of it holds up the game; the samples go on to the game's sound stream. A sentence
/// asked for while one is still being synthesised replaces it, and closing ends the helper at
/// once. Where the synthesiser or a language's voice is missing, the game plays on silently,
/// and says so once on stderr. The thread sleeps until there is something to say.
/// @code
///   Voice voice("/proc/self/exe", 48000,
///               [&](std::vector<std::int16_t> samples) { player.speak(std::move(samples)); });
///   voice.say("id", "Ada berapa mobil?");
/// @endcode
class Voice {
  public:
    /// Takes a sentence's samples at `sampleRate` (on the voice's thread).
    using Sink = std::function<void(std::vector<std::int16_t>)>;

    Voice(std::string helper, int sampleRate, Sink sink);
    /// Quick: a sentence being synthesised is abandoned and its helper ended.
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    /// Says `text` in the synthesiser's voice `voice` ("id", "en", "ja"); never waits.
    void say(std::string voice, std::string text);

  private:
    struct Request {
        std::string voice;
        std::string text;
    };
    void run();
    void synthesise(const Request& request);
    /// Reads the helper's output until it ends; false when the sentence was abandoned meanwhile.
    bool readAll(int output, std::vector<unsigned char>& bytes);
    bool abandoned();

    std::string helper_;
    int sampleRate_;
    Sink sink_;
    Bell bell_;  // rung by say() and by closing: the thread stops reading a helper that lags

    std::mutex mutex_;  // guards the four below
    std::condition_variable wake_;
    std::optional<Request> request_;
    bool stopping_ = false;
    bool abandon_ = false;  // a newer sentence, or closing: the one being made is not wanted

    // The voice thread's own state.
    bool unusable_ = false;
    std::set<std::string> missing_;

    std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace kelo::desktop

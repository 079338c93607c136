#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace kelo::desktop {

/// The game's voice: sentences synthesised into memory by espeak-ng on a thread of its own, so
/// that nothing of it holds up the game, and handed on as samples for the game's sound stream.
/// The synthesiser is loaded at the first sentence, not before. A sentence asked for while one
/// is still being synthesised replaces it. Where the synthesiser or a language's voice is
/// missing, the game plays on silently, and says so once on stderr.
/// @code
///   Voice voice([&](std::vector<std::int16_t> samples) { player.speak(std::move(samples)); });
///   voice.say("id", "Ada berapa mobil?");
/// @endcode
class Voice {
  public:
    /// Takes a sentence's samples at `sampleRate` (on the voice's thread).
    using Sink = std::function<void(std::vector<std::int16_t>)>;

    Voice(int sampleRate, Sink sink);
    /// Quick: a sentence being synthesised is abandoned.
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    /// Says `text` in the synthesiser's voice `voice` ("id", "en", "ja"); never waits.
    void say(std::string voice, std::string text);

    /// From the synthesiser, on the voice's thread: more samples of the sentence; false once the
    /// sentence is no longer wanted.
    bool heard(const short* samples, int count);

  private:
    struct Request {
        std::string voice;
        std::string text;
    };
    void run();
    void synthesise(const Request& request);
    bool ready();

    int sampleRate_;
    Sink sink_;

    std::mutex mutex_;  // guards the three below
    std::condition_variable wake_;
    std::optional<Request> request_;
    bool stopping_ = false;
    std::atomic<bool> abandon_ = false;  // a newer sentence or the end: stop synthesising

    // The voice thread's own state.
    bool loaded_ = false;
    bool unusable_ = false;
    int synthRate_ = 0;
    std::set<std::string> missing_;
    std::vector<std::int16_t> heard_;

    std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace kelo::desktop

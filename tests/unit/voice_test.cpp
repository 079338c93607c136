// The voice's thread and its helper process: a sentence comes back as samples at the player's
// rate; a helper that lags holds up neither a newer sentence nor closing; a missing voice is
// tried once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "desktop/sound/voice.h"

using kelo::desktop::Voice;
using namespace std::chrono_literals;

namespace {

/// A stand-in for the helper: "lag" never ends; "none" has no such voice; any other writes a
/// sentence of four samples at 22,050 Hz.
class FakeHelper {
  public:
    FakeHelper() : path_(testing::TempDir() + "kelo-fake-helper-" + std::to_string(::getpid())) {
        std::ofstream(path_) << "#!/bin/sh\n"
                                "case \"$2\" in\n"
                                "lag) exec sleep 30 ;;\n"
                                "none) exit 4 ;;\n"
                                "*) printf '\\042\\126\\000\\000\\000\\020\\000\\020\\000\\020"
                                "\\000\\020' ;;\n"
                                "esac\n";
        ::chmod(path_.c_str(), 0700);
    }
    ~FakeHelper() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

/// What the voice hands on, waited for.
struct Heard {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::vector<std::int16_t>> sentences;

    Voice::Sink sink() {
        return [this](std::vector<std::int16_t> samples) {
            const std::lock_guard lock(mutex);
            sentences.push_back(std::move(samples));
            arrived.notify_all();
        };
    }
    bool waitFor(std::size_t count, std::chrono::milliseconds patience) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, patience, [&] { return sentences.size() >= count; });
    }
};

TEST(Voice, ASentenceComesBackAtThePlayersRate) {
    FakeHelper helper;
    Heard heard;
    Voice voice(helper.path(), 44100, heard.sink());
    voice.say("id", "Ada berapa mobil?");
    ASSERT_TRUE(heard.waitFor(1, 5s));
    EXPECT_EQ(heard.sentences[0].size(), 8u) << "four samples at twice the rate";
    EXPECT_EQ(heard.sentences[0].front(), 0x1000);
}

TEST(Voice, AHelperThatLagsHoldsUpNeitherANewerSentenceNorClosing) {
    FakeHelper helper;
    Heard heard;
    auto voice = std::make_unique<Voice>(helper.path(), 22050, heard.sink());
    voice->say("lag", "...");
    std::this_thread::sleep_for(100ms);
    voice->say("en", "How many cars are here?");
    EXPECT_TRUE(heard.waitFor(1, 2s)) << "the newer sentence came back";
    voice->say("lag", "...");
    std::this_thread::sleep_for(100ms);
    const auto closing = std::chrono::steady_clock::now();
    voice.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 1s);
}

TEST(Voice, AMissingVoiceSaysNothingAndIsToldOnce) {
    FakeHelper helper;
    Heard heard;
    testing::internal::CaptureStderr();
    {
        Voice voice(helper.path(), 22050, heard.sink());
        voice.say("none", "?");
        std::this_thread::sleep_for(200ms);
        voice.say("none", "?");
        EXPECT_FALSE(heard.waitFor(1, 300ms));
    }
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "kelo: espeak-ng has no voice 'none': the game says nothing in it\n");
}

}  // namespace

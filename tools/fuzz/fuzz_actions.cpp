// A libFuzzer target: its bytes become user actions on a fresh headless game, and the game's
// rules are checked after every one. A broken rule is a crash for the fuzzer.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "actions.h"
#include "forms/headless_platform.h"
#include "invariants.h"

namespace {

// Enough for long games, short enough to keep executions fast.
constexpr std::size_t maxActions = 4096;

void check(const kelo::app::KeloProgram& program, kelo::forms::HeadlessPlatform& platform) {
    const auto broken = kelo::monkey::brokenRules(program, platform.takeRecords(), platform);
    for (const auto& rule : broken) {
        std::fprintf(stderr, "kelo-fuzz: %s\n", rule.c_str());
    }
    if (!broken.empty()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelo::forms::HeadlessPlatform platform;
    kelo::app::KeloProgram program(platform);
    program.start();
    check(program, platform);
    const auto actions = kelo::monkey::decodeActions(
        {data, size}, static_cast<int>(program.mainForm().controls().size()));
    for (std::size_t i = 0; i < actions.size() && i < maxActions; ++i) {
        kelo::monkey::perform(actions[i], program, platform);
        check(program, platform);
    }
    return 0;
}

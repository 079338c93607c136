// A libFuzzer target for the one part that reads text: its bytes are a kelo-sim script, parsed
// line by line and played on a fresh headless game, with the game's rules checked after every
// command. A crash, a sanitizer report or a broken rule is a finding.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <variant>

#include "invariants.h"
#include "script.h"
#include "simulator.h"

namespace {

// Enough for long games, short enough to keep executions fast.
constexpr int maxLines = 2048;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ostringstream dumps;
    kelo::sim::Simulator simulator(dumps);
    std::string_view script(reinterpret_cast<const char*>(data), size);
    for (int line = 0; line < maxLines && !script.empty(); ++line) {
        const auto end = script.find('\n');
        const auto parsed = kelo::sim::parseLine(script.substr(0, end));
        script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
        if (!parsed.error.empty()) {
            return 0;  // kelo-sim stops at a malformed line too
        }
        // A dump only reports the state (the kelo-sim tests read it) and would slow the fuzzer
        // twelvefold: it is parsed, not carried out.
        if (!parsed.command || std::holds_alternative<kelo::sim::Dump>(*parsed.command) ||
            !simulator.run(*parsed.command).empty() || !simulator.program().started()) {
            continue;  // the game's rules hold from the start of the program on
        }
        const auto broken = kelo::monkey::brokenRules(
            simulator.program(), simulator.platform().takeRecords(), simulator.platform());
        for (const auto& rule : broken) {
            std::fprintf(stderr, "kelo-fuzz-script: %s\n", rule.c_str());
        }
        if (!broken.empty()) {
            std::abort();
        }
    }
    return 0;
}

// kelo-monkey: random but repeatable user actions on the headless game, with the game's rules
// checked after every one. A failing run is shrunk to a short kelo-sim script.
//   kelo-monkey [--seed N] [--events N]

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "forms/headless_platform.h"
#include "invariants.h"
#include "monkey.h"

namespace {

// The run keeps every action for shrinking: a bound keeps that list within memory.
constexpr long long maxEvents = 20'000'000;

struct Options {
    std::uint64_t seed = std::random_device{}();
    long long events = 1'000'000;
};

/// The whole text as a number of the given type, or nothing (signs, blanks, overflow refused).
template <class Number>
std::optional<Number> wholeNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view flag = argv[i];
        if (flag == "--seed") {
            const auto seed = wholeNumber<std::uint64_t>(argv[i + 1]);
            if (!seed) {
                return false;
            }
            options.seed = *seed;
        } else if (flag == "--events") {
            const auto events = wholeNumber<long long>(argv[i + 1]);
            if (!events || *events < 0 || *events > maxEvents) {
                return false;
            }
            options.events = *events;
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace kelo;
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: kelo-monkey [--seed N] [--events N]\n"
                     "  N: a whole number; --events from 0 to "
                  << maxEvents << "\n";
        return 2;
    }
    std::cout << "kelo-monkey: seed " << options.seed << ", " << options.events << " events"
              << std::endl;

    forms::HeadlessPlatform platform;
    app::KeloProgram program(platform);
    monkey::ActionStream stream(options.seed,
                                static_cast<int>(program.mainForm().controls().size()));
    std::vector<monkey::Action> played;
    played.reserve(static_cast<std::size_t>(options.events) + 1);
    struct {
        long long shots = 0, points = 0, wins = 0, authorOpen = 0, messages = 0;
    } seen;
    const auto started = std::chrono::steady_clock::now();
    program.start();
    for (long long i = 0; i <= options.events; ++i) {
        monkey::Action action = stream.next();
        if (i == options.events) {
            action = {monkey::Action::Kind::CloseMain, {}, 0, 0};  // the window is closed last
        }
        const std::string scoreBefore = program.mainWindow().hasil.caption();
        monkey::perform(action, program, platform);
        played.push_back(action);
        const auto records = platform.takeRecords();
        const auto broken = monkey::brokenRules(program, records, platform);
        seen.shots += records.beeps.empty() ? 0 : 1;
        seen.messages += static_cast<long long>(records.messages.size());
        seen.authorOpen += program.authorWindow().shown() ? 1 : 0;
        if (!program.ended() && program.mainWindow().hasil.caption() != scoreBefore) {
            seen.points += program.mainWindow().hasil.caption() == "0" ? 0 : 1;
            seen.wins += program.mainWindow().hasil.caption() == "5" ? 1 : 0;
        }
        if (!broken.empty() || (i == options.events && !program.ended())) {
            std::cout << "kelo-monkey: seed " << options.seed << " broke the rules at event " << i
                      << ":\n";
            for (const auto& rule : broken) {
                std::cout << "  " << rule << "\n";
            }
            const auto shortest = monkey::shrinkRun(played);
            std::cout << "kelo-monkey: a kelo-sim script of " << shortest.size()
                      << " actions that does the same:\n"
                      << monkey::script(shortest) << std::flush;
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "kelo-monkey: seed " << options.seed << ": " << options.events
              << " events kept every rule in " << seconds << " s ("
              << static_cast<long long>(options.events / seconds) << " events/s)\n"
              << "kelo-monkey: " << seen.shots << " shots, " << seen.points << " points, "
              << seen.wins << " wins, " << seen.messages
              << " message boxes, author window open during " << seen.authorOpen << " events"
              << std::endl;
    return 0;
}

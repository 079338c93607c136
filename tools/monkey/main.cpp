// kelo-monkey: random but repeatable user actions on the headless game, with the game's rules
// checked after every one. A failing run is shrunk to a short kelo-sim script.
//   kelo-monkey [--seed N] [--events N]

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include "forms/headless_platform.h"
#include "invariants.h"
#include "monkey.h"

namespace {

struct Options {
    std::uint64_t seed = std::random_device{}();
    long long events = 1'000'000;
};

bool parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--seed") {
            options.seed = std::stoull(argv[i + 1]);
        } else if (flag == "--events") {
            options.events = std::stoll(argv[i + 1]);
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
        std::cerr << "usage: kelo-monkey [--seed N] [--events N]\n";
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

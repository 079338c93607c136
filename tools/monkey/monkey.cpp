#include "monkey.h"

#include "forms/headless_platform.h"
#include "invariants.h"

namespace kelo::monkey {
namespace {

using Kind = Action::Kind;

forms::Key typed(const char* text) {
    return forms::Key::typed(text);
}

}  // namespace

ActionStream::ActionStream(std::uint64_t seed, int controlCount)
    : random_(seed), controlCount_(controlCount) {}

Action ActionStream::next() {
    if (heldFor_ > 0) {
        --heldFor_;
        return held_;
    }
    Action action = fresh();
    if (action.kind == Kind::Key && std::uniform_int_distribution(0, 9)(random_) == 0) {
        held_ = action;  // a key held down: it repeats for a while
        heldFor_ = std::uniform_int_distribution(5, 80)(random_);
    }
    return action;
}

Action ActionStream::fresh() {
    const int roll = std::uniform_int_distribution(0, 999)(random_);
    Action action;
    if (roll < 300) {
        action.key = typed(roll % 2 == 0 ? "A" : "a");
    } else if (roll < 560) {
        action.key = typed(" ");
    } else if (roll < 700) {
        static const char* const others[] = {"s", "d", "q", "1", "B", "z", "あ", "\xEF\xBD\xB1"};
        action.key = typed(others[roll % 8]);
    } else if (roll < 740) {
        action.key =
            forms::Key::of(roll % 2 == 0 ? forms::Key::Kind::Enter : forms::Key::Kind::Tab);
    } else if (roll < 760) {
        action.key = forms::Key::of(roll % 2 == 0 ? forms::Key::Kind::Up : forms::Key::Kind::Down);
    } else if (roll < 890) {  // clicks anywhere, the author button among them
        action.kind = Kind::Click;
        action.control = std::uniform_int_distribution(0, controlCount_ - 1)(random_);
    } else if (roll < 920) {
        action.kind = Kind::Select;
        action.value = roll % 3;
    } else if (roll < 935) {
        action.kind = Kind::OpenAuthor;
    } else if (roll < 985) {  // once it is open, a child soon finds its close box
        action.kind = Kind::CloseAuthor;
    } else if (roll < 993) {
        action.kind = Kind::Clock;
        action.value = std::uniform_int_distribution(0, clockReadings - 1)(random_);
    } else {
        action.kind = Kind::Fonts;
        action.value = std::uniform_int_distribution(0, fontSets - 1)(random_);
    }
    return action;
}

std::optional<Failure> replay(const std::vector<Action>& actions) {
    forms::HeadlessPlatform platform;
    app::KeloProgram program(platform);
    program.start();
    auto broken = brokenRules(program, platform.takeRecords(), platform);
    if (!broken.empty()) {
        return Failure{0, broken};
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
        perform(actions[i], program, platform);
        broken = brokenRules(program, platform.takeRecords(), platform);
        if (!broken.empty()) {
            return Failure{i, broken};
        }
    }
    return std::nullopt;
}

std::vector<Action> shrink(std::vector<Action> failing,
                           const std::function<bool(const std::vector<Action>&)>& stillFails,
                           int budget) {
    for (std::size_t chunk = std::max<std::size_t>(failing.size() / 2, 1); budget > 0; chunk /= 2) {
        for (std::size_t start = 0; start < failing.size() && budget > 0;) {
            std::vector<Action> candidate(failing.begin(),
                                          failing.begin() + static_cast<std::ptrdiff_t>(start));
            const std::size_t end = std::min(failing.size(), start + chunk);
            candidate.insert(candidate.end(), failing.begin() + static_cast<std::ptrdiff_t>(end),
                             failing.end());
            --budget;
            if (stillFails(candidate)) {
                failing = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) {
            break;
        }
    }
    return failing;
}

std::vector<Action> shrinkRun(const std::vector<Action>& failing) {
    std::vector<Action> prefix = failing;
    if (auto first = replay(failing)) {
        prefix.resize(first->action + 1);  // nothing after the first failure matters
    }
    return shrink(std::move(prefix), [](const std::vector<Action>& candidate) {
        return replay(candidate).has_value();
    });
}

std::string script(const std::vector<Action>& actions) {
    forms::HeadlessPlatform platform;
    const app::KeloProgram program(platform);
    std::string text = "start\n";
    for (const Action& action : actions) {
        text += scriptLine(action, program) + "\n";
    }
    return text + "dump\n";
}

}  // namespace kelo::monkey

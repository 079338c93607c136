#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "actions.h"

namespace kelo::monkey {

/// Seeded random user actions, biased toward what small children do: mashing the game's keys,
/// holding one key down, clicking everywhere, opening and closing the author window.
class ActionStream {
  public:
    ActionStream(std::uint64_t seed, int controlCount);
    Action next();

  private:
    Action fresh();
    std::mt19937_64 random_;
    int controlCount_;
    Action held_;
    int heldFor_ = 0;
};

/// Where a run broke a rule: the action's position and the rules it broke.
struct Failure {
    std::size_t action;
    std::vector<std::string> broken;
};

/// Plays the actions on a fresh program (started, then each action), checking the rules after
/// every one; the first failure, if any.
std::optional<Failure> replay(const std::vector<Action>& actions);

/// A short list of actions that still fails, from a failing one: delta debugging, dropping ever
/// smaller chunks while `stillFails` holds, within a budget of tries.
std::vector<Action> shrink(std::vector<Action> failing,
                           const std::function<bool(const std::vector<Action>&)>& stillFails,
                           int budget = 400);
/// Shrinks a run that breaks the game's rules.
std::vector<Action> shrinkRun(const std::vector<Action>& failing);

/// The actions as a kelo-sim script that starts the program first.
std::string script(const std::vector<Action>& actions);

}  // namespace kelo::monkey

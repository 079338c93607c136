#pragma once

#include <random>

namespace kelo::forms {

/// The game's one uniform generator: the standard library's Mersenne Twister (std::mt19937)
/// started from its default seed, so every run of the program starts from the same state.
class UniformGenerator {
  public:
    /// The next value in [0, 1) in single precision: the top 24 bits of the next output, so
    /// every value is exact and 1 is never reached.
    float next();
    /// Re-seeds from a real value: its bit pattern chooses the state.
    void reseed(double seed);

  private:
    std::mt19937 engine_;
};

}  // namespace kelo::forms

#include "forms/uniform_generator.h"

#include <bit>
#include <cstdint>

namespace kelo::forms {

float UniformGenerator::next() {
    constexpr float scale = 1.0F / 16777216.0F;  // 2^-24
    return static_cast<float>(engine_() >> 8U) * scale;
}

void UniformGenerator::reseed(double seed) {
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    std::seed_seq sequence{static_cast<std::uint32_t>(bits),
                           static_cast<std::uint32_t>(bits >> 32U)};
    engine_.seed(sequence);
}

}  // namespace kelo::forms

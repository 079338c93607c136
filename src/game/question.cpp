#include "game/question.h"

#include <cmath>

#include "forms/number_text.h"

namespace kelo::game {

std::string optionFromDraw(float draw) {
    // Single precision, as the draw itself.
    return forms::wholeText(static_cast<std::int64_t>(std::floor(draw * 9.0F)) + 1);
}

std::string secondOptionFromDraw(float draw) {
    return forms::wholeText(static_cast<std::int64_t>(std::floor(draw * 10.0F)));
}

int answerTarget(float draw) {
    return draw > 0.5F ? 1 : 0;
}

int carCount(const std::string& answer) {
    return static_cast<int>(forms::roundHalfEven(forms::strictNumber(answer)));
}

}  // namespace kelo::game

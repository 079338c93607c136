#include "forms/platform_records.h"

#include "forms/controls.h"

namespace kelo::forms {

void PlatformRecords::recordMove(const Control& moved) {
    if (const auto* box = dynamic_cast<const BoxControl*>(&moved)) {
        moves.push_back({box->left(), box->top()});
    }
}

}  // namespace kelo::forms

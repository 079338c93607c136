#pragma once

#include <string>
#include <string_view>

#include "forms/platform.h"
#include "forms/runtime_error.h"

namespace kelo::forms {

/// An error handler that shows its message when an operation fails and goes on with the next
/// one. Wrap every operation of a handler that recovers this way:
/// @code
///   ResumeNext step(platform, "Something failed");
///   step([&] { label.setCaption("1"); });
///   step([&] { tes.setTag("0"); });   // runs even when the first step failed
/// @endcode
class ResumeNext {
  public:
    ResumeNext(Platform& platform, std::string_view prompt)
        : platform_(platform), prompt_(prompt) {}

    template <class Operation>
    void operator()(Operation&& operation) const {
        try {
            operation();
        } catch (const RuntimeError&) {
            platform_.messageBox(prompt_);
        }
    }

  private:
    Platform& platform_;
    std::string prompt_;
};

}  // namespace kelo::forms

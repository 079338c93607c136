#pragma once

#include <stdexcept>
#include <string>

namespace kelo::forms {

/// The run-time errors a control operation can raise. The numbers are the classic
/// forms-runtime error numbers, so a message names the failure the way such a runtime does.
enum class ErrorCode {
    InvalidProcedureCall = 5,  // e.g. SetFocus on a hidden or disabled control
    Overflow = 6,              // a number too large for its type
    SubscriptOutOfRange = 9,   // e.g. a font index not in the font list
    DivisionByZero = 11,
    TypeMismatch = 13,           // strict conversion of text that is not a number
    InvalidPropertyValue = 380,  // e.g. a list index outside the list
    ControlArrayElementMissing = 340,
    ControlNotFound = 730,
};

/// A failing property or platform operation. A handler with its own error handling catches it;
/// for any other handler the runtime abandons the handler and reports the error.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(ErrorCode code, const std::string& what) : std::runtime_error(what), code_(code) {}
    ErrorCode code() const { return code_; }

  private:
    ErrorCode code_;
};

}  // namespace kelo::forms

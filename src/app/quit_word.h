#pragma once

#include <cstddef>

namespace kelo::app {

/// The parent's way out of the locked game: the letters q, u, i, t typed in a row. Any other key
/// between them starts the word again, and a letter typed with Ctrl, Alt or Super held does not
/// count, so a child's flat hands practically never spell it. The letters are those the keyboard
/// types, whatever language the game speaks.
/// @code
///   QuitWord word;
///   word.press('q', false); word.press('u', false); word.press('i', false);
///   word.press('t', false);  // true: the parent asked to leave
/// @endcode
class QuitWord {
  public:
    /// A key press: `letter` the Latin letter it types (either case), or 0 for any other key;
    /// `withCommand` Ctrl, Alt or Super held. A modifier pressed alone is no key here: leave it
    /// out. True when this press completes the word.
    bool press(char letter, bool withCommand);

  private:
    std::size_t typed_ = 0;  // how many letters of the word are typed so far
};

}  // namespace kelo::app

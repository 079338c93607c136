#pragma once

namespace kelo::forms {
class Platform;
}

namespace kelo::lang {

class JapaneseCodePage;

/// `FindJapFont`: the position of the first installed screen font whose name begins or ends
/// with a double-byte character of the Japanese code page, or -1 when there is none.
/// Never fails: an unreadable or empty name is no match, an unreadable list gives -1.
int FindJapFont(const forms::Platform& platform, const JapaneseCodePage& codePage);

}  // namespace kelo::lang

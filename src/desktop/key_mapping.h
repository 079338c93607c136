#pragma once

#include <QString>

#include "forms/key.h"

namespace kelo::desktop {

/// A Qt key press as the key the model expects: typed text (printable characters only),
/// Enter, Tab, the arrows that a list takes, or a key that types nothing.
forms::Key modelKey(int qtKey, const QString& text);

}  // namespace kelo::desktop

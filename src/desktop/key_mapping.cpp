#include "desktop/key_mapping.h"

namespace kelo::desktop {

forms::Key modelKey(int qtKey, const QString& text) {
    using Kind = forms::Key::Kind;
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return forms::Key::of(Kind::Enter);
        case Qt::Key_Tab:
            return forms::Key::of(Kind::Tab);
        case Qt::Key_Backtab:
            return forms::Key::of(Kind::BackTab);
        case Qt::Key_Up:
            return forms::Key::of(Kind::Up);
        case Qt::Key_Down:
            return forms::Key::of(Kind::Down);
        default:
            break;
    }
    if (text.isEmpty()) {
        return forms::Key::of(Kind::Other);  // arrows, F-keys, modifiers
    }
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return forms::Key::of(Kind::Other);  // Esc, Backspace, Ctrl+letter
        }
    }
    return forms::Key::typed(text.toStdString());
}

}  // namespace kelo::desktop

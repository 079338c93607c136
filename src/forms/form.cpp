#include "forms/form.h"

#include <algorithm>

namespace kelo::forms {

Form::Form(std::string name) : name_(std::move(name)) {}

// Controls refer to the form; they go first, without raising anything.
Form::~Form() {
    onChanged = nullptr;
    focused_ = nullptr;
    controls_.clear();
}

void Form::setCaption(std::string caption) {
    caption_ = std::move(caption);
    controlChanged(nullptr);
}

void Form::setEnabled(bool enabled) {
    enabled_ = enabled;
    controlChanged(nullptr);
}

void Form::setFontName(std::string name) {
    font_.name = std::move(name);
    controlChanged(nullptr);
}

void Form::adopt(std::unique_ptr<Control> control) {
    auto& slots = byName_[control->name()];
    const auto slot = static_cast<std::size_t>(std::max(control->index(), 0));
    if (slots.size() <= slot) {
        slots.resize(slot + 1, nullptr);
    }
    slots[slot] = control.get();
    controls_.push_back(std::move(control));
}

Control* Form::find(std::string_view name, int index) const {
    const auto found = byName_.find(std::string(name));
    if (found == byName_.end()) {
        return nullptr;
    }
    const auto& slots = found->second;
    const auto slot = static_cast<std::size_t>(std::max(index, 0));
    if (index < -1 || slot >= slots.size() || slots[slot] == nullptr) {
        return nullptr;
    }
    Control* control = slots[slot];
    const bool isElement = control->index() >= 0;
    return (isElement == (index >= 0)) ? control : nullptr;
}

int Form::arrayCount(std::string_view name) const {
    const auto found = byName_.find(std::string(name));
    if (found == byName_.end() || found->second.empty() || found->second[0] == nullptr ||
        found->second[0]->index() < 0) {
        return 0;
    }
    return static_cast<int>(found->second.size());
}

void Form::throwMissingElement(std::string_view name, int index) {
    throw RuntimeError(ErrorCode::ControlArrayElementMissing,
                       "Control array element '" + std::to_string(index) + "' of " +
                           std::string(name) + " doesn't exist");
}

void Form::throwNotFound(std::string_view name, int index) {
    if (index >= 0) {
        throwMissingElement(name, index);
    }
    throw RuntimeError(ErrorCode::ControlNotFound, "No control named " + std::string(name));
}

void Form::moveFocus(Control& control) {
    if (focused_ != &control) {
        Control* previous = focused_;
        focused_ = &control;
        controlChanged(previous);
        controlChanged(focused_);
    }
}

Control* Form::firstInTabOrder() const {
    Control* first = nullptr;
    for (const auto& control : controls_) {
        if (control->isFocusable() && control->shownOnScreen() && control->tabIndex() >= 0 &&
            (first == nullptr || control->tabIndex() < first->tabIndex())) {
            first = control.get();
        }
    }
    return first;
}

void Form::moveFocusInTabOrder(bool forwards) {
    std::vector<Control*> order;
    for (const auto& control : controls_) {
        if (control->isFocusable() && control->shownOnScreen() && control->tabIndex() >= 0) {
            order.push_back(control.get());
        }
    }
    if (order.empty()) {
        return;
    }
    std::sort(order.begin(), order.end(),
              [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    if (!forwards) {
        std::reverse(order.begin(), order.end());
    }
    auto at = std::find(order.begin(), order.end(), focused_);
    Control* next =
        (at == order.end() || std::next(at) == order.end()) ? order.front() : *std::next(at);
    moveFocus(*next);
}

void Form::typeIntoList(ListBox& list, Key::Kind kind) {
    const int count = static_cast<int>(list.items().size());
    int index = list.listIndex();
    if (kind == Key::Kind::Down) {
        index = std::min(index + 1, count - 1);
    } else if (kind == Key::Kind::Up) {
        index = std::max(index - 1, 0);
    }
    if (count > 0 && index != list.listIndex()) {
        list.setListIndex(index);
        list.form().raise(list.onClick);
    }
}

void Form::typeKey(const Key& key) {
    if (!enabled_ || focused_ == nullptr) {
        return;
    }
    if (key.kind == Key::Kind::Tab || key.kind == Key::Kind::BackTab) {
        moveFocusInTabOrder(key.kind == Key::Kind::Tab);
        return;
    }
    switch (focused_->controlClass()) {
        case ControlClass::TextBox:
            if (key.kind == Key::Kind::Text) {
                // The caret stands at the end of the text: the key is appended.
                auto& box = static_cast<TextBox&>(*focused_);
                box.setText(box.text() + key.text);
            }
            break;
        case ControlClass::CommandButton:
            if (key.kind == Key::Kind::Text && key.text == " ") {
                raise(focused_->onClick);
            }
            break;
        case ControlClass::ListBox:
            typeIntoList(static_cast<ListBox&>(*focused_), key.kind);
            break;
        default:
            break;
    }
}

void Form::click(Control& control) {
    if (!enabled_ || !control.shownOnScreen()) {
        return;
    }
    if (control.isFocusable()) {
        moveFocus(control);
    }
    raise(control.onClick);
}

void Form::selectEntry(ListBox& list, int entry) {
    if (!enabled_ || !list.shownOnScreen()) {
        return;
    }
    moveFocus(list);
    list.setListIndex(entry);
    raise(list.onClick);
}

void Form::raise(const std::function<void()>& handler) const {
    if (!handler) {
        return;
    }
    try {
        handler();
    } catch (const RuntimeError& error) {
        if (onAbandoned) {
            onAbandoned(error);
        }
    }
}

void Form::controlChanged(const Control* control) const {
    if (onChanged) {
        onChanged(control);
    }
}

}  // namespace kelo::forms

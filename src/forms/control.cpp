#include "forms/control.h"

#include "forms/form.h"

namespace kelo::forms {

Control::Control(Form& form, ControlClass controlClass, ControlIdentity identity)
    : form_(form), class_(controlClass), identity_(std::move(identity)) {}

std::string Control::qualifiedName() const {
    if (identity_.index < 0) {
        return identity_.name;
    }
    return identity_.name + "(" + std::to_string(identity_.index) + ")";
}

void Control::setTag(std::string tag) {
    tag_ = std::move(tag);
}

void Control::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        changed();
    }
}

bool Control::shownOnScreen() const {
    for (const Control* c = this; c != nullptr; c = c->container()) {
        if (!c->visible()) {
            return false;
        }
    }
    return true;
}

bool Control::isFocusable() const {
    return class_ == ControlClass::TextBox || class_ == ControlClass::CommandButton ||
           class_ == ControlClass::ListBox;
}

void Control::setFocus() {
    if (!isFocusable() || !shownOnScreen() || !form_.enabled()) {
        throw RuntimeError(ErrorCode::InvalidProcedureCall,
                           "Invalid procedure call: cannot move the focus to " + qualifiedName());
    }
    form_.moveFocus(*this);
}

void Control::changed() {
    form_.controlChanged(this);
}

}  // namespace kelo::forms

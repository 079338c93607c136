#include "forms/controls.h"

#include "forms/form.h"

namespace kelo::forms {

BoxControl::BoxControl(Form& form, ControlClass controlClass, ControlIdentity identity, Box box)
    : Control(form, controlClass, std::move(identity)), box_(box) {}

void BoxControl::setLeft(float left) {
    box_.left = left;
    changed();
}

void BoxControl::setTop(float top) {
    box_.top = top;
    changed();
}

void BoxControl::setFontName(std::string name) {
    font_.name = std::move(name);
    changed();
}

Line::Line(Form& form, ControlIdentity identity, Ends ends)
    : Control(form, ControlClass::Line, std::move(identity)), ends_(ends) {}

void Line::setX1(float value) {
    ends_.x1 = value;
    changed();
}
void Line::setY1(float value) {
    ends_.y1 = value;
    changed();
}
void Line::setX2(float value) {
    ends_.x2 = value;
    changed();
}
void Line::setY2(float value) {
    ends_.y2 = value;
    changed();
}

void CaptionControl::setCaption(std::string caption) {
    if (caption_ != caption) {
        caption_ = std::move(caption);
        changed();
    }
}

void TextBox::setText(std::string text) {
    if (text_ == text) {
        return;
    }
    text_ = std::move(text);
    changed();
    form().raise(onChange);
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        throw RuntimeError(ErrorCode::InvalidPropertyValue,
                           "Invalid property value: ListIndex " + std::to_string(index));
    }
    if (listIndex_ != index) {
        listIndex_ = index;
        changed();
    }
}

}  // namespace kelo::forms

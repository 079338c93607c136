#include "forms/stacking.h"

#include <algorithm>

namespace kelo::forms {
namespace {

bool contains(const Box& box, float x, float y) {
    return x >= box.left && x < box.left + box.width && y >= box.top && y < box.top + box.height;
}

const Control* topmostIn(const Form& form, const Control* container, float x, float y) {
    auto order = paintOrder(form, container);
    std::reverse(order.begin(), order.end());  // topmost first
    for (const Control* control : order) {
        const auto* box = dynamic_cast<const BoxControl*>(control);
        if (box == nullptr || !control->visible() || !contains(windowBox(*box), x, y)) {
            continue;
        }
        if (const Control* inner = topmostIn(form, control, x, y)) {
            return inner;
        }
        return control;
    }
    return nullptr;
}

}  // namespace

bool isWindowed(const Control& control) {
    switch (control.controlClass()) {
        case ControlClass::Line:
        case ControlClass::Shape:
        case ControlClass::Label:
            return false;
        default:
            return true;
    }
}

std::vector<const Control*> paintOrder(const Form& form, const Control* container) {
    std::vector<const Control*> graphical;
    std::vector<const Control*> windowed;
    for (const auto& control : form.controls()) {
        if (control->container() == container) {
            (isWindowed(*control) ? windowed : graphical).push_back(control.get());
        }
    }
    std::reverse(graphical.begin(), graphical.end());
    std::reverse(windowed.begin(), windowed.end());
    graphical.insert(graphical.end(), windowed.begin(), windowed.end());
    return graphical;
}

Box windowBox(const BoxControl& control) {
    Box box = control.box();
    for (const Control* c = control.container(); c != nullptr; c = c->container()) {
        if (const auto* outer = dynamic_cast<const BoxControl*>(c)) {
            box.left += outer->left();
            box.top += outer->top();
        }
    }
    return box;
}

const Control* controlAt(const Form& form, float x, float y) {
    return topmostIn(form, nullptr, x, y);
}

}  // namespace kelo::forms

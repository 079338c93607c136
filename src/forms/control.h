#pragma once

#include <functional>
#include <string>

#include "forms/appearance.h"

namespace kelo::forms {

class Form;

enum class ControlClass { Frame, PictureBox, Line, Shape, Label, TextBox, CommandButton, ListBox };

/// Where a control stands in its form: its name, its element index in a control array, its
/// container (nullptr for the window itself) and its place in the tab order (-1: none).
struct ControlIdentity {
    std::string name;
    int index = -1;
    class Control* container = nullptr;
    int tabIndex = -1;
};

/// What every control has: a name, a container, Tag, Visible, and a Click event.
/// Setters notify the form, which tells its observer what to repaint.
class Control {
  public:
    Control(Form& form, ControlClass controlClass, ControlIdentity identity);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    ControlClass controlClass() const { return class_; }
    const std::string& name() const { return identity_.name; }
    /// The element index in its control array; -1 for a control that is no array element.
    int index() const { return identity_.index; }
    /// "mobil(3)" for array elements, the plain name otherwise.
    std::string qualifiedName() const;
    Control* container() const { return identity_.container; }
    int tabIndex() const { return identity_.tabIndex; }
    Form& form() const { return form_; }

    const std::string& tag() const { return tag_; }
    void setTag(std::string tag);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    /// Visible itself and inside visible containers.
    bool shownOnScreen() const;

    const Appearance& appearance() const { return appearance_; }
    Appearance& designAppearance() { return appearance_; }

    /// Whether this kind of control can ever hold the keyboard focus.
    bool isFocusable() const;
    /// Moves the keyboard focus here. Throws RuntimeError(InvalidProcedureCall) on a control
    /// that cannot take it: hidden, in a hidden container, disabled window, or not focusable.
    void setFocus();

    std::function<void()> onClick;

  protected:
    void changed();

  private:
    Form& form_;
    ControlClass class_;
    ControlIdentity identity_;
    std::string tag_;
    bool visible_ = true;
    Appearance appearance_;
};

}  // namespace kelo::forms

#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "forms/appearance.h"
#include "forms/control.h"
#include "forms/controls.h"
#include "forms/key.h"
#include "forms/runtime_error.h"

namespace kelo::forms {

/// A window with its controls, its keyboard focus and its events.
///
/// Controls are kept in stacking order, topmost first, each with its container. Handlers are
/// plain functions set on the form and its controls; the form raises them, and a run-time error
/// that escapes a handler abandons that handler and is reported through onAbandoned.
/// @code
///   Form form("mobil");
///   auto& box = form.add<TextBox>(ControlIdentity{"panah", -1, nullptr, 0}, Box{...});
///   box.onChange = [&] { ... };
///   form.typeKey(Key::typed("A"));   // raises Change of the focused text box
/// @endcode
class Form {
  public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    /// A disabled window takes neither keys nor clicks.
    void setEnabled(bool enabled);
    const FontSpec& font() const { return font_; }
    const std::string& fontName() const { return font_.name; }
    void setFontName(std::string name);
    void setDesignFont(FontSpec font) { font_ = std::move(font); }
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    Colour backColour() const { return backColour_; }
    void setDesignBackColour(Colour colour) { backColour_ = colour; }

    template <class T, class... Args>
    T& add(ControlIdentity identity, Args&&... args) {
        auto control = std::make_unique<T>(*this, std::move(identity), std::forward<Args>(args)...);
        T& added = *control;
        adopt(std::move(control));
        return added;
    }

    /// All controls in stacking order, topmost first.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    /// The control of that name and array index (-1 for none), or nullptr.
    Control* find(std::string_view name, int index = -1) const;
    /// As find, but throws RuntimeError(ControlNotFound) when there is none or it is of another
    /// class.
    template <class T>
    T& get(std::string_view name, int index = -1) const {
        auto* control = dynamic_cast<T*>(find(name, index));
        if (control == nullptr) {
            throwNotFound(name, index);
        }
        return *control;
    }
    /// The run-time error for a missing control (index -1) or control array element.
    [[noreturn]] static void throwNotFound(std::string_view name, int index);
    [[noreturn]] static void throwMissingElement(std::string_view name, int index);
    /// The number of elements of a control array (0 when there is no such array).
    int arrayCount(std::string_view name) const;

    Control* focused() const { return focused_; }
    /// Used by Control::setFocus once it has checked that the control can take the focus.
    void moveFocus(Control& control);
    /// The first focusable, shown control in tab order: where the focus goes when the window
    /// opens.
    Control* firstInTabOrder() const;

    // Input from a runtime. Nothing happens while the window is disabled.
    /// A key for the control with the focus: a text box takes text, a button takes Space as a
    /// click, a list takes the arrow keys; Tab moves the focus on in tab order.
    void typeKey(const Key& key);
    /// A mouse click: gives the control the focus where it can take it and raises its Click.
    void click(Control& control);
    /// The user picks entry `entry` of a list: focus, selection, Click.
    void selectEntry(ListBox& list, int entry);

    std::function<void()> onActivate;
    std::function<void()> onUnload;
    /// Told of every run-time error that abandoned a handler.
    std::function<void(const RuntimeError&)> onAbandoned;
    /// Told after every property change of a control (nullptr: the window itself).
    std::function<void(const Control*)> onChanged;

    /// Runs an event handler; a run-time error escaping it abandons it and is reported.
    void raise(const std::function<void()>& handler) const;
    void controlChanged(const Control* control) const;

  private:
    void adopt(std::unique_ptr<Control> control);
    void moveFocusInTabOrder(bool forwards);
    static void typeIntoList(ListBox& list, Key::Kind kind);

    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    FontSpec font_;
    std::string tag_;
    Colour backColour_ = colours::buttonFace;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, std::vector<Control*>> byName_;  // index -1 stored at [0]
    Control* focused_ = nullptr;
};

}  // namespace kelo::forms

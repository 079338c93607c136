#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/appearance.h"
#include "forms/control.h"

namespace kelo::forms {

class Form;

/// One control of a window as designed: a row of a layout table. `at` holds Left, Top, Width,
/// Height in twips, or X1, Y1, X2, Y2 for a line. `container` names the container ("kelkel",
/// "target(1)"); empty for the window itself.
struct ControlRow {
    std::string_view name;
    int index = -1;
    ControlClass kind = ControlClass::Label;
    std::string_view container;
    float at[4] = {0, 0, 0, 0};
    std::string_view caption;
    bool visible = true;
    int tabIndex = -1;
    Appearance look;
    std::optional<FontSpec> font;  // unset: the window's font
    std::string_view tag;
    std::vector<std::string> items;  // list entries
    std::string_view picture;        // picture resource of a picture box
};

/// A whole window as designed.
struct FormDesign {
    std::string_view name;
    std::string_view caption;
    Colour backColour = colours::buttonFace;
    FontSpec font;
    float clientWidth = 0;  // the designed (restored) client area, twips
    float clientHeight = 0;
    float screenLeft = 0;  // the designed place on the screen, twips
    float screenTop = 0;
    std::vector<ControlRow> rows;  // in stacking order, topmost first, within each container
};

/// Creates the window and all its controls in their designed state. Rows must name their
/// container before they use it.
std::unique_ptr<Form> buildForm(const FormDesign& design);

}  // namespace kelo::forms

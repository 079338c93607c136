#include "state_json.h"

#include <charconv>
#include <string>

#include "forms/controls.h"

namespace kelo::app {
namespace {

using nlohmann::json;

/// A single-precision value as the shortest decimal that reads back as the same float.
json coordinate(float value) {
    char text[32];
    auto* const end = std::to_chars(std::begin(text), std::end(text), value).ptr;
    double shortest = 0;
    std::from_chars(std::begin(text), end, shortest);
    return shortest;
}

void addControl(json& controls, const std::string& prefix, const forms::Control& control) {
    const std::string key = prefix + control.qualifiedName() + ".";
    controls[key + "Visible"] = control.visible();
    controls[key + "Tag"] = control.tag();
    if (const auto* line = dynamic_cast<const forms::Line*>(&control)) {
        controls[key + "X1"] = coordinate(line->x1());
        controls[key + "Y1"] = coordinate(line->y1());
        controls[key + "X2"] = coordinate(line->x2());
        controls[key + "Y2"] = coordinate(line->y2());
        return;
    }
    const auto& box = dynamic_cast<const forms::BoxControl&>(control);
    controls[key + "Left"] = coordinate(box.left());
    controls[key + "Top"] = coordinate(box.top());
    controls[key + "Width"] = coordinate(box.width());
    controls[key + "Height"] = coordinate(box.height());
    if (control.controlClass() != forms::ControlClass::Shape &&
        control.controlClass() != forms::ControlClass::PictureBox) {
        controls[key + "FontName"] = box.fontName();
    }
    if (const auto* captioned = dynamic_cast<const forms::CaptionControl*>(&control)) {
        controls[key + "Caption"] = captioned->caption();
    }
    if (const auto* text = dynamic_cast<const forms::TextBox*>(&control)) {
        controls[key + "Text"] = text->text();
    }
    if (const auto* list = dynamic_cast<const forms::ListBox*>(&control)) {
        controls[key + "ListIndex"] = list->listIndex();
    }
}

void addForm(json& controls, const std::string& prefix, const forms::Form& form) {
    const std::string key = prefix.empty() ? form.name() + "." : prefix;
    controls[key + "Caption"] = form.caption();
    controls[key + "Enabled"] = form.enabled();
    controls[key + "FontName"] = form.fontName();
    controls[key + "Tag"] = form.tag();
    for (const auto& control : form.controls()) {
        addControl(controls, prefix, *control);
    }
}

json focusName(const KeloProgram& program) {
    const forms::Form* form = nullptr;
    std::string prefix;
    switch (program.activeWindow()) {
        case KeloProgram::ActiveWindow::None:
            return nullptr;
        case KeloProgram::ActiveWindow::Main:
            form = &program.mainForm();
            break;
        case KeloProgram::ActiveWindow::Author:
            form = program.authorWindow().form();
            prefix = "authorpekro.";
            break;
    }
    if (form == nullptr) {
        return nullptr;
    }
    if (form->focused() == nullptr) {
        return form->name();  // a window without focusable controls holds the focus itself
    }
    return prefix + form->focused()->qualifiedName();
}

json activeName(KeloProgram::ActiveWindow active) {
    switch (active) {
        case KeloProgram::ActiveWindow::Main:
            return "mobil";
        case KeloProgram::ActiveWindow::Author:
            return "authorpekro";
        case KeloProgram::ActiveWindow::None:
            break;
    }
    return nullptr;
}

}  // namespace

json stateJson(const KeloProgram& program, const forms::PlatformRecords& records) {
    json state;
    state["focus"] = focusName(program);
    state["active"] = activeName(program.activeWindow());
    state["ended"] = program.ended();
    state["messages"] = records.messages;
    state["errors"] = records.abandoned;
    json beeps = json::array();
    for (const auto& tone : records.beeps) {
        beeps.push_back({tone.hertz, tone.milliseconds});
    }
    state["beeps"] = std::move(beeps);
    json path = json::array();
    for (const auto& place : records.moves) {
        path.push_back({coordinate(place.left), coordinate(place.top)});
    }
    state["ball_path"] = std::move(path);
    state["authorpekro"] = {{"loaded", program.authorWindow().loaded()},
                            {"shown", program.authorWindow().shown()}};
    json controls = json::object();
    addForm(controls, "", program.mainForm());
    if (const forms::Form* author = program.authorWindow().form()) {
        addForm(controls, "authorpekro.", *author);
    }
    state["controls"] = std::move(controls);
    return state;
}

}  // namespace kelo::app

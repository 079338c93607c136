#include "forms/form_design.h"

#include <charconv>
#include <stdexcept>

#include "forms/form.h"

namespace kelo::forms {
namespace {

/// The container a row names, "" for the window.
Control* containerOf(const Form& form, std::string_view reference) {
    if (reference.empty()) {
        return nullptr;
    }
    int index = -1;
    std::string_view name = reference;
    if (const auto open = reference.find('('); open != std::string_view::npos) {
        name = reference.substr(0, open);
        const auto digits = reference.substr(open + 1, reference.size() - open - 2);
        std::from_chars(digits.data(), digits.data() + digits.size(), index);
    }
    Control* container = form.find(name, index);
    if (container == nullptr) {
        throw std::logic_error("layout names an unknown container: " + std::string(reference));
    }
    return container;
}

Control& addControl(Form& form, const ControlRow& row, ControlIdentity identity) {
    const Box box{row.at[0], row.at[1], row.at[2], row.at[3]};
    switch (row.kind) {
        case ControlClass::Line:
            return form.add<Line>(std::move(identity),
                                  Line::Ends{row.at[0], row.at[1], row.at[2], row.at[3]});
        case ControlClass::Shape:
            return form.add<Shape>(std::move(identity), box);
        case ControlClass::Label:
            return form.add<Label>(std::move(identity), box);
        case ControlClass::Frame:
            return form.add<Frame>(std::move(identity), box);
        case ControlClass::CommandButton:
            return form.add<CommandButton>(std::move(identity), box);
        case ControlClass::PictureBox:
            return form.add<PictureBox>(std::move(identity), box);
        case ControlClass::TextBox:
            return form.add<TextBox>(std::move(identity), box);
        case ControlClass::ListBox:
            return form.add<ListBox>(std::move(identity), box);
    }
    throw std::logic_error("unknown control class");
}

void applyDesign(Control& control, const ControlRow& row, const FontSpec& windowFont) {
    control.designAppearance() = row.look;
    control.setVisible(row.visible);
    control.setTag(std::string(row.tag));
    if (auto* box = dynamic_cast<BoxControl*>(&control)) {
        box->setDesignFont(row.font.value_or(windowFont));
    }
    if (auto* captioned = dynamic_cast<CaptionControl*>(&control)) {
        captioned->setCaption(std::string(row.caption));
    }
    if (auto* list = dynamic_cast<ListBox*>(&control)) {
        list->setDesignItems(row.items);
    }
    if (auto* picture = dynamic_cast<PictureBox*>(&control)) {
        picture->setDesignPicture(std::string(row.picture));
    }
}

}  // namespace

std::unique_ptr<Form> buildForm(const FormDesign& design) {
    auto form = std::make_unique<Form>(std::string(design.name));
    form->setCaption(std::string(design.caption));
    form->setDesignBackColour(design.backColour);
    form->setDesignFont(design.font);
    for (const ControlRow& row : design.rows) {
        ControlIdentity identity{std::string(row.name), row.index,
                                 containerOf(*form, row.container), row.tabIndex};
        applyDesign(addControl(*form, row, std::move(identity)), row, design.font);
    }
    return form;
}

}  // namespace kelo::forms

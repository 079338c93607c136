#pragma once

#include <string>
#include <vector>

#include "forms/control.h"

namespace kelo::forms {

/// Positions in twips relative to the container, kept in single precision.
struct Box {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

/// A control with a rectangle, and with a font where its class shows text.
class BoxControl : public Control {
  public:
    BoxControl(Form& form, ControlClass controlClass, ControlIdentity identity, Box box);

    float left() const { return box_.left; }
    float top() const { return box_.top; }
    float width() const { return box_.width; }
    float height() const { return box_.height; }
    const Box& box() const { return box_; }
    void setLeft(float left);
    void setTop(float top);

    const FontSpec& font() const { return font_; }
    const std::string& fontName() const { return font_.name; }
    void setFontName(std::string name);
    void setDesignFont(FontSpec font) { font_ = std::move(font); }

  private:
    Box box_;
    FontSpec font_;
};

class Line : public Control {
  public:
    struct Ends {
        float x1 = 0;
        float y1 = 0;
        float x2 = 0;
        float y2 = 0;
    };
    Line(Form& form, ControlIdentity identity, Ends ends);

    float x1() const { return ends_.x1; }
    float y1() const { return ends_.y1; }
    float x2() const { return ends_.x2; }
    float y2() const { return ends_.y2; }
    const Ends& ends() const { return ends_; }
    void setX1(float value);
    void setY1(float value);
    void setX2(float value);
    void setY2(float value);

  private:
    Ends ends_;
};

class Shape : public BoxControl {
  public:
    Shape(Form& form, ControlIdentity identity, Box box)
        : BoxControl(form, ControlClass::Shape, std::move(identity), box) {}
};

/// Label, Frame and CommandButton: a control that shows a caption.
class CaptionControl : public BoxControl {
  public:
    using BoxControl::BoxControl;
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

  private:
    std::string caption_;
};

class Label : public CaptionControl {
  public:
    Label(Form& form, ControlIdentity identity, Box box)
        : CaptionControl(form, ControlClass::Label, std::move(identity), box) {}
};

/// A container; hiding it hides its children.
class Frame : public CaptionControl {
  public:
    Frame(Form& form, ControlIdentity identity, Box box)
        : CaptionControl(form, ControlClass::Frame, std::move(identity), box) {}
};

class CommandButton : public CaptionControl {
  public:
    CommandButton(Form& form, ControlIdentity identity, Box box)
        : CaptionControl(form, ControlClass::CommandButton, std::move(identity), box) {}
};

/// A container showing a built-in picture; hiding it hides its children.
class PictureBox : public BoxControl {
  public:
    PictureBox(Form& form, ControlIdentity identity, Box box)
        : BoxControl(form, ControlClass::PictureBox, std::move(identity), box) {}
    const std::string& picture() const { return picture_; }
    void setDesignPicture(std::string resource) { picture_ = std::move(resource); }

  private:
    std::string picture_;
};

class TextBox : public BoxControl {
  public:
    TextBox(Form& form, ControlIdentity identity, Box box)
        : BoxControl(form, ControlClass::TextBox, std::move(identity), box) {}

    const std::string& text() const { return text_; }
    /// Writing a different text raises Change at once, nested in the writer; writing the same
    /// text raises nothing.
    void setText(std::string text);

    std::function<void()> onChange;

  private:
    std::string text_;
};

class ListBox : public BoxControl {
  public:
    ListBox(Form& form, ControlIdentity identity, Box box)
        : BoxControl(form, ControlClass::ListBox, std::move(identity), box) {}

    const std::vector<std::string>& items() const { return items_; }
    void setDesignItems(std::vector<std::string> items) { items_ = std::move(items); }
    /// -1 when nothing is selected.
    int listIndex() const { return listIndex_; }
    /// Throws RuntimeError(InvalidPropertyValue) outside -1 .. count - 1.
    void setListIndex(int index);

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

}  // namespace kelo::forms

#pragma once

#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <unordered_map>

#include "desktop/photograph.h"
#include "desktop/twip_scale.h"
#include "forms/form.h"

namespace kelo::desktop {

/// Paints one window's control tree in stacking order: windowed controls above the graphical
/// ones of the same container, earlier graphical controls over later ones; frames and picture
/// boxes clip their children, and hidden containers hide them.
class FormPainter {
  public:
    /// `pressed`: a command button to draw held down, or none.
    FormPainter(const forms::Form& form, const TwipScale& scale, QWidget& widget,
                const Photograph* photograph, const forms::Control* pressed = nullptr)
        : form_(form), scale_(scale), widget_(widget), photograph_(photograph), pressed_(pressed) {}

    void paint(QPainter& painter);
    /// Where each box control was last painted, in pixels (for repainting a moving control).
    const std::unordered_map<const forms::Control*, QRect>& paintedAt() const { return paintedAt_; }

  private:
    void paintChildren(QPainter& painter, const forms::Control* container, QPointF origin);
    void paintControl(QPainter& painter, const forms::Control& control, QPointF origin);
    void paintLine(QPainter& painter, const forms::Line& line, QPointF origin) const;
    void paintShape(QPainter& painter, const forms::Shape& shape, QRectF r) const;
    void paintLabel(QPainter& painter, const forms::Label& label, QRectF r) const;
    void paintFrame(QPainter& painter, const forms::Frame& frame, QRectF r) const;
    void paintPicture(QPainter& painter, const forms::PictureBox& box, QRectF r);
    void paintButton(QPainter& painter, const forms::CommandButton& button, QRectF r) const;
    void paintTextBox(QPainter& painter, const forms::TextBox& box, QRectF r) const;
    void paintList(QPainter& painter, const forms::ListBox& list, QRectF r) const;
    bool hasFocus(const forms::Control& control) const;

    const forms::Form& form_;
    const TwipScale& scale_;
    QWidget& widget_;
    const Photograph* photograph_;
    const forms::Control* pressed_;
    std::unordered_map<const forms::Control*, QRect> paintedAt_;
    QRectF damaged_;  // what needs painting; controls wholly outside it are skipped
};

/// The height of one entry of a list box, in pixels at the scale.
int listEntryHeight(const forms::ListBox& list, const TwipScale& scale);
/// The border of text and list boxes, in pixels at the scale.
int sunkenBorder(const TwipScale& scale);

}  // namespace kelo::desktop

#pragma once

#include <QWidget>
#include <functional>
#include <unordered_map>

#include "desktop/photograph.h"
#include "desktop/twip_scale.h"
#include "forms/form.h"

class QKeyEvent;

namespace kelo::desktop {

/// A top-level window showing one form of the model: it paints the form and hands the user's
/// keys, mouse buttons and close requests to its owner. While the form is disabled it takes no
/// input at all, its close box included, and looks as before. It keeps no game state and no
/// pointer to the form: it asks the model for the form each time, and once the form is unloaded
/// it paints nothing of it and takes no input. The one thing it shows of its own is a command
/// button held down (drawn pressed).
class FormWindow : public QWidget {
  public:
    struct Handlers {
        std::function<void(const QKeyEvent&)> key;  // presses, auto-repeats included
        std::function<void(const QKeyEvent&)> keyReleased;
        std::function<void(QPointF twips)> mousePressed;
        std::function<void(QPointF twips)> mouseMoved;  // while a button is held
        std::function<void(QPointF twips)> mouseReleased;
        std::function<void()> close;
        std::function<void()> painted;      // after every paint
        std::function<void()> deactivated;  // the window lost the keyboard
        std::function<void()> resized;      // its size or state changed
        std::function<void()> hidden;       // minimized or unmapped by the window system
    };

    /// `form`: the form as the model has it now, or nullptr once it is unloaded.
    using FormSource = std::function<const forms::Form*()>;

    FormWindow(FormSource form, const Photograph* photograph, Handlers handlers);

    /// The zoom the window shows its form at, and where the form's twip (0, 0) lies in the
    /// window (its owner sets both as the window's size changes).
    const TwipScale& scale() const { return scale_; }
    void setScale(const TwipScale& scale, QPoint origin = {});
    /// A point of the form, in twips, in the window's logical pixels.
    QPointF toWindow(QPointF twips) const { return scale_.point(twips.x(), twips.y()) + origin_; }
    /// Paints the control's old and new place at once, before returning.
    void repaintNow(const forms::Control& control);
    /// The command button drawn held down, or none.
    void setPressed(const forms::Control* button);

  protected:
    /// The form is there and enabled.
    bool takesInput() const;
    QPointF toTwips(QPointF pixels) const { return scale_.twips(pixels - origin_); }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    FormSource form_;
    const Photograph* photograph_;
    Handlers handlers_;
    std::unordered_map<const forms::Control*, QRect> paintedAt_;
    const forms::Control* pressed_ = nullptr;
    TwipScale scale_;
    QPoint origin_;
};

}  // namespace kelo::desktop

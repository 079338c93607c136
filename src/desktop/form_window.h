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
/// keys, clicks and close requests to its owner. It keeps no game state of its own.
class FormWindow : public QWidget {
  public:
    struct Handlers {
        std::function<void(const QKeyEvent&)> key;
        std::function<void(QPointF twips)> click;
        std::function<void()> close;
        std::function<void()> painted;  // after every paint
    };

    FormWindow(const forms::Form& form, const Photograph* photograph, Handlers handlers);

    const forms::Form& form() const { return form_; }
    TwipScale scale() const;
    /// Paints the control's old and new place at once, before returning.
    void repaintNow(const forms::Control& control);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    const forms::Form& form_;
    const Photograph* photograph_;
    Handlers handlers_;
    std::unordered_map<const forms::Control*, QRect> paintedAt_;
};

}  // namespace kelo::desktop

#include "desktop/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "desktop/fonts.h"
#include "desktop/form_painter.h"
#include "forms/stacking.h"

namespace kelo::desktop {

FormWindow::FormWindow(FormSource form, const Photograph* photograph, Handlers handlers)
    : form_(std::move(form)), photograph_(photograph), handlers_(std::move(handlers)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

bool FormWindow::takesInput() const {
    const forms::Form* form = form_();
    return form != nullptr && form->enabled();
}

void FormWindow::setScale(const TwipScale& scale, QPoint origin) {
    if (scale.zoom() != scale_.zoom() || scale.points(1) != scale_.points(1) || origin != origin_) {
        scale_ = scale;
        origin_ = origin;
        paintedAt_.clear();
        update();
    }
}

void FormWindow::repaintNow(const forms::Control& control) {
    QRect damaged;
    if (const auto old = paintedAt_.find(&control); old != paintedAt_.end()) {
        damaged = old->second;
    }
    if (const auto* box = dynamic_cast<const forms::BoxControl*>(&control)) {
        damaged =
            damaged.united(scale_.rect(forms::windowBox(*box)).translated(origin_).toAlignedRect());
    }
    repaint(damaged.adjusted(-1, -1, 1, 1));
}

void FormWindow::setPressed(const forms::Control* button) {
    if (button == pressed_) {
        return;
    }
    const forms::Control* before = pressed_;
    pressed_ = button;
    for (const forms::Control* changed : {before, button}) {
        if (changed != nullptr) {
            repaintNow(*changed);
        }
    }
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const forms::Form* form = form_();
    if (form == nullptr) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    painter.fillRect(rect(), qtColour(form->backColour(), palette()));
    painter.translate(origin_);
    FormPainter formPainter(*form, scale_, *this, photograph_, pressed_);
    formPainter.paint(painter);
    for (const auto& [control, at] : formPainter.paintedAt()) {
        const QRect where = at.translated(origin_);
        if (event->region().intersects(where)) {
            paintedAt_[control] = where;
        }
    }
    if (handlers_.painted) {
        handlers_.painted();
    }
}

namespace {

template <class Event>
void deliver(const std::function<void(const Event&)>& handler, Event* event, bool enabled) {
    if (enabled && handler) {
        handler(*event);
    }
    event->accept();
}

void deliverAt(const std::function<void(QPointF)>& handler, QPointF twips, QMouseEvent* event,
               bool enabled) {
    if (enabled && handler) {
        handler(twips);
    }
    event->accept();
}

}  // namespace

void FormWindow::keyPressEvent(QKeyEvent* event) {
    deliver(handlers_.key, event, takesInput());
}

void FormWindow::keyReleaseEvent(QKeyEvent* event) {
    deliver(handlers_.keyReleased, event, takesInput());
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    deliverAt(handlers_.mousePressed, toTwips(event->position()), event,
              takesInput() && event->button() == Qt::LeftButton);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    deliverAt(handlers_.mouseMoved, toTwips(event->position()), event,
              takesInput() && (event->buttons() & Qt::LeftButton) != 0);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    deliverAt(handlers_.mouseReleased, toTwips(event->position()), event,
              takesInput() && event->button() == Qt::LeftButton);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    const forms::Form* form = form_();
    if (form == nullptr) {
        event->accept();  // already on its way out
        return;
    }
    if (!form->enabled()) {
        event->ignore();  // a disabled window cannot be closed either
        return;
    }
    event->accept();
    if (handlers_.close) {
        handlers_.close();
    }
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        update();  // the focus rectangle shows only in the active window
        if (!isActiveWindow() && handlers_.deactivated) {
            handlers_.deactivated();
        }
    }
    if (event->type() == QEvent::WindowStateChange && handlers_.resized) {
        handlers_.resized();
    }
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && handlers_.hidden) {
        handlers_.hidden();
    }
}

void FormWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Spontaneous: the window manager hid it (minimized, on another workspace), not the game.
    if (event->spontaneous() && handlers_.hidden) {
        handlers_.hidden();
    }
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (handlers_.resized) {
        handlers_.resized();
    }
}

// Tab belongs to the game's own tab order, not to Qt's.
bool FormWindow::focusNextPrevChild(bool /*next*/) {
    return false;
}

}  // namespace kelo::desktop

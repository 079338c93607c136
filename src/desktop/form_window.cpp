#include "desktop/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "desktop/fonts.h"
#include "desktop/form_painter.h"
#include "forms/stacking.h"

namespace kelo::desktop {

FormWindow::FormWindow(const forms::Form& form, const Photograph* photograph, Handlers handlers)
    : form_(form), photograph_(photograph), handlers_(std::move(handlers)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

TwipScale FormWindow::scale() const {
    return {static_cast<double>(logicalDpiX()), static_cast<double>(logicalDpiY())};
}

void FormWindow::repaintNow(const forms::Control& control) {
    QRect damaged;
    if (const auto old = paintedAt_.find(&control); old != paintedAt_.end()) {
        damaged = old->second;
    }
    if (const auto* box = dynamic_cast<const forms::BoxControl*>(&control)) {
        damaged = damaged.united(scale().rect(forms::windowBox(*box)).toAlignedRect());
    }
    repaint(damaged.adjusted(-1, -1, 1, 1));
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), qtColour(form_.backColour(), palette()));
    const TwipScale twips = scale();
    FormPainter formPainter(form_, twips, *this, photograph_);
    formPainter.paint(painter);
    for (const auto& [control, where] : formPainter.paintedAt()) {
        if (event->region().intersects(where)) {
            paintedAt_[control] = where;
        }
    }
    if (handlers_.painted) {
        handlers_.painted();
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (handlers_.key) {
        handlers_.key(*event);
    }
    event->accept();
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && handlers_.click) {
        handlers_.click(scale().twips(event->position()));
    }
    event->accept();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (handlers_.close) {
        handlers_.close();
    }
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        update();  // the focus rectangle shows only in the active window
    }
    QWidget::changeEvent(event);
}

// Tab belongs to the game's own tab order, not to Qt's.
bool FormWindow::focusNextPrevChild(bool /*next*/) {
    return false;
}

}  // namespace kelo::desktop

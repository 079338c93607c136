#include "desktop/form_painter.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <cmath>

#include "desktop/fonts.h"
#include "forms/stacking.h"

namespace kelo::desktop {
namespace {

Qt::Alignment textAlignment(forms::Alignment alignment) {
    switch (alignment) {
        case forms::Alignment::Centre:
            return Qt::AlignHCenter;
        case forms::Alignment::Right:
            return Qt::AlignRight;
        case forms::Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

int listEntryHeight(const forms::ListBox& list, const TwipScale& scale) {
    return QFontMetrics(qtFont(list.font(), scale)).height();
}

int sunkenBorder(const TwipScale& scale) {
    constexpr int designed = 2;
    return scale.wholePixels(designed);
}

void FormPainter::paint(QPainter& painter) {
    paintedAt_.clear();
    damaged_ = painter.hasClipping() ? painter.clipBoundingRect() : QRectF(painter.window());
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintChildren(painter, nullptr, {0, 0});
}

bool FormPainter::hasFocus(const forms::Control& control) const {
    return form_.focused() == &control && form_.enabled() && widget_.isActiveWindow();
}

void FormPainter::paintChildren(QPainter& painter, const forms::Control* container,
                                QPointF origin) {
    for (const forms::Control* control : forms::paintOrder(form_, container)) {
        if (control->visible()) {
            paintControl(painter, *control, origin);
        }
    }
}

void FormPainter::paintControl(QPainter& painter, const forms::Control& control, QPointF origin) {
    painter.setBrush(Qt::NoBrush);  // outlines drawn by Qt's helpers use the current brush
    if (const auto* line = dynamic_cast<const forms::Line*>(&control)) {
        const double margin = scale_.pixels(line->appearance().lineWidth);
        const QRectF bounds =
            QRectF(scale_.point(line->x1(), line->y1()), scale_.point(line->x2(), line->y2()))
                .normalized()
                .translated(origin)
                .adjusted(-margin, -margin, margin, margin);
        if (bounds.intersects(damaged_)) {
            paintLine(painter, *line, origin);
        }
        return;
    }
    const auto& box = dynamic_cast<const forms::BoxControl&>(control);
    const QRectF r = scale_.rect(box.box()).translated(origin);
    paintedAt_[&control] = r.toAlignedRect();
    if (!r.adjusted(-1, -1, 1, 1).intersects(damaged_)) {
        return;
    }
    switch (control.controlClass()) {
        case forms::ControlClass::Shape:
            paintShape(painter, static_cast<const forms::Shape&>(control), r);
            break;
        case forms::ControlClass::Label:
            paintLabel(painter, static_cast<const forms::Label&>(control), r);
            break;
        case forms::ControlClass::Frame:
        case forms::ControlClass::PictureBox:
            painter.save();
            painter.setClipRect(r, Qt::IntersectClip);
            if (control.controlClass() == forms::ControlClass::Frame) {
                paintFrame(painter, static_cast<const forms::Frame&>(control), r);
            } else {
                paintPicture(painter, static_cast<const forms::PictureBox&>(control), r);
            }
            paintChildren(painter, &control, r.topLeft());
            painter.restore();
            break;
        case forms::ControlClass::CommandButton:
            paintButton(painter, static_cast<const forms::CommandButton&>(control), r);
            break;
        case forms::ControlClass::TextBox:
            paintTextBox(painter, static_cast<const forms::TextBox&>(control), r);
            break;
        case forms::ControlClass::ListBox:
            paintList(painter, static_cast<const forms::ListBox&>(control), r);
            break;
        case forms::ControlClass::Line:
            break;
    }
}

void FormPainter::paintLine(QPainter& painter, const forms::Line& line, QPointF origin) const {
    const auto& look = line.appearance();
    const double width = scale_.pixels(look.lineWidth);
    QPen pen(qtColour(look.foreColour, widget_.palette()), width, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, width > 1.5);
    painter.drawLine(scale_.point(line.x1(), line.y1()) + origin,
                     scale_.point(line.x2(), line.y2()) + origin);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void FormPainter::paintShape(QPainter& painter, const forms::Shape& shape, QRectF r) const {
    const auto& look = shape.appearance();
    const QPalette& palette = widget_.palette();
    QRectF outline = r;
    if (look.shapeKind == forms::ShapeKind::Circle || look.shapeKind == forms::ShapeKind::Square) {
        const double side = std::min(r.width(), r.height());
        outline = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const double lineWidth = scale_.pixels(look.lineWidth);
    const double inset = lineWidth / 2.0;
    outline.adjust(inset, inset, -inset, -inset);
    const bool round =
        look.shapeKind == forms::ShapeKind::Circle || look.shapeKind == forms::ShapeKind::Oval;
    painter.setRenderHint(QPainter::Antialiasing,
                          round || look.shapeKind == forms::ShapeKind::RoundedRectangle);
    const auto draw = [&] {
        if (round) {
            painter.drawEllipse(outline);
        } else if (look.shapeKind == forms::ShapeKind::RoundedRectangle) {
            const double radius = std::min(outline.width(), outline.height()) / 4;
            painter.drawRoundedRect(outline, radius, radius);
        } else {
            painter.drawRect(outline);
        }
    };
    if (look.shapeBackOpaque) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(qtColour(look.backColour, palette));
        draw();
    }
    painter.setBrush(look.filled ? QBrush(qtColour(look.fillColour, palette))
                                 : QBrush(Qt::NoBrush));
    painter.setPen(look.border ? QPen(qtColour(look.foreColour, palette), lineWidth)
                               : QPen(Qt::NoPen));
    draw();
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void FormPainter::paintLabel(QPainter& painter, const forms::Label& label, QRectF r) const {
    const auto& look = label.appearance();
    if (look.opaque) {
        painter.fillRect(r, qtColour(look.backColour, widget_.palette()));
    }
    if (label.caption().empty()) {
        return;
    }
    painter.setFont(qtFont(label.font(), scale_));
    painter.setPen(qtColour(look.foreColour, widget_.palette()));
    painter.drawText(
        r, static_cast<int>(textAlignment(look.alignment) | Qt::AlignTop | Qt::TextWordWrap),
        text(label.caption()));
}

void FormPainter::paintFrame(QPainter& painter, const forms::Frame& frame, QRectF r) const {
    const auto& look = frame.appearance();
    painter.fillRect(r, qtColour(look.backColour, widget_.palette()));
    if (look.border) {
        // The etched outline starts half a caption line down, as a group box does.
        const int top = QFontMetrics(qtFont(frame.font(), scale_)).height() / 2;
        const QRect outline = r.toAlignedRect().adjusted(0, top, -1, -1);
        qDrawShadeRect(&painter, outline, widget_.palette(), true, scale_.wholePixels(1));
    }
}

void FormPainter::paintPicture(QPainter& painter, const forms::PictureBox& box, QRectF r) {
    // Its own background first: what lies under the box never shows beside the picture.
    painter.fillRect(r, qtColour(box.appearance().backColour, widget_.palette()));
    if (photograph_ != nullptr) {
        // Where the designed picture stands, at the zoom, clipped by the box.
        const QRectF where(r.topLeft(), QSizeF(scale_.x(Photograph::designedWidthTwips),
                                               scale_.y(Photograph::designedHeightTwips)));
        // At a whole pixel: a picture placed between pixels would be resampled at every paint.
        const QPointF corner(std::round(where.left()), std::round(where.top()));
        painter.drawImage(corner, photograph_->at(where.size(), widget_.devicePixelRatioF()));
    }
}

void FormPainter::paintButton(QPainter& painter, const forms::CommandButton& button,
                              QRectF r) const {
    QStyleOptionButton option;
    option.initFrom(&widget_);
    option.rect = r.toAlignedRect();
    option.text = text(button.caption());
    option.state =
        QStyle::State_Enabled | (&button == pressed_ ? QStyle::State_Sunken : QStyle::State_Raised);
    if (hasFocus(button)) {
        option.state |= QStyle::State_HasFocus;
    }
    painter.setFont(qtFont(button.font(), scale_));
    widget_.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &widget_);
}

void FormPainter::paintTextBox(QPainter& painter, const forms::TextBox& box, QRectF r) const {
    const QRect outline = r.toAlignedRect();
    const QBrush fill(qtColour(box.appearance().backColour, widget_.palette()));
    const int border = sunkenBorder(scale_);
    qDrawShadePanel(&painter, outline, widget_.palette(), true, border, &fill);
    const QFont font = qtFont(box.font(), scale_);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect inner = outline.adjusted(border + 1, border, -border, -border);
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter, text(box.text()));
    if (hasFocus(box)) {  // a still caret: the game never blinks, so it never wakes up
        const int x = inner.left() + QFontMetrics(font).horizontalAdvance(text(box.text()));
        painter.fillRect(QRectF(x, inner.top() + 1, scale_.wholePixels(1), inner.height() - 2),
                         Qt::black);
    }
}

void FormPainter::paintList(QPainter& painter, const forms::ListBox& list, QRectF r) const {
    const QRect outline = r.toAlignedRect();
    const QBrush fill(qtColour(list.appearance().backColour, widget_.palette()));
    const int border = sunkenBorder(scale_);
    qDrawShadePanel(&painter, outline, widget_.palette(), true, border, &fill);
    painter.save();
    const QRect inner = outline.adjusted(border, border, -border, -border);
    painter.setClipRect(inner, Qt::IntersectClip);
    painter.setFont(qtFont(list.font(), scale_));
    const int height = listEntryHeight(list, scale_);
    for (int i = 0; i < static_cast<int>(list.items().size()); ++i) {
        const QRect entry(inner.left(), inner.top() + i * height, inner.width(), height);
        const bool selected = i == list.listIndex();
        if (selected) {
            painter.fillRect(entry, widget_.palette().color(QPalette::Highlight));
        }
        painter.setPen(selected ? widget_.palette().color(QPalette::HighlightedText)
                                : QColor(Qt::black));
        painter.drawText(entry.adjusted(scale_.wholePixels(2), 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         text(list.items()[static_cast<std::size_t>(i)]));
        if (hasFocus(list) && i == std::max(0, list.listIndex())) {
            QStyleOptionFocusRect focus;
            focus.initFrom(&widget_);
            focus.rect = entry;
            widget_.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget_);
        }
    }
    painter.restore();
}

}  // namespace kelo::desktop

#include "desktop/desktop_runtime.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "desktop/form_painter.h"
#include "desktop/key_mapping.h"
#include "forms/stacking.h"
#include "scene/authorpekro_layout.h"
#include "scene/mobil_layout.h"

namespace kelo::desktop {
namespace {

/// A window's designed (restored) place and client size on the screen, in pixels.
QRect designedGeometry(const forms::FormDesign& design, const TwipScale& scale) {
    return scale
        .rect({design.screenLeft, design.screenTop, design.clientWidth, design.clientHeight})
        .toRect();
}

TwipScale screenScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

}  // namespace

DesktopRuntime::DesktopRuntime(Observer observer, std::unique_ptr<FontListPrefetch> fonts)
    : platform_(static_cast<bool>(observer.afterEvent)),
      program_(platform_),
      photograph_(QStringLiteral(":/photograph.jpg")),
      observer_(std::move(observer)) {
    platform_.setFontPrefetch(std::move(fonts));
    main_ = std::make_unique<FormWindow>(
        program_.mainForm(), &photograph_,
        FormWindow::Handlers{[this](const QKeyEvent& e) { typed(e); },
                             [this](QPointF at) { clickedMain(at); }, [this] { closedMain(); },
                             [this] { painted(); }});
    platform_.setMessageParent(main_.get());
    platform_.setShowNow([this](const forms::Control& moved) {
        if (&moved.form() == &program_.mainForm()) {
            main_->repaintNow(moved);
        }
    });
}

DesktopRuntime::~DesktopRuntime() {
    platform_.setShowNow(nullptr);
    author_.reset();
    main_.reset();
}

void DesktopRuntime::start() {
    main_->setWindowTitle(QString::fromStdString(program_.mainForm().caption()));
    main_->setGeometry(designedGeometry(scene::mobilDesign(), screenScale()));
    main_->setWindowState(Qt::WindowMaximized);
    main_->show();
    main_->activateWindow();
    // Without a window manager nobody maximizes the window: fill the screen's free area.
    QTimer::singleShot(0, main_.get(), [this] {
        const QRect available = main_->screen()->availableGeometry();
        if (main_->frameGeometry().width() < available.width() / 2) {
            main_->setGeometry(available);
        }
    });
    startEvent();
    program_.start();
    afterEvent();
}

void DesktopRuntime::painted() {
    if (painted_) {
        return;
    }
    painted_ = true;
    // Nothing of the whistle runs before the first frame: start-up never waits for sound.
    platform_.startSound();
    if (observer_.firstFrame) {
        observer_.firstFrame();
    }
}

void DesktopRuntime::typed(const QKeyEvent& event) {
    startEvent();
    program_.typeKey(modelKey(event.key(), event.text()));
    afterEvent();
}

void DesktopRuntime::clickedMain(QPointF twips) {
    startEvent();
    forms::Form& form = program_.mainForm();
    const forms::Control* hit =
        forms::controlAt(form, static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    if (hit == nullptr) {
        return;
    }
    forms::Control* found = form.find(hit->name(), hit->index());
    if (found == nullptr) {
        return;
    }
    forms::Control& control = *found;
    if (const auto* list = dynamic_cast<const forms::ListBox*>(&control)) {
        const TwipScale scale = main_->scale();
        const double y = scale.y(twips.y()) - scale.y(forms::windowBox(*list).top) - sunkenBorder;
        const int entry = static_cast<int>(std::floor(y / listEntryHeight(*list)));
        if (entry >= 0 && entry < static_cast<int>(list->items().size())) {
            program_.selectLanguage(entry);
        }
    } else {
        program_.click(control);
    }
    afterEvent();
}

void DesktopRuntime::closedMain() {
    startEvent();
    program_.closeMainWindow();
    afterEvent();
}

void DesktopRuntime::closedAuthor() {
    startEvent();
    program_.closeAuthorWindow();
    afterEvent();
}

void DesktopRuntime::openAuthorWindow() {
    forms::Form* form = program_.authorWindow().form();
    author_ =
        std::make_unique<FormWindow>(*form, nullptr,
                                     FormWindow::Handlers{[this](const QKeyEvent& e) { typed(e); },
                                                          nullptr, [this] { closedAuthor(); }});
    author_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::WindowSystemMenuHint);
    author_->setGeometry(designedGeometry(scene::authorpekroDesign(), screenScale()));
    author_->setWindowTitle(QString::fromStdString(form->caption()));
    author_->show();
    author_->activateWindow();
}

void DesktopRuntime::sync() {
    if (program_.ended()) {
        if (author_) {
            author_.release()->deleteLater();
        }
        main_->hide();
        return;
    }
    const forms::Form& form = program_.mainForm();
    main_->setWindowTitle(QString::fromStdString(form.caption()));
    main_->setEnabled(form.enabled());
    const bool authorShown = program_.authorWindow().shown();
    if (authorShown && !author_) {
        openAuthorWindow();
    } else if (!authorShown && author_) {
        author_->hide();
        author_.release()->deleteLater();  // we may be inside its own close event
        main_->activateWindow();
    }
    if (author_) {
        author_->update();
    }
    main_->update();
}

void DesktopRuntime::afterEvent() {
    sync();
    if (observer_.afterEvent) {
        observer_.afterEvent(program_, platform_.takeRecords(),
                             std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - eventStarted_)
                                 .count());
    }
}

}  // namespace kelo::desktop

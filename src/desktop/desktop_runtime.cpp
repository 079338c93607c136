#include "desktop/desktop_runtime.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <ctime>

#include "app/state_json.h"
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

DesktopRuntime::DesktopRuntime(const std::string& stateLogPath, RuleCheck ruleCheck)
    : platform_(!stateLogPath.empty()),
      program_(platform_),
      photograph_(QStringLiteral(":/photograph.jpg")),
      ruleCheck_(std::move(ruleCheck)) {
    if (!stateLogPath.empty()) {
        stateLog_.open(stateLogPath, std::ios::app);
    }
    main_ = std::make_unique<FormWindow>(
        program_.mainForm(), &photograph_,
        FormWindow::Handlers{[this](const QKeyEvent& e) { typed(e); },
                             [this](QPointF at) { clickedMain(at); }, [this] { closedMain(); },
                             [this] { firstPaint(); }});
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
    QTimer::singleShot(0, main_.get(), [this] { platform_.startSound(); });
}

void DesktopRuntime::firstPaint() {
    if (painted_ || !stateLog_.is_open()) {
        return;
    }
    painted_ = true;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC,
                  &now);  // compared with a launcher's clock: same clock, same machine
    stateLog_ << nlohmann::json{{"first_frame", static_cast<double>(now.tv_sec) +
                                                    static_cast<double>(now.tv_nsec) / 1e9}}
              << '\n'
              << std::flush;
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
    if (stateLog_.is_open()) {
        const forms::PlatformRecords records = platform_.takeRecords();
        nlohmann::json state = app::stateJson(program_, records);
        if (ruleCheck_) {
            state["broken"] = ruleCheck_(program_, records, platform_);
        }
        state["handled_ms"] = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - eventStarted_)
                                  .count();
        stateLog_ << state.dump() << '\n' << std::flush;
    }
}

}  // namespace kelo::desktop

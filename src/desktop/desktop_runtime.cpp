#include "desktop/desktop_runtime.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "desktop/form_painter.h"
#include "desktop/key_mapping.h"
#include "desktop/scene_zoom.h"
#include "desktop/window_manager.h"
#include "desktop/x11_key_repeat.h"
#include "forms/stacking.h"
#include "lang/spoken_texts.h"
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

}  // namespace

DesktopRuntime::DesktopRuntime(Observer observer, std::unique_ptr<FontListPrefetch> fonts)
    : platform_(static_cast<bool>(observer.afterEvent)),
      program_(platform_),
      photograph_(QStringLiteral(":/photograph.jpg")),
      observer_(std::move(observer)),
      sceneFrame_(sceneFrame(program_.mainForm())) {
    platform_.setFontPrefetch(std::move(fonts));
    main_ = std::make_unique<FormWindow>(
        [this] { return &program_.mainForm(); }, &photograph_,
        FormWindow::Handlers{.key = [this](const QKeyEvent& e) { typed(e); },
                             .keyReleased = [this](const QKeyEvent& e) { keyReleased(e); },
                             .mousePressed = [this](QPointF at) { mousePressed(at); },
                             .mouseMoved = [this](QPointF at) { mouseMoved(at); },
                             .mouseReleased = [this](QPointF at) { mouseReleased(at); },
                             .close = [this] { closedMain(); },
                             .painted = [this] { painted(); },
                             .deactivated = [this] { releaseButton(false); },
                             .resized = [this] { windowChanged(); },
                             .hidden = [this] { mainWindowChanged(); }});
    platform_.setMessageParent(main_.get());
    platform_.setShowNow([this](const forms::Control& moved) {
        if (&moved.form() == &program_.mainForm()) {
            main_->repaintNow(moved);
        }
    });
}

DesktopRuntime::~DesktopRuntime() {
    platform_.setShowNow(nullptr);
    lock_.reset();
    authorGone_.reset();
    mainGone_.reset();
    if (author_) {
        delete author_.release();  // the event loop has ended: nothing deletes it later
    }
    main_.reset();
}

void DesktopRuntime::start(StartOptions options) {
    const bool locked = options.locked;
    voice_ = options.voice;
    trueKeyReleases_ = askForTrueKeyReleases();
    main_->setWindowTitle(QString::fromStdString(program_.mainForm().caption()));
    if (locked) {
        lock_ = std::make_unique<lock::LockedSession>(
            *main_, lock::LockedSession::Actions{
                        .quit = [this] { closedMain(); },
                        .closeAuthor = [this] { closedAuthor(); },
                        .language =
                            [this] {
                                return lang::languageShown(
                                    program_.mainForm().get<forms::Label>("Label3").caption());
                            }});
        platform_.setMessageRunner([this](QMessageBox& box) { lock_->runMessageBox(box); });
    }
    if (bareXServer()) {
        // Nobody maximizes a window here but the window itself.
        main_->setGeometry(locked ? main_->screen()->geometry()
                                  : main_->screen()->availableGeometry());
    } else {
        // The size to restore to; the window manager or compositor sizes the maximized window,
        // and a geometry of our own would fight it.
        main_->resize(restoredSize(main_->screen()->availableGeometry().size(), sceneFrame_));
    }
    main_->setWindowState(locked ? Qt::WindowFullScreen : Qt::WindowMaximized);
    main_->show();
    main_->activateWindow();
    if (lock_) {
        lock_->shown();
    }
    // Destroyed by another client, the window ends the game as its close box does.
    mainGone_ = std::make_unique<X11WindowGone>(main_->winId(), [this] { closedMain(); });
    handle([this] { program_.start(); });
}

void DesktopRuntime::painted() {
    if (painted_) {
        return;
    }
    painted_ = true;
    // Nothing of the whistle or the voice runs before the first frame: start-up never waits for
    // sound.
    platform_.startSound();
    if (voice_) {
        platform_.startVoice();
        if (unsaid_) {
            platform_.say(std::string(lang::spokenTexts(unsaid_->language).voice), unsaid_->text);
            unsaid_.reset();
        }
    }
    if (observer_.firstFrame) {
        observer_.firstFrame();
    }
}

void DesktopRuntime::typed(const QKeyEvent& event) {
    const bool space = event.key() == Qt::Key_Space;
    if (space && releasePending_ && event.timestamp() == releasedAt_) {
        releasePending_ = false;  // the other half of an auto-repeat: the key is still down
        return;
    }
    settleRelease();
    forms::Control* focused = program_.mainForm().focused();
    if (space && focused != nullptr &&
        focused->controlClass() == forms::ControlClass::CommandButton &&
        program_.activeWindow() == app::KeloProgram::ActiveWindow::Main) {
        // Space presses a button and clicks it when it comes up; a held key repeats nothing.
        if (!event.isAutoRepeat() && held_ == nullptr) {
            held_ = focused;
            heldByKey_ = true;
            main_->setPressed(focused);
        }
        return;
    }
    handle([&] { program_.typeKey(modelKey(event.key(), event.text())); });
}

void DesktopRuntime::keyReleased(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Space || event.isAutoRepeat() || held_ == nullptr || !heldByKey_) {
        return;
    }
    if (trueKeyReleases_) {
        releaseButton(true);
        return;
    }
    // Without XKB, X11 repeats a held key as a release and a press with one timestamp, and Qt
    // marks the pair as a repeat only when the press has already arrived. So the click waits a
    // moment for a press that would make this release part of a repeat.
    constexpr auto repeatPressArrives = std::chrono::milliseconds(25);
    releasePending_ = true;
    releasedAt_ = event.timestamp();
    QTimer::singleShot(repeatPressArrives, main_.get(), [this] { settleRelease(); });
}

void DesktopRuntime::settleRelease() {
    if (releasePending_) {
        releasePending_ = false;
        releaseButton(true);
    }
}

forms::Control* DesktopRuntime::controlAt(QPointF twips) {
    forms::Form& form = program_.mainForm();
    const forms::Control* hit =
        forms::controlAt(form, static_cast<float>(twips.x()), static_cast<float>(twips.y()));
    return hit == nullptr ? nullptr : form.find(hit->name(), hit->index());
}

void DesktopRuntime::mousePressed(QPointF twips) {
    settleRelease();
    forms::Control* control = controlAt(twips);
    if (control == nullptr || held_ != nullptr) {
        return;
    }
    if (control->controlClass() == forms::ControlClass::CommandButton) {
        held_ = control;  // it clicks when the mouse button comes up over it
        heldByKey_ = false;
        main_->setPressed(control);
        return;
    }
    clickedMain(*control, twips);
}

void DesktopRuntime::mouseMoved(QPointF twips) {
    if (held_ != nullptr && !heldByKey_) {
        main_->setPressed(controlAt(twips) == held_ ? held_ : nullptr);
    }
}

void DesktopRuntime::mouseReleased(QPointF twips) {
    if (held_ != nullptr && !heldByKey_) {
        releaseButton(controlAt(twips) == held_);
    }
}

void DesktopRuntime::releaseButton(bool click) {
    forms::Control* button = held_;
    const bool byKey = heldByKey_;
    held_ = nullptr;
    main_->setPressed(nullptr);
    if (!click || button == nullptr) {
        return;
    }
    handle([&] {
        if (byKey) {
            program_.typeKey(forms::Key::typed(" "));  // Space on the focused button
        } else {
            program_.click(*button);
        }
    });
}

void DesktopRuntime::clickedMain(forms::Control& control, QPointF twips) {
    handle([&] {
        if (const auto* list = dynamic_cast<const forms::ListBox*>(&control)) {
            const TwipScale& scale = main_->scale();
            const double y =
                scale.y(twips.y()) - scale.y(forms::windowBox(*list).top) - sunkenBorder(scale);
            const int entry = static_cast<int>(std::floor(y / listEntryHeight(*list, scale)));
            if (entry >= 0 && entry < static_cast<int>(list->items().size())) {
                program_.selectLanguage(entry);
            }
        } else {
            program_.click(control);
        }
    });
}

void DesktopRuntime::windowChanged() {
    // The scene fills the window at one zoom, centred; the author window shares the zoom.
    const SceneFit fit = fitScene(main_->size(), sceneFrame_);
    const TwipScale scale(fit.zoom, main_->logicalDpiY());
    main_->setScale(scale, fit.origin);
    mainWindowChanged();
    if (author_) {
        author_->setScale(scale);
        author_->resize(designedGeometry(scene::authorpekroDesign(), scale).size());
    }
    if (observer_.windowChanged) {
        const Qt::WindowStates state = main_->windowState();
        observer_.windowChanged({main_->width(), main_->height(), scale.zoom(), fit.origin,
                                 state.testFlag(Qt::WindowMaximized),
                                 state.testFlag(Qt::WindowFullScreen)});
    }
}

void DesktopRuntime::closedMain() {
    handle([this] { program_.closeMainWindow(); });
}

void DesktopRuntime::mainWindowChanged() {
    if (lock_ && !program_.ended()) {
        lock_->mainWindowChanged();
    }
}

void DesktopRuntime::closedAuthor() {
    handle([this] { program_.closeAuthorWindow(); });
}

void DesktopRuntime::openAuthorWindow() {
    const forms::Form* form = program_.authorWindow().form();
    author_.reset(
        new FormWindow([this] { return program_.authorWindow().form(); }, nullptr,
                       FormWindow::Handlers{.key = [this](const QKeyEvent& e) { typed(e); },
                                            .close = [this] { closedAuthor(); },
                                            // hidden, it would leave the main window disabled
                                            .hidden = [this] { closedAuthor(); }}));
    // A window of the main window's: window managers keep it above the main window (a click on
    // the disabled main window cannot bury it) and group the two. Qt tells X11 window managers
    // whose window a top-level is (WM_TRANSIENT_FOR) only for dialogs; a modeless one.
    author_->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::WindowSystemMenuHint);
    author_->winId();
    author_->windowHandle()->setTransientParent(main_->windowHandle());
    author_->setScale(main_->scale());
    const QRect designed = designedGeometry(scene::authorpekroDesign(), main_->scale());
    author_->resize(designed.size());
    author_->move(designed.topLeft());
    author_->setWindowTitle(QString::fromStdString(form->caption()));
    author_->show();
    author_->activateWindow();
    authorGone_ = std::make_unique<X11WindowGone>(author_->winId(), [this] { closedAuthor(); });
    if (lock_) {
        lock_->authorWindow(author_.get());
    }
}

void DesktopRuntime::dropAuthorWindow() {
    authorGone_.reset();
    if (author_) {
        if (lock_) {
            lock_->authorWindow(nullptr);
        }
        author_->hide();
        author_.reset();
    }
}

void DesktopRuntime::sync() {
    if (program_.ended()) {
        dropAuthorWindow();
        main_->hide();
        QCoreApplication::quit();  // however it ended: its close box, End, or a window gone
        return;
    }
    const forms::Form& form = program_.mainForm();
    main_->setWindowTitle(QString::fromStdString(form.caption()));
    const bool authorShown = program_.authorWindow().shown();
    if (authorShown && !author_) {
        openAuthorWindow();
    } else if (!authorShown && author_) {
        dropAuthorWindow();
        main_->activateWindow();
    }
    if (author_) {
        author_->update();
    }
    main_->update();
}

void DesktopRuntime::narrate() {
    const app::Told now = app::toldOf(program_);
    std::optional<app::Utterance> said = app::narrate(told_, now, platform_.flew());
    told_ = now;
    if (!said) {
        return;
    }
    if (!painted_) {
        unsaid_ = std::move(said);  // the voice starts with the first frame
        return;
    }
    platform_.say(std::string(lang::spokenTexts(said->language).voice), said->text);
}

void DesktopRuntime::afterEvent() {
    sync();
    if (voice_ && !program_.ended()) {
        narrate();
    }
    if (observer_.afterEvent) {
        observer_.afterEvent(program_, platform_.takeRecords(),
                             std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - eventStarted_)
                                 .count());
    }
}

}  // namespace kelo::desktop

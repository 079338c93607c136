#include "desktop/lock/locked_session.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "desktop/lock/wayland_lock.h"
#include "desktop/lock/x11_lock.h"
#include "desktop/x11_connection.h"
#include "lang/lock_notices.h"

namespace kelo::desktop::lock {
namespace {

bool modifierAlone(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return true;
        default:
            return false;
    }
}

bool input(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace

LockedSession::LockedSession(QWidget& mainWindow, Actions actions)
    : main_(mainWindow), actions_(std::move(actions)) {
    QCoreApplication::instance()->installEventFilter(this);
}

LockedSession::~LockedSession() {
    QCoreApplication::instance()->removeEventFilter(this);
}

QWidget* LockedSession::holder() {
    if (!box_.isNull() && box_->isVisible()) {
        return box_.data();
    }
    return !author_.isNull() ? author_.data() : &main_;
}

void LockedSession::shown() {
    if (backend_) {
        return;
    }
    LockWindows windows{
        .main = main_,
        .holder = [this] { return holder(); },
        .open =
            [this] {
                std::vector<QWidget*> open{&main_};
                for (QWidget* other : {author_.data(), static_cast<QWidget*>(box_.data())}) {
                    if (other != nullptr) {
                        open.push_back(other);
                    }
                }
                return open;
            },
    };
    auto changed = [this](Hold state, const std::string& why) { this->changed(state, why); };
    if (xcb_connection_t* x11 = x11Connection()) {
        backend_ = std::make_unique<X11Lock>(x11, std::move(windows), changed);
    } else if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
        onWayland_ = true;
        backend_ = std::make_unique<WaylandLock>(std::move(windows), changed);
    }
    if (backend_) {
        backend_->holdOn();
    }
}

Hold LockedSession::state() const {
    return backend_ ? backend_->state() : Hold::Unsupported;
}

void LockedSession::changed(Hold state, const std::string& why) {
    switch (state) {
        case Hold::Held:
            notice_.reset();
            if (complained_) {
                std::fprintf(stderr, "kelo: the lock holds now: %s\n", why.c_str());
                complained_ = false;
            }
            return;
        case Hold::Lost:
            if (onWayland_) {
                std::fprintf(stderr, "kelo: %s\n", why.c_str());
            }
            return;  // being taken again
        case Hold::Refused:
            if (!onWayland_) {
                // Another client's grab is waited out: said once, not at every try.
                if (!toldOfGrab_) {
                    toldOfGrab_ = true;
                    std::fprintf(stderr, "kelo: %s: the lock takes it as soon as it is free\n",
                                 why.c_str());
                }
                return;
            }
            break;
        case Hold::Unsupported:
            break;
    }
    if (complained_) {
        return;
    }
    complained_ = true;
    const lang::LockProblem problem = onWayland_ ? lang::LockProblem::CompositorKeepsShortcuts
                                                 : lang::LockProblem::NoWaylandPlatform;
    std::fprintf(
        stderr,
        "kelo: %s: the desktop's own shortcuts stay on; the game stays full screen as far as "
        "it lets it%s\n",
        why.c_str(), onWayland_ ? "" : "; install the package qt6-wayland to lock it on Wayland");
    const lang::Language language =
        actions_.language ? actions_.language() : lang::Language::Indonesian;
    notice_ = std::make_unique<LockNotice>(main_, lang::lockNotice(language, problem));
}

void LockedSession::authorWindow(QWidget* author) {
    author_ = author;
    if (backend_) {
        backend_->holdOn();  // the grab follows the child before the author window goes away
    }
}

void LockedSession::mainWindowChanged() {
    if (backend_) {
        backend_->mainWindowChanged();
    }
}

void LockedSession::runMessageBox(QMessageBox& box) {
    box_ = &box;
    box.setWindowModality(Qt::NonModal);
    box.show();
    box.raise();
    box.activateWindow();
    if (backend_) {
        backend_->holdOn();  // X11: again once the box is mapped; Wayland: its own inhibitor
    }
    QEventLoop answered;
    connect(&box, &QDialog::finished, &answered, &QEventLoop::quit);
    if (box.isVisible()) {
        answered.exec();
    }
    box_ = nullptr;
    if (quitAfterBox_) {
        // The word was typed while the box was open: leave once the handler that opened it ends.
        quitAfterBox_ = false;
        QTimer::singleShot(0, &main_, [quit = actions_.quit] { quit(); });
    }
}

void LockedSession::answerBox() {
    QMessageBox* box = box_.data();
    box_.clear();
    if (backend_) {
        backend_->holdOn();  // the grab goes back to the game before the box's window goes away
    }
    if (box != nullptr) {
        box->done(QMessageBox::Ok);
    }
}

void LockedSession::quit() {
    if (!box_.isNull()) {
        quitAfterBox_ = true;
        answerBox();
        return;
    }
    actions_.quit();
}

bool LockedSession::usedUp() {
    if (noticeShown()) {
        notice_.reset();
        return true;
    }
    if (!box_.isNull()) {
        answerBox();
        return true;
    }
    if (!author_.isNull()) {
        actions_.closeAuthor();
        return true;
    }
    return false;
}

bool LockedSession::typed(const QKeyEvent& key) {
    if (modifierAlone(key.key())) {
        return !box_.isNull();  // nothing of the game's, and no answer to a box
    }
    const bool letter = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    const bool withCommand =
        (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (word_.press(letter ? static_cast<char>('a' + (key.key() - Qt::Key_A)) : '\0',
                    withCommand)) {
        quit();
        return true;
    }
    return usedUp();
}

bool LockedSession::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    QWidget* top = widget->window();
    const bool boxWindow = !box_.isNull() && top == box_.data();
    if (top != &main_ && top != author_.data() && !boxWindow) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            return typed(static_cast<const QKeyEvent&>(*event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return usedUp() || !box_.isNull();
        case QEvent::Close:
            if (top == &main_ || boxWindow) {
                event->ignore();
                if (boxWindow) {
                    answerBox();
                }
                return true;
            }
            return false;
        case QEvent::WindowActivate:
            // Wayland: the game has the keyboard back, and asks the compositor again if it must.
            if (backend_ && widget == top) {
                backend_->holdOn();
            }
            return false;
        case QEvent::Resize:
            if (widget == &main_ && notice_) {
                notice_->fit();
            }
            return false;
        default:
            // While a box waits for its answer, nothing else reaches the game.
            return input(event->type()) && !box_.isNull() && !boxWindow;
    }
}

}  // namespace kelo::desktop::lock

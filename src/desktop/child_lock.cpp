#include "desktop/child_lock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include "desktop/shortcuts_inhibitor.h"
#include "desktop/x11_connection.h"

namespace kelo::desktop {
namespace {

// Grabs end when a window is unmapped or another client held them a moment: take them again
// this often.
constexpr int regrabMilliseconds = 250;

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

}  // namespace

ChildLock::ChildLock(QWidget& mainWindow, Actions actions)
    : main_(mainWindow), actions_(std::move(actions)) {
    QCoreApplication::instance()->installEventFilter(this);
    regrab_.setInterval(regrabMilliseconds);
    connect(&regrab_, &QTimer::timeout, this, [this] { grab(); });
}

ChildLock::~ChildLock() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void ChildLock::shown() {
    grab();
    regrab_.start();
    if (!mainInhibitor_ && main_.windowHandle() != nullptr) {
        mainInhibitor_ = std::make_unique<ShortcutsInhibitor>(*main_.windowHandle(), complained_);
    }
}

void ChildLock::authorWindow(QWidget* author) {
    author_ = author;
    authorInhibitor_.reset();
    if (author != nullptr && author->windowHandle() != nullptr) {
        authorInhibitor_ =
            std::make_unique<ShortcutsInhibitor>(*author->windowHandle(), complained_);
    }
    grab();
}

void ChildLock::grab() {
    if (x11Connection() == nullptr) {
        return;  // only X11 has grabs; a Wayland compositor is asked for its shortcuts instead
    }
    // A message box waiting for its OK holds them while it is open: else it could not be answered.
    QWidget* holder = QApplication::activeModalWidget();
    if (holder == nullptr) {
        holder = !author_.isNull() ? author_.data() : &main_;
    }
    QWindow* window = holder->windowHandle();
    if (window == nullptr || !holder->isVisible()) {
        return;
    }
    window->setKeyboardGrabEnabled(true);
    window->setMouseGrabEnabled(true);
}

bool ChildLock::typed(const QKeyEvent& key) {
    if (modifierAlone(key.key())) {
        return false;
    }
    const bool letter = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    const bool withCommand =
        (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (word_.press(letter ? static_cast<char>('a' + (key.key() - Qt::Key_A)) : '\0',
                    withCommand)) {
        actions_.quit();
        return true;
    }
    return closeAuthorWindow();
}

bool ChildLock::closeAuthorWindow() {
    if (author_.isNull()) {
        return false;
    }
    actions_.closeAuthor();
    return true;
}

bool ChildLock::eventFilter(QObject* watched, QEvent* event) {
    // Events reach a top-level widget through its window first: look at each once, at the widget.
    if (watched != &main_ && watched != author_.data()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            return typed(static_cast<const QKeyEvent&>(*event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return closeAuthorWindow();
        case QEvent::Close:
            if (watched == &main_) {
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace kelo::desktop

#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "app/quit_word.h"
#include "desktop/lock/lock_backend.h"
#include "desktop/lock/lock_notice.h"
#include "lang/texts.h"

class QKeyEvent;

namespace kelo::desktop::lock {

/// The locked session (`kelo --locked`): whatever a child's hands or the desktop around the
/// child do, the game stays full screen, in front, and holding the desktop's keys; the parent
/// leaves by typing q, u, i, t. It owns the lock's whole state and decides what is needed; one
/// back end per display system (X11Lock, WaylandLock) holds the keys and reports what it holds,
/// and is asked to hold them again whenever something happens: never on a timer.
/// - Input: while the author window, a message box or the notice is open, the first key or click
///   closes it (a child cannot get stuck); the quit word counts throughout; a close request for
///   the main window is refused.
/// - Where the lock cannot hold (Xwayland, a compositor without keyboard-shortcuts-inhibit or one
///   that refuses), the parent is told in the window, in the game's language, and on stderr;
///   then the game plays full screen.
/// @code
///   LockedSession lock(mainWindow, {.quit = ..., .closeAuthor = ..., .language = ...});
///   mainWindow.show();
///   lock.shown();
/// @endcode
class LockedSession : public QObject {
  public:
    struct Actions {
        std::function<void()> quit;                // the parent typed the word
        std::function<void()> closeAuthor;         // a key or click while the author window is open
        std::function<lang::Language()> language;  // the language the game shows now
    };

    LockedSession(QWidget& mainWindow, Actions actions);
    ~LockedSession() override;
    LockedSession(const LockedSession&) = delete;
    LockedSession& operator=(const LockedSession&) = delete;

    /// The main window was just shown: the lock holds from the moment it can.
    void shown();
    /// The author window opened (`author`), or is about to close (nullptr).
    void authorWindow(QWidget* author);
    /// Qt saw the main window change its state or visibility.
    void mainWindowChanged();
    /// Shows a message box and waits for its answer. The box is modeless, so that a key reaches
    /// the game even where the compositor does not focus the box (sway); the session eats every
    /// input to the game's other windows meanwhile, and the first key or click answers the box.
    void runMessageBox(QMessageBox& box);

    /// The back end's state, Hold::Unsupported off X11 and Wayland (off screen).
    Hold state() const;
    bool noticeShown() const { return notice_ != nullptr && notice_->isVisible(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void changed(Hold state, const std::string& why);
    bool typed(const QKeyEvent& key);
    void quit();
    /// Closes whatever waits for the child (the notice, a message box, the author window); true
    /// when something did, and the input is then used up.
    bool usedUp();
    void answerBox();
    QWidget* holder();

    QWidget& main_;
    QPointer<QWidget> author_;
    QPointer<QMessageBox> box_;
    Actions actions_;
    app::QuitWord word_;
    std::unique_ptr<LockBackend> backend_;
    std::unique_ptr<LockNotice> notice_;
    bool onWayland_ = false;
    bool complained_ = false;  // the parent was told the lock cannot hold
    bool toldOfGrab_ = false;  // that another program held the keyboard or the pointer
    bool quitAfterBox_ = false;
};

}  // namespace kelo::desktop::lock

#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/quit_word.h"

namespace kelo::desktop {

class ShortcutsInhibitor;

/// The locked session: whatever a child's hands do, the game stays full screen, in front and
/// holding the keyboard and the pointer; the parent leaves by typing q, u, i, t.
/// - X11: the window the child uses (the main window, or the author window while it is open)
///   grabs the keyboard and the pointer, so the window manager's shortcuts and clicks reach the
///   game instead; the grabs are taken again whenever they may have been lost.
///   A message box waiting for its OK holds them while it is open.
/// - Wayland: the compositor is asked to send its shortcuts to the game
///   (keyboard-shortcuts-inhibit); where it cannot or will not, that is said once on stderr.
/// - While the author window is open, any key or click closes it: the child cannot get stuck.
/// - A close request for the main window is refused.
class ChildLock : public QObject {
  public:
    struct Actions {
        std::function<void()> quit;         // the parent typed the word
        std::function<void()> closeAuthor;  // a key or click while the author window is open
    };

    ChildLock(QWidget& mainWindow, Actions actions);
    ~ChildLock() override;
    ChildLock(const ChildLock&) = delete;
    ChildLock& operator=(const ChildLock&) = delete;

    /// The author window opened (`author`), or closed (nullptr): the grabs follow the child.
    void authorWindow(QWidget* author);
    /// Takes the grabs, and asks the compositor to inhibit its shortcuts, once the main window
    /// is on screen.
    void shown();

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void grab();
    bool typed(const QKeyEvent& key);
    /// Closes the author window if it is open; true when it was (the input is then used up).
    bool closeAuthorWindow();

    QWidget& main_;
    QPointer<QWidget> author_;
    Actions actions_;
    app::QuitWord word_;
    QTimer regrab_;
    bool complained_ = false;  // that the compositor keeps its shortcuts, said once
    std::unique_ptr<ShortcutsInhibitor> mainInhibitor_;
    std::unique_ptr<ShortcutsInhibitor> authorInhibitor_;
};

}  // namespace kelo::desktop

#pragma once

#include <QPoint>
#include <QPointF>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/narration.h"
#include "app/program.h"
#include "desktop/desktop_platform.h"
#include "desktop/form_window.h"
#include "desktop/lock/locked_session.h"
#include "desktop/x11_window_gone.h"

class QKeyEvent;

namespace kelo::desktop {

/// How the game starts on the desktop.
struct StartOptions {
    bool locked = false;  // full screen, in a session a child cannot leave (q, u, i, t)
    bool voice = false;   // the question, the number hit and the win spoken aloud
};

/// The game on the desktop: the program on the desktop platform, its two windows as Qt
/// windows, input handed to the model, and the windows brought up to date after every event.
/// An observer (the test build's state log) hears of the first frame and of every event, with
/// what the platform recorded meanwhile.
class DesktopRuntime {
  public:
    /// The main window's size in logical pixels, its state, the scene's zoom and where the
    /// scene's twip (0, 0) lies in the window, after every change.
    struct WindowFacts {
        int width = 0;
        int height = 0;
        double zoom = 1;
        QPoint origin;
        bool maximized = false;
        bool fullScreen = false;
    };
    struct Observer {
        std::function<void()> firstFrame;
        std::function<void(const WindowFacts&)> windowChanged;
        std::function<void(const app::KeloProgram&, const forms::PlatformRecords&,
                           double handledMilliseconds)>
            afterEvent;
    };

    /// `fonts`: the font list read early, for the first activation (optional).
    explicit DesktopRuntime(Observer observer = {},
                            std::unique_ptr<FontListPrefetch> fonts = nullptr);
    ~DesktopRuntime();
    DesktopRuntime(const DesktopRuntime&) = delete;
    DesktopRuntime& operator=(const DesktopRuntime&) = delete;

    /// Opens the main window and starts the program (its first activation): maximized, or
    /// locked full screen.
    void start(StartOptions options = {});

    app::KeloProgram& program() { return program_; }
    /// The locked session, or nullptr when the game is not locked.
    lock::LockedSession* lockedSession() { return lock_.get(); }
    DesktopPlatform& platform() { return platform_; }
    FormWindow& mainWindow() { return *main_; }
    /// The author window while it is shown, or nullptr.
    FormWindow* authorWindow() { return author_.get(); }

  private:
    void typed(const QKeyEvent& event);
    void keyReleased(const QKeyEvent& event);
    void mousePressed(QPointF twips);
    void mouseMoved(QPointF twips);
    void mouseReleased(QPointF twips);
    void releaseButton(bool click);
    void settleRelease();
    forms::Control* controlAt(QPointF twips);
    void clickedMain(forms::Control& control, QPointF twips);
    void windowChanged();
    void closedMain();
    void closedAuthor();
    void afterEvent();
    /// With the voice: says what the event changed that a child should hear.
    void narrate();
    void sync();
    void mainWindowChanged();
    void openAuthorWindow();

    DesktopPlatform platform_;
    app::KeloProgram program_;
    Photograph photograph_;
    /// Deletes a window once control is back in the event loop: the author window may be let
    /// go of inside its own close event.
    struct DeleteLater {
        void operator()(FormWindow* window) const { window->deleteLater(); }
    };
    std::unique_ptr<FormWindow> main_;
    std::unique_ptr<FormWindow, DeleteLater> author_;  // its only owner
    std::unique_ptr<X11WindowGone> mainGone_;
    std::unique_ptr<X11WindowGone> authorGone_;
    std::unique_ptr<lock::LockedSession> lock_;  // in a locked session only
    /// Runs one event's handler in the model: timed, with the flight's clock started afresh, and
    /// the windows brought up to date after it.
    template <typename Handler>
    void handle(Handler&& handler) {
        eventStarted_ = std::chrono::steady_clock::now();
        platform_.startEvent();
        std::forward<Handler>(handler)();
        afterEvent();
    }
    /// Lets go of the author window, whose form is unloaded already.
    void dropAuthorWindow();
    void painted();

    Observer observer_;
    QRectF sceneFrame_;  // taken from the window as designed, before anything changes it
    std::chrono::steady_clock::time_point eventStarted_;
    bool painted_ = false;
    bool voice_ = false;
    std::optional<app::Told> told_;         // what the voice last spoke of
    std::optional<app::Utterance> unsaid_;  // said before the first frame, when the voice starts
    // A command button held down: by Space (it clicks when Space comes up) or by the mouse (it
    // clicks when the mouse button comes up over it).
    forms::Control* held_ = nullptr;
    bool heldByKey_ = false;
    bool trueKeyReleases_ = false;  // the window system sends no release for a repeat
    bool releasePending_ = false;   // Space came up; the click waits to see it was no repeat
    std::uint64_t releasedAt_ = 0;
};

}  // namespace kelo::desktop

#pragma once

#include <memory>
#include <string>

#include "forms/form.h"
#include "forms/key.h"
#include "forms/platform.h"
#include "lang/code_page.h"
#include "scene/author_window.h"
#include "scene/main_window.h"

namespace kelo::app {

/// The game as one program: both windows, their handlers and their life, on any platform.
/// A runtime (headless or desktop) turns what the user does into these calls.
/// @code
///   HeadlessPlatform platform;
///   KeloProgram program(platform);
///   program.start();                       // the main window opens and is activated
///   program.typeKey(forms::Key::typed("A"));
/// @endcode
class KeloProgram {
  public:
    enum class ActiveWindow { None, Main, Author };

    explicit KeloProgram(forms::Platform& platform);
    KeloProgram(const KeloProgram&) = delete;
    KeloProgram& operator=(const KeloProgram&) = delete;
    ~KeloProgram();

    /// Program start: the main window opens with the focus on the first control in tab order
    /// (the key box) and is activated. Only the first call does anything.
    void start();
    /// A key typed by the user, delivered to the active window.
    void typeKey(const forms::Key& key);
    /// A mouse click on a control of the main window.
    void click(forms::Control& control);
    /// The user picks an entry of the language list.
    void selectLanguage(int entry);
    /// The user closes the author window with its close box: its Unload handler runs, it is
    /// unloaded, and the main window becomes active again, which is a new activation.
    void closeAuthorWindow();
    /// The user closes the main window: the program ends at once, the author window with it.
    void closeMainWindow();

    ActiveWindow activeWindow() const { return active_; }
    bool started() const { return started_; }
    bool ended() const { return ended_; }
    forms::Form& mainForm() { return *mainForm_; }
    const forms::Form& mainForm() const { return *mainForm_; }
    scene::MainWindow& mainWindow() { return *main_; }
    const scene::MainWindow& mainWindow() const { return *main_; }
    scene::AuthorWindow& authorWindow() { return author_; }
    const scene::AuthorWindow& authorWindow() const { return author_; }
    forms::Platform& platform() { return platform_; }
    const forms::Platform& platform() const { return platform_; }

  private:
    void wireMainWindow();
    void wireAuthorWindow(forms::Form& form);

    forms::Platform& platform_;
    lang::JapaneseCodePage codePage_;
    std::unique_ptr<forms::Form> mainForm_;
    std::unique_ptr<scene::MainWindow> main_;
    scene::AuthorWindow author_;
    ActiveWindow active_ = ActiveWindow::None;
    bool started_ = false;
    bool ended_ = false;
};

}  // namespace kelo::app

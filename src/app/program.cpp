#include "app/program.h"

#include "app/activation.h"
#include "author/author_handlers.h"
#include "forms/form_design.h"
#include "game/key_input.h"
#include "game/start_button.h"
#include "lang/language_switch.h"
#include "scene/mobil_layout.h"

namespace kelo::app {

KeloProgram::KeloProgram(forms::Platform& platform)
    : platform_(platform),
      mainForm_(forms::buildForm(scene::mobilDesign())),
      main_(std::make_unique<scene::MainWindow>(*mainForm_)) {
    wireMainWindow();
    author_.onLoaded = [this](forms::Form& form) { wireAuthorWindow(form); };
}

// The author window goes first: it must not outlive the main window's handlers.
KeloProgram::~KeloProgram() {
    author_.unload();
}

void KeloProgram::wireMainWindow() {
    forms::Form& form = *mainForm_;
    form.onAbandoned = [this](const forms::RuntimeError& error) {
        platform_.handlerAbandoned(error);
    };
    form.onActivate = [this] { Form_Activate(*main_, author_, platform_, codePage_); };
    main_->panah.onChange = [this] { game::panah_Change(*main_, platform_); };
    main_->Command1.onClick = [this] { game::Command1_Click(*main_); };
    main_->combo1.onClick = [this] { lang::combo1_Click(*main_, author_, platform_); };
    main_->Command2.onClick = [this] {
        author::Command2_Click(*main_, author_);
        if (author_.shown()) {
            active_ = ActiveWindow::Author;
        }
    };
    form.onUnload = [this] {
        platform_.endProgram();
        ended_ = true;
    };
}

void KeloProgram::wireAuthorWindow(forms::Form& form) {
    form.onAbandoned = [this](const forms::RuntimeError& error) {
        platform_.handlerAbandoned(error);
    };
    form.onUnload = [this] { author::authorpekro_Form_Unload(*main_); };
}

void KeloProgram::start() {
    if (started_) {
        return;
    }
    started_ = true;
    if (forms::Control* first = mainForm_->firstInTabOrder()) {
        mainForm_->moveFocus(*first);
    }
    active_ = ActiveWindow::Main;
    mainForm_->raise(mainForm_->onActivate);
}

void KeloProgram::typeKey(const forms::Key& key) {
    if (active_ == ActiveWindow::Main) {
        mainForm_->typeKey(key);
    } else if (active_ == ActiveWindow::Author && author_.loaded()) {
        author_.form()->typeKey(key);
    }
}

void KeloProgram::click(forms::Control& control) {
    if (!ended_ && started_) {
        mainForm_->click(control);
    }
}

void KeloProgram::selectLanguage(int entry) {
    if (!ended_ && started_) {
        mainForm_->selectEntry(main_->combo1, entry);
    }
}

void KeloProgram::closeAuthorWindow() {
    if (ended_ || !author_.shown()) {
        return;
    }
    forms::Form& form = *author_.form();
    form.raise(form.onUnload);  // never cancelled
    author_.unload();
    active_ = ActiveWindow::Main;
    mainForm_->raise(mainForm_->onActivate);
}

void KeloProgram::closeMainWindow() {
    if (ended_) {
        return;
    }
    mainForm_->raise(mainForm_->onUnload);
    ended_ = true;
    author_.unload();  // without raising its Unload
    active_ = ActiveWindow::None;
}

}  // namespace kelo::app

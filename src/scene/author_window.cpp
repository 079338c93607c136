#include "scene/author_window.h"

#include "forms/form_design.h"
#include "scene/authorpekro_layout.h"

namespace kelo::scene {

AuthorControls& AuthorWindow::get() {
    if (!form_) {
        form_ = forms::buildForm(authorpekroDesign());
        controls_.emplace(*form_);
        if (onLoaded) {
            onLoaded(*form_);
        }
    }
    return *controls_;
}

void AuthorWindow::show() {
    get();
    shown_ = true;
}

void AuthorWindow::unload() {
    shown_ = false;
    controls_.reset();
    form_.reset();
}

}  // namespace kelo::scene

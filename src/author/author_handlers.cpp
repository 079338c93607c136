#include "author/author_handlers.h"

namespace kelo::author {

void Command2_Click(scene::MainWindow& w, scene::AuthorWindow& authorWindow) {
    w.form.setEnabled(false);
    authorWindow.get();
    authorWindow.show();
}

void authorpekro_Form_Unload(scene::MainWindow& w) {
    w.form.setEnabled(true);
    if (!w.kelkel.visible()) {
        w.panah.setFocus();
    } else if (w.kelkel.visible()) {
        w.Command1.setFocus();
    }
}

}  // namespace kelo::author

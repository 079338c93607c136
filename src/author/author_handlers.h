#pragma once

#include "scene/author_window.h"
#include "scene/main_window.h"

namespace kelo::author {

/// `Command2_Click`: disables the main window and shows the author window modeless.
void Command2_Click(scene::MainWindow& w, scene::AuthorWindow& authorWindow);

/// `Form_Unload` of the author window (never cancelled): re-enables the main window and puts
/// the focus where the game needs it: the start button while a won game waits for its
/// restart, the key box otherwise.
void authorpekro_Form_Unload(scene::MainWindow& w);

}  // namespace kelo::author

#pragma once

#include "forms/platform.h"
#include "lang/code_page.h"
#include "scene/author_window.h"
#include "scene/main_window.h"

namespace kelo::app {

/// `Form_Activate` of the main window: the font search, the author window's preparation and
/// the set-up of a game, in this order. One error handler covers every step: a failing
/// operation shows "Error occurs in Japanese font-related module" and the activation goes on
/// with the next operation.
void Form_Activate(scene::MainWindow& w, scene::AuthorWindow& authorWindow,
                   forms::Platform& platform, const lang::JapaneseCodePage& codePage);

}  // namespace kelo::app

#pragma once

#include "scene/author_window.h"

namespace kelo::author {

// The author window's part of every activation of the main window, one step each, so that the
// activation's error handling can go on after any of them.

/// Gets the author window (loading it hidden if needed) and shows its note label.
void showNoteLabel(scene::AuthorWindow& window);
/// Writes the Indonesian credit line, whatever language is chosen.
void writeIndonesianCredit(scene::AuthorWindow& window);
/// Writes the Indonesian author note.
void writeIndonesianNote(scene::AuthorWindow& window);

}  // namespace kelo::author

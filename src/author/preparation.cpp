#include "author/preparation.h"

#include "lang/texts.h"

namespace kelo::author {

using lang::Language;
using lang::Target;

void showNoteLabel(scene::AuthorWindow& window) {
    window.get().additional.setVisible(true);
}

void writeIndonesianCredit(scene::AuthorWindow& window) {
    window.get().Label1.setCaption(lang::text(Language::Indonesian, Target::authorLabel1Caption));
}

void writeIndonesianNote(scene::AuthorWindow& window) {
    window.get().additional.setCaption(lang::text(Language::Indonesian, Target::authorNote));
}

}  // namespace kelo::author

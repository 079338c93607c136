#include "app/activation.h"

#include "author/preparation.h"
#include "forms/number_text.h"
#include "forms/resume_next.h"
#include "game/setup.h"
#include "lang/japanese_font.h"
#include "lang/texts.h"

namespace kelo::app {

void Form_Activate(scene::MainWindow& w, scene::AuthorWindow& authorWindow,
                   forms::Platform& platform, const lang::JapaneseCodePage& codePage) {
    const forms::ResumeNext step(platform, lang::activationErrorMessage);
    step([&] { w.ifon.setCaption(forms::wholeText(lang::FindJapFont(platform, codePage))); });
    step([&] { author::showNoteLabel(authorWindow); });
    game::openShotGate(w, step);
    step([&] { author::writeIndonesianCredit(authorWindow); });
    step([&] { author::writeIndonesianNote(authorWindow); });
    game::hideRestartHint(w, step);
    game::numberTargets(w, platform, step);
    game::reseedFromClock(platform, step);
    game::makeNumbersDiffer(w, platform, step);
    game::setAnswerAndCars(w, platform, step);
}

}  // namespace kelo::app

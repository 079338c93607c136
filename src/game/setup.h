#pragma once

#include "forms/platform.h"
#include "forms/resume_next.h"
#include "scene/main_window.h"

namespace kelo::game {

// The set-up of a game, run by every activation of the main window. Each function runs its
// operations through `step`, the activation's error handler, which goes on with the next
// operation when one fails (inside a loop: with the next operation of the same pass).

/// Opens the shot gate: `tes.Tag` "0".
void openShotGate(scene::MainWindow& w, const forms::ResumeNext& step);
/// Hides the restart arrow and its hint, `pn1` to `pn4` in that order.
void hideRestartHint(scene::MainWindow& w, const forms::ResumeNext& step);
/// Numbers both targets with the generator's next two draws (before the re-seeding).
void numberTargets(scene::MainWindow& w, forms::Platform& platform, const forms::ResumeNext& step);
/// Re-seeds the generator from the year and the current minute and second.
void reseedFromClock(forms::Platform& platform, const forms::ResumeNext& step);
/// One pass that redraws a target whose number equals the other's.
void makeNumbersDiffer(scene::MainWindow& w, forms::Platform& platform,
                       const forms::ResumeNext& step);
/// Draws the answer, hides the cars of the question being replaced, stores the answer and
/// shows that many cars.
void setAnswerAndCars(scene::MainWindow& w, forms::Platform& platform,
                      const forms::ResumeNext& step);

/// The seed for a clock reading: the year over minute plus second. At a full hour and second 0
/// the sum is 0; the year alone is then the seed, so start-up never fails there.
double clockSeed(const forms::ClockReading& clock);

}  // namespace kelo::game

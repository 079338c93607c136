#include "game/setup.h"

#include <optional>
#include <string>

#include "forms/number_text.h"
#include "game/question.h"

namespace kelo::game {

void openShotGate(scene::MainWindow& w, const forms::ResumeNext& step) {
    step([&] { w.tes.setTag("0"); });
}

void hideRestartHint(scene::MainWindow& w, const forms::ResumeNext& step) {
    step([&] { w.pn1.setVisible(false); });
    step([&] { w.pn2.setVisible(false); });
    step([&] { w.pn3.setVisible(false); });
    step([&] { w.pn4.setVisible(false); });
}

void numberTargets(scene::MainWindow& w, forms::Platform& platform, const forms::ResumeNext& step) {
    for (int i = 0; i <= 1; ++i) {
        step([&] { w.lbl(i).setCaption(optionFromDraw(platform.nextRandom())); });
    }
}

double clockSeed(const forms::ClockReading& clock) {
    const std::string& date = clock.shortDate;
    const std::size_t lastFour = date.size() > 4 ? date.size() - 4 : 0;
    const double year = forms::lenientNumber(std::string_view(date).substr(lastFour));
    const int divisor = clock.minute + clock.second;
    return year / (divisor == 0 ? 1 : divisor);
}

void reseedFromClock(forms::Platform& platform, const forms::ResumeNext& step) {
    step([&] { platform.reseedRandom(clockSeed(platform.clock())); });
}

void makeNumbersDiffer(scene::MainWindow& w, forms::Platform& platform,
                       const forms::ResumeNext& step) {
    for (int i = 0; i <= 1; ++i) {
        const int other = i + 1 > 1 ? i + 1 - 2 : i + 1;
        step([&] {
            if (w.lbl(i).caption() == w.lbl(other).caption()) {
                w.lbl(i).setCaption(optionFromDraw(platform.nextRandom()));
            }
        });
    }
}

void setAnswerAndCars(scene::MainWindow& w, forms::Platform& platform,
                      const forms::ResumeNext& step) {
    int answerIndex = 0;
    step([&] { answerIndex = answerTarget(platform.nextRandom()); });

    // The cars of the question being replaced; empty at the first activation.
    std::optional<int> shown;
    step([&] {
        if (!w.aba.tag().empty()) {
            shown = carCount(w.aba.tag());
        }
    });
    for (int k = 0; k < shown.value_or(0); ++k) {
        step([&] { w.mobil(k).setVisible(false); });
    }

    step([&] { w.aba.setTag(w.lbl(answerIndex).caption()); });

    int answer = 0;
    step([&] { answer = static_cast<int>(forms::lenientNumber(w.lbl(answerIndex).caption())); });
    for (int k = 0; k < answer; ++k) {
        step([&] { w.mobil(k).setVisible(true); });
    }
}

}  // namespace kelo::game

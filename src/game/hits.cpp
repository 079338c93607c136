#include "game/hits.h"

#include "forms/number_text.h"
#include "game/question.h"

namespace kelo::game {
namespace {

constexpr float ballWidth = 255;

void scorePoint(scene::MainWindow& w) {
    w.hasil.setCaption(forms::numberText(forms::lenientNumber(w.hasil.caption()) + 1));
    const int score =
        static_cast<int>(forms::roundHalfEven(forms::strictNumber(w.hasil.caption())));
    // Play can go on past a win; from the eleventh point on there is no coin left to show.
    if (score - 1 < w.uang.count()) {
        w.uang(score - 1).setVisible(true);
    }
}

}  // namespace

bool ballHits(const scene::MainWindow& w, int j) {
    const forms::Frame& target = w.target(j);
    return target.left() - ballWidth < w.bola.left() &&
           w.bola.left() < target.left() + target.width();
}

void hitTarget(scene::MainWindow& w, forms::Platform& platform, int j) {
    if (!ballHits(w, j)) {
        return;
    }
    const int other = 1 - j;
    const std::string old = w.lbl(j).caption();
    w.lbl(j).setCaption(optionFromDraw(platform.nextRandom()));
    if (w.lbl(j).caption() == w.lbl(other).caption() || w.lbl(j).caption() == old) {
        w.lbl(j).setCaption(secondOptionFromDraw(platform.nextRandom()));
    }
    w.bola.setVisible(false);
    for (int k = 0, shown = carCount(w.aba.tag()); k < shown; ++k) {
        w.mobil(k).setVisible(false);
    }
    if (old == w.aba.tag()) {
        scorePoint(w);
    }
    const int answer = answerTarget(platform.nextRandom());
    for (int k = 0, shown = carCount(w.lbl(answer).caption()); k < shown; ++k) {
        w.mobil(k).setVisible(true);
    }
    w.aba.setTag(w.lbl(answer).caption());
}

}  // namespace kelo::game

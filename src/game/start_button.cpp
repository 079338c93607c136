#include "game/start_button.h"

#include "forms/number_text.h"

namespace kelo::game {
namespace {

constexpr int pressesBeforeStart = 3;

}  // namespace

void Command1_Click(scene::MainWindow& w) {
    w.tes.setTag(forms::numberText(forms::strictNumber(w.tes.tag()) + 1));
    if (forms::strictNumber(w.tes.tag()) <= pressesBeforeStart) {
        return;
    }
    w.bola.setVisible(true);
    w.hasil.setCaption("0");
    w.panah.setFocus();
    w.kelkel.setVisible(false);
    // Every coin, not only the five of one game: play may go on past a win (after the author
    // window closes), and a new game must not start beside coins 6 to 10.
    for (int k = 0; k < w.uang.count(); ++k) {
        w.uang(k).setVisible(false);
    }
    w.pn1.setVisible(false);
    w.pn2.setVisible(false);
    w.pn3.setVisible(false);
    w.pn4.setVisible(false);
}

}  // namespace kelo::game

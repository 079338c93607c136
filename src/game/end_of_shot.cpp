#include "game/end_of_shot.h"

#include "forms/number_text.h"
#include "game/pistol.h"

namespace kelo::game {

void endOfShot(scene::MainWindow& w) {
    w.bola.setVisible(true);
    w.bola.setLeft(ballRestLeft);
    w.bola.setTop(ballRestTop);

    const float x1 = w.grs(0).x1();
    const float x2 = w.grs(0).x2();
    w.panah.setTag("0");
    if (x2 > x1) {
        TurnPistol(w, -(45 * pistolPi) / 180);  // back from the left lean
    } else if (x2 < x1) {
        TurnPistol(w, (45 * pistolPi) / 180);  // back from the right lean
    }

    if (forms::strictNumber(w.hasil.caption()) == winningScore) {
        w.kelkel.setVisible(true);
        w.bola.setVisible(false);
        w.pn1.setVisible(true);
        w.pn2.setVisible(true);
        w.pn3.setVisible(true);
        w.pn4.setVisible(true);
        w.Command1.setFocus();
    }
    w.tes.setTag("1");
}

}  // namespace kelo::game

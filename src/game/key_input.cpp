#include "game/key_input.h"

#include "forms/number_text.h"
#include "game/flight.h"
#include "game/pistol.h"

namespace kelo::game {

void panah_Change(scene::MainWindow& w, forms::Platform& platform) {
    const std::string key = w.panah.text();
    if (key == "A" || key == "a") {
        w.panah.setText("");
        aimPistol(w);
    } else if (key == " ") {
        const bool gateOpen = forms::strictNumber(w.tes.tag()) == 0;
        w.panah.setText("");
        if (gateOpen) {
            shoot(w, platform);
        }
    } else {
        w.panah.setText("");
    }
}

}  // namespace kelo::game

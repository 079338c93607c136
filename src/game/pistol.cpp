#include "game/pistol.h"

#include <cmath>

#include "forms/number_text.h"

namespace kelo::game {

void TurnPistol(scene::MainWindow& w, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    for (int i = 0; i < w.grs.count(); ++i) {
        forms::Line& line = w.grs(i);
        const double x1 = line.x1();
        const double y1 = line.y1();
        const double x2 = line.x2();
        const double y2 = line.y2();
        line.setX1(static_cast<float>(pivotX + (x1 - pivotX) * c + (y1 - pivotY) * s));
        line.setX2(static_cast<float>(pivotX + (x2 - pivotX) * c + (y2 - pivotY) * s));
        line.setY1(static_cast<float>(pivotY + (y1 - pivotY) * c - (x1 - pivotX) * s));
        line.setY2(static_cast<float>(pivotY + (y2 - pivotY) * c - (x2 - pivotX) * s));
    }
}

void aimPistol(scene::MainWindow& w) {
    double turn = 45;
    w.panah.setTag(forms::numberText(forms::strictNumber(w.panah.tag()) + 45));
    const double aim = forms::strictNumber(w.panah.tag());
    if (aim == 90) {
        w.panah.setTag("-45");
        turn = -90;
    } else if (aim == 0) {
        w.panah.setTag("45");
        turn = 90;
    }
    TurnPistol(w, toRadians(turn));
    w.tes.setTag("0");
}

}  // namespace kelo::game

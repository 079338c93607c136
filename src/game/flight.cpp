#include "game/flight.h"

#include "forms/number_text.h"
#include "game/end_of_shot.h"
#include "game/hits.h"

namespace kelo::game {
namespace {

constexpr double toneFactor = 1.1;
constexpr float uprightSlope = -100;

struct Direction {
    float slope;  // the barrel's gradient with y pointing up
    int sign;     // +1 rightward, -1 leftward
};

Direction barrelDirection(const forms::Line& barrel) {
    const float dx = barrel.x2() - barrel.x1();
    const float dy = barrel.y2() - barrel.y1();
    const float slope = dx != 0 ? static_cast<float>(-static_cast<double>(dy) / dx) : uprightSlope;
    return {slope, slope > 0 ? 1 : -1};
}

}  // namespace

double nextTone(double hertz, int step) {
    if (step % 2 == 0 || step % 3 == 0) {
        return hertz;
    }
    if (step < 20) {
        return hertz * toneFactor * toneFactor * toneFactor;
    }
    return hertz / toneFactor;
}

void shoot(scene::MainWindow& w, forms::Platform& platform) {
    double hertz = 440;
    const Direction direction = barrelDirection(w.grs(0));
    for (int step = 0; step <= lastStep; ++step) {
        platform.pause(stepPause);
        const int along = step * direction.sign;
        w.bola.setLeft(static_cast<float>(static_cast<double>(w.bola.left()) + along));
        w.bola.setTop(
            static_cast<float>(static_cast<double>(w.bola.top()) - direction.slope * along));
        platform.showNow(w.bola);
        if (step < silentFromStep) {
            hertz = nextTone(hertz, step);
            platform.beep(static_cast<int>(forms::roundHalfEven(hertz)), toneMilliseconds);
        }
        if (w.bola.top() < targetRowTop) {
            hitTarget(w, platform, 0);
            hitTarget(w, platform, 1);
            break;
        }
    }
    endOfShot(w);
}

}  // namespace kelo::game

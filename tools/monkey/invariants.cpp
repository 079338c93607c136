#include "invariants.h"

#include <array>
#include <cmath>
#include <set>

#include "forms/number_text.h"
#include "game/end_of_shot.h"
#include "game/pistol.h"
#include "lang/texts.h"
#include "scene/mobil_layout.h"

namespace kelo::monkey {
namespace {

using Ends = forms::Line::Ends;

// The pistol's designed lines, from the layout; leans are computed from them the way the game
// turns them.
const std::array<Ends, 11>& restingPistol() {
    static const std::array<Ends, 11> lines = [] {
        std::array<Ends, 11> designed{};
        for (const forms::ControlRow& row : scene::mobilDesign().rows) {
            if (row.name == "grs") {
                designed.at(static_cast<std::size_t>(row.index)) = {row.at[0], row.at[1], row.at[2],
                                                                    row.at[3]};
            }
        }
        return designed;
    }();
    return lines;
}
// Single-precision rounding adds up over many turns; far less than a pixel.
constexpr double pistolTolerance = 1.0;

Ends turned(const Ends& e, double degrees) {
    const double a = game::toRadians(degrees);
    const double c = std::cos(a);
    const double s = std::sin(a);
    const auto x = [&](double px, double py) {
        return game::pivotX + (px - game::pivotX) * c + (py - game::pivotY) * s;
    };
    const auto y = [&](double px, double py) {
        return game::pivotY + (py - game::pivotY) * c - (px - game::pivotX) * s;
    };
    return {static_cast<float>(x(e.x1, e.y1)), static_cast<float>(y(e.x1, e.y1)),
            static_cast<float>(x(e.x2, e.y2)), static_cast<float>(y(e.x2, e.y2))};
}

bool isWhole(const std::string& text) {
    try {
        const double value = forms::strictNumber(text);
        return value == std::trunc(value) &&
               forms::wholeText(static_cast<std::int64_t>(value)) == text;
    } catch (const forms::RuntimeError&) {
        return false;
    }
}

bool isDigit(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

void checkQuestion(const scene::MainWindow& w, std::vector<std::string>& broken) {
    const std::string& answer = w.aba.tag();
    if (!isDigit(w.lbl(0).caption()) || !isDigit(w.lbl(1).caption())) {
        broken.push_back("target captions are not digits: '" + w.lbl(0).caption() + "', '" +
                         w.lbl(1).caption() + "'");
    }
    if (answer != w.lbl(0).caption() && answer != w.lbl(1).caption()) {
        broken.push_back("the answer '" + answer + "' is on neither target");
    }
    const int cars = isDigit(answer) ? answer[0] - '0' : -1;
    for (int k = 0; k < w.mobil.count(); ++k) {
        if (w.mobil(k).visible() != (k < cars)) {
            broken.push_back("car " + std::to_string(k) + " is " +
                             (w.mobil(k).visible() ? "shown" : "hidden") + " for the answer '" +
                             answer + "'");
            break;
        }
    }
}

void checkBallAndPistol(const scene::MainWindow& w, std::vector<std::string>& broken) {
    if (!w.panah.text().empty()) {
        broken.push_back("the key box holds '" + w.panah.text() + "'");
    }
    if (w.bola.left() != game::ballRestLeft || w.bola.top() != game::ballRestTop) {
        broken.push_back("the ball is not at its rest place");
    }
    const bool wonGameWaits = w.kelkel.visible() && w.hasil.caption() == "5";
    if (w.bola.visible() == wonGameWaits) {
        broken.push_back(std::string("the ball is ") + (w.bola.visible() ? "shown" : "hidden") +
                         (wonGameWaits ? " while a won game waits" : " during play"));
    }
    const std::string& aim = w.panah.tag();
    if (aim != "0" && aim != "45" && aim != "-45") {
        broken.push_back("the aim is '" + aim + "'");
        return;
    }
    const double degrees = forms::strictNumber(aim);
    for (int i = 0; i < w.grs.count(); ++i) {
        const Ends expected = degrees == 0
                                  ? restingPistol()[static_cast<std::size_t>(i)]
                                  : turned(restingPistol()[static_cast<std::size_t>(i)], degrees);
        const Ends& actual = w.grs(i).ends();
        if (std::fabs(actual.x1 - expected.x1) > pistolTolerance ||
            std::fabs(actual.y1 - expected.y1) > pistolTolerance ||
            std::fabs(actual.x2 - expected.x2) > pistolTolerance ||
            std::fabs(actual.y2 - expected.y2) > pistolTolerance) {
            broken.push_back("pistol line " + std::to_string(i) + " is not where the aim '" + aim +
                             "' puts it");
            return;
        }
    }
}

void checkMessages(const scene::MainWindow& w, const forms::PlatformRecords& lastEvent,
                   const forms::Platform& platform, std::vector<std::string>& broken) {
    for (const std::string& message : lastEvent.messages) {
        const bool noFont = message == lang::noJapaneseFontMessage && w.ifon.caption() == "-1";
        const bool fontGone = message == lang::languageSwitchErrorMessage &&
                              isWhole(w.ifon.caption()) &&
                              forms::strictNumber(w.ifon.caption()) >= platform.fontCount();
        if (!noFont && !fontGone) {
            broken.push_back("message box: " + message);
        }
    }
}

}  // namespace

std::vector<std::string> brokenRules(const app::KeloProgram& program,
                                     const forms::PlatformRecords& lastEvent,
                                     const forms::Platform& platform) {
    std::vector<std::string> broken;
    for (const std::string& error : lastEvent.abandoned) {
        broken.push_back("a handler was abandoned: " + error);
    }
    if (program.ended()) {
        return broken;
    }
    const auto& w = program.mainWindow();
    checkQuestion(w, broken);
    checkBallAndPistol(w, broken);
    if (!isWhole(w.tes.tag())) {
        broken.push_back("the shot gate is '" + w.tes.tag() + "'");
    }
    if (!isWhole(w.hasil.caption())) {
        broken.push_back("the score is '" + w.hasil.caption() + "'");
    }
    checkMessages(w, lastEvent, platform, broken);
    return broken;
}

}  // namespace kelo::monkey

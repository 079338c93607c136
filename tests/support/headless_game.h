#pragma once

#include <string>
#include <vector>

#include "app/program.h"
#include "forms/headless_platform.h"
#include "forms/number_text.h"

namespace kelo::testing {

/// A program on the headless runtime, driven the way a child drives it.
class HeadlessGame {
  public:
    HeadlessGame() : program(platform) {}

    void start() { program.start(); }
    void type(const std::string& keys) {
        for (char key : keys) {
            program.typeKey(forms::Key::typed(std::string(1, key)));
        }
    }
    void space() { type(" "); }
    void click(const std::string& name, int index = -1) {
        program.click(program.mainForm().get<forms::Control>(name, index));
    }

    /// Aims at target 0 (one "A" from upright: the left lean) or target 1 (two: the right lean)
    /// and shoots.
    void shootAt(int target) {
        type(target == 0 ? "A" : "AA");
        space();
    }
    /// Sets the question: the numbers on both targets, the answer and its cars.
    void setQuestion(const std::string& left, const std::string& right, const std::string& answer) {
        for (int k = 0; k < w().mobil.count(); ++k) {
            w().mobil(k).setVisible(false);
        }
        w().lbl(0).setCaption(left);
        w().lbl(1).setCaption(right);
        w().aba.setTag(answer);
        for (int k = 0; k < std::stoi(answer); ++k) {
            w().mobil(k).setVisible(true);
        }
    }

    scene::MainWindow& w() { return program.mainWindow(); }
    int answer() { return static_cast<int>(forms::strictNumber(w().aba.tag())); }
    std::vector<int> visibleCars() {
        std::vector<int> cars;
        for (int i = 0; i < w().mobil.count(); ++i) {
            if (w().mobil(i).visible()) {
                cars.push_back(i);
            }
        }
        return cars;
    }
    static std::vector<int> firstCars(int n) {
        std::vector<int> cars;
        for (int i = 0; i < n; ++i) {
            cars.push_back(i);
        }
        return cars;
    }
    std::string focus() {
        const forms::Control* focused = program.mainForm().focused();
        return focused == nullptr ? "" : focused->qualifiedName();
    }

    forms::HeadlessPlatform platform;
    app::KeloProgram program;
};

}  // namespace kelo::testing

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

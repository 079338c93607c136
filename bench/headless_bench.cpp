// Headless figures: one activation, one leaning shot, a whole game to the win, a language switch.
#include <benchmark/benchmark.h>

#include "app/program.h"
#include "forms/headless_platform.h"

namespace {

using kelo::app::KeloProgram;
using kelo::forms::HeadlessPlatform;
using kelo::forms::Key;

void activation(benchmark::State& state) {
    HeadlessPlatform platform;
    KeloProgram program(platform);
    program.start();
    for (auto _ : state) {
        program.mainForm().raise(program.mainForm().onActivate);
        platform.takeRecords();
    }
}
BENCHMARK(activation);

void leaningShot(benchmark::State& state) {
    HeadlessPlatform platform;
    KeloProgram program(platform);
    program.start();
    for (auto _ : state) {
        program.typeKey(Key::typed("A"));
        program.typeKey(Key::typed(" "));  // 90 steps, tones and pauses recorded, not waited
        platform.takeRecords();
    }
}
BENCHMARK(leaningShot);

void wholeGame(benchmark::State& state) {
    HeadlessPlatform platform;
    KeloProgram program(platform);
    program.start();
    auto& w = program.mainWindow();
    for (auto _ : state) {
        program.mainForm().raise(program.mainForm().onActivate);  // set-up
        while (w.hasil.caption() != "5") {                        // five right hits
            program.typeKey(Key::typed("A"));
            if (w.lbl(0).caption() != w.aba.tag()) {
                program.typeKey(Key::typed("A"));
            }
            program.typeKey(Key::typed(" "));
        }
        state.PauseTiming();
        for (int i = 0; i < 3; ++i) {
            program.typeKey(Key::typed(" "));  // restart: the focus is on the start button
        }
        platform.takeRecords();
        state.ResumeTiming();
    }
}
BENCHMARK(wholeGame);

void languageSwitch(benchmark::State& state) {
    HeadlessPlatform platform;
    platform.setFonts({"Arial", "IPAゴシック"});
    KeloProgram program(platform);
    program.start();
    int entry = 0;
    for (auto _ : state) {
        program.selectLanguage(entry);
        entry = (entry + 1) % 3;
    }
}
BENCHMARK(languageSwitch);

}  // namespace

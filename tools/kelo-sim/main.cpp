// kelo-sim: plays the real game logic on the headless runtime from a script on standard input.
// One command a line; `dump` writes the state as one JSON line. A malformed command stops the
// run with exit status 2 and a message naming the line.

#include <iostream>
#include <string>
#include <variant>

#include "app/program.h"
#include "app/state_json.h"
#include "forms/headless_platform.h"
#include "script.h"

namespace {

using kelo::app::KeloProgram;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;  // clang 14 does not deduce aggregates yet

class Simulator {
  public:
    Simulator() : program_(platform_) {}

    /// Runs one command; returns an error text when it cannot be carried out.
    std::string run(const kelo::sim::Command& command) {
        using namespace kelo::sim;
        return std::visit(Overloaded{
                              [&](const SetClock& c) {
                                  platform_.setClock(c.now);
                                  return std::string();
                              },
                              [&](const SetFonts& c) {
                                  platform_.setFonts(c.fonts);
                                  return std::string();
                              },
                              [&](const Start&) {
                                  program_.start();
                                  return std::string();
                              },
                              [&](const TypeKey& c) {
                                  program_.typeKey(c.key);
                                  return std::string();
                              },
                              [&](const Click& c) { return click(c); },
                              [&](const Select& c) { return select(c); },
                              [&](const Close& c) {
                                  close(c);
                                  return std::string();
                              },
                              [&](const Dump&) {
                                  dump();
                                  return std::string();
                              },
                              [&](const Draws& c) {
                                  platform_.queueDraws(c.values);
                                  return std::string();
                              },
                          },
                          command);
    }

  private:
    std::string click(const kelo::sim::Click& c) {
        kelo::forms::Control* control = program_.mainForm().find(c.name, c.index);
        if (control == nullptr) {
            return "no control " + c.name +
                   (c.index >= 0 ? "(" + std::to_string(c.index) + ")" : "") +
                   " in the main window";
        }
        program_.click(*control);
        return {};
    }

    std::string select(const kelo::sim::Select& c) {
        const int count = static_cast<int>(program_.mainWindow().combo1.items().size());
        if (c.entry < 0 || c.entry >= count) {
            return "select needs an entry from 0 to " + std::to_string(count - 1);
        }
        program_.selectLanguage(c.entry);
        return {};
    }

    void close(const kelo::sim::Close& c) {
        if (c.window == "mobil") {
            program_.closeMainWindow();
        } else {
            program_.closeAuthorWindow();
        }
    }

    void dump() {
        std::cout << kelo::app::stateJson(program_, platform_.takeRecords()).dump() << '\n'
                  << std::flush;
    }

    kelo::forms::HeadlessPlatform platform_;
    KeloProgram program_;
};

}  // namespace

int main() {
    Simulator simulator;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const auto parsed = kelo::sim::parseLine(line);
        std::string error = parsed.error;
        if (error.empty() && parsed.command) {
            error = simulator.run(*parsed.command);
        }
        if (!error.empty()) {
            std::cerr << "kelo-sim: line " << number << ": " << error << '\n';
            return 2;
        }
    }
    return 0;
}

#include "simulator.h"

#include <variant>

#include "state_json.h"

namespace kelo::sim {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;  // clang 14 does not deduce aggregates yet

}  // namespace

std::string Simulator::run(const Command& command) {
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

std::string Simulator::click(const Click& c) {
    forms::Control* control = program_.mainForm().find(c.name, c.index);
    if (control == nullptr) {
        return "no control " + c.name + (c.index >= 0 ? "(" + std::to_string(c.index) + ")" : "") +
               " in the main window";
    }
    program_.click(*control);
    return {};
}

std::string Simulator::select(const Select& c) {
    const int count = static_cast<int>(program_.mainWindow().combo1.items().size());
    if (c.entry < 0 || c.entry >= count) {
        return "select needs an entry from 0 to " + std::to_string(count - 1);
    }
    program_.selectLanguage(c.entry);
    return {};
}

void Simulator::close(const Close& c) {
    if (c.window == "mobil") {
        program_.closeMainWindow();
    } else {
        program_.closeAuthorWindow();
    }
}

void Simulator::dump() {
    dumps_ << app::stateJson(program_, platform_.takeRecords()).dump() << '\n' << std::flush;
}

}  // namespace kelo::sim

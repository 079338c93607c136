#pragma once

#include <ostream>
#include <string>

#include "app/program.h"
#include "forms/headless_platform.h"
#include "script.h"

namespace kelo::sim {

/// Carries out kelo-sim commands on the real game over the headless platform; `dump` writes
/// the state as one JSON line to the given stream.
class Simulator {
  public:
    explicit Simulator(std::ostream& dumps) : program_(platform_), dumps_(dumps) {}

    /// Runs one command; returns an error text when it cannot be carried out.
    std::string run(const Command& command);

    const app::KeloProgram& program() const { return program_; }
    forms::HeadlessPlatform& platform() { return platform_; }

  private:
    std::string click(const Click& c);
    std::string select(const Select& c);
    void close(const Close& c);
    void dump();

    forms::HeadlessPlatform platform_;
    app::KeloProgram program_;
    std::ostream& dumps_;
};

}  // namespace kelo::sim

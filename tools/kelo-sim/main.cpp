// kelo-sim: plays the real game logic on the headless runtime from a script on standard input.
// One command a line; `dump` writes the state as one JSON line. A malformed command stops the
// run with exit status 2 and a message naming the line.

#include <iostream>
#include <string>

#include "script.h"
#include "simulator.h"

int main() {
    kelo::sim::Simulator simulator(std::cout);
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

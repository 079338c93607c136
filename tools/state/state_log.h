#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "forms/platform_records.h"

namespace kelo::state {

/// The test build's state log: one JSON line for the first frame, then one after every event
/// with the whole state, the game's rules it broke and how long the event took to handle.
class StateLog {
  public:
    using RuleCheck = std::function<std::vector<std::string>(
        const app::KeloProgram&, const forms::PlatformRecords&, const forms::Platform&)>;

    StateLog(const std::string& path, RuleCheck ruleCheck);

    /// The monotonic clock at the first frame, for a launcher on the same machine to compare.
    void firstFrame();
    /// The main window's size in logical pixels, its state, the scene's zoom and where the
    /// scene's twip (0, 0) lies in the window.
    void window(int width, int height, double zoom, int originX, int originY, bool maximized,
                bool fullScreen);
    void afterEvent(const app::KeloProgram& program, const forms::PlatformRecords& records,
                    double handledMilliseconds);

  private:
    std::ofstream file_;
    RuleCheck ruleCheck_;
    bool framed_ = false;
};

}  // namespace kelo::state

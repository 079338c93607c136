#include "state_log.h"

#include <ctime>

#include "state_json.h"

namespace kelo::state {

StateLog::StateLog(const std::string& path, RuleCheck ruleCheck)
    : file_(path, std::ios::app), ruleCheck_(std::move(ruleCheck)) {}

void StateLog::firstFrame() {
    if (framed_) {
        return;
    }
    framed_ = true;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    file_ << nlohmann::json{{"first_frame", static_cast<double>(now.tv_sec) +
                                                static_cast<double>(now.tv_nsec) / 1e9}}
          << '\n'
          << std::flush;
}

void StateLog::window(int width, int height, double zoom, int originX, int originY, bool maximized,
                      bool fullScreen) {
    file_ << nlohmann::json{{"window",
                             {{"width", width},
                              {"height", height},
                              {"zoom", zoom},
                              {"origin_x", originX},
                              {"origin_y", originY},
                              {"maximized", maximized},
                              {"full_screen", fullScreen}}}}
          << '\n'
          << std::flush;
}

void StateLog::afterEvent(const app::KeloProgram& program, const forms::PlatformRecords& records,
                          double handledMilliseconds) {
    nlohmann::json state = app::stateJson(program, records);
    if (ruleCheck_) {
        state["broken"] = ruleCheck_(program, records, program.platform());
    }
    state["handled_ms"] = handledMilliseconds;
    file_ << state.dump() << '\n' << std::flush;
}

}  // namespace kelo::state

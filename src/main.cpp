// Kelo's Pistol on the desktop: the main window opens maximized and the game begins.

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/version.h"
#include "desktop/desktop_runtime.h"
#include "desktop/sound/speech_helper.h"
#ifdef KELO_STATE_LOG
#include "invariants.h"
#include "state_log.h"
#endif

namespace {

/// Only a test build logs its state (to the file named by KELO_STATE_LOG), with the game's
/// rules checked after every event; the shipped game reads no environment and writes no file.
kelo::desktop::DesktopRuntime::Observer observer() {
#ifdef KELO_STATE_LOG
    const QString path = qEnvironmentVariable("KELO_STATE_LOG");
    if (!path.isEmpty()) {
        auto log =
            std::make_shared<kelo::state::StateLog>(path.toStdString(), kelo::monkey::brokenRules);
        return {[log] { log->firstFrame(); },
                [log](const auto& facts) {
                    log->window(facts.width, facts.height, facts.zoom, facts.origin.x(),
                                facts.origin.y(), facts.maximized, facts.fullScreen);
                },
                [log](const auto& program, const auto& records, double handledMilliseconds) {
                    log->afterEvent(program, records, handledMilliseconds);
                }};
    }
#endif
    return {};
}

std::vector<std::string> options(int argc, char* argv[]) {
    return {argv + std::min(argc, 1), argv + argc};
}

}  // namespace

int main(int argc, char* argv[]) {
    using Action = kelo::app::CommandLine::Action;
    // The voice's helper process: no window, no toolkit.
    if (argc == 4 && argv[1] == kelo::desktop::speechHelperOption) {
        // _Exit: the synthesiser's library keeps memory to the end, which a leak check at exit
        // would turn into a failed status.
        const auto status = kelo::desktop::speakToStandardOutput(argv[2], argv[3]);
        std::fflush(stdout);
        std::_Exit(static_cast<int>(status));
    }
    // Options are read before the display is opened: --help, --version and a wrong option
    // answer without one.
    const kelo::app::CommandLine line = kelo::app::readCommandLine(options(argc, argv));
    switch (line.action) {
        case Action::Help:
            std::fputs(kelo::app::helpText().c_str(), stdout);
            return 0;
        case Action::Version:
            std::puts("kelo " KELO_VERSION);
            return 0;
        case Action::Usage:
            std::fputs(kelo::app::usageText(line.complaint).c_str(), stderr);
            return 2;
        case Action::Play:
            break;
    }
    if (line.locked) {
        // Through Xwayland a compositor ignores the grabs: a locked game asks for Wayland.
        const std::string platform = kelo::app::lockedPlatform(std::getenv("WAYLAND_DISPLAY"),
                                                               std::getenv("XDG_SESSION_TYPE"));
        if (!platform.empty()) {
            qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
        }
    }
    // The font list is read while the toolkit connects to the display.
    auto fonts = std::make_unique<kelo::desktop::FontListPrefetch>();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KELO_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KELO_APP_ID));
    // Qt has taken the options it knows out of argv: anything left is no option of ours.
    if (const auto left = kelo::app::leftByToolkit(options(argc, argv));
        left.action == Action::Usage) {
        std::fputs(kelo::app::usageText(left.complaint).c_str(), stderr);
        return 2;
    }
    kelo::desktop::DesktopRuntime runtime(observer(), std::move(fonts));
    runtime.start({.locked = line.locked, .voice = line.voice});
    return QApplication::exec();
}

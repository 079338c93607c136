// Kelo's Pistol on the desktop: the main window opens maximized and the game begins.

#include <QApplication>
#include <memory>

#include "app/version.h"
#include "desktop/desktop_runtime.h"
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

}  // namespace

int main(int argc, char* argv[]) {
    // The font list is read while the toolkit connects to the display.
    auto fonts = std::make_unique<kelo::desktop::FontListPrefetch>();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KELO_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KELO_APP_ID));
    kelo::desktop::DesktopRuntime runtime(observer(), std::move(fonts));
    runtime.start();
    return QApplication::exec();
}

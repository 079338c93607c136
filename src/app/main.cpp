// Kelo's Pistol on the desktop: the main window opens maximized and the game begins.

#include <QApplication>
#include <string>

#include "app/version.h"
#include "desktop/desktop_runtime.h"
#ifdef KELO_STATE_LOG
#include "invariants.h"
#endif

namespace {

/// Where the state log goes, and the game's rules checked into it: only a test build has them.
std::string stateLogPath() {
#ifdef KELO_STATE_LOG
    return qEnvironmentVariable("KELO_STATE_LOG").toStdString();
#else
    return {};
#endif
}

kelo::desktop::DesktopRuntime::RuleCheck ruleCheck() {
#ifdef KELO_STATE_LOG
    return kelo::monkey::brokenRules;
#else
    return nullptr;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KELO_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KELO_APP_ID));
    kelo::desktop::DesktopRuntime runtime(stateLogPath(), ruleCheck());
    runtime.start();
    return QApplication::exec();
}

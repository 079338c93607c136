// Kelo's Pistol on the desktop: the main window opens maximized and the game begins.

#include <QApplication>
#include <string>

#include "desktop/desktop_runtime.h"

namespace {

/// Where the state log goes: only a test build reads this variable.
std::string stateLogPath() {
#ifdef KELO_STATE_LOG
    return qEnvironmentVariable("KELO_STATE_LOG").toStdString();
#else
    return {};
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorrakan2"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    kelo::desktop::DesktopRuntime runtime(stateLogPath());
    runtime.start();
    return QApplication::exec();
}

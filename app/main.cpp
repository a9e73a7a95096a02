// Vestrel: great-circle bearing and distance between two Maidenhead locators.
// Creates the window, shows it, and runs the event loop until it closes.

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "window/layout.h"

namespace {

// Without a display Qt's X11 and Wayland platforms abort with a long
// diagnostic; say what is wrong in one line instead.
bool NoDisplay() {
#if defined(__unix__) && !defined(__APPLE__)
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    return !platformChosen && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (NoDisplay()) {
        std::fputs(
            "vestrel: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vestrel"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vestrel.Vestrel"));

    vestrel::window::Form2Window window;
    window.ShowCentred();
    return QApplication::exec();
}

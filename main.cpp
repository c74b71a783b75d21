#include "main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without this check Qt stops with a platform-plugin error that tells a
// user nothing.
bool haveDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!haveDisplay()) {
        std::fputs("Pixelwick needs a display to open its window, and none was found (DISPLAY is not set).\n"
                   "Start it from a desktop session, or use pixelwick-convert to make cursors without a window.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixelwick"));
    QApplication::setApplicationVersion(QStringLiteral(PIXELWICK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("pixelwick"));

    pixelwick::FrmConverter window;
    window.show();
    return app.exec();
}

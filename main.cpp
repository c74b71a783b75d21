// SPDX-License-Identifier: MIT
#include "language.h"
#include "main_window.h"
#include "pixelwick_version.h"

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
        // Without a display there is no window, but the user's language still holds.
        QCoreApplication app(argc, argv);
        pixelwick::installTranslations();
        std::fputs(qPrintable(QCoreApplication::translate(
                       "Startup", "Pixelwick needs a display to open its window, and none was found (DISPLAY is not "
                                  "set).\nStart it from a desktop session, or use pixelwick-convert to make cursors "
                                  "without a window.\n")),
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixelwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pixelwick"));
    QApplication::setApplicationVersion(QLatin1String(pixelwick::kVersion));
    pixelwick::installTranslations();
    QGuiApplication::setDesktopFileName(QStringLiteral("pixelwick"));

    pixelwick::FrmConverter window;
    window.show();
    return app.exec();
}

// SPDX-License-Identifier: MIT
// pixelwick_window_startup: starts like pixelwick itself, shows the real
// window, and quits at the same point as pixelwick_minimal_window.
#include "first_paint.h"
#include "main_window.h"
#include "pixelwick_version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixelwick"));
    QApplication::setApplicationVersion(QLatin1String(pixelwick::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("pixelwick"));

    pixelwick::FrmConverter window;
    const pixelwick::bench::QuitAfterFirstPaint quit(&window);
    window.show();
    return app.exec();
}

// SPDX-License-Identifier: MIT
// pixelwick_minimal_window: the least a Qt Widgets window of Pixelwick's
// size costs to start and show, timed against the real window by
// bench/window.sh.
#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(317, 134);
    const pixelwick::bench::QuitAfterFirstPaint quit(&window);
    window.show();
    return app.exec();
}

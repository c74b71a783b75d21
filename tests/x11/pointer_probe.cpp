// SPDX-License-Identifier: MIT
// Asks the X server what the pointer looks like and what the screen shows,
// so that tests need not trust the program they test.
//
//   pointer_probe            the pointer's image: "W H XHOT YHOT X Y" (X, Y
//                            where the pointer is), then one line a row of
//                            W hexadecimal AARRGGBB pixels
//   pointer_probe X Y W H    the root window's pixels in that rectangle:
//                            "W H", then one line a row of RRGGBB pixels
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <cstdlib>

namespace {

int pointerImage(Display *display)
{
    int event = 0, error = 0;
    if (!XFixesQueryExtension(display, &event, &error)) {
        std::fputs("pointer_probe: the X server has no XFIXES\n", stderr);
        return 1;
    }
    XFixesCursorImage *image = XFixesGetCursorImage(display);
    if (!image) {
        std::fputs("pointer_probe: no pointer image\n", stderr);
        return 1;
    }
    std::printf("%d %d %d %d %d %d\n", image->width, image->height, image->xhot, image->yhot, image->x, image->y);
    // Xlib hands the 32-bit pixels over in longs.
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x)
            std::printf("%s%08lx", x ? " " : "", image->pixels[y * image->width + x] & 0xFFFFFFFFUL);
        std::putchar('\n');
    }
    XFree(image);
    return 0;
}

int screenRectangle(Display *display, int left, int top, int width, int height)
{
    XImage *image = XGetImage(display, DefaultRootWindow(display), left, top, unsigned(width), unsigned(height),
                              AllPlanes, ZPixmap);
    if (!image) {
        std::fputs("pointer_probe: cannot read the screen there\n", stderr);
        return 1;
    }
    std::printf("%d %d\n", width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            std::printf("%s%06lx", x ? " " : "", XGetPixel(image, x, y) & 0xFFFFFFUL);
        std::putchar('\n');
    }
    XDestroyImage(image);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 1 && argc != 5) {
        std::fputs("usage: pointer_probe [X Y WIDTH HEIGHT]\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("pointer_probe: cannot open the display\n", stderr);
        return 1;
    }
    const int status = argc == 1 ? pointerImage(display)
                                 : screenRectangle(display, std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                                                   std::atoi(argv[4]));
    XCloseDisplay(display);
    return status;
}

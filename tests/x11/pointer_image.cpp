// SPDX-License-Identifier: MIT
#include "pointer_image.h"

#include <QPainter>

#include <memory>

// Last: Xlib's macros would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

namespace testing {

namespace {

struct CloseDisplay {
    void operator()(Display *display) const { XCloseDisplay(display); }
};
using Connection = std::unique_ptr<Display, CloseDisplay>;

} // namespace

PointerImage pointerImage()
{
    const Connection display(XOpenDisplay(nullptr));
    int event = 0, error = 0;
    if (!display || !XFixesQueryExtension(display.get(), &event, &error))
        return {};
    XFixesCursorImage *const image = XFixesGetCursorImage(display.get());
    if (!image)
        return {};
    PointerImage pointer;
    pointer.width = image->width;
    pointer.height = image->height;
    pointer.hotSpot = QPoint(image->xhot, image->yhot);
    pointer.position = QPoint(image->x, image->y);
    // Xlib hands each 32-bit pixel over in a long.
    for (int i = 0; i < image->width * image->height; ++i)
        pointer.pixels.append(quint32(image->pixels[i]));
    XFree(image);
    return pointer;
}

QImage screenWithPointer()
{
    const Connection display(XOpenDisplay(nullptr));
    if (!display)
        return {};
    const Window root = DefaultRootWindow(display.get());
    XWindowAttributes attributes{};
    XGetWindowAttributes(display.get(), root, &attributes);
    XImage *const shot = XGetImage(display.get(), root, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                                   AllPlanes, ZPixmap);
    if (!shot)
        return {};
    QImage screen(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x)
            screen.setPixel(x, y, QRgb(XGetPixel(shot, x, y)) | 0xFF000000);
    XDestroyImage(shot);
    const PointerImage pointer = pointerImage();
    if (pointer.ok()) {
        QImage sprite(pointer.width, pointer.height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < pointer.height; ++y)
            for (int x = 0; x < pointer.width; ++x)
                sprite.setPixel(x, y, pointer.pixels[y * pointer.width + x]);
        QPainter(&screen).drawImage(pointer.position - pointer.hotSpot, sprite);
    }
    return screen;
}

} // namespace testing

// SPDX-License-Identifier: MIT
#include "xcursor_looks.h"

namespace testing {

QImage lookPicture(Looks &looks)
{
    looks = Looks(16, QString(16, u'.'));
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            looks[y][x] = u'#';
    for (int y = 2; y < 6; ++y)
        for (int x = 9; x < 13; ++x)
            looks[y][x] = u'O';
    for (int y = 9; y < 12; ++y)
        for (int x = 3; x < 7; ++x)
            looks[y][x] = u'~';
    looks[15][15] = u'~';
    looks[6][2] = u'~'; // below the black square
    QImage picture(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char look = looks[y][x].toLatin1();
            picture.setPixel(x, y,
                             look == '#'   ? qRgb(0, 0, 0)
                             : look == 'O' ? qRgb(255, 255, 255)
                             : look == '~' ? qRgb(255, 0, 255)
                                           : qRgb(0, 255, 0));
        }
    }
    return picture;
}

Looks scaled(const Looks &looks, int factor)
{
    Looks bigger;
    for (const QString &row : looks) {
        QString wide;
        for (const QChar look : row)
            wide += QString(factor, look);
        for (int i = 0; i < factor; ++i)
            bigger.append(wide);
    }
    return bigger;
}

QList<quint32> expectedPixels(const Looks &looks, const QString &invertedAs)
{
    const int size = int(looks.size());
    const auto inverted = [&](int x, int y) { return x >= 0 && y >= 0 && x < size && y < size && looks[y][x] == u'~'; };
    QList<quint32> pixels;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char look = looks[y][x].toLatin1();
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    touches = touches || inverted(x + dx, y + dy);
            if (look == '#' || (look == '~' && invertedAs != QLatin1String("white")))
                pixels.append(kXBlack);
            else if (look == 'O' || look == '~' || (touches && invertedAs == QLatin1String("outline")))
                pixels.append(kXWhite);
            else
                pixels.append(kXClear);
        }
    }
    return pixels;
}

} // namespace testing

/* SPDX-License-Identifier: MIT */
/* What Windows (here: Wine) makes of a cursor file: loads it as the system
 * would, draws it over two backgrounds and prints each pixel's look in the
 * converter's --show text, so that the two can be compared line by line.
 *
 *   cursor_loader [--icon] [--default-size] [--frames] FILE SIZE [BACKGROUND_RGB_HEX]
 *
 * SIZE is the width and height asked of LoadImage (0: the file's own size,
 * or with --default-size the system's cursor size). The hot spot and the
 * bitmaps GetIconInfo gives go to standard error. With --frames, a cursor of
 * SIZE 0 is loaded by LoadCursorFromFile, as the Mouse settings load a
 * scheme's files, and each step of an animated cursor is printed as a frame
 * of its own, with its time in 1/60 s, as the converter's --show prints
 * frames. */
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#define WHITE 0xFFFFFFu
#define BLACK 0x000000u
#define RGB_BITS 0xFFFFFFu

/* A background whose inverse is neither white, black nor itself, so that
 * every look gives a pair of colours of its own. */
#define DEFAULT_SECOND_BACKGROUND 0x3366CCu

static void usage(void)
{
    fputs("usage: cursor_loader [--icon] [--default-size] [--frames] FILE SIZE [BACKGROUND_RGB_HEX]\n", stderr);
}

/* The name as given, in UTF-8 as the converter prints it. */
static char *utf8Of(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
    char *bytes = malloc(size > 0 ? (size_t)size : 1);
    if (!bytes)
        return NULL;
    bytes[0] = '\0';
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, size, NULL, NULL);
    return bytes;
}

static int readNumber(const wchar_t *text, int base, unsigned long limit, unsigned long *value)
{
    wchar_t *end = NULL;
    if (!*text)
        return 0;
    *value = wcstoul(text, &end, base);
    return *end == L'\0' && *value <= limit;
}

static void bitmapSize(HBITMAP bitmap, LONG *width, LONG *height)
{
    BITMAP info;
    *width = *height = 0;
    if (bitmap && GetObjectW(bitmap, sizeof info, &info)) {
        *width = info.bmWidth;
        *height = info.bmHeight;
    }
}

/* Draws the cursor over `background` into a top-down 32-bit picture and
 * returns its pixels (0xRRGGBB each), or NULL. */
static DWORD *drawOver(HICON cursor, LONG width, LONG height, DWORD background)
{
    BITMAPINFO info;
    void *bits = NULL;
    DWORD *copy = NULL;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP picture = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0) : NULL;
    if (picture && bits) {
        const size_t count = (size_t)width * (size_t)height;
        DWORD *pixels = bits;
        for (size_t i = 0; i < count; ++i)
            pixels[i] = background;
        HGDIOBJ old = SelectObject(dc, picture);
        if (DrawIconEx(dc, 0, 0, cursor, width, height, 0, NULL, DI_NORMAL)) {
            GdiFlush();
            copy = malloc(count * sizeof *copy);
            if (copy)
                for (size_t i = 0; i < count; ++i)
                    copy[i] = pixels[i] & RGB_BITS;
        }
        SelectObject(dc, old);
    }
    if (picture)
        DeleteObject(picture);
    if (dc)
        DeleteDC(dc);
    return copy;
}

static int brightness(DWORD colour)
{
    return (int)(((colour >> 16) & 0xFF) * 299 + ((colour >> 8) & 0xFF) * 587 + (colour & 0xFF) * 114) / 1000;
}

/* One pixel's look from how it came out over white and over `second`. */
static char lookOf(DWORD overWhite, DWORD overSecond, DWORD second)
{
    if (overWhite == WHITE && overSecond == second)
        return '.';
    if (overWhite == BLACK && overSecond == BLACK)
        return '#';
    if (overWhite == WHITE && overSecond == WHITE)
        return 'O';
    if (overWhite == (~WHITE & RGB_BITS) && overSecond == (~second & RGB_BITS))
        return '~';
    /* A colour cursor's opaque pixel is the same over both backgrounds. */
    if (overWhite == overSecond)
        return brightness(overWhite) < 128 ? '#' : 'O';
    return '?';
}

/* Windows' own way to the steps of an animated cursor; user32 exports it
 * without a declaration in the headers. */
typedef HCURSOR(WINAPI *FrameInfo)(HCURSOR cursor, DWORD reserved, DWORD step, DWORD *jiffies, DWORD *steps);

/* Prints one cursor (or one step of an animated one) as --show would:
 * the heading, with `frameText` after it, then each row's looks. */
static int printCursor(const char *name, HICON cursor, DWORD second, const char *frameText)
{
    ICONINFO info;
    if (!GetIconInfo(cursor, &info)) {
        fprintf(stderr, "cursor_loader: %s: GetIconInfo failed (error %lu)\n", name, GetLastError());
        return 1;
    }
    LONG maskWidth, maskHeight, colourWidth, colourHeight;
    bitmapSize(info.hbmMask, &maskWidth, &maskHeight);
    bitmapSize(info.hbmColor, &colourWidth, &colourHeight);
    /* A monochrome cursor has no colour bitmap: its mask holds both planes. */
    const LONG width = info.hbmColor ? colourWidth : maskWidth;
    const LONG height = info.hbmColor ? colourHeight : maskHeight / 2;
    fprintf(stderr, "hot spot %lu, %lu; mask %ld x %ld; colour %ld x %ld\n", info.xHotspot, info.yHotspot, maskWidth,
            maskHeight, colourWidth, colourHeight);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (width <= 0 || height <= 0) {
        fprintf(stderr, "cursor_loader: %s: the cursor has no pixels\n", name);
        return 1;
    }
    DWORD *overWhite = drawOver(cursor, width, height, WHITE);
    DWORD *overSecond = drawOver(cursor, width, height, second);
    if (!overWhite || !overSecond) {
        fprintf(stderr, "cursor_loader: %s: DrawIconEx failed (error %lu)\n", name, GetLastError());
        free(overWhite);
        free(overSecond);
        return 1;
    }
    printf("%s: %ld x %ld %s, hot spot %lu, %lu%s\n", name, width, height, info.fIcon ? "icon" : "cursor",
           info.xHotspot, info.yHotspot, frameText);
    for (LONG y = 0; y < height; ++y) {
        for (LONG x = 0; x < width; ++x) {
            const size_t at = (size_t)y * (size_t)width + (size_t)x;
            putchar(lookOf(overWhite[at], overSecond[at], second));
        }
        putchar('\n');
    }
    free(overWhite);
    free(overSecond);
    return 0;
}

/* Every step of `cursor`; a cursor that is not animated is one step. */
static int printSteps(const char *name, HCURSOR cursor, DWORD second)
{
    FrameInfo frameInfo = (FrameInfo)(void (*)(void))GetProcAddress(GetModuleHandleW(L"user32.dll"),
                                                                     "GetCursorFrameInfo");
    if (!frameInfo) {
        fprintf(stderr, "cursor_loader: user32 has no GetCursorFrameInfo\n");
        return 1;
    }
    DWORD jiffies = 0, steps = 0;
    if (!frameInfo(cursor, 0, 0, &jiffies, &steps) || steps == 0) {
        fprintf(stderr, "cursor_loader: %s: GetCursorFrameInfo failed\n", name);
        return 1;
    }
    if (steps == 1 && jiffies == 0)
        return printCursor(name, cursor, second, "");
    for (DWORD step = 0; step < steps; ++step) {
        DWORD stepJiffies = 0, stepCount = 0;
        HCURSOR frame = frameInfo(cursor, 0, step, &stepJiffies, &stepCount);
        char text[64];
        snprintf(text, sizeof text, ", frame %lu of %lu, %lu/60 s", step + 1, steps, stepJiffies);
        if (!frame || printCursor(name, frame, second, text) != 0)
            return 1;
    }
    return 0;
}

int wmain(int argc, wchar_t **argv)
{
    UINT type = IMAGE_CURSOR;
    UINT flags = LR_LOADFROMFILE;
    int frames = 0;
    int first = 1;
    for (; first < argc && argv[first][0] == L'-' && argv[first][1] == L'-'; ++first) {
        if (wcscmp(argv[first], L"--icon") == 0)
            type = IMAGE_ICON;
        else if (wcscmp(argv[first], L"--default-size") == 0)
            flags |= LR_DEFAULTSIZE;
        else if (wcscmp(argv[first], L"--frames") == 0)
            frames = 1;
        else {
            usage();
            return 2;
        }
    }
    unsigned long size = 0;
    unsigned long second = DEFAULT_SECOND_BACKGROUND;
    if (argc - first < 2 || argc - first > 3 || !readNumber(argv[first + 1], 10, 4096, &size)
        || (argc - first == 3 && !readNumber(argv[first + 2], 16, RGB_BITS, &second))) {
        usage();
        return 2;
    }
    if (second == WHITE || second == BLACK) {
        fputs("cursor_loader: the second background must be neither white nor black\n", stderr);
        return 2;
    }
    /* The rows go out with "\n" alone, as the converter's do. */
    _setmode(_fileno(stdout), _O_BINARY);
    const wchar_t *file = argv[first];
    char *name = utf8Of(file);
    const char *shown = name ? name : "?";
    HICON cursor = frames && size == 0 && type == IMAGE_CURSOR
                       ? LoadCursorFromFileW(file)
                       : LoadImageW(NULL, file, type, (int)size, (int)size, flags);
    if (!cursor) {
        fprintf(stderr, "cursor_loader: %s: %s failed (error %lu)\n", shown,
                frames && size == 0 ? "LoadCursorFromFile" : "LoadImage", GetLastError());
        free(name);
        return 1;
    }
    const int failed = frames ? printSteps(shown, cursor, second) : printCursor(shown, cursor, second, "");
    free(name);
    DestroyIcon(cursor);
    if (failed)
        return 1;
    return fflush(stdout) == 0 ? 0 : 1;
}

// SPDX-License-Identifier: MIT
#pragma once

// Pictures of many small parts, made at run time from their formats'
// documentation: each part costs a reader a little, so a file of millions
// costs it much, while a real file holds a few.

#include <QByteArray>
#include <QList>

namespace testing {

// A RIFF chunk: its id, its length, its data padded to an even length.
QByteArray riffChunk(const char *id, const QByteArray &data = {});

// An animated WebP of `frames` one-pixel frames, after `exifChunks` empty
// EXIF chunks, which the file's header says are there.
QByteArray webpAnimation(int frames, int exifChunks = 0);

// A one-pixel XPM whose table holds `colours` colours of four characters.
QByteArray xpmOfColours(int colours);

// An ICNS element, and a file of the given elements.
QByteArray icnsElement(const char *type, const QByteArray &data = {});
QByteArray icnsFile(const QByteArray &elements);
// An element holding a black 16 x 16 PNG picture.
QByteArray icnsPngElement();

// An animated cursor of `frames` frames, each the whole cursor file
// `frame`, shown in turn, with `more` chunks after its list of frames.
QByteArray animatedCursor(const QByteArray &frame, int frames, const QByteArray &more = {});

// A cursor file whose directory lists `count` images, all of them the one
// image of `cursor`, a single-image cursor file.
QByteArray cursorDirectory(const QByteArray &cursor, int count);

} // namespace testing

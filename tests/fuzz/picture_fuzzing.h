// SPDX-License-Identifier: MIT
#pragma once

// The whole path from a file's bytes to a cursor, shared by the libFuzzer
// target and the replay of the committed inputs.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace pixelwick::fuzzing {

// Qt finds its image plugins only once an application object exists.
void startQt();

// The loader lets the suffix of a picture's name choose the reader. The
// input's last byte chooses one suffix, or none, so that every reader gets
// to try every input, and a finding replays the same from its bytes alone.
QString nameFor(const QByteArray &bytes);

enum class Outcome { Refused, Converted };

// Loads `data` as a picture under the name nameFor() gives it and, if it is
// accepted, composes its preview and writes its cursor. Aborts with a
// message when the result breaks a promise: an accepted picture without
// pixels, a failed write or a cursor that is not exactly 326 bytes. The
// cursor's bytes go to `cursor` when it is given.
Outcome convertPictureBytes(const std::uint8_t *data, std::size_t size, QByteArray *cursor = nullptr);

} // namespace pixelwick::fuzzing

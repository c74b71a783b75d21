// SPDX-License-Identifier: MIT
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace testing {

GridSource::GridSource(const std::function<ColourValue(int, int)> &paint)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            set(x, y, paint(x, y));
}

ColourValue GridSource::colourAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= 32 || y >= 32)
        return pixelwick::kNoColour;
    return pixels[std::size_t(y * 32 + x)];
}

const char *lookName(Look look)
{
    switch (look) {
    case Look::Black: return "black";
    case Look::White: return "white";
    case Look::Transparent: return "transparent";
    case Look::Inverted: return "inverted";
    }
    return "?";
}

Look lookAt(const QByteArray &cursor, int x, int y)
{
    const int row = 31 - y; // rows are stored bottom-up
    const int byteIndex = row * 4 + x / 8;
    const int bit = 7 - x % 8;
    const bool xorBit = (std::uint8_t(cursor.at(pixelwick::kFixedBlocksSize + byteIndex)) >> bit) & 1;
    const bool andBit = (std::uint8_t(cursor.at(pixelwick::kFixedBlocksSize + 128 + byteIndex)) >> bit) & 1;
    if (andBit)
        return xorBit ? Look::Inverted : Look::Transparent;
    return xorBit ? Look::White : Look::Black;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

qint64 littleEndianAt(const QByteArray &bytes, qsizetype at, int width)
{
    if (at < 0 || width < 1 || width > 4 || at > bytes.size() - width)
        return -1;
    qint64 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes.at(at + i));
    return value;
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray encodedCursor(const pixelwick::PixelSource &source, const pixelwick::KeyColours &keys,
                         pixelwick::HotSpot hotSpot)
{
    return pixelwick::cursorBytes(hotSpot, source, keys);
}

Run runProgram(const QString &program, const QStringList &arguments, const QString &folder, const QStringList &unset,
               const QHash<QString, QString> &set)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : unset)
        environment.remove(name);
    for (auto variable = set.cbegin(); variable != set.cend(); ++variable)
        environment.insert(variable.key(), variable.value());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString icotoolList(const QString &path)
{
    const QString icotool = QStandardPaths::findExecutable(QStringLiteral("icotool"));
    if (icotool.isEmpty())
        return QStringLiteral("error: icotool is not installed (./run test installs icoutils)");
    QProcess process;
    process.start(icotool, {QStringLiteral("-l"), path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("error: icotool failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString checkWithIcotool(const QString &path, int hotSpotX, int hotSpotY)
{
    const QString listing = icotoolList(path);
    if (listing.startsWith(QStringLiteral("error:")))
        return listing;
    const QStringList lines = listing.split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() != 1)
        return QStringLiteral("expected one image, icotool lists: ") + listing;
    const QStringList fields = lines.first().split(u' ', Qt::SkipEmptyParts);
    const QStringList expected = {
        QStringLiteral("--cursor"),
        QStringLiteral("--width=32"),
        QStringLiteral("--height=32"),
        QStringLiteral("--bit-depth=1"),
        QStringLiteral("--hotspot-x=%1").arg(hotSpotX),
        QStringLiteral("--hotspot-y=%1").arg(hotSpotY),
    };
    for (const QString &field : expected) {
        if (!fields.contains(field))
            return QStringLiteral("icotool lists \"%1\", missing %2").arg(listing, field);
    }
    return {};
}

} // namespace testing

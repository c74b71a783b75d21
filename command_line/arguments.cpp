// SPDX-License-Identifier: MIT
#include "arguments.h"

#include "messages.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Standard input is read whole into memory; the largest picture Pixelwick
// takes (4096 x 4096 at 32 bits) needs a quarter of this.
constexpr qint64 kLargestStandardInput = 256 * 1024 * 1024;

// Length of the well-formed UTF-8 sequence that `bytes` starts with, or 0.
int sequenceLength(QByteArrayView bytes)
{
    const auto at = [&](qsizetype i) { return i < bytes.size() ? quint8(bytes[i]) : quint8(0); };
    const auto follows = [&](qsizetype i, quint8 low = 0x80, quint8 high = 0xBF) {
        return at(i) >= low && at(i) <= high;
    };
    const quint8 lead = at(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return follows(1) ? 2 : 0;
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    if (lead >= 0xE0 && lead <= 0xEF)
        return follows(1, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF) && follows(2) ? 3 : 0;
    if (lead >= 0xF0 && lead <= 0xF4)
        return follows(1, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF) && follows(2) && follows(3) ? 4 : 0;
    return 0;
}

// Qt's own encoding on Unix is UTF-8; what is not UTF-8 is held byte by byte.
QString decodedKeepingBytes(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes.sliced(i));
        if (length == 0) {
            text += QChar(char16_t(kHeldByteBase + quint8(bytes[i])));
            ++i;
        } else {
            text += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        }
    }
    return text;
}

QString absolutePath(const QString &name)
{
    return QDir::cleanPath(QFileInfo(name).absoluteFilePath());
}

} // namespace

QStringList faithfulArguments(int argc, char **argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString decoded = QFile::decodeName(bytes);
        arguments += QFile::encodeName(decoded) == bytes ? decoded : decodedKeepingBytes(bytes);
    }
    return arguments;
}

bool opensAsNamed(const QString &name)
{
    return QFile::decodeName(QFile::encodeName(name)) == name;
}

bool namesStandardInput(const QString &name)
{
    if (name == QLatin1String("-"))
        return true;
    const QString path = absolutePath(name);
    const QString own = QString::number(QCoreApplication::applicationPid());
    return path == QLatin1String("/dev/stdin") || path == QLatin1String("/dev/fd/0")
           || path == QLatin1String("/proc/self/fd/0") || path == QLatin1String("/proc/thread-self/fd/0")
           || path == QStringLiteral("/proc/%1/fd/0").arg(own);
}

bool hasNoFolderForCursor(const QString &name)
{
    if (namesStandardInput(name))
        return true;
    // Every name right in /dev is a device or a link to one; the folders
    // of descriptors hold only links to open files.
    const QStringList parts = QFileInfo(absolutePath(name)).path().split(u'/');
    if (parts.size() < 2 || !parts[0].isEmpty())
        return false;
    if (parts[1] == QLatin1String("dev"))
        return parts.size() == 2 || (parts.size() == 3 && parts[2] == QLatin1String("fd"));
    if (parts[1] != QLatin1String("proc") || parts.size() < 4)
        return false;
    const auto isNumber = [](const QString &part) {
        return !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    const bool process =
        parts[2] == QLatin1String("self") || parts[2] == QLatin1String("thread-self") || isNumber(parts[2]);
    const bool task = parts.size() == 6 && parts[3] == QLatin1String("task") && isNumber(parts[4]);
    return process && (parts.size() == 4 || task) && parts.last() == QLatin1String("fd");
}

QString unopenableName()
{
    return CommandLine::tr("the name is not valid text in this system's encoding (UTF-8), so Pixelwick cannot "
                           "open the file by it; rename the file");
}

QString namesProblem(const QStringList &pictures, const QStringList &written, bool cursorsBeside)
{
    for (const QString &name : written) {
        if (!opensAsNamed(name))
            return CommandLine::tr("the file name %1 is not valid text in this system's encoding (UTF-8), so "
                                   "Pixelwick cannot write to it")
                .arg(quotedPath(name));
    }
    if (!cursorsBeside)
        return {};
    for (const QString &picture : pictures) {
        if (hasNoFolderForCursor(picture))
            return CommandLine::tr("%1 is standard input or an open file's name, which has no folder for the cursor "
                                   "to go beside it; name the cursor with -o FILE")
                .arg(quotedPath(picture));
    }
    return {};
}

std::optional<QByteArray> readStandardInput(QString &problem)
{
    QFile in;
    QByteArray bytes;
    qint64 size = 0;
    if (in.open(0, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
        for (;;) {
            // Room is doubled up to one byte past the limit, never beyond:
            // endless input costs no more than that.
            if (size == bytes.size()) {
                if (size > kLargestStandardInput) {
                    problem = CommandLine::tr("standard input holds more than %1 MB, more than any picture needs")
                                  .arg(kLargestStandardInput >> 20);
                    return std::nullopt;
                }
                const qint64 room = qMin(qMax(2 * size, qint64(1) << 16), kLargestStandardInput + 1);
                bytes.reserve(room);
                bytes.resize(room);
            }
            const qint64 read = in.read(bytes.data() + size, bytes.size() - size);
            if (read <= 0)
                break;
            size += read;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        problem = CommandLine::tr("reading standard input failed: %1").arg(in.errorString());
        return std::nullopt;
    }
    bytes.truncate(size);
    return bytes;
}

LoadedPicture loadArgument(const QString &name, const PictureRegion &region, const WhileReading &whileReading)
{
    if (!namesStandardInput(name))
        return loadPicture(name, whileReading, region);
    QString problem;
    const std::optional<QByteArray> bytes = readStandardInput(problem);
    return bytes ? loadPictureBytes(*bytes, name, {}, region) : LoadedPicture{{}, problem};
}

} // namespace pixelwick

// SPDX-License-Identifier: MIT
#include "guarded_reading.h"

#include "mask_encoder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QIODevice>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define PIXELWICK_GUARD_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define PIXELWICK_GUARD_SANITIZED 1
#endif
#endif

namespace pixelwick {

namespace {

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

// Every picture the program accepts is read in well under a second; the
// limit only stops readers that would never end. Sanitized builds run
// several times slower.
#if PIXELWICK_GUARD_SANITIZED
constexpr int kProcessorSeconds = 15;
#else
constexpr int kProcessorSeconds = 3;
#endif
// On a busy machine the child gets less than a whole processor.
constexpr qint64 kWallMilliseconds = qint64(kProcessorSeconds) * 4000;
constexpr int kPollMilliseconds = 50;
constexpr quint32 kMagic = 0x50574b31; // "PWK1"

// The part of the picture that is ever used, in the picture's own format,
// so that it draws exactly as the whole picture would.
QByteArray serialise(const LoadedPicture &result)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << kMagic << result.error;
    const QImage corner = result.image.isNull() ? QImage()
                                                : result.image.copy(0, 0, qMin(result.image.width(), kCursorSize),
                                                                    qMin(result.image.height(), kCursorSize));
    stream << !corner.isNull();
    if (corner.isNull())
        return bytes;
    stream << qint32(corner.format()) << qint32(corner.width()) << qint32(corner.height()) << corner.colorTable();
    const qsizetype rowBytes = qsizetype(corner.bytesPerLine());
    for (int y = 0; y < corner.height(); ++y)
        stream.writeRawData(reinterpret_cast<const char *>(corner.constScanLine(y)), int(rowBytes));
    return bytes;
}

bool deserialise(const QByteArray &bytes, LoadedPicture &result)
{
    QDataStream stream(bytes);
    quint32 magic = 0;
    bool hasImage = false;
    stream >> magic >> result.error >> hasImage;
    if (stream.status() != QDataStream::Ok || magic != kMagic)
        return false;
    if (!hasImage)
        return stream.atEnd();
    qint32 format = 0, width = 0, height = 0;
    QList<QRgb> colours;
    stream >> format >> width >> height >> colours;
    if (stream.status() != QDataStream::Ok || format <= QImage::Format_Invalid || format >= QImage::NImageFormats
        || width <= 0 || height <= 0 || width > kCursorSize || height > kCursorSize)
        return false;
    QImage image(width, height, QImage::Format(format));
    if (image.isNull())
        return false;
    image.setColorTable(colours);
    for (int y = 0; y < height; ++y) {
        if (stream.readRawData(reinterpret_cast<char *>(image.scanLine(y)), int(image.bytesPerLine()))
            != image.bytesPerLine())
            return false;
    }
    if (!stream.atEnd())
        return false;
    result.image = image;
    return true;
}

bool writeWhole(int descriptor, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

[[noreturn]] void runChild(const std::function<LoadedPicture()> &read, int output)
{
    // The parent's handlers (a batch's clean-up on Ctrl+C) are its own.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ})
        std::signal(signal, SIG_DFL);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const rlimit processor{rlim_t(kProcessorSeconds), rlim_t(kProcessorSeconds + 1)};
    ::setrlimit(RLIMIT_CPU, &processor);
    // A reader that is stopped leaves no core file behind.
    const rlimit core{0, 0};
    ::setrlimit(RLIMIT_CORE, &core);
    const bool sent = writeWhole(output, serialise(read()));
    // Nothing of the parent's (its buffered output, its windows) is the
    // child's to flush or close.
    ::_exit(sent ? 0 : 1);
}

QString tookTooLong(const QString &shown)
{
    return Picture::tr("The picture %1 could not be read: reading it took longer than %n seconds, so it was "
                       "stopped.",
                       nullptr, kProcessorSeconds)
        .arg(shown);
}

QString readerFailed(const QString &shown, const QString &why)
{
    return Picture::tr("The picture %1 is damaged or cannot be read (%2).").arg(shown, why);
}

} // namespace

LoadedPicture readGuarded(const std::function<LoadedPicture()> &read, const QString &shown,
                          const WhileReading &whileReading)
{
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return read();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return read();
    }
    if (child == 0) {
        ::close(channel[0]);
        runChild(read, channel[1]);
    }
    ::close(channel[1]);

    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    bool stopped = false;
    bool givenUp = false;
    for (;;) {
        pollfd ready{channel[0], POLLIN, 0};
        const int polled = ::poll(&ready, 1, kPollMilliseconds);
        if (polled < 0 && errno != EINTR)
            break;
        if (polled > 0) {
            char buffer[16384];
            const ssize_t count = ::read(channel[0], buffer, sizeof buffer);
            if (count == 0)
                break;
            if (count > 0)
                received.append(buffer, count);
            else if (errno != EINTR && errno != EAGAIN)
                break;
            continue;
        }
        givenUp = whileReading && !whileReading();
        if (givenUp || clock.elapsed() > kWallMilliseconds) {
            stopped = true;
            ::kill(child, SIGKILL);
            break;
        }
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }

    LoadedPicture result;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && !stopped && deserialise(received, result))
        return result;
    if (stopped && givenUp)
        return {{}, Picture::tr("Reading the picture %1 was given up.").arg(shown)};
    if (stopped || (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU))
        return {{}, tookTooLong(shown)};
    if (WIFSIGNALED(status))
        return {{},
                readerFailed(shown, Picture::tr("its reader stopped with the signal %1")
                                        .arg(QString::fromLocal8Bit(::strsignal(WTERMSIG(status)))))};
    return {{}, readerFailed(shown, Picture::tr("its reader gave no result"))};
}

} // namespace pixelwick

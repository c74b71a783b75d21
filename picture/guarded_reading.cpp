// SPDX-License-Identifier: MIT
#include "guarded_reading.h"

#include "mask_encoder.h"
#include "reader_answer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QIODevice>
#include <QtEndian>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <new>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "sanitizer_build.h"

namespace pixelwick {

namespace {

class Picture {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

// Every picture the program accepts is read in well under a second; the
// limit only stops readers that would never end. Sanitized builds run
// several times slower.
#if PIXELWICK_HAS_SANITIZER
constexpr int kProcessorSeconds = 15;
#else
constexpr int kProcessorSeconds = 3;
#endif
// On a busy machine the reader gets less than a whole processor.
constexpr qint64 kWallMilliseconds = qint64(kProcessorSeconds) * 4000;
constexpr int kPollMilliseconds = 50;
// A request's header holds two names; anything longer is not ours.
constexpr quint64 kLargestHeader = 1 << 20;
// The largest part asked for, in the deepest format, a colour table and a
// message; and the largest whole picture (at most 8 bytes a pixel for half
// as many pixels).
constexpr int kLargestPart = 256;
constexpr quint64 kLargestAnswer = quint64(kLargestPart) * kLargestPart * 16 + (1 << 20);
constexpr quint64 kLargestWholeAnswer = quint64(kMostPixelsWhole) * 4 + (1 << 20);
// A picture drawn from lines is drawn no larger than the whole largest
// cursor's eightfold.
constexpr int kLargestDrawnSide = 8 * kLargestCursorSize;

quint64 largestAnswer(const PictureRegion &region)
{
    return region.isWhole() || region.frames ? kLargestWholeAnswer : kLargestAnswer;
}

QByteArray lengthOf(qsizetype size)
{
    QByteArray length(8, '\0');
    qToLittleEndian(quint64(size), length.data());
    return length;
}

// Blocking, for the reader's side; the first byte carries `descriptor`
// along where one is given.
bool sendAll(int socket, QByteArrayView bytes, int descriptor = -1)
{
    if (descriptor >= 0 && !bytes.isEmpty()) {
        char control[CMSG_SPACE(sizeof(int))] = {};
        iovec first{const_cast<char *>(bytes.data()), 1};
        msghdr message{};
        message.msg_iov = &first;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr *carried = CMSG_FIRSTHDR(&message);
        carried->cmsg_level = SOL_SOCKET;
        carried->cmsg_type = SCM_RIGHTS;
        carried->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(carried), &descriptor, sizeof(int));
        ssize_t sent;
        while ((sent = ::sendmsg(socket, &message, MSG_NOSIGNAL)) < 0 && errno == EINTR) {
        }
        if (sent != 1)
            return false;
        bytes = bytes.sliced(1);
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t sent = ::send(socket, bytes.data() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        done += sent;
    }
    return true;
}

bool receiveAll(int socket, char *into, qsizetype size)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t received = ::recv(socket, into + done, size_t(size - done), 0);
        if (received < 0 && errno == EINTR)
            continue;
        if (received <= 0)
            return false;
        done += received;
    }
    return true;
}

bool receiveLength(int socket, quint64 &length)
{
    char bytes[8];
    if (!receiveAll(socket, bytes, sizeof bytes))
        return false;
    length = qFromLittleEndian<quint64>(bytes);
    return true;
}

// The processor time the reader has used so far, and a few seconds more.
void allowProcessorSeconds(int seconds)
{
    rusage used{};
    ::getrusage(RUSAGE_SELF, &used);
    const rlim_t spent = rlim_t(used.ru_utime.tv_sec + used.ru_stime.tv_sec + 1);
    rlimit processor{};
    ::getrlimit(RLIMIT_CPU, &processor);
    processor.rlim_cur = spent + rlim_t(seconds);
    if (processor.rlim_max != RLIM_INFINITY && processor.rlim_cur > processor.rlim_max)
        processor.rlim_cur = processor.rlim_max;
    ::setrlimit(RLIMIT_CPU, &processor);
}

// The decoder's answer. Memory that runs out (under a limit on address
// space) refuses the picture, not the reader.
ReaderAnswer answer(PictureDecoder decoder, const PictureRequest &request)
{
    try {
        return answerOf(decoder(request));
    } catch (const std::bad_alloc &) {
        return answerOf(
            {{}, Picture::tr("The picture %1 cannot be read: there is not enough memory for it.").arg(request.shown)});
    }
}

// The reader: takes a request, answers it, and waits for the next, until
// the program closes its end or goes away.
[[noreturn]] void serve(PictureDecoder decoder, int socket)
{
    // The program's handlers (a batch's clean-up on Ctrl+C) are its own.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ, SIGXCPU})
        std::signal(signal, SIG_DFL);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Told apart from the program in a list of processes.
    ::prctl(PR_SET_NAME, "pixelwick-read");
    // A reader that is stopped leaves no core file behind.
    const rlimit core{0, 0};
    ::setrlimit(RLIMIT_CORE, &core);
    // Nothing an image library or the reader itself prints may reach the
    // program's output (the cursor itself may be going there) or its
    // messages, and the reader holds none of the program's files or windows
    // open. A sanitizer's report is for the developer, and stays.
    if (const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC); nothing >= 0) {
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
#if !PIXELWICK_HAS_SANITIZER
        ::dup2(nothing, STDERR_FILENO);
#endif
    }
    if (socket != 3)
        socket = ::dup2(socket, 3);
    ::close_range(4, ~0U, 0);

    for (;;) {
        quint64 headerLength = 0;
        if (!receiveLength(socket, headerLength) || headerLength > kLargestHeader)
            ::_exit(0);
        QByteArray header(qsizetype(headerLength), Qt::Uninitialized);
        if (!receiveAll(socket, header.data(), header.size()))
            ::_exit(0);
        PictureRequest request;
        quint64 size = 0;
        QDataStream fields(header);
        qint32 side = 0, drawnSide = 0;
        QPoint from;
        bool frames = false;
        fields >> request.shown >> request.suffix >> from >> side >> drawnSide >> frames >> size;
        request.region = PictureRegion(qBound(0, side, kLargestPart));
        request.region.from = QPoint(qMax(0, from.x()), qMax(0, from.y()));
        request.region.drawnSide = qBound(0, drawnSide, kLargestDrawnSide);
        request.region.frames = frames;
        request.bytes = QByteArray(qsizetype(size), Qt::Uninitialized);
        if (!receiveAll(socket, request.bytes.data(), request.bytes.size()))
            ::_exit(0);
        allowProcessorSeconds(kProcessorSeconds);
        const ReaderAnswer reply = answer(decoder, request);
        const QByteArrayView rows = reply.rows();
        const bool sent = sendAll(socket, lengthOf(reply.fields.size() + rows.size()), reply.shared)
                          && sendAll(socket, reply.fields) && sendAll(socket, rows);
        if (reply.shared >= 0)
            ::close(reply.shared);
        if (!sent)
            ::_exit(0);
    }
}

class Reader {
public:
    ~Reader() { stop(false); }

    bool running() const { return m_pid > 0; }
    // Starts a reader; 0, else why it could not be started (an errno).
    int start(PictureDecoder decoder)
    {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return errno;
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid < 0) {
            const int error = errno;
            ::close(ends[0]);
            ::close(ends[1]);
            return error;
        }
        if (pid == 0) {
            ::close(ends[0]);
            serve(decoder, ends[1]);
        }
        ::close(ends[1]);
        m_pid = pid;
        m_socket = ends[0];
        m_decoder = decoder;
        return 0;
    }
    // Ends the reader, at once with `kill`, else when it has read its end
    // closed; returns how it ended.
    int stop(bool kill)
    {
        int status = 0;
        if (m_pid <= 0)
            return status;
        if (kill)
            ::kill(m_pid, SIGKILL);
        ::close(m_socket);
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        m_socket = -1;
        return status;
    }
    PictureDecoder decoder() const { return m_decoder; }
    int socket() const { return m_socket; }

private:
    pid_t m_pid = -1;
    int m_socket = -1;
    PictureDecoder m_decoder = nullptr;
};

Reader &reader()
{
    static Reader theReader;
    return theReader;
}

enum class Exchange { Answered, ReaderGone, OutOfTime, GivenUp };

// The time in which this process ran. A stretch of more than a moment
// between two looks at the clock is time in which it was stopped (Ctrl+Z,
// SIGSTOP) with its reader, which says nothing of the picture.
class RunningClock {
public:
    RunningClock() { m_clock.start(); }
    qint64 elapsed()
    {
        const qint64 now = m_clock.elapsed();
        m_running += qMin(now - m_last, kLongestStepMilliseconds);
        m_last = now;
        return m_running;
    }

private:
    static constexpr qint64 kLongestStepMilliseconds = 1000;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_running = 0;
};

// What `descriptor` holds when one was sent but this process had no room.
constexpr int kNoRoomForDescriptor = -2;

// The bytes of one receipt into `into`, and a descriptor that came with
// them into `descriptor` (the first only; any other is closed).
ssize_t receiveSome(int socket, char *into, size_t size, int &descriptor)
{
    char control[CMSG_SPACE(sizeof(int))] = {};
    iovec part{into, size};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t received = ::recvmsg(socket, &message, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
    for (cmsghdr *carried = received > 0 ? CMSG_FIRSTHDR(&message) : nullptr; carried;
         carried = CMSG_NXTHDR(&message, carried)) {
        if (carried->cmsg_level != SOL_SOCKET || carried->cmsg_type != SCM_RIGHTS)
            continue;
        int given = -1;
        std::memcpy(&given, CMSG_DATA(carried), sizeof given);
        if (descriptor < 0)
            descriptor = given;
        else
            ::close(given);
    }
    if (received > 0 && (message.msg_flags & MSG_CTRUNC) && descriptor < 0)
        descriptor = kNoRoomForDescriptor;
    return received;
}

// Sends the request and waits for the whole answer, and the descriptor of
// its rows if they are shared, giving up when the reader goes away, takes
// too long, or `whileReading` says so.
Exchange exchange(int socket, const QList<QByteArrayView> &request, quint64 mostBytes, QByteArray &answer, int &shared,
                  const WhileReading &whileReading)
{
    RunningClock clock;
    const auto waited = [&](short events) -> std::optional<Exchange> {
        pollfd ready{socket, events, 0};
        if (::poll(&ready, 1, kPollMilliseconds) > 0)
            return std::nullopt;
        if (whileReading && !whileReading())
            return Exchange::GivenUp;
        if (clock.elapsed() > kWallMilliseconds)
            return Exchange::OutOfTime;
        return std::nullopt;
    };
    for (const QByteArrayView part : request) {
        for (qsizetype done = 0; done < part.size();) {
            if (const std::optional<Exchange> stop = waited(POLLOUT))
                return *stop;
            const ssize_t sent =
                ::send(socket, part.data() + done, size_t(part.size() - done), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent > 0)
                done += sent;
            else if (sent < 0 && errno != EINTR && errno != EAGAIN)
                return Exchange::ReaderGone;
        }
    }
    // The answer's length first, then the answer, straight into its place.
    char length[8];
    qint64 filled = 0;
    answer.clear();
    for (qint64 expected = -1; expected < 0 || filled < expected;) {
        if (const std::optional<Exchange> stop = waited(POLLIN))
            return *stop;
        char *into = expected < 0 ? length + filled : answer.data() + filled;
        const qint64 wanted = expected < 0 ? qint64(sizeof length) - filled : expected - filled;
        const ssize_t received = receiveSome(socket, into, size_t(wanted), shared);
        if (received == 0)
            return Exchange::ReaderGone;
        if (received < 0 && errno != EINTR && errno != EAGAIN)
            return Exchange::ReaderGone;
        filled += qMax<ssize_t>(received, 0);
        if (expected < 0 && filled == qint64(sizeof length)) {
            const quint64 size = qFromLittleEndian<quint64>(length);
            if (size > mostBytes)
                return Exchange::ReaderGone;
            expected = qint64(size);
            answer.resize(expected);
            filled = 0;
        }
    }
    return Exchange::Answered;
}

QString readerFailed(const QString &shown, const QString &why)
{
    return Picture::tr("The picture %1 is damaged or cannot be read (%2).").arg(shown, why);
}

QString cannotStartReader(const QString &shown, int error)
{
    return Picture::tr("The picture %1 cannot be read: cannot start the picture reader: %2.")
        .arg(shown, QString::fromLocal8Bit(::strerror(error)));
}

QString tookTooLong(const QString &shown)
{
    return Picture::tr("The picture %1 could not be read: reading it took longer than %n seconds, so it was "
                       "stopped.",
                       nullptr, kProcessorSeconds)
        .arg(shown);
}

} // namespace

LoadedPicture readGuarded(PictureDecoder decoder, const PictureRequest &request, const WhileReading &whileReading)
{
    Reader &guard = reader();
    if (guard.running() && guard.decoder() != decoder)
        guard.stop(false);
    // Nothing is ever decoded without the reader's bounds, so a picture
    // that cannot have a reader is refused.
    if (!guard.running()) {
        if (const int error = guard.start(decoder); error != 0)
            return {{}, cannotStartReader(request.shown, error)};
    }

    QByteArray header;
    QDataStream fields(&header, QIODevice::WriteOnly);
    const PictureRegion &region = request.region;
    fields << request.shown << request.suffix << region.from << qint32(region.side) << qint32(region.drawnSide)
           << region.frames << quint64(request.bytes.size());
    const QByteArray headerLength = lengthOf(header.size());
    QByteArray answer;
    int shared = -1;
    const Exchange outcome = exchange(guard.socket(), {headerLength, header, request.bytes}, largestAnswer(region),
                                      answer, shared, whileReading);
    LoadedPicture result;
    // The rows came in a descriptor for which there was no room.
    if (outcome == Exchange::Answered && shared == kNoRoomForDescriptor)
        return {{}, Picture::tr("The picture %1 cannot be read: %2.").arg(request.shown, ::strerror(EMFILE))};
    if (outcome == Exchange::Answered && readAnswer(answer, shared, region, result))
        return result;
    if (outcome != Exchange::Answered && shared >= 0)
        ::close(shared);
    // A reader that broke off, or gave a garbled answer, is not asked again.
    const int status = guard.stop(outcome != Exchange::ReaderGone);
    switch (outcome) {
    case Exchange::GivenUp: return {{}, Picture::tr("Reading the picture %1 was given up.").arg(request.shown)};
    case Exchange::OutOfTime: return {{}, tookTooLong(request.shown)};
    case Exchange::Answered:
    case Exchange::ReaderGone: break;
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU)
        return {{}, tookTooLong(request.shown)};
    if (WIFSIGNALED(status))
        return {{},
                readerFailed(request.shown, Picture::tr("its reader stopped with the signal %1")
                                                .arg(QString::fromLocal8Bit(::strsignal(WTERMSIG(status)))))};
    return {{}, readerFailed(request.shown, Picture::tr("its reader gave no answer"))};
}

} // namespace pixelwick

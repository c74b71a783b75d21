// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>

#include <sys/mman.h>
#include <unistd.h>

#include "sanitizer_build.h"
#if PIXELWICK_HAS_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace pixelwick {

// Collects what Qt and the image libraries under it say while a picture is
// read, so that nothing reaches the terminal and a warning that tells of
// damage can become the reason for refusing the picture. Qt's messages come
// through its handler; libpng and libtiff write to standard error directly,
// so that is sent to a memory file for the time of the read.
class MessageCapture {
public:
    MessageCapture() : m_previous(qInstallMessageHandler(&MessageCapture::collect))
    {
        s_messages.clear();
        std::fflush(stderr);
        m_memory = ::memfd_create("pixelwick-messages", MFD_CLOEXEC);
        m_savedError = m_memory >= 0 ? ::dup(STDERR_FILENO) : -1;
        if (m_savedError >= 0 && ::dup2(m_memory, STDERR_FILENO) >= 0) {
            redirectSanitizerReports(m_savedError);
        } else {
            closeQuietly(m_savedError);
            closeQuietly(m_memory);
        }
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        if (m_savedError < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_savedError, STDERR_FILENO);
        redirectSanitizerReports(STDERR_FILENO);
        closeQuietly(m_savedError);
        closeQuietly(m_memory);
    }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    // The first message that says the picture's data is cut or corrupt.
    // "extraneous bytes before marker" is left out: the JPEG reader skips
    // such bytes and every pixel is still there.
    QString damage()
    {
        takeWrittenMessages();
        static const QStringList signs = {QStringLiteral("premature end"), QStringLiteral("corrupt"),
                                          QStringLiteral("truncated"), QStringLiteral("unexpected end"),
                                          QStringLiteral("read error")};
        for (const QString &message : std::as_const(s_messages)) {
            if (message.contains(QLatin1String("extraneous bytes"), Qt::CaseInsensitive))
                continue;
            for (const QString &sign : signs) {
                if (message.contains(sign, Qt::CaseInsensitive))
                    return message;
            }
        }
        return {};
    }
    // Everything said, for a refusal that has no better reason.
    QString all()
    {
        takeWrittenMessages();
        return s_messages.join(QStringLiteral("; "));
    }

private:
    static constexpr int kMostMessages = 20;

    static void collect(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        // A hostile file could make a library repeat itself without end.
        if (s_messages.size() < kMostMessages)
            s_messages.append(message.trimmed());
    }
    void takeWrittenMessages()
    {
        if (m_memory < 0)
            return;
        std::fflush(stderr);
        char buffer[4096];
        const ssize_t count = ::pread(m_memory, buffer, sizeof buffer, 0);
        if (count <= 0)
            return;
        ::ftruncate(m_memory, 0);
        ::lseek(m_memory, 0, SEEK_SET);
        const QStringList lines = QString::fromLocal8Bit(buffer, count).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &line : lines)
            collect(QtWarningMsg, QMessageLogContext(), line);
    }
    static void closeQuietly(int &descriptor)
    {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }
    // A sanitizer's report of a fault inside a reader must still be seen.
    static void redirectSanitizerReports([[maybe_unused]] int descriptor)
    {
#if PIXELWICK_HAS_SANITIZER
        __sanitizer_set_report_fd(reinterpret_cast<void *>(static_cast<intptr_t>(descriptor)));
#endif
    }

    static inline QStringList s_messages;
    QtMessageHandler m_previous;
    int m_memory = -1;
    int m_savedError = -1;
};

} // namespace pixelwick

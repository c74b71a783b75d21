// SPDX-License-Identifier: MIT
// An image reader for the tests that never finishes, or crashes, the way a
// real image library can on a hostile file, or takes its time over a good
// one. It claims only files that start with "PIXELWICK-STUCK",
// "PIXELWICK-CRASH" or "PIXELWICK-SLOW", so no real picture reaches it.
#include <QIODevice>
#include <QImage>
#include <QImageIOHandler>
#include <QImageIOPlugin>

#include <csignal>
#include <ctime>

namespace {

class StuckHandler : public QImageIOHandler {
public:
    bool canRead() const override { return device() && canReadFrom(device()); }
    bool read(QImage *image) override
    {
        const QByteArray start = device()->peek(15);
        // Killed by the fault as a library's bug would be, past the handler
        // a sanitizer puts there to report it.
        if (start == "PIXELWICK-CRASH") {
            std::signal(SIGSEGV, SIG_DFL);
            std::raise(SIGSEGV);
        }
        // A second of processor time, which a stopped reader does not
        // spend, then a black picture.
        if (start.startsWith("PIXELWICK-SLOW")) {
            while (std::clock() < kSlowClocks + m_startClock) {
            }
            *image = QImage(32, 32, QImage::Format_RGB32);
            image->fill(Qt::black);
            return true;
        }
        // Spins without end, as a decoder caught in a loop that its data
        // never lets it leave.
        volatile unsigned long long turns = 0;
        for (;;)
            turns = turns + 1;
        *image = QImage();
        return false;
    }
    static bool canReadFrom(QIODevice *device)
    {
        const QByteArray start = device->peek(15);
        return start == "PIXELWICK-STUCK" || start == "PIXELWICK-CRASH" || start.startsWith("PIXELWICK-SLOW");
    }

private:
    static constexpr std::clock_t kSlowClocks = CLOCKS_PER_SEC;
    const std::clock_t m_startClock = std::clock();
};

class StuckPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "stuck_reader.json")
public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override
    {
        if (format == "stuck")
            return CanRead;
        if (!format.isEmpty() || !device || !device->isReadable())
            return {};
        return StuckHandler::canReadFrom(device) ? CanRead : Capabilities();
    }
    QImageIOHandler *create(QIODevice *device, const QByteArray &format) const override
    {
        auto *handler = new StuckHandler;
        handler->setDevice(device);
        handler->setFormat(format.isEmpty() ? QByteArray("stuck") : format);
        return handler;
    }
};

} // namespace

#include "stuck_reader.moc"

// SPDX-License-Identifier: MIT
#include "staged_names.h"

#include <atomic>
#include <cstdint>
#include <ctime>
#include <memory>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pixelwick::staged_names {

namespace {

// A plain array of slots, for the handler: it reads only atomics and calls
// only unlinkat, openat, getdents64, close, sigaction and raise, all safe in
// a signal handler. A slot holds its folder's descriptor plus one and its
// tag in one word, the top bit set for a staged folder, so that the handler
// sees a whole entry or none; 0 is an empty slot. A grown array
// is published before the count that needs it, and older arrays are kept,
// so the handler never reads past the one it has.
using Slot = std::atomic<std::uint64_t>;
static_assert(Slot::is_always_lock_free);
constexpr std::uint64_t kFolderBit = std::uint64_t(1) << 63;
// Deeper than any folder Pixelwick writes; a folder nested further is left.
constexpr int kDeepestTree = 16;

// An entry as getdents64 gives it.
struct FolderEntry {
    std::uint64_t inode;
    std::int64_t offset;
    unsigned short length;
    unsigned char type;
    char name[1];
};

bool removeTreeAt(int folder, const char *name, int depth)
{
    if (::unlinkat(folder, name, 0) == 0 || errno == ENOENT)
        return true;
    if (errno != EISDIR || depth >= kDeepestTree)
        return false;
    const int inner = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (inner < 0)
        return false;
    // Entries removed while the folder is listed may hide others from the
    // listing, so it is listed again until nothing is left or nothing goes.
    bool removedAny = true;
    for (int pass = 0; pass < 8 && removedAny; ++pass) {
        removedAny = false;
        ::lseek(inner, 0, SEEK_SET);
        alignas(8) char buffer[1024];
        for (;;) {
            const long got = ::syscall(SYS_getdents64, inner, buffer, sizeof buffer);
            if (got <= 0)
                break;
            for (long at = 0; at < got;) {
                const auto *entry = reinterpret_cast<const FolderEntry *>(buffer + at);
                at += entry->length;
                const char *const entryName = entry->name;
                if (entryName[0] == '.' && (entryName[1] == 0 || (entryName[1] == '.' && entryName[2] == 0)))
                    continue;
                removedAny = removeTreeAt(inner, entryName, depth + 1) || removedAny;
            }
        }
    }
    ::close(inner);
    return ::unlinkat(folder, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
}

struct Registry {
    std::atomic<Slot *> slots{nullptr};
    std::atomic<std::size_t> used{0};
    std::size_t capacity = 0;
    std::size_t live = 0;
    std::vector<std::unique_ptr<Slot[]>> arrays;
};

Registry g_registry;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

sigset_t endingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kEndingSignals)
        sigaddset(&set, signal);
    return set;
}

extern "C" void removeStagedAndEnd(int signal)
{
    const std::size_t used = g_registry.used.load();
    Slot *const slots = g_registry.slots.load();
    for (std::size_t i = 0; slots && i < used; ++i) {
        const std::uint64_t entry = slots[i].load();
        const int folder = int((entry & ~kFolderBit) >> 32) - 1;
        if (entry & kFolderBit)
            removeTree(folder, nameOf(quint32(entry)).text);
        else if (entry)
            ::unlinkat(folder, nameOf(quint32(entry)).text, 0);
    }
    // Ended as the signal would have ended it, so that a shell or a parent
    // sees the usual status. The signal stays blocked until this returns.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

} // namespace

void guardSignals()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int signal : kEndingSignals) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO)
                || current.sa_handler != SIG_DFL)
                continue;
            struct sigaction handler {};
            handler.sa_handler = removeStagedAndEnd;
            // One handler at a time: a second signal waits and then ends it.
            handler.sa_mask = endingSignals();
            ::sigaction(signal, &handler, nullptr);
        }
        struct sigaction fileSize {};
        if (::sigaction(SIGXFSZ, nullptr, &fileSize) == 0 && !(fileSize.sa_flags & SA_SIGINFO)
            && fileSize.sa_handler == SIG_DFL) {
            fileSize.sa_handler = SIG_IGN;
            ::sigaction(SIGXFSZ, &fileSize, nullptr);
        }
    });
}

SignalsHeld::SignalsHeld()
{
    const sigset_t held = endingSignals();
    pthread_sigmask(SIG_BLOCK, &held, &m_previous);
}

SignalsHeld::~SignalsHeld()
{
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

Name nameOf(quint32 tag)
{
    // By hand rather than by snprintf, which a signal handler may not call.
    Name name{".pw00000000.tmp"};
    for (int digit = 7; digit >= 0; --digit, tag >>= 4)
        name.text[3 + digit] = "0123456789abcdef"[tag & 0xf];
    return name;
}

namespace {

qsizetype listed(std::uint64_t entry)
{
    const SignalsHeld held;
    Registry &r = g_registry;
    const std::size_t used = r.used.load();
    if (used == r.capacity) {
        const std::size_t capacity = r.capacity == 0 ? 64 : r.capacity * 2;
        auto grown = std::make_unique<Slot[]>(capacity);
        Slot *const old = r.slots.load();
        for (std::size_t i = 0; i < used; ++i)
            grown[i].store(old[i].load());
        r.slots.store(grown.get());
        r.arrays.push_back(std::move(grown));
        r.capacity = capacity;
    }
    r.slots.load()[used].store(entry);
    r.used.store(used + 1);
    ++r.live;
    return qsizetype(used);
}

} // namespace

qsizetype add(int folder, quint32 tag)
{
    return listed(std::uint64_t(std::uint32_t(folder) + 1) << 32 | tag);
}

qsizetype addFolder(int folder, quint32 tag)
{
    return listed(kFolderBit | std::uint64_t(std::uint32_t(folder) + 1) << 32 | tag);
}

bool removeTree(int folder, const char *name)
{
    const int saved = errno;
    const bool removed = removeTreeAt(folder, name, 0);
    errno = saved;
    return removed;
}

void remove(qsizetype slot)
{
    const SignalsHeld held;
    Registry &r = g_registry;
    if (slot < 0 || std::size_t(slot) >= r.used.load())
        return;
    if (r.slots.load()[slot].exchange(0) == 0)
        return;
    // With nothing listed, the slots are used again from the start, so a
    // window making cursors all day keeps a short list.
    if (--r.live == 0)
        r.used.store(0);
}

BrokenPipeHeld::BrokenPipeHeld()
{
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &m_previous);
    sigset_t pending;
    m_wasPending = sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
}

BrokenPipeHeld::~BrokenPipeHeld()
{
    sigset_t pending;
    if (!m_wasPending && sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1) {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        const timespec now{0, 0};
        sigtimedwait(&pipe, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

} // namespace pixelwick::staged_names

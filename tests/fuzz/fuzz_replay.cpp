// SPDX-License-Identifier: MIT
// Runs every file of the given folders (or the given files) through the same
// path as the fuzz target, so that the seed pictures and past findings are
// checked by every build, the sanitizer build included.
//     fuzz_replay FOLDER_OR_FILE...
#include "picture_fuzzing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include "sanitizer_build.h"

namespace {

using pixelwick::fuzzing::Outcome;

// The loader refuses pictures that would take more than about 100 MB, so no
// input may take the process past this; ./run fuzz uses the same limit.
constexpr long kMostMegabytes = 512;

// A guard against a file that hangs, not a measure of speed: the loader
// bounds every file to well under a second here, and the sanitizers slow
// it down several times.
#if PIXELWICK_HAS_SANITIZER
constexpr unsigned kMostSecondsPerFile = 40;
#else
constexpr unsigned kMostSecondsPerFile = 10;
#endif

// The file being run was named on standard output before it started.
void tookTooLong(int)
{
    static const char message[] = "\nfuzz_replay: the file above took longer than its time limit: it hangs\n";
    ssize_t ignored = ::write(STDERR_FILENO, message, sizeof message - 1);
    (void)ignored;
    ::_exit(1);
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The files to run for one argument; empty, with a message, when there are none.
QStringList filesFor(const QString &argument)
{
    const QFileInfo info(argument);
    if (info.isFile())
        return {info.filePath()};
    if (!info.isDir()) {
        std::fprintf(stderr, "fuzz_replay: %s is neither a file nor a folder\n", qPrintable(argument));
        return {};
    }
    const QDir folder(argument);
    QStringList files;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        files.append(folder.filePath(name));
    if (files.isEmpty())
        std::fprintf(stderr, "fuzz_replay: the folder %s holds no files\n", qPrintable(argument));
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_replay FOLDER_OR_FILE...\n");
        return 2;
    }
    pixelwick::fuzzing::startQt();
    std::signal(SIGALRM, tookTooLong);

    int ran = 0;
    int converted = 0;
    for (int i = 1; i < argc; ++i) {
        const QStringList files = filesFor(QFile::decodeName(argv[i]));
        if (files.isEmpty())
            return 1;
        for (const QString &path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "fuzz_replay: cannot read %s: %s\n", qPrintable(path),
                             qPrintable(file.errorString()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            // Named before it runs, so that a crash shows which file did it.
            std::printf("%s as \"%s\": ", qPrintable(path), qPrintable(pixelwick::fuzzing::nameFor(bytes)));
            std::fflush(stdout);
            // Twice, with new memory filled with different bytes each time
            // (glibc only; the sanitizers fill it their own way): a cursor
            // that comes out different took pixels the file never set.
            const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
            QByteArray first;
            QByteArray second;
            // Both runs within the limit, each.
            ::alarm(kMostSecondsPerFile);
            mallopt(M_PERTURB, 0x0f);
            const Outcome outcome = pixelwick::fuzzing::convertPictureBytes(data, std::size_t(bytes.size()), &first);
            ::alarm(kMostSecondsPerFile);
            mallopt(M_PERTURB, 0xf0);
            const Outcome again = pixelwick::fuzzing::convertPictureBytes(data, std::size_t(bytes.size()), &second);
            mallopt(M_PERTURB, 0);
            ::alarm(0);
            std::printf("%s\n", outcome == Outcome::Converted ? "converted" : "refused");
            std::fflush(stdout);
            if (again != outcome || first != second) {
                std::fprintf(stderr,
                             "fuzz_replay: %s gives a different cursor each time: some of its pixels "
                             "are not read from the file\n",
                             qPrintable(path));
                return 1;
            }
            // The peak only grows, so the first file past the limit is the one.
            if (const long peak = peakMegabytes(); peak > kMostMegabytes) {
                std::fprintf(stderr, "fuzz_replay: %s took the process to %ld MB, more than %ld MB\n", qPrintable(path),
                             peak, kMostMegabytes);
                return 1;
            }
            ++ran;
            if (outcome == Outcome::Converted)
                ++converted;
        }
    }
    std::printf("fuzz_replay: ran %d files, %d converted, %d refused, peak memory %ld MB\n", ran, converted,
                ran - converted, peakMegabytes());
    return 0;
}

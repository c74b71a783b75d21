// SPDX-License-Identifier: MIT
// Runs the real pixelwick-convert with names given byte for byte, as a shell
// gives them, and with standard input and output that the test makes.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const QByteArray kConvert = PIXELWICK_CONVERT;
const QByteArray kUnopenable = "the name is not valid text in this system's encoding (UTF-8)";

// How a process ended, and what it wrote.
struct Ended {
    bool exited = false; // by itself, with `code`; else killed by `signal`
    int code = -1;
    int signal = 0;
    QByteArray out;
    QByteArray err;
};

enum class Input { File, Pipe };
enum class Output { Captured, ClosedPipe };

struct Launch {
    QByteArrayList arguments;
    QByteArray folder;
    QByteArray input;
    Input inputKind = Input::File;
    Output output = Output::Captured;
    bool ignorePipeSignal = false;
};

QByteArray fileBytes(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// fork and exec, because QProcess would pass the arguments through QString
// and so lose exactly the bytes under test.
Ended launch(const Launch &how)
{
    QTemporaryDir scratch;
    const QByteArray base = QFile::encodeName(scratch.path());
    const QByteArray inPath = base + "/in", outPath = base + "/out", errPath = base + "/err";
    QFile in(QFile::decodeName(inPath));
    if (!in.open(QIODevice::WriteOnly) || in.write(how.input) != how.input.size())
        return {};
    in.close();
    int inputPipe[2] = {-1, -1}, outputPipe[2] = {-1, -1};
    // The input is small enough to wait in the pipe before the reader starts.
    if (how.inputKind == Input::Pipe
        && (pipe(inputPipe) != 0 || write(inputPipe[1], how.input.constData(), size_t(how.input.size())) < 0))
        return {};
    if (inputPipe[1] >= 0)
        close(inputPipe[1]);
    // Closed before the program starts: nothing will ever read what it writes.
    if (how.output == Output::ClosedPipe) {
        if (pipe(outputPipe) != 0)
            return {};
        close(outputPipe[0]);
    }
    QList<QByteArray> arguments{kConvert};
    arguments += how.arguments;
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int input = inputPipe[0] >= 0 ? inputPipe[0] : open(inPath.constData(), O_RDONLY);
        const int output = outputPipe[1] >= 0 ? outputPipe[1] : open(outPath.constData(), O_WRONLY | O_CREAT, 0600);
        const int error = open(errPath.constData(), O_WRONLY | O_CREAT, 0600);
        if (chdir(how.folder.constData()) != 0 || dup2(input, 0) < 0 || dup2(output, 1) < 0 || dup2(error, 2) < 0)
            _exit(127);
        signal(SIGPIPE, how.ignorePipeSignal ? SIG_IGN : SIG_DFL);
        execv(argv[0], argv.data());
        _exit(127);
    }
    for (int fd : {inputPipe[0], outputPipe[1]})
        if (fd >= 0)
            close(fd);
    if (child < 0)
        return {};
    int status = 0;
    // A guard against a hang only, far beyond any run's time.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Ended ended;
    ended.exited = WIFEXITED(status);
    ended.code = ended.exited ? WEXITSTATUS(status) : -1;
    ended.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    ended.out = fileBytes(outPath);
    ended.err = fileBytes(errPath);
    return ended;
}

// The names in `folder` as bytes: QDir would decode them lossily too.
QByteArrayList rawListing(const QByteArray &folder)
{
    QByteArrayList names;
    if (DIR *dir = opendir(folder.constData())) {
        while (const dirent *entry = readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names += name;
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QImage picture()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 32; ++y)
        image.setPixelColor(y, y, Qt::black);
    return image;
}

// Written under a plain name, then given its name byte for byte.
bool savePicture(const QByteArray &folder, const QByteArray &name)
{
    const QByteArray plain = folder + "/plain-picture.png";
    return picture().save(QFile::decodeName(plain), "PNG")
           && rename(plain.constData(), (folder + '/' + name).constData()) == 0;
}

QByteArray folderOf(const QTemporaryDir &dir)
{
    return QFile::encodeName(dir.path());
}

Ended convert(const QTemporaryDir &dir, const QByteArrayList &arguments)
{
    Launch how;
    how.arguments = arguments;
    how.folder = folderOf(dir);
    return launch(how);
}

// No control character at all but the line ends, which are lines' own.
bool noRawControls(const QByteArray &text)
{
    const QString decoded = QString::fromUtf8(text);
    return std::none_of(decoded.cbegin(), decoded.cend(), [](QChar c) {
        return c != u'\n' && (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F));
    });
}

} // namespace

class NamesTest : public QObject {
    Q_OBJECT

private slots:
    void undecodableNames_data();
    void undecodableNames();
    void undecodableOutputNames_data();
    void undecodableOutputNames();
    void controlCharacters_data();
    void controlCharacters();
    void standardInput_data();
    void standardInput();
    void closedStandardOutput_data();
    void closedStandardOutput();
};

void NamesTest::undecodableNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("shown");
    QTest::addColumn<QByteArray>("existing"); // a picture made before the run, if any
    // U+FFFD, which Qt's own decoding makes of the byte 0xff.
    QTest::newRow("missing, with a look-alike twin")
        << QByteArray("dec\xff.png") << QByteArray("dec\\xff.png") << QByteArray("dec\xef\xbf\xbd.png");
    QTest::newRow("a real file of that name")
        << QByteArray("real\xfe.png") << QByteArray("real\\xfe.png") << QByteArray("real\xfe.png");
    QTest::newRow("overlong slash, real file") << QByteArray("a\xc0\xaf"
                                                             "b.png")
                                               << QByteArray("a\\xc0\\xafb.png")
                                               << QByteArray("a\xc0\xaf"
                                                             "b.png");
    QTest::newRow("cut-off character, twin")
        << QByteArray("cut\xe2\x82.png") << QByteArray("cut\\xe2\\x82.png") << QByteArray("cut\xef\xbf\xbd.png");
}

// Refused by the name's own bytes, never matched to a look-alike, and the
// other pictures of the run are still converted.
void NamesTest::undecodableNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, shown);
    QFETCH(QByteArray, existing);
    QTemporaryDir dir;
    const QByteArray folder = folderOf(dir);
    QVERIFY(savePicture(folder, existing));
    QVERIFY(savePicture(folder, "ok.png"));
    QByteArrayList expected = rawListing(folder) << "ok.cur";
    std::sort(expected.begin(), expected.end());

    const Ended run = convert(dir, {name, "ok.png"});
    QVERIFY(run.exited);
    QCOMPARE(run.code, 1);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.startsWith("pixelwick-convert: " + shown + ": " + kUnopenable), run.err.constData());
    QCOMPARE(rawListing(folder), expected);
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("ok.cur"))).size(), 326);
}

void NamesTest::undecodableOutputNames_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("-o") << QByteArrayList{"-o", "x\xff.cur", "p.png"} << QByteArray("\xe2\x80\x9cx\\xff.cur");
    QTest::newRow("--output=") << QByteArrayList{"--output=x\xff.cur", "p.png"} << QByteArray("\xe2\x80\x9cx\\xff.cur");
    QTest::newRow("--preview") << QByteArrayList{"--preview", "l\xff.png", "p.png"}
                               << QByteArray("\xe2\x80\x9cl\\xff.png");
}

// A file to be written with a name Qt cannot hold is a bad option: nothing
// at all is written, under that name or a look-alike.
void NamesTest::undecodableOutputNames()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, shown);
    QTemporaryDir dir;
    const QByteArray folder = folderOf(dir);
    QVERIFY(savePicture(folder, "p.png"));
    const Ended run = convert(dir, arguments);
    QVERIFY(run.exited);
    QCOMPARE(run.code, 2);
    QVERIFY2(run.err.contains(shown) && run.err.contains("Usage: "), run.err.constData());
    QCOMPARE(rawListing(folder), QByteArrayList{"p.png"});
}

void NamesTest::controlCharacters_data()
{
    QTest::addColumn<QByteArray>("stem");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("ESC") << QByteArray("a\x1b[2Jb") << QByteArray("a\\x1b[2Jb");
    QTest::newRow("CR") << QByteArray("over\rwritten") << QByteArray("over\\rwritten");
    QTest::newRow("newline") << QByteArray("two\nlines") << QByteArray("two\\nlines");
    QTest::newRow("DEL") << QByteArray("del\x7f") << QByteArray("del\\x7f");
    QTest::newRow("tab and bell") << QByteArray("t\tb\a") << QByteArray("t\\tb\\a");
    QTest::newRow("C1 control") << QByteArray("c1\xc2\x9b"
                                              "31m")
                                << QByteArray("c1\\u009b31m");
    QTest::newRow("right-to-left override") << QByteArray("evil\xe2\x80\xaegnp") << QByteArray("evil\\u202egnp");
    QTest::newRow("backslash") << QByteArray("back\\x1b") << QByteArray("back\\\\x1b");
    QTest::newRow("ESC and a stray byte") << QByteArray("\x1b\xff") << QByteArray("\\x1b\\xff");
}

// Every message naming such a file names it escaped: a missing picture, a
// cursor that cannot be written, the looks' first line.
void NamesTest::controlCharacters()
{
    QFETCH(QByteArray, stem);
    QFETCH(QByteArray, shown);
    QTemporaryDir dir;
    const QByteArray folder = folderOf(dir);
    const QByteArray name = stem + ".png";

    const Ended missing = convert(dir, {name});
    QVERIFY(missing.exited);
    QCOMPARE(missing.code, 1);
    QVERIFY2(noRawControls(missing.err), missing.err.constData());
    if (!shown.contains("\\xff")) {
        const QByteArray line = "pixelwick-convert: " + shown + ".png: The picture \xe2\x80\x9c" + shown
                                + ".png\xe2\x80\x9d does not exist.\n";
        QCOMPARE(missing.err, line);
        QVERIFY(savePicture(folder, name));
        QVERIFY(QDir(dir.path()).mkdir(QString::fromUtf8(stem + ".cur")));
        const Ended blocked = convert(dir, {name});
        QVERIFY(blocked.exited);
        QCOMPARE(blocked.code, 1);
        QCOMPARE(blocked.err.count('\n'), 1);
        QVERIFY2(noRawControls(blocked.err), blocked.err.constData());
        QVERIFY2(blocked.err.contains("\xe2\x80\x9c" + shown + ".cur\xe2\x80\x9d"), blocked.err.constData());

        const Ended shownLooks = convert(dir, {"--show", name});
        QVERIFY(shownLooks.exited);
        QCOMPARE(shownLooks.code, 0);
        QCOMPARE(shownLooks.err, QByteArray());
        QVERIFY2(shownLooks.out.startsWith(shown + ".png: 32 x 32 cursor, hot spot 15, 15\n"),
                 shownLooks.out.constData());
        QCOMPARE(shownLooks.out.count('\n'), 33);
    } else {
        QVERIFY2(missing.err.startsWith("pixelwick-convert: " + shown + ".png: " + kUnopenable),
                 missing.err.constData());
    }
}

void NamesTest::standardInput_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<Input>("input");
    QTest::newRow("-, file") << QByteArray("-") << Input::File;
    QTest::newRow("-, pipe") << QByteArray("-") << Input::Pipe;
    QTest::newRow("/dev/stdin, file") << QByteArray("/dev/stdin") << Input::File;
    QTest::newRow("/dev/stdin, pipe") << QByteArray("/dev/stdin") << Input::Pipe;
    QTest::newRow("/dev/fd/0") << QByteArray("/dev/fd/0") << Input::Pipe;
    QTest::newRow("/proc/self/fd/0") << QByteArray("/proc/self/fd/0") << Input::File;
}

// Standard input has no folder for a cursor beside it: without -o it is a
// bad option; with -o it gives the cursor the picture itself gives, and
// --show reads it as any file.
void NamesTest::standardInput()
{
    QFETCH(QByteArray, name);
    QFETCH(Input, input);
    QTemporaryDir dir;
    const QByteArray folder = folderOf(dir);
    QVERIFY(savePicture(folder, "p.png"));
    QCOMPARE(convert(dir, {"-o", "reference.cur", "p.png"}).code, 0);
    const QByteArray reference = fileBytes(folder + "/reference.cur");
    QCOMPARE(reference.size(), 326);
    Launch how;
    how.folder = folder;
    how.input = fileBytes(folder + "/p.png");
    how.inputKind = input;

    how.arguments = {name};
    const Ended beside = launch(how);
    QVERIFY(beside.exited);
    QCOMPARE(beside.code, 2);
    QVERIFY2(beside.err.startsWith("pixelwick-convert: \xe2\x80\x9c" + name + "\xe2\x80\x9d is standard input"),
             beside.err.constData());
    QCOMPARE(rawListing(folder), QByteArrayList({"p.png", "reference.cur"}));

    how.arguments = {"-o", "out.cur", name};
    const Ended named = launch(how);
    QVERIFY(named.exited);
    QCOMPARE(named.err, QByteArray());
    QCOMPARE(named.code, 0);
    QCOMPARE(fileBytes(folder + "/out.cur"), reference);

    how.input = reference;
    how.arguments = {"--show", name};
    const Ended looks = launch(how);
    QVERIFY(looks.exited);
    QCOMPARE(looks.code, 0);
    QVERIFY2(looks.out.startsWith(name + ": 32 x 32 cursor, hot spot 15, 15\n#"), looks.out.constData());
}

void NamesTest::closedStandardOutput_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<bool>("ignored");
    const QByteArrayList show{"--show", "p.png"};
    const QByteArrayList batch{"--show", "p.png", "p.cur", "p.png"};
    const QByteArrayList cursor{"-o", "-", "p.png"};
    QTest::newRow("--show, SIGPIPE ignored") << show << true;
    QTest::newRow("--show of three, SIGPIPE ignored") << batch << true;
    QTest::newRow("-o -, SIGPIPE ignored") << cursor << true;
    QTest::newRow("--show, SIGPIPE as usual") << show << false;
    QTest::newRow("-o -, SIGPIPE as usual") << cursor << false;
}

// With SIGPIPE ignored the write fails with EPIPE: one line, exit 1. As
// usual, SIGPIPE ends the program quietly as it ends any other.
void NamesTest::closedStandardOutput()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(bool, ignored);
    QTemporaryDir dir;
    const QByteArray folder = folderOf(dir);
    QVERIFY(savePicture(folder, "p.png"));
    QCOMPARE(convert(dir, {"p.png"}).code, 0);
    Launch how;
    how.folder = folder;
    how.arguments = arguments;
    how.output = Output::ClosedPipe;
    how.ignorePipeSignal = ignored;
    const Ended run = launch(how);
    if (ignored) {
        QVERIFY(run.exited);
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.startsWith("pixelwick-convert: p.png: writing to standard output failed: "),
                 run.err.constData());
    } else {
        QVERIFY(!run.exited);
        QCOMPARE(run.signal, SIGPIPE);
        QCOMPARE(run.err, QByteArray());
    }
    QCOMPARE(rawListing(folder), QByteArrayList({"p.cur", "p.png"}));
}

QTEST_GUILESS_MAIN(NamesTest)
#include "test_names.moc"

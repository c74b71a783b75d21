// SPDX-License-Identifier: MIT
// pixelwick-convert: makes each picture's cursor beside it, byte for byte as
// the window's Make CUR does with the window's defaults, for scripts and
// batches. Needs no display.
#include "arguments.h"
#include "cursor_file.h"
#include "cursor_looks.h"
#include "cursor_reader.h"
#include "file_placing.h"
#include "hot_spot.h"
#include "language.h"
#include "make_cursor.h"
#include "mask_encoder.h"
#include "messages.h"
#include "picture_loading.h"
#include "pixelwick_version.h"
#include "staged_names.h"

#include <QBuffer>
#include <QColor>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <csignal>

#include <poll.h>
#include <unistd.h>

using namespace pixelwick;

namespace {

enum ExitCode { kAllConverted = 0, kSomeFailed = 1, kBadOptions = 2 };

constexpr char kProgram[] = "pixelwick-convert";
const QString kStandardOutput = QStringLiteral("-");
// A 256 x 256 monochrome cursor takes 16 454 bytes; a larger file is no
// cursor worth reading whole.
constexpr qint64 kLargestCursorFileSize = 64 * 1024;
// Set once writing to standard output failed: the rest would fail too, and
// one line says so.
bool standardOutputLost = false;

// One line per problem, so that a script can count and search them.
void complain(QString text)
{
    text.replace(u'\n', u' ');
    // Names are escaped where they are put in; this also catches what comes
    // from Qt or the system with a piece of the command line in it.
    text = withoutControls(text);
    std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(text));
}

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// "PICTURE: what is wrong", the line a script finds a failed picture by.
QString pictureProblem(const QString &picture, const QString &problem)
{
    return CommandLine::tr("%1: %2").arg(shownName(picture), problem);
}

struct Options {
    QString hotSpotXText;
    QString hotSpotYText;
    HotSpot hotSpot;
    KeyColours keys{};
    QString output;    // empty: beside each picture; "-": standard output
    bool show = false; // print each file's looks instead of writing
    QString preview;   // where to write the looks as a PNG, if anywhere
    QStringList pictures;
    ProtectedFiles protectedPictures; // every one of them, from every file written
};

// The hot spot is read as Make CUR reads its fields, and worded the same.
QString hotSpotProblem(const QString &text, char axis, std::int16_t &value)
{
    return readHotSpotField(text, axis, value).message;
}

// "#" and six hexadecimal digits; QColor alone would take #RGB and more.
bool isSixDigitHex(const QString &text)
{
    if (text.size() != 7 || !text.startsWith(u'#'))
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!isxdigit(text[i].unicode()) || text[i].unicode() > 0x7F)
            return false;
    }
    return true;
}

enum class KeyColour { Background, Invert };

QString colourProblem(const QString &text, KeyColour which, ColourValue &value)
{
    const bool wellFormed = text.startsWith(u'#') ? isSixDigitHex(text) : QColor::isValidColorName(text);
    const QColor colour = wellFormed ? QColor::fromString(text) : QColor();
    if (!colour.isValid())
        return (which == KeyColour::Background
                    ? CommandLine::tr("the background colour \"%1\" is neither #RRGGBB nor a colour name such as white")
                    : CommandLine::tr("the invert colour \"%1\" is neither #RRGGBB nor a colour name such as white"))
            .arg(text);
    // "transparent" is a name QColor knows, but as a key it would quietly
    // mean black: the composed preview has no transparent pixels.
    if (colour.alpha() != 255)
        return (which == KeyColour::Background
                    ? CommandLine::tr("the background colour \"%1\" is transparent; give an opaque colour")
                    : CommandLine::tr("the invert colour \"%1\" is transparent; give an opaque colour"))
            .arg(text);
    value = colourValueOf(colour);
    return {};
}

// Everything is checked before the first picture, so that a mistyped option
// converts nothing rather than a batch with the wrong settings.
QString optionsProblem(const QCommandLineParser &parser, const QCommandLineOption &hotSpotX,
                       const QCommandLineOption &hotSpotY, const QCommandLineOption &background,
                       const QCommandLineOption &invert, const QCommandLineOption &output,
                       const QCommandLineOption &show, const QCommandLineOption &preview, Options &options)
{
    options.hotSpotXText = parser.value(hotSpotX);
    options.hotSpotYText = parser.value(hotSpotY);
    options.output = parser.value(output);
    options.pictures = parser.positionalArguments();
    options.show = parser.isSet(show);
    options.preview = parser.value(preview);
    QString problem = hotSpotProblem(options.hotSpotXText, 'x', options.hotSpot.x);
    if (problem.isEmpty())
        problem = hotSpotProblem(options.hotSpotYText, 'y', options.hotSpot.y);
    if (problem.isEmpty())
        problem = colourProblem(parser.value(background), KeyColour::Background, options.keys.background);
    if (problem.isEmpty())
        problem = colourProblem(parser.value(invert), KeyColour::Invert, options.keys.invert);
    if (!problem.isEmpty())
        return problem;
    // makeCursor reads an empty output name as "beside the picture".
    if (parser.isSet(output) && options.output.isEmpty())
        return CommandLine::tr("the output file name is empty");
    if (parser.isSet(preview) && options.preview.isEmpty())
        return CommandLine::tr("the preview file name is empty");
    if (parser.isSet(preview) && options.pictures.size() > 1)
        return CommandLine::tr("--preview shows one cursor, but %n pictures were given", nullptr,
                               int(options.pictures.size()));
    if (parser.isSet(output) && options.show)
        return CommandLine::tr("--show writes no cursor, so --output has nothing to do");
    if (parser.isSet(output) && options.pictures.size() > 1)
        return CommandLine::tr("--output names one cursor file, but %n pictures were given", nullptr,
                               int(options.pictures.size()));
    return {};
}

// Why `placed` failed, in words.
QString placingProblem(const Placed &placed)
{
    return placed.outcome == Placed::Outcome::ReplacesPicture ? describe(Reason::IsAPicture, placed.picture)
                                                              : placed.reason;
}

// A reader of standard output that has gone ends the converter by SIGPIPE,
// as it would any tool, unless SIGPIPE is ignored; the write itself holds
// the signal back, so that the window is never ended by it.
void endByBrokenPipeAsUsual()
{
    struct sigaction current {};
    if (::sigaction(SIGPIPE, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
        return;
    pollfd output{STDOUT_FILENO, POLLOUT, 0};
    if (::poll(&output, 1, 0) == 1 && (output.revents & POLLERR))
        ::raise(SIGPIPE);
}

bool writeToStandardOutput(const QString &picture, const Options &options, const PixelSource &source)
{
    // The whole cursor first, so that a failure sends nothing half-made.
    const QByteArray bytes = cursorBytes(options.hotSpot, source, options.keys);
    if (bytes.size() != kCursorFileSize) {
        complain(CommandLine::tr("%1: the cursor could not be encoded").arg(shownName(picture)));
        return false;
    }
    const Placed placed = placeIntoDescriptor(STDOUT_FILENO, bytes, {&options.protectedPictures});
    if (!placed.ok()) {
        endByBrokenPipeAsUsual();
        complain(CommandLine::tr("%1: writing to standard output failed: %2")
                     .arg(shownName(picture), placingProblem(placed)));
        standardOutputLost = true;
        return false;
    }
    return true;
}

// The looks go out picture by picture, so that a reader that has gone is
// noticed at once and named once.
bool writeLooks(const QString &file, const QByteArray &text)
{
    errno = 0;
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size())
        && std::fflush(stdout) == 0)
        return true;
    const QString why = QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
    complain(CommandLine::tr("%1: writing to standard output failed: %2").arg(shownName(file), why));
    standardOutputLost = true;
    return false;
}

// The cursor Make CUR would make of `source`, read back for its looks.
std::optional<CursorImage> looksOf(const PixelSource &source, const Options &options)
{
    return readCursor(cursorBytes(options.hotSpot, source, options.keys)).cursor;
}

// The PNG is made whole in memory, where the image libraries have nothing
// to complain of, and then placed as a cursor would be.
bool writePreview(const QString &picture, const CursorImage &cursor, const Options &options)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, "png");
    QString problem;
    // The looks --show printed come first when both go to standard output.
    std::fflush(stdout);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(renderLooks(cursor)))
        problem = writer.errorString();
    else if (const Placed placed = placeFile(options.preview, bytes, {&options.protectedPictures}); !placed.ok())
        problem = placingProblem(placed);
    if (problem.isEmpty())
        return true;
    complain(pictureProblem(
        picture, CommandLine::tr("cannot write the preview %1: %2").arg(quotedPath(options.preview), problem)));
    return false;
}

// A file that is a monochrome cursor is read as one; any other is taken as
// a picture and made into a cursor in memory. Nothing is written but the
// looks, to standard output.
bool show(const QString &file, const Options &options)
{
    std::optional<CursorImage> cursor;
    std::optional<QByteArray> input;
    QFile opened(file);
    if (namesStandardInput(file)) {
        QString problem;
        if (!(input = readStandardInput(problem))) {
            complain(pictureProblem(file, problem));
            return false;
        }
        if (input->size() <= kLargestCursorFileSize)
            cursor = readCursor(*input).cursor;
    } else if (QFileInfo(file).isFile() && QFileInfo(file).size() <= kLargestCursorFileSize
               && opened.open(QIODevice::ReadOnly)) {
        // A cursor file is small; anything larger is a picture, if anything.
        cursor = readCursor(opened.readAll()).cursor;
    }
    if (!cursor) {
        const LoadedPicture loaded = input ? loadPictureData(*input, file) : loadPicture(file);
        if (!loaded.ok()) {
            complain(pictureProblem(file, loaded.error));
            return false;
        }
        cursor = looksOf(ImagePixelSource(composePreview(loaded.image, Qt::white, colourOf(options.keys.background))),
                         options);
    }
    if (!cursor) {
        complain(pictureProblem(file, CommandLine::tr("the cursor could not be encoded")));
        return false;
    }
    if (!writeLooks(file, looksAsText(*cursor, shownName(file)).toUtf8()))
        return false;
    return options.preview.isEmpty() || writePreview(file, *cursor, options);
}

// `batch` is null for a single picture, which is saved as the window saves.
bool convert(const QString &picture, const Options &options, CursorBatch *batch)
{
    if (options.show)
        return show(picture, options);
    const LoadedPicture loaded = loadArgument(picture);
    if (!loaded.ok()) {
        complain(pictureProblem(picture, loaded.error));
        return false;
    }
    // Over white, as the window's preview shows the picture on the usual
    // colour scheme; that is what its Make CUR encodes.
    const ImagePixelSource source(composePreview(loaded.image, Qt::white, colourOf(options.keys.background)));
    if (!options.preview.isEmpty()) {
        const std::optional<CursorImage> cursor = looksOf(source, options);
        if (!cursor || !writePreview(picture, *cursor, options))
            return false;
    }
    if (options.output == kStandardOutput)
        return writeToStandardOutput(picture, options, source);
    const MakeCursorResult result = makeCursor(picture, options.hotSpotXText, options.hotSpotYText, source,
                                               options.keys, options.output, batch, &options.protectedPictures);
    if (!result.ok()) {
        complain(pictureProblem(picture, result.message));
        return false;
    }
    return true;
}

// Each problem gets exactly one line of ours; what Qt says on the way
// (about a picture's colour profile, say) is not for the user of a script.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(message));
}

} // namespace

// Drawing the looks needs fonts, and so a GUI application; it never shows
// a window, so it needs no display either.
std::unique_ptr<QCoreApplication> application(int &argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--preview", 9) == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quiet);
    const std::unique_ptr<QCoreApplication> app = application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kProgram));
    QCoreApplication::setApplicationVersion(QLatin1String(kVersion));
    installTranslations();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Makes a 32 x 32 monochrome cursor of each picture's top-left corner and writes it beside the\n"
                        "picture (arrow.png gives arrow.cur), as Pixelwick's Make CUR does. Pixels of the background\n"
                        "colour become transparent, of the invert colour screen-inverting; other colours become white\n"
                        "or black by brightness. White and black pixels stay, except that a white key colour makes\n"
                        "them invert and a black one transparent. Exit code 0: all converted, 1: some failed,\n"
                        "2: bad options."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QString defaultHotSpot = defaultHotSpotText();
    const QString defaultBackground = colourOf(kDefaultKeyColours.background).name();
    const QString defaultInvert = colourOf(kDefaultKeyColours.invert).name();
    const QCommandLineOption hotSpotX({QStringLiteral("x"), QStringLiteral("hotspot-x")},
                                      CommandLine::tr("Hot spot column from the left, 0 to 31 (default %1). "
                                                      "A fraction is rounded, a half to the even number.")
                                          .arg(defaultHotSpot),
                                      CommandLine::tr("TEXT"), defaultHotSpot);
    const QCommandLineOption hotSpotY(
        {QStringLiteral("y"), QStringLiteral("hotspot-y")},
        CommandLine::tr("Hot spot row from the top, 0 to 31 (default %1).").arg(defaultHotSpot),
        CommandLine::tr("TEXT"), defaultHotSpot);
    const QCommandLineOption background(QStringLiteral("background"),
                                        CommandLine::tr("Colour that becomes transparent, #RRGGBB or a name "
                                                        "(default %1).")
                                            .arg(defaultBackground),
                                        CommandLine::tr("COLOUR"), defaultBackground);
    const QCommandLineOption invert(QStringLiteral("invert"),
                                    CommandLine::tr("Colour that inverts the screen, #RRGGBB or a name "
                                                    "(default %1).")
                                        .arg(defaultInvert),
                                    CommandLine::tr("COLOUR"), defaultInvert);
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    CommandLine::tr("Write the cursor of the one picture to FILE instead; "
                                                    "\"-\" writes it to standard output."),
                                    CommandLine::tr("FILE"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  CommandLine::tr("Print the looks of each PICTURE as text instead of writing a "
                                                  "cursor: a first line \"NAME: W x H cursor, hot spot X, Y\", then "
                                                  "one line a row, top first, one character a pixel: # black, O "
                                                  "white, . transparent, ~ inverted. A PICTURE that is a monochrome "
                                                  "cursor is read as one."));
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     CommandLine::tr("Also write how the cursor of the one PICTURE looks, as "
                                                     "Windows and as browsers and Linux draw it, as a PNG picture."),
                                     CommandLine::tr("PNG"));
    for (const QCommandLineOption &option : {hotSpotX, hotSpotY, background, invert, output, show, preview})
        parser.addOption(option);
    parser.addPositionalArgument(CommandLine::tr("PICTURE"),
                                 CommandLine::tr("Pictures to convert; \"-\" reads one from standard input."),
                                 CommandLine::tr("PICTURE..."));

    const QString usageLine = parser.helpText().section(u'\n', 0, 0);
    const auto badOptions = [&](const QString &problem) {
        complain(problem);
        std::fprintf(stderr, "%s\n%s\n", qPrintable(withoutControls(usageLine)),
                     qPrintable(CommandLine::tr("Run \"%1 --help\" for the options.").arg(QLatin1String(kProgram))));
        return kBadOptions;
    };
    const QStringList arguments = faithfulArguments(argc, argv);
    if (!parser.parse(arguments))
        return badOptions(parser.errorText());
    // Parsed cleanly, so this only answers --help, --help-all and --version.
    parser.process(arguments);

    Options options;
    if (const QString problem =
            optionsProblem(parser, hotSpotX, hotSpotY, background, invert, output, show, preview, options);
        !problem.isEmpty())
        return badOptions(problem);
    if (const QString problem = namesProblem(options.pictures, {options.output, options.preview},
                                             !options.show && options.output.isEmpty());
        !problem.isEmpty())
        return badOptions(problem);
    if (options.pictures.isEmpty()) {
        complain(CommandLine::tr("no picture given"));
        std::fputs(qPrintable(parser.helpText()), stderr);
        return kBadOptions;
    }

    // Written before any file is: a write past the file-size limit then
    // fails with one line, and an interrupted run leaves nothing staged.
    staged_names::guardSignals();
    for (const QString &picture : std::as_const(options.pictures))
        options.protectedPictures.add(picture);
    bool allConverted = true;
    // Many cursors are synced to disk together rather than one by one.
    CursorBatch batch;
    CursorBatch *const batched = options.pictures.size() > 1 ? &batch : nullptr;
    for (const QString &picture : std::as_const(options.pictures)) {
        if (standardOutputLost)
            break;
        if (!opensAsNamed(picture)) {
            complain(pictureProblem(picture, unopenableName()));
            allConverted = false;
            continue;
        }
        allConverted = convert(picture, options, batched) && allConverted;
    }
    for (const CursorBatch::Failure &failed : batch.finish()) {
        complain(pictureProblem(failed.picture, failed.result.message));
        allConverted = false;
    }
    return allConverted ? kAllConverted : kSomeFailed;
}

// SPDX-License-Identifier: MIT
#include "options.h"

#include "file_targets.h"
#include "linux_options.h"
#include "make_cursor.h"
#include "messages.h"
#include "option_values.h"
#include "picture_loading.h"
#include "preview_output.h"
#include "windows_scheme.h"

#include <QCoreApplication>

#include <unistd.h>

namespace pixelwick {

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kHotSpotX = QStringLiteral("x");
const QString kHotSpotY = QStringLiteral("y");
const QString kBackground = QStringLiteral("background");
const QString kInvert = QStringLiteral("invert");
const QString kOutput = QStringLiteral("o");
const QString kShow = QStringLiteral("show");
const QString kPreview = QStringLiteral("preview");
const QString kSize = QStringLiteral("size");
const QString kCombine = QStringLiteral("combine");
const QString kHotSpotFor = QStringLiteral("hotspot-for");
const QString kFit = QStringLiteral("fit");
const QString kFrom = QStringLiteral("from");
const QString kSizes = QStringLiteral("sizes");
const QString kTolerance = QStringLiteral("tolerance");
const QString kScheme = QStringLiteral("scheme");
const QString kRate = QStringLiteral("rate");
const QString kRoleHotSpot = QStringLiteral("role-hotspot");

// The descriptor that `name` writes through, or -1 for any other file.
int descriptorNamed(const QString &name)
{
    const Target target = targetFor(name);
    return target.kind == Target::Kind::Descriptor ? target.descriptor : -1;
}

// Options that contradict each other, each pair with one line: the first
// option named makes the second meaningless.
QString clashingOptions(const QCommandLineParser &parser)
{
    if (parser.isSet(kSizes) && parser.isSet(kSize))
        return CommandLine::tr("--sizes names every size made, so --size has nothing to do");
    if (parser.isSet(kCombine) && parser.isSet(kSizes))
        return CommandLine::tr("--combine takes each image's size from its picture, so --sizes has nothing to do");
    if (parser.isSet(kCombine) && parser.isSet(kFit))
        return CommandLine::tr("--combine takes each picture whole at its own size, so --fit has nothing to do");
    if (parser.isSet(kCombine) && parser.isSet(kFrom))
        return CommandLine::tr("--combine takes each picture whole at its own size, so --from has nothing to do");
    if (parser.isSet(kFit) && parser.isSet(kFrom))
        return CommandLine::tr("--fit scales the whole picture into the cursor, so --from has nothing to do");
    if (parser.isSet(kSizes) && parser.isSet(kFrom))
        return CommandLine::tr("--sizes scales the whole picture into each image, so --from has nothing to do");
    return {};
}

// What a pointer set or an animated cursor cannot be made with.
QString pointerSetClash(const QCommandLineParser &parser, const Options &options)
{
    const bool set = parser.isSet(kScheme);
    const bool theme = !options.theme.isEmpty();
    if (set && theme && options.scheme != options.theme)
        return CommandLine::tr("--scheme and --theme make one folder of both sets: give them one name");
    if (set && options.show)
        return CommandLine::tr("--show reads each file as it is, so --scheme has nothing to do");
    if (set && options.combine)
        return CommandLine::tr("--scheme makes a cursor of each role, so --combine has nothing to do");
    if (set && parser.isSet(kPreview))
        return CommandLine::tr("--preview shows one cursor; show each of the scheme's with --show --preview");
    if (set && options.output == kStandardOutput)
        return CommandLine::tr("--scheme writes a folder, which cannot go to standard output");
    if ((options.animatedOutput() || set) && options.combine)
        return CommandLine::tr("--combine makes one cursor of pictures of each size, so it makes no animation");
    if (parser.isSet(kRoleHotSpot) && !set && !theme)
        return CommandLine::tr("--role-hotspot gives a role of a scheme or theme its hot spot: make one with "
                               "--scheme or --theme");
    if (parser.isSet(kRate) && !options.animatedOutput() && !set && !theme)
        return CommandLine::tr("--rate is the time of an animated cursor's frames: name one with -o FILE.ani, or "
                               "make a scheme or theme");
    return {};
}

} // namespace

bool Options::animatedOutput() const
{
    return output.endsWith(QLatin1String(".ani"), Qt::CaseInsensitive) && scheme.isEmpty() && theme.isEmpty();
}

void addOptions(QCommandLineParser &parser)
{
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
    const QCommandLineOption hotSpotX({kHotSpotX, QStringLiteral("hotspot-x")},
                                      CommandLine::tr("Hot spot column from the left, 0 to 31 (default %1). "
                                                      "A fraction is rounded, a half to the even number.")
                                          .arg(defaultHotSpot),
                                      CommandLine::tr("TEXT"), defaultHotSpot);
    const QCommandLineOption hotSpotY(
        {kHotSpotY, QStringLiteral("hotspot-y")},
        CommandLine::tr("Hot spot row from the top, 0 to 31 (default %1).").arg(defaultHotSpot),
        CommandLine::tr("TEXT"), defaultHotSpot);
    const QCommandLineOption background(kBackground,
                                        CommandLine::tr("Colour that becomes transparent, #RRGGBB or a name "
                                                        "(default %1).")
                                            .arg(defaultBackground),
                                        CommandLine::tr("COLOUR"), defaultBackground);
    const QCommandLineOption invert(kInvert,
                                    CommandLine::tr("Colour that inverts the screen, #RRGGBB or a name "
                                                    "(default %1).")
                                        .arg(defaultInvert),
                                    CommandLine::tr("COLOUR"), defaultInvert);
    const QCommandLineOption output({kOutput, QStringLiteral("output")},
                                    CommandLine::tr("Write the cursor of the one picture to FILE instead; "
                                                    "\"-\" writes it to standard output."),
                                    CommandLine::tr("FILE"));
    const QCommandLineOption show(kShow,
                                  CommandLine::tr("Print the looks of each PICTURE as text instead of writing a "
                                                  "cursor: a first line \"NAME: W x H cursor, hot spot X, Y\", then "
                                                  "one line a row, top first, one character a pixel: # black, O "
                                                  "white, . transparent, ~ inverted. A cursor, icon or animated "
                                                  "cursor file is read as what it is: every image of it, each "
                                                  "marked \", image I of N\", \", D-bit colour\" or \", frame F "
                                                  "of M\" where that applies."));
    const QCommandLineOption preview(kPreview,
                                     CommandLine::tr("Also write how the cursor of the one PICTURE looks, as "
                                                     "Windows and as browsers and Linux draw it, as a picture in "
                                                     "the format FILE's suffix names (PNG for any other)."),
                                     CommandLine::tr("FILE"));
    const QCommandLineOption size(kSize,
                                  CommandLine::tr("Make the cursor of the top-left N x N pixels instead, N from 16 "
                                                  "to 256 and a multiple of 8 (default 32); its default hot spot is "
                                                  "N / 2 - 1."),
                                  CommandLine::tr("N"));
    const QCommandLineOption combine(kCombine,
                                     CommandLine::tr("Make one cursor file, named with -o, of all the PICTUREs, one "
                                                     "image each at its picture's own size (square, 16 to 256, a "
                                                     "multiple of 8), as Windows picks by pointer size and screen "
                                                     "scale. -x and -y give the 32 x 32 image's hot spot; the other "
                                                     "sizes get the same spot of the picture."));
    const QCommandLineOption hotSpotForSize(kHotSpotFor,
                                            CommandLine::tr("The hot spot of the image of size N, by hand; may be "
                                                            "given for each size."),
                                            CommandLine::tr("N:X,Y"));
    const QCommandLineOption fit(kFit, CommandLine::tr("Scale the whole picture into the cursor instead: its longer "
                                                       "side becomes the cursor's, centred, and each cursor pixel "
                                                       "takes the look that most of its area has. A drawing (SVG) "
                                                       "is drawn 8 times the cursor's side first."));
    const QCommandLineOption from(kFrom,
                                  CommandLine::tr("Make the cursor of the part whose top-left pixel is X,Y instead of "
                                                  "the top-left corner."),
                                  CommandLine::tr("X,Y"));
    const QCommandLineOption sizes(kSizes,
                                   CommandLine::tr("Make one cursor file with an image of each size, such as "
                                                   "24,32,48,64, smallest first, each of the whole picture fitted as "
                                                   "with --fit. -x and -y give the 32 x 32 image's hot spot; the "
                                                   "other sizes get the same spot of the picture."),
                                   CommandLine::tr("N,N,..."));
    const QCommandLineOption tolerance(kTolerance,
                                       CommandLine::tr("Count a colour as a key colour when each of its channels "
                                                       "lies within T of the key's, 0 to 255 (default 0: exactly), "
                                                       "for pictures saved with loss, such as JPEG."),
                                       CommandLine::tr("T"));
    const QCommandLineOption scheme(kScheme,
                                    CommandLine::tr("Make the Windows pointer scheme NAME: the folder NAME in the "
                                                    "folder -o names (default: the current one), with a cursor for "
                                                    "each role the pictures are named after (arrow.png, wait-1.png, "
                                                    "wait-2.png...), an animated one where a role has frames, and "
                                                    "an install.inf that installs it."),
                                    CommandLine::tr("NAME"));
    const QCommandLineOption rate(kRate,
                                  CommandLine::tr("Each frame's time in an animated cursor, in 1/60 s, from 1 to %1 "
                                                  "(default %2), where the picture does not give its own.")
                                      .arg(kMostJiffies)
                                      .arg(kDefaultJiffies),
                                  CommandLine::tr("J"));
    const QCommandLineOption roleHotSpot(kRoleHotSpot,
                                         CommandLine::tr("In a scheme, the hot spot of one role, as -x and -y "
                                                         "give it for the others; may be given for each role."),
                                         CommandLine::tr("ROLE:X,Y"));
    for (const QCommandLineOption &option :
         {hotSpotX, hotSpotY, background, invert, tolerance, output, show, preview, size, fit, from, sizes, combine,
          hotSpotForSize, scheme, rate, roleHotSpot})
        parser.addOption(option);
    addLinuxOptions(parser);
    parser.addPositionalArgument(CommandLine::tr("PICTURE"),
                                 CommandLine::tr("Pictures to convert; \"-\" reads one from standard input."),
                                 CommandLine::tr("PICTURE..."));
}

QString optionsProblem(const QCommandLineParser &parser, Options &options)
{
    options.hotSpotXText = parser.value(kHotSpotX);
    options.hotSpotYText = parser.value(kHotSpotY);
    options.output = parser.value(kOutput);
    options.pictures = parser.positionalArguments();
    options.show = parser.isSet(kShow);
    options.preview = parser.value(kPreview);
    if (parser.isSet(kBackground))
        options.backgroundGiven = parser.value(kBackground);
    if (parser.isSet(kInvert))
        options.invertGiven = parser.value(kInvert);
    options.combine = parser.isSet(kCombine);
    options.hotSpotXGiven = parser.isSet(kHotSpotX);
    options.hotSpotYGiven = parser.isSet(kHotSpotY);
    QString problem = hotSpotProblem(options.hotSpotXText, 'x', options.hotSpot.x);
    if (problem.isEmpty())
        problem = hotSpotProblem(options.hotSpotYText, 'y', options.hotSpot.y);
    if (problem.isEmpty())
        problem = colourProblem(parser.value(kBackground), KeyColour::Background, options.keys.background);
    if (problem.isEmpty())
        problem = colourProblem(parser.value(kInvert), KeyColour::Invert, options.keys.invert);
    if (problem.isEmpty() && parser.isSet(kTolerance))
        problem = toleranceProblem(parser.value(kTolerance), options.keys.tolerance);
    if (problem.isEmpty() && parser.isSet(kSize))
        problem = sizeProblem(parser.value(kSize), options.size);
    if (problem.isEmpty() && parser.isSet(kSizes))
        problem = sizesProblem(parser.value(kSizes), options.sizes);
    options.fromGiven = parser.isSet(kFrom);
    if (problem.isEmpty() && options.fromGiven)
        problem = fromProblem(parser.value(kFrom), options.from);
    options.fit = parser.isSet(kFit);
    if (problem.isEmpty() && parser.isSet(kRate))
        problem = rateProblem(parser.value(kRate), kMostJiffies, options.rate);
    options.scheme = parser.value(kScheme);
    for (const QString &given : parser.values(kRoleHotSpot)) {
        std::pair<PointerRole, HotSpot> spot;
        if (problem.isEmpty())
            problem = roleHotSpotProblem(given, spot);
        for (const auto &[role, earlier] : std::as_const(options.roleHotSpots)) {
            if (problem.isEmpty() && role == spot.first)
                problem = CommandLine::tr("--role-hotspot gives the role %1 twice")
                              .arg(QString::fromLatin1(roleNames(role).windowsRole));
        }
        options.roleHotSpots.append(spot);
    }
    if (problem.isEmpty() && parser.isSet(kScheme))
        problem = schemeNameProblem(options.scheme);
    for (const QString &given : parser.values(kHotSpotFor)) {
        std::pair<int, HotSpot> spot;
        if (problem.isEmpty())
            problem = hotSpotForProblem(given, spot);
        for (const auto &[size, earlier] : std::as_const(options.hotSpotFor)) {
            if (problem.isEmpty() && size == spot.first)
                problem = CommandLine::tr("--hotspot-for gives the size %1 twice").arg(size);
        }
        options.hotSpotFor.append(spot);
    }
    const QString forDesktops = linuxOptionsProblem(parser, options);
    if (!problem.isEmpty())
        return problem;
    if (!forDesktops.isEmpty())
        return forDesktops;
    if (const QString clash = clashingOptions(parser); !clash.isEmpty())
        return clash;
    if (const QString clash = pointerSetClash(parser, options); !clash.isEmpty())
        return clash;
    if (options.combine) {
        if (parser.isSet(kSize))
            return CommandLine::tr("--combine takes each image's size from its picture, so --size has nothing to do");
        if (options.show)
            return CommandLine::tr("--show reads each file as it is, so --combine has nothing to do");
        if (!parser.isSet(kOutput))
            return CommandLine::tr("--combine makes one cursor of all the pictures: name it with -o");
    } else if (!options.sizes.isEmpty()) {
        for (const auto &[size, spot] : std::as_const(options.hotSpotFor)) {
            if (!options.sizes.contains(size))
                return CommandLine::tr("--hotspot-for %1 names a size that --sizes does not make").arg(size);
        }
    } else {
        for (const auto &[size, spot] : std::as_const(options.hotSpotFor)) {
            if (size != options.size)
                return CommandLine::tr("--hotspot-for %1 names a size that is not made: the cursor is %2 x %2")
                    .arg(size)
                    .arg(options.size);
        }
    }
    // makeCursor reads an empty output name as "beside the picture".
    if (parser.isSet(kOutput) && options.output.isEmpty())
        return CommandLine::tr("the output file name is empty");
    if (parser.isSet(kPreview) && options.preview.isEmpty())
        return CommandLine::tr("the preview file name is empty");
    if (parser.isSet(kPreview) && options.pictures.size() > 1 && !options.combine && !options.animatedOutput())
        return CommandLine::tr("--preview shows one cursor, but %n pictures were given", nullptr,
                               int(options.pictures.size()));
    if (parser.isSet(kOutput) && options.show)
        return CommandLine::tr("--show writes no cursor, so --output has nothing to do");
    if (parser.isSet(kOutput) && options.pictures.size() > 1 && !options.combine && !options.animatedOutput()
        && options.scheme.isEmpty() && options.theme.isEmpty())
        return CommandLine::tr("--output names one cursor file, but %n pictures were given", nullptr,
                               int(options.pictures.size()));
    return {};
}

Options optionsFor(const Options &options, std::optional<PointerRole> role)
{
    Options own = options;
    for (const auto &[given, spot] : options.roleHotSpots) {
        if (role == given) {
            own.hotSpot = spot;
            own.hotSpotXGiven = own.hotSpotYGiven = true;
        }
    }
    return own;
}

CursorMaking makingOf(const Options &options)
{
    CursorMaking making;
    making.keys = options.keys;
    making.size = options.size;
    making.fit = options.fit || !options.sizes.isEmpty();
    making.from = options.from;
    return making;
}

QList<int> imageSizes(const Options &options)
{
    return options.sizes.isEmpty() ? QList<int>{options.size} : options.sizes;
}

HotSpot hotSpotFor(const Options &options, int size)
{
    for (const auto &[forSize, spot] : options.hotSpotFor) {
        if (forSize == size)
            return spot;
    }
    const bool scaling = options.combine || !options.sizes.isEmpty();
    const HotSpot scaled = scaling ? scaledHotSpot(options.hotSpot, size) : options.hotSpot;
    return {options.hotSpotXGiven ? scaled.x : defaultHotSpotFor(size),
            options.hotSpotYGiven ? scaled.y : defaultHotSpotFor(size)};
}

QString outputsProblem(Options &options)
{
    // A cursor or a picture poured onto a terminal only garbles it; the
    // user has most likely forgotten a redirection.
    if (!options.output.isEmpty()) {
        if (options.output == kStandardOutput && ::isatty(STDOUT_FILENO))
            return CommandLine::tr("-o - writes the cursor's bytes to standard output, which is a terminal; "
                                   "redirect standard output to a file or a pipe");
        if (const int descriptor = descriptorNamed(options.output); descriptor >= 0 && ::isatty(descriptor))
            return CommandLine::tr("the output %1 is a terminal, which cannot show the cursor's bytes; "
                                   "name a file or a pipe")
                .arg(quotedPath(options.output));
    }
    if (options.preview.isEmpty())
        return {};
    if (const int descriptor = descriptorNamed(options.preview); descriptor >= 0 && ::isatty(descriptor))
        return CommandLine::tr("the preview %1 is a terminal, which cannot show a picture's bytes; name a file")
            .arg(quotedPath(options.preview));
    QString problem;
    options.previewFormat = previewFormatFor(options.preview, problem);
    return problem;
}

} // namespace pixelwick

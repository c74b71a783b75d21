// SPDX-License-Identifier: MIT
// pixelwick-convert: makes each picture's cursor beside it, byte for byte as
// the window's Make CUR does with the window's defaults, for scripts and
// batches. Needs no display.
#include "arguments.h"
#include "combining.h"
#include "cursor_file.h"
#include "cursor_looks.h"
#include "cursor_making.h"
#include "cursor_output.h"
#include "cursor_pictures.h"
#include "file_placing.h"
#include "key_warnings.h"
#include "language.h"
#include "made_cursor.h"
#include "make_cursor.h"
#include "messages.h"
#include "options.h"
#include "picture_loading.h"
#include "pixelwick_version.h"
#include "pointer_output.h"
#include "pointer_set_output.h"
#include "preview_output.h"
#include "reporting.h"
#include "scheme_output.h"
#include "staged_names.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <unistd.h>

using namespace pixelwick;

namespace {

enum ExitCode { kAllConverted = 0, kSomeFailed = 1, kBadOptions = 2 };

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Whether the cursor is the one Make CUR makes, of the hot-spot texts.
bool asMakeCurMakesIt(const Options &options)
{
    return options.size == kCursorSize && options.hotSpotFor.isEmpty() && options.sizes.isEmpty()
           && !makesXcursor(options);
}

// The cursor `made` of `picture` to where the options say; `batch` is null
// for a single picture, which is saved as the window saves.
bool writeCursor(const QString &picture, const MadeCursor &made, const Options &options, CursorBatch *batch)
{
    QString problem;
    const QByteArray bytes = pointerFileOf(made, options, problem);
    if (!problem.isEmpty()) {
        complain(pictureProblem(picture, problem));
        return false;
    }
    if (!options.preview.isEmpty()) {
        const CursorFileLooks looks = readCursorLooks(bytes, picture);
        if (!looks.problem.isEmpty()) {
            complain(pictureProblem(picture, looks.problem));
            return false;
        }
        if (!writePreview(picture, stackedLooks(looks.images), options))
            return false;
    }
    if (options.output == kStandardOutput)
        return writeToStandardOutput(picture, bytes, options);
    const MakeCursorResult result =
        asMakeCurMakesIt(options)
            ? makeCursor(picture, options.hotSpotXText, options.hotSpotYText, LookSource(made.images.first().looks),
                         kLookKeys, options.output, batch, &options.protectedPictures)
            : makeCursorFile(picture, bytes, options.output, batch, &options.protectedPictures);
    if (!result.ok()) {
        complain(pictureProblem(picture, result.message));
        return false;
    }
    return true;
}

bool convert(const QString &picture, const Options &options, CursorBatch *batch, const WhileReading &whileReading)
{
    if (options.show)
        return show(picture, options);
    const MadeCursor made = makeCursorOf(picture, std::nullopt, options, whileReading);
    if (!made.ok()) {
        complain(pictureProblem(picture, made.problem));
        return false;
    }
    // A picture that failed has its one line already.
    if (!writeCursor(picture, made, options, batch))
        return false;
    warnOfPartUsed(picture, made, options);
    warnOfInvisibleCursor(picture, made);
    warnOfUnmatchedKeys(picture, made.keys, options);
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
    addOptions(parser);
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
    if (const QString problem = optionsProblem(parser, options); !problem.isEmpty())
        return badOptions(problem);
    if (const QString problem = namesProblem(options.pictures, {options.output, options.preview},
                                             !options.show && options.output.isEmpty() && options.theme.isEmpty()
                                                 && options.scheme.isEmpty());
        !problem.isEmpty())
        return badOptions(problem);
    if (options.pictures.isEmpty()) {
        complain(CommandLine::tr("no picture given"));
        std::fputs(qPrintable(parser.helpText()), stderr);
        return kBadOptions;
    }
    // Well-formed, but with nowhere fit to write: one line says why.
    if (const QString problem = outputsProblem(options); !problem.isEmpty()) {
        complain(problem);
        return kBadOptions;
    }
    // A combined cursor's images are known once their pictures are read.
    // An Xcursor file cannot hold a hot spot outside its image at all.
    if (!options.combine && options.sizes.isEmpty() && !makesXcursor(options))
        warnOfHotSpotOutside(options);
    for (const int size : std::as_const(options.sizes))
        if (!makesXcursor(options))
            warnOfHotSpotOutside(options, size);

    // Written before any file is: a write past the file-size limit then
    // fails with one line, and an interrupted run leaves nothing staged.
    staged_names::guardSignals();
    for (const QString &picture : std::as_const(options.pictures))
        options.protectedPictures.add(picture);
    if (options.combine)
        return combine(options) ? kAllConverted : kSomeFailed;
    // A theme holds the scheme of the same pictures where both are asked for.
    if (!options.theme.isEmpty())
        return writeTheme(options) ? kAllConverted : kSomeFailed;
    if (!options.scheme.isEmpty())
        return writeScheme(options) ? kAllConverted : kSomeFailed;
    if (options.animatedOutput())
        return writeAnimatedCursor(options) ? kAllConverted : kSomeFailed;
    bool allConverted = true;
    // Many cursors are synced to disk together rather than one by one, in
    // groups, so that a run killed without warning keeps all but the last.
    CursorBatch batch;
    CursorBatch *const batched = options.pictures.size() > 1 ? &batch : nullptr;
    const auto place = [&](bool all) {
        if (!all && !batch.due())
            return;
        for (const CursorBatch::Failure &failed : batch.finish()) {
            complain(pictureProblem(failed.picture, failed.result.message));
            allConverted = false;
        }
    };
    // Also while a slow picture is read, so that cursors already made wait
    // no longer for it.
    const WhileReading placeDue = [&] {
        place(false);
        return true;
    };
    for (const QString &picture : std::as_const(options.pictures)) {
        if (standardOutputLost())
            break;
        if (!opensAsNamed(picture)) {
            complain(pictureProblem(picture, unopenableName()));
            allConverted = false;
            continue;
        }
        allConverted = convert(picture, options, batched, placeDue) && allConverted;
        place(false);
    }
    place(true);
    return allConverted ? kAllConverted : kSomeFailed;
}

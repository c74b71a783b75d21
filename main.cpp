// SPDX-License-Identifier: MIT
#include "cursors_to_try.h"
#include "language.h"
#include "main_window.h"
#include "messages.h"
#include "pixelwick_version.h"
#include "test_area.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

const char kNoWindowContext[] = "Startup";
const char *const kDisplayDidNotAnswer = QT_TRANSLATE_NOOP(
    "Startup", "Pixelwick could not open its window: the display \u201C%1\u201D did not answer.\nStart it from a "
               "desktop session, or use pixelwick-convert to make cursors without a window.\n");
const char *const kPlatformUnusable = QT_TRANSLATE_NOOP(
    "Startup", "Pixelwick could not open its window: the platform \u201C%1\u201D that QT_QPA_PLATFORM names cannot "
               "be used here.\nStart it from a desktop session, or use pixelwick-convert to make cursors without a "
               "window.\n");

// Without this check Qt stops with a platform-plugin error that tells a
// user nothing.
bool haveDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// What Qt says while the window system is being reached, kept back: if it
// fails, the user gets one plain message instead, and otherwise it is said
// after all.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QList<HeldMessage> heldMessages;
QtMessageHandler normalHandler = nullptr;

// The application is half made when this is needed, so the text is
// translated by a translator of its own rather than the installed ones.
QString noWindowText()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    const char *text = platform.isEmpty() ? kDisplayDidNotAnswer : kPlatformUnusable;
    QTranslator translator;
    QString translated;
    if (translator.load(QLocale(), QStringLiteral("pixelwick"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        translated = translator.translate(kNoWindowContext, text);
    if (translated.isEmpty())
        translated = QString::fromUtf8(text);
    return translated.arg(pixelwick::shownName(platform.isEmpty() ? display : platform));
}

// A platform plugin that cannot reach its display ends the program with a
// fatal message (and an abort) from inside QApplication's constructor.
void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(noWindowText()), stderr);
        _exit(1);
    }
    heldMessages.append({type, context.file, context.function, context.category, context.line, message});
}

void sayHeldMessages()
{
    qInstallMessageHandler(normalHandler);
    for (const HeldMessage &held : std::as_const(heldMessages)) {
        const QMessageLogContext context(held.file.constData(), held.line, held.function.constData(),
                                         held.category.constData());
        normalHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

} // namespace

// The window's options, read the same with or without a display.
struct Startup {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Startup::tr("Opens Pixelwick's window, which turns a picture into a monochrome mouse cursor; "
                    "with PICTURE, loads it as Load BMP would."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("fit"), Startup::tr("Fit the whole picture into the cursor, rather than take "
                                                         "its top-left 32 × 32 pixels.")});
    parser.addOption({QStringLiteral("try"),
                      Startup::tr("Open only the test area, with the cursor, icon or animated cursor FILE as the "
                                  "pointer."),
                      Startup::tr("FILE")});
    parser.addPositionalArgument(Startup::tr("PICTURE"), Startup::tr("The picture to load at start."),
                                 Startup::tr("[PICTURE]"));
}

// --help and --version need no window, so they work without a display.
bool answersWithoutWindow(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

int main(int argc, char *argv[])
{
    if (answersWithoutWindow(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("pixelwick"));
        QCoreApplication::setApplicationVersion(QLatin1String(pixelwick::kVersion));
        pixelwick::installTranslations();
        QCommandLineParser parser;
        describeOptions(parser);
        parser.process(app); // prints and exits
        return 0;
    }
    if (!haveDisplay()) {
        // Without a display there is no window, but the user's language still holds.
        QCoreApplication app(argc, argv);
        pixelwick::installTranslations();
        std::fputs(qPrintable(QCoreApplication::translate(
                       "Startup", "Pixelwick needs a display to open its window, and none was found (DISPLAY is not "
                                  "set).\nStart it from a desktop session, or use pixelwick-convert to make cursors "
                                  "without a window.\n")),
                   stderr);
        return 1;
    }
    normalHandler = qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    sayHeldMessages();
    QApplication::setApplicationName(QStringLiteral("Pixelwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pixelwick"));
    QApplication::setApplicationVersion(QLatin1String(pixelwick::kVersion));
    pixelwick::installTranslations();
    QGuiApplication::setDesktopFileName(QStringLiteral("pixelwick"));

    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString problem = parser.positionalArguments().size() > 1
                                    ? Startup::tr("Pixelwick opens one picture at a time.")
                                    : parser.errorText();
        std::fprintf(stderr, "pixelwick: %s\n%s\n", qPrintable(pixelwick::shownName(problem)),
                     qPrintable(Startup::tr("Run \"pixelwick --help\" for the options.")));
        return 2;
    }

    if (parser.isSet(QStringLiteral("try"))) {
        if (!parser.positionalArguments().isEmpty()) {
            std::fprintf(stderr, "pixelwick: %s\n",
                         qPrintable(Startup::tr("--try opens the test area alone, without a picture.")));
            return 2;
        }
        const QString file = parser.value(QStringLiteral("try"));
        const pixelwick::CursorsToTry tried = pixelwick::cursorsToTry(file);
        if (!tried.problem.isEmpty()) {
            std::fprintf(stderr, "pixelwick: %s: %s\n", qPrintable(pixelwick::shownName(file)),
                         qPrintable(pixelwick::shownName(tried.problem)));
            return 1;
        }
        pixelwick::TestArea area;
        area.showCursors(tried.images, QFileInfo(file).fileName());
        // All of it where the screen has room, not the two thirds of the
        // screen that Qt gives a window at most by itself.
        area.resize(area.sizeHint());
        area.show();
        return app.exec();
    }

    pixelwick::FrmConverter window;
    window.setFitWhole(parser.isSet(QStringLiteral("fit")));
    window.show();
    // Once the window is up, so that it can show a message about the picture.
    if (const QStringList pictures = parser.positionalArguments(); !pictures.isEmpty())
        QTimer::singleShot(0, &window, [&window, picture = pictures.constFirst()] { window.openPicture(picture); });
    return app.exec();
}

// SPDX-License-Identifier: MIT
// The real pixelwick-convert making animated cursors and Windows pointer
// schemes: frames from numbered pictures and from animations, their times,
// the install.inf and its 17 roles in Windows' order, and the files and
// names it refuses, each run under a time and memory limit.
#include "child_process.h"
#include "hostile_files.h"
#include "test_support.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <memory>

#include <X11/Xcursor/Xcursor.h>

using namespace testing;

namespace {

constexpr Limits kLimits{1024, 60};

const QStringList kRoles = {"Arrow",   "Help",    "AppStarting", "Wait",   "Crosshair", "IBeam",
                            "NWPen",   "No",      "SizeNS",      "SizeWE", "SizeNWSE",  "SizeNESW",
                            "SizeAll", "UpArrow", "Hand",        "Pin",    "Person"};

// A 32 x 32 picture, black with a white bar down column `mark`, so that
// each frame tells which picture it came from.
QImage marked(int mark)
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int y = 0; y < 32; ++y)
        picture.setPixel(mark, y, qRgb(255, 255, 255));
    return picture;
}

QByteArray le24(quint32 value)
{
    return QByteArray(1, char(value & 0xFF)).append(char((value >> 8) & 0xFF)).append(char(value >> 16));
}

// An animated WebP of these frames (of one size) shown for these times, as
// its documentation lays one out; each frame's pixels as Qt writes them.
QByteArray animatedWebp(const QList<QImage> &frames, const QList<int> &milliseconds)
{
    const QSize size = frames.first().size();
    QByteArray body =
        "WEBP" + riffChunk("VP8X", QByteArray("\x02\0\0\0", 4) + le24(size.width() - 1) + le24(size.height() - 1));
    body += riffChunk("ANIM", QByteArray(6, '\0'));
    for (qsizetype i = 0; i < frames.size(); ++i) {
        QByteArray still;
        QBuffer buffer(&still);
        buffer.open(QIODevice::WriteOnly);
        frames[i].save(&buffer, "webp", 100);
        // Placed at 0, 0, not blended with the frame before.
        body += riffChunk("ANMF", le24(0) + le24(0) + le24(size.width() - 1) + le24(size.height() - 1)
                                      + le24(quint32(milliseconds[i])) + QByteArray(1, '\x02') + still.mid(12));
    }
    QByteArray length(4, '\0');
    qToLittleEndian(quint32(body.size()), length.data());
    return "RIFF" + length + body;
}

using Pictures = QHash<QString, std::function<QByteArray()>>;
using RoleFiles = QHash<QString, QString>;

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

Child run(const QString &folder, const QStringList &arguments)
{
    Child child(QStringList{QStringLiteral(PIXELWICK_CONVERT)} + arguments, folder, {}, kLimits);
    child.wait();
    return child;
}

// The --show headings of a file, the file's name left out.
QStringList headings(const QByteArray &shown)
{
    QStringList found;
    for (const QString &line : lines(shown)) {
        if (line.contains(QLatin1String(": ")))
            found << line.section(QStringLiteral(": "), 1);
    }
    return found;
}

// The chunk ids of a RIFF file's top level.
QStringList chunkIds(const QByteArray &riff)
{
    QStringList ids;
    for (qsizetype at = 12; at + 8 <= riff.size();) {
        ids << QString::fromLatin1(riff.mid(at, 4));
        at += 8 + littleEndianAt(riff, at + 4, 4);
        at += at % 2;
    }
    return ids;
}

// An INF file's text: UTF-16 after its byte order mark, else ASCII.
QString infText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    return QString::fromLatin1(bytes);
}

// Sections of an INF file, each its lines, comments and blank lines left out.
QHash<QString, QStringList> infSections(const QString &text)
{
    QHash<QString, QStringList> sections;
    QString current;
    for (QString line : text.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u';') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'[')) {
            current = line.mid(1, line.indexOf(u']') - 1);
            sections[current];
        } else {
            sections[current] << line;
        }
    }
    return sections;
}

// The fields of an INF line, quotes taken off, %KEY% replaced by [Strings].
QStringList infFields(const QString &line, const QHash<QString, QString> &strings)
{
    QStringList fields;
    static const QRegularExpression field(QStringLiteral("\\s*(\"(?:[^\"]|\"\")*\"|[^,]*)\\s*(,|$)"));
    for (auto match = field.globalMatch(line); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        QString value = m.captured(1);
        if (value.startsWith(u'"'))
            value = value.mid(1, value.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        for (auto key = strings.cbegin(); key != strings.cend(); ++key)
            value.replace(u'%' + key.key() + u'%', key.value());
        fields << value;
        if (m.captured(2).isEmpty())
            break;
    }
    return fields;
}

} // namespace

Q_DECLARE_METATYPE(Pictures)
Q_DECLARE_METATYPE(RoleFiles)

class PointerSetsTest : public QObject {
    Q_OBJECT

private slots:
    void animations_data();
    void animations();
    void refused_data();
    void refused();
    void schemes_data();
    void schemes();
    void themeBeside_data();
    void themeBeside();

private:
    QTemporaryDir m_themes;
};

void PointerSetsTest::animations_data()
{
    QTest::addColumn<Pictures>("pictures");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // the --show headings of busy.ani
    QTest::addColumn<QList<int>>("marks");     // each frame's white column
    QTest::addColumn<bool>("rates");           // a "rate" chunk, for times that differ

    Pictures numbered;
    QStringList given, inOrder;
    for (int n : {10, 2, 1, 9, 3, 4, 5, 6, 7, 8}) {
        numbered.insert(QStringLiteral("wait-%1.png").arg(n), [n] { return png(marked(n)); });
        given << QStringLiteral("wait-%1.png").arg(n);
    }
    for (int n = 1; n <= 10; ++n)
        inOrder << QStringLiteral("32 x 32 cursor, hot spot 15, 15, frame %1 of 10, 4/60 s").arg(n);
    QTest::newRow("numbered pictures, 10 after 9") << numbered << QStringList{"--rate", "4", "-o", "busy.ani"} + given
                                                   << inOrder << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << false;

    const Pictures webp{{"spin.webp", [] { return animatedWebp({marked(3), marked(7), marked(20)}, {100, 250, 40}); }}};
    QTest::newRow("an animated WebP, its own times")
        << webp << QStringList{"--rate", "9", "-o", "busy.ani", "spin.webp"}
        << QStringList{"32 x 32 cursor, hot spot 15, 15, frame 1 of 3, 6/60 s",
                       "32 x 32 cursor, hot spot 15, 15, frame 2 of 3, 15/60 s",
                       "32 x 32 cursor, hot spot 15, 15, frame 3 of 3, 2/60 s"}
        << QList<int>{3, 7, 20} << true;

    const Pictures pair{{"a.png", [] { return png(marked(5)); }}, {"b.png", [] { return png(marked(0)); }}};
    QTest::newRow("--role: frames in the order given, each of two sizes")
        << pair << QStringList{"--role", "busy",      "--sizes",   "32,48", "-x",       "2",     "-y",
                               "30",     "--preview", "looks.png", "-o",    "busy.ani", "b.png", "a.png"}
        << QStringList{"32 x 32 cursor, hot spot 2, 30, image 1 of 2, frame 1 of 2, 6/60 s",
                       "48 x 48 cursor, hot spot 3, 45, image 2 of 2, frame 1 of 2, 6/60 s",
                       "32 x 32 cursor, hot spot 2, 30, image 1 of 2, frame 2 of 2, 6/60 s",
                       "48 x 48 cursor, hot spot 3, 45, image 2 of 2, frame 2 of 2, 6/60 s"}
        << QList<int>{0, 5} << false;

    const Pictures gif{{"spin.gif", [] {
                            QFile file(QStringLiteral(PIXELWICK_CORPUS "/gif_animated.gif"));
                            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                        }}};
    QTest::newRow("an animated GIF, 1/10 s a frame")
        << gif << QStringList{"-o", "busy.ani", "spin.gif"}
        << QStringList{"32 x 32 cursor, hot spot 15, 15, frame 1 of 2, 6/60 s",
                       "32 x 32 cursor, hot spot 15, 15, frame 2 of 2, 6/60 s"}
        << QList<int>{} << false;
}

void PointerSetsTest::animations()
{
    QFETCH(Pictures, pictures);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, marks);
    QFETCH(bool, rates);
    QTemporaryDir dir;
    for (auto picture = pictures.cbegin(); picture != pictures.cend(); ++picture)
        QVERIFY(writeAll(dir.filePath(picture.key()), picture.value()()));
    const Child made = run(dir.path(), arguments);
    QVERIFY2(made.err.isEmpty(), made.err.constData());

    const QByteArray ani = readAll(dir.filePath(QStringLiteral("busy.ani")));
    QCOMPARE(chunkIds(ani), (rates ? QStringList{"anih", "rate", "LIST"} : QStringList{"anih", "LIST"}));
    QVERIFY(ani.size() > 56);
    const auto header = [&](int field) { return quint32(littleEndianAt(ani, 20 + field, 4)); };
    // Its own length, frames and steps alike, the first time, frames that are cursors.
    QCOMPARE(header(0), 36u);
    QCOMPARE(header(8), header(4));
    QCOMPARE(header(32), 1u);

    const Child shown = run(dir.path(), {QStringLiteral("--show"), QStringLiteral("busy.ani")});
    QVERIFY2(shown.err.isEmpty(), shown.err.constData());
    QCOMPARE(headings(shown.out), expected);
    QCOMPARE(header(4), quint32(expected.last().section(QStringLiteral(" of "), -1).section(u',', 0, 0).toUInt()));
    // The 32 x 32 image of each frame shows its own picture's bar.
    const QStringList blocks = QString::fromUtf8(shown.out).split(QStringLiteral("busy.ani: "), Qt::SkipEmptyParts);
    QStringList bars;
    for (const QString &block : blocks) {
        if (block.startsWith(QLatin1String("32 x 32")))
            bars << block.section(u'\n', 5, 5);
    }
    for (qsizetype f = 0; f < marks.size(); ++f)
        QCOMPARE(bars[f], QString(32, u'#').replace(marks[f], 1, u'O'));
    // The looks drawn while making it are those of the file as written.
    if (arguments.contains(QStringLiteral("--preview"))) {
        const Child again = run(dir.path(), {QStringLiteral("--show"), QStringLiteral("--preview"),
                                             QStringLiteral("again.png"), QStringLiteral("busy.ani")});
        QVERIFY2(again.err.isEmpty(), again.err.constData());
        const QImage looks(dir.filePath(QStringLiteral("looks.png")));
        QVERIFY(looks.height() > 4 * looks.width() / 2);
        QCOMPARE(looks, QImage(dir.filePath(QStringLiteral("again.png"))));
    }
}

void PointerSetsTest::refused_data()
{
    QTest::addColumn<Pictures>("pictures");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");

    const auto still = [] { return png(marked(1)); };
    QTest::newRow("two pictures of one role") << Pictures{{"arrow.png", still}, {"left_ptr.png", still}}
                                              << QStringList{"--scheme", "Set", "arrow.png", "left_ptr.png"} << 1
                                              << "“arrow.png” and “left_ptr.png” are both the pointer Arrow";
    QTest::newRow("a role's lone picture beside its frames")
        << Pictures{{"wait.png", still}, {"wait-1.png", still}}
        << QStringList{"--scheme", "Set", "wait.png", "wait-1.png"} << 1 << "are both the pointer Wait";
    QTest::newRow("one frame number twice") << Pictures{{"busy_1.png", still}, {"busy-01.png", still}}
                                            << QStringList{"-o", "x.ani", "busy_1.png", "busy-01.png"} << 1
                                            << "“busy_1.png” and “busy-01.png” are both the pointer Wait";
    QTest::newRow("no role in a scheme") << Pictures{{"arrow.png", still}, {"blob.png", still}}
                                         << QStringList{"--scheme", "Set", "arrow.png", "blob.png"} << 1
                                         << "blob.png: its name is no pointer role's";
    QTest::newRow("two pointers in one animated cursor")
        << Pictures{{"a-1.png", still}, {"b-1.png", still}} << QStringList{"-o", "x.ani", "a-1.png", "b-1.png"} << 1
        << "“x.ani” is one animated cursor, but the pictures make 2 pointers (a, b)";
    QTest::newRow("an unknown role") << Pictures{{"a.png", still}}
                                     << QStringList{"--role", "spinner", "-o", "x.ani", "a.png"} << 2
                                     << "--role “spinner” names no pointer role; the roles are arrow, help,";
    QTest::newRow("no time") << Pictures{{"a.png", still}} << QStringList{"--rate", "0", "-o", "x.ani", "a.png"} << 2
                             << "the rate \"0\" is not a frame's time in 1/60 s";
    QTest::newRow("a rate without an animation")
        << Pictures{{"a.png", still}} << QStringList{"--rate", "3", "-o", "x.cur", "a.png"} << 2
        << "--rate is the time of an animated cursor's frames";
    QTest::newRow("a scheme named as a path")
        << Pictures{{"arrow.png", still}} << QStringList{"--scheme", "a/b", "arrow.png"} << 2
        << "may not hold the character /";
    // Counted before a frame is decoded, within the limits above.
    QTest::newRow("2000 frames") << Pictures{{"wait.webp", [] { return webpAnimation(2000); }}}
                                 << QStringList{"-o", "x.ani", "wait.webp"} << 1
                                 << "holds 2000 frames, more than the 1024 an animated cursor can show";
    QTest::newRow("frames of 17 million pixels")
        << Pictures{{"wait.webp",
                     [] {
                         QImage big(256, 256, QImage::Format_RGB32);
                         big.fill(Qt::black);
                         return animatedWebp(QList<QImage>(260, big), QList<int>(260, 10));
                     }}}
        << QStringList{"-o", "x.ani", "wait.webp"} << 1 << "its 260 frames of 256 x 256 pixels hold more than 16";
}

void PointerSetsTest::refused()
{
    QFETCH(Pictures, pictures);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir dir;
    for (auto picture = pictures.cbegin(); picture != pictures.cend(); ++picture)
        QVERIFY(writeAll(dir.filePath(picture.key()), picture.value()()));
    const QStringList before = listing(dir.path());
    Child child(QStringList{QStringLiteral(PIXELWICK_CONVERT)} + arguments, dir.path(), {}, kLimits);
    const int status = child.wait();
    QCOMPARE(testing::exitCode(status), exitCode);
    QVERIFY2(QString::fromUtf8(child.err).contains(said), child.err.constData());
    QCOMPARE(listing(dir.path()), before);
}

void PointerSetsTest::schemes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<RoleFiles>("files"); // by role

    QTest::newRow("a few roles, the newer ones among them")
        << "High Contrast" << QStringList{"pin.png", "text.png", "arrow.png", "busy-2.png", "busy-1.png", "person.png"}
        << RoleFiles{{"Arrow", "arrow.cur"},
                     {"IBeam", "ibeam.cur"},
                     {"Wait", "wait.ani"},
                     {"Pin", "pin.cur"},
                     {"Person", "person.cur"}};
    QTest::newRow("a name that is not ASCII") << "Zeiger groß; 2" << QStringList{"sizeall.png", "help.png"}
                                              << RoleFiles{{"SizeAll", "sizeall.cur"}, {"Help", "help.cur"}};
}

void PointerSetsTest::schemes()
{
    QFETCH(QString, name);
    QFETCH(QStringList, pictures);
    QFETCH(RoleFiles, files);
    static QTemporaryDir dir;
    for (const QString &picture : pictures)
        QVERIFY(marked(3).save(dir.filePath(picture)));
    // A scheme's folder of the same name is there already: it goes whole.
    const QString folder = dir.filePath(QStringLiteral("out/") + name);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeAll(folder + QStringLiteral("/old.cur"), "old"));
    QVERIFY(writeAll(folder + QStringLiteral("/install.inf"), "[Version]\r\n"));
    const Child made = run(dir.path(), QStringList{"--scheme", name, "-o", "out"} + pictures);
    QVERIFY2(made.err.isEmpty(), made.err.constData());
    QStringList expectedFiles = files.values() << QStringLiteral("install.inf");
    expectedFiles.sort();
    QCOMPARE(listing(folder), expectedFiles);

    const QHash<QString, QStringList> inf = infSections(infText(readAll(folder + QStringLiteral("/install.inf"))));
    QHash<QString, QString> strings;
    for (const QString &line : inf.value(QStringLiteral("Strings"))) {
        const QStringList fields = infFields(line.section(u'=', 1), {});
        strings.insert(line.section(u'=', 0, 0).trimmed(), fields.value(0));
    }
    QCOMPARE(inf.value(QStringLiteral("Version")), QStringList{"Signature=\"$CHICAGO$\""});
    QCOMPARE(inf.value(QStringLiteral("DefaultInstall")),
             (QStringList{"CopyFiles = Scheme.Cur", "AddReg = Scheme.Reg"}));
    QCOMPARE(infFields(inf.value(QStringLiteral("DestinationDirs")).value(0).section(u'=', 1), strings),
             (QStringList{"10", QStringLiteral("Cursors\\") + name}));
    QStringList copied = inf.value(QStringLiteral("Scheme.Cur")) << QStringLiteral("install.inf");
    copied.sort();
    QCOMPARE(copied, expectedFiles);

    // The scheme's value: the 17 roles in Windows' order, each the installed
    // file's path, empty where the scheme has none.
    const QString place = QStringLiteral("%10%\\Cursors\\") + name + u'\\';
    QHash<QString, QStringList> values; // by value name
    for (const QString &line : inf.value(QStringLiteral("Scheme.Reg"))) {
        const QStringList fields = infFields(line, strings);
        QVERIFY2(fields.size() == 5 && fields[0] == QLatin1String("HKCU"), qPrintable(line));
        values.insert(fields[1] + u'|' + fields[2], fields.mid(3));
    }
    QStringList roleFiles;
    for (const QString &role : kRoles)
        roleFiles << (files.contains(role) ? place + files.value(role) : QString());
    const QStringList scheme = values.value(QStringLiteral("Control Panel\\Cursors\\Schemes|") + name);
    QCOMPARE(scheme.value(1).split(u','), roleFiles);
    QCOMPARE(values.value(QStringLiteral("Control Panel\\Cursors|")), (QStringList{"0x00000000", name}));
    for (const QString &role : kRoles) {
        const QStringList value = values.value(QStringLiteral("Control Panel\\Cursors|") + role);
        QCOMPARE(value.value(1), files.contains(role) ? place + files.value(role) : QString());
    }
}

void PointerSetsTest::themeBeside_data()
{
    QTest::addColumn<QString>("name");      // as libXcursor is asked for it
    QTest::addColumn<QList<int>>("marks");  // each frame's white column
    QTest::addColumn<QList<int>>("delays"); // in milliseconds

    QTest::newRow("numbered frames, 5/60 s each") << "watch" << QList<int>{1, 2, 3} << QList<int>{83, 83, 83};
    QTest::newRow("an animation, its own times") << "progress" << QList<int>{3, 7, 20} << QList<int>{100, 250, 40};
    QTest::newRow("still") << "pointer" << QList<int>{9} << QList<int>{0};
}

// With --scheme and --theme, one folder holds both sets; libXcursor loads
// each pointer of the theme with every frame and its time.
void PointerSetsTest::themeBeside()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, marks);
    QFETCH(QList<int>, delays);
    const QString folder = m_themes.filePath(QStringLiteral("Duo"));
    if (!QFileInfo::exists(folder)) {
        for (int n = 1; n <= 3; ++n)
            QVERIFY(marked(n).save(m_themes.filePath(QStringLiteral("busy%1.png").arg(n))));
        QVERIFY(marked(9).save(m_themes.filePath(QStringLiteral("link.png"))));
        QVERIFY(writeAll(m_themes.filePath(QStringLiteral("working.webp")),
                         animatedWebp({marked(3), marked(7), marked(20)}, {100, 250, 40})));
        const Child made = run(m_themes.path(), {"--scheme", "Duo", "--theme", "Duo", "-o", ".", "--rate", "5",
                                                 "busy1.png", "busy3.png", "busy2.png", "link.png", "working.webp"});
        QVERIFY2(made.err.isEmpty(), made.err.constData());
        qputenv("XCURSOR_PATH", QFile::encodeName(m_themes.path()));
    }
    const QStringList files = listing(folder);
    for (const char *file : {"appstarting.ani", "cursors", "hand.cur", "index.theme", "install.inf", "wait.ani"})
        QVERIFY2(files.contains(QLatin1String(file)), qPrintable(files.join(u' ')));

    const std::unique_ptr<XcursorImages, void (*)(XcursorImages *)> images(
        XcursorLibraryLoadImages(name.toLatin1().constData(), "Duo", 32), XcursorImagesDestroy);
    QVERIFY(images);
    QCOMPARE(images->nimage, int(marks.size()));
    for (int f = 0; f < images->nimage; ++f) {
        const XcursorImage &image = *images->images[f];
        QCOMPARE(int(image.width), 32);
        QCOMPARE(int(image.delay), delays[f]);
        QString row;
        for (int x = 0; x < 32; ++x)
            row += image.pixels[5 * 32 + x] == 0xFFFFFFFF ? u'O' : image.pixels[5 * 32 + x] == 0xFF000000 ? u'#' : u'?';
        QCOMPARE(row, QString(32, u'#').replace(marks[f], 1, u'O'));
    }
}

QTEST_GUILESS_MAIN(PointerSetsTest)
#include "test_pointer_sets.moc"

// SPDX-License-Identifier: MIT
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace pixelwick;
using namespace testing;

namespace {

const KeyColours kDefaultKeys{colourValue(0, 255, 0), colourValue(255, 0, 255)};
const ColourValue kGreen = colourValue(0, 255, 0);
const ColourValue kMagenta = colourValue(255, 0, 255);

// The 70 fixed bytes written out by hand, the hot spot left as %1 %2.
QByteArray fixedBytes(const char *hotSpot)
{
    const QString hex = QStringLiteral("000002000100"                  // reserved, cursor, one image
                                       "20200200 %1 30010000 16000000" // 32 x 32, 2 colours, hot spot, 304 bytes at 22
                                       "28000000 20000000 40000000 0100 0100" // header size, 32 x 64, 1 plane, 1 bpp
                                       "000000000000000000000000000000000000000000000000"
                                       "00000000 FFFFFF00")
                            .arg(QLatin1String(hotSpot));
    return QByteArray::fromHex(hex.toLatin1().replace(' ', ""));
}

} // namespace

class CursorFileTest : public QObject {
    Q_OBJECT

private slots:
    void bitStringToByte_data();
    void bitStringToByte();
    void wholeFile_data();
    void wholeFile();
    void bytePositions();
    void keyPrecedence_data();
    void keyPrecedence();
    void otherColoursByLuminance_data();
    void otherColoursByLuminance();
    void hotSpotText_data();
    void hotSpotText();
    void outputName_data();
    void outputName();
    void failuresBeforeWritingTouchNoFile_data();
    void failuresBeforeWritingTouchNoFile();
    void unwritableTarget_data();
    void unwritableTarget();
    void specialTargets_data();
    void specialTargets();
    void batchNeverReplacesItsOwnCursor();
    void unfinishedBatchLeavesNothing();
    void olderFileReplacedWhole();
    void failedWriteKeepsOlderFile();
    void neverOverwritesThePicture();
    void readBackByIcotool_data();
    void readBackByIcotool();
};

void CursorFileTest::bitStringToByte_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("expected");
    QTest::newRow("leading one") << "10000000" << 128;
    QTest::newRow("trailing one") << "00000001" << 1;
    QTest::newRow("all ones") << "11111111" << 255;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("short text is high bits") << "101" << 160;
    QTest::newRow("other characters are 0") << "1x1?0a01" << 161;
    QTest::newRow("ninth character ignored") << "000000001" << 0;
}

void CursorFileTest::bitStringToByte()
{
    QFETCH(QString, bits);
    QFETCH(int, expected);
    QCOMPARE(int(BitStringToByte(bits.toStdString())), expected);
}

void CursorFileTest::wholeFile_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QByteArray>("fixed");
    QTest::addColumn<int>("xorByte");
    QTest::addColumn<int>("andByte");
    QTest::newRow("background, defaults") << kGreen << "15"
                                          << "15" << fixedBytes("0F000F00") << 0x00 << 0xFF;
    QTest::newRow("white") << kWhite << "15"
                           << "15" << fixedBytes("0F000F00") << 0xFF << 0x00;
    QTest::newRow("black") << kBlack << "15"
                           << "15" << fixedBytes("0F000F00") << 0x00 << 0x00;
    QTest::newRow("invert colour") << kMagenta << "15"
                                   << "15" << fixedBytes("0F000F00") << 0xFF << 0xFF;
    QTest::newRow("hot spot -1, 40") << kGreen << "-1"
                                     << " 40 " << fixedBytes("FFFF2800") << 0x00 << 0xFF;
    QTest::newRow("hot spot extremes") << kGreen << "-32768"
                                       << "32767" << fixedBytes("0080FF7F") << 0x00 << 0xFF;
}

void CursorFileTest::wholeFile()
{
    QFETCH(int, fill);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QByteArray, fixed);
    QFETCH(int, xorByte);
    QFETCH(int, andByte);
    QCOMPARE(fixed.size(), kFixedBlocksSize);

    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("arrow.bmp"));
    const MakeCursorResult result = makeCursor(picture, x, y, GridSource(fill), kDefaultKeys);
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(result.outputPath, dir.filePath(QStringLiteral("arrow.cur")));

    const QByteArray expected = fixed + QByteArray(128, char(xorByte)) + QByteArray(128, char(andByte));
    const QByteArray written = readAll(result.outputPath);
    QCOMPARE(written.size(), kCursorFileSize);
    QCOMPARE(written.toHex(' '), expected.toHex(' '));

    // A second run writes the same bytes again.
    QVERIFY(makeCursor(picture, x, y, GridSource(fill), kDefaultKeys).ok());
    QCOMPARE(readAll(result.outputPath), expected);
}

void CursorFileTest::bytePositions()
{
    // Alternating white and black pixels 0 to 7 of a row give AA.
    GridSource alternating(kGreen);
    for (int x = 0; x < 8; ++x)
        alternating.set(x, 5, x % 2 ? kBlack : kWhite);
    // The bottom-left pixel opens each plane, the top-right one closes it.
    alternating.set(0, 31, kWhite);
    alternating.set(31, 0, kMagenta);

    QByteArray bytes;
    QVERIFY(encodePlanes(alternating, kDefaultKeys, [&](std::uint8_t b) {
        bytes.append(char(b));
        return true;
    }));
    QCOMPARE(bytes.size(), 256);
    const int rowOf5 = (31 - 5) * 4;
    QCOMPARE(std::uint8_t(bytes[rowOf5]), std::uint8_t(0xAA));
    QCOMPARE(std::uint8_t(bytes[128 + rowOf5]), std::uint8_t(0x00));
    QCOMPARE(std::uint8_t(bytes[0]), std::uint8_t(0x80));   // XOR: white at x = 0
    QCOMPARE(std::uint8_t(bytes[128]), std::uint8_t(0x7F)); // AND: opaque at x = 0 only
    QCOMPARE(std::uint8_t(bytes[127]), std::uint8_t(0x01)); // XOR: magenta at x = 31
    QCOMPARE(std::uint8_t(bytes[255]), std::uint8_t(0xFF)); // AND: all see-through
    QCOMPARE(std::uint8_t(bytes[1]), std::uint8_t(0x00));   // x = 8..15 of the bottom row untouched

    // A sink that refuses stops the encoding at once.
    int taken = 0;
    QVERIFY(!encodePlanes(alternating, kDefaultKeys, [&](std::uint8_t) { return ++taken < 3; }));
    QCOMPARE(taken, 3);
}

void CursorFileTest::keyPrecedence_data()
{
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("invert");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<int>("look");
    QTest::newRow("default background") << kGreen << kMagenta << kGreen << int(Look::Transparent);
    QTest::newRow("default invert") << kGreen << kMagenta << kMagenta << int(Look::Inverted);
    QTest::newRow("white background inverts white") << kWhite << kMagenta << kWhite << int(Look::Inverted);
    QTest::newRow("black invert hides black") << kGreen << kBlack << kBlack << int(Look::Transparent);
    QTest::newRow("same key colour is transparent") << kGreen << kGreen << kGreen << int(Look::Transparent);
    QTest::newRow("both white invert white") << kWhite << kWhite << kWhite << int(Look::Inverted);
    QTest::newRow("white stays white") << kGreen << kMagenta << kWhite << int(Look::White);
    QTest::newRow("black stays black") << kGreen << kMagenta << kBlack << int(Look::Black);
}

void CursorFileTest::keyPrecedence()
{
    QFETCH(int, background);
    QFETCH(int, invert);
    QFETCH(int, pixel);
    QFETCH(int, look);
    // The pixel under test on a checker of the other looks, so that a
    // misplaced bit shows too.
    GridSource source([&](int x, int y) { return (x + y) % 3 == 0 ? pixel : ((x + y) % 3 == 1 ? kWhite : kBlack); });
    QTemporaryDir dir;
    const MakeCursorResult result = makeCursor(dir.filePath(QStringLiteral("p.png")), QStringLiteral("0"),
                                               QStringLiteral("0"), source, KeyColours{background, invert});
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QByteArray cursor = readAll(result.outputPath);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const ColourValue c = source.colourAt(x, y);
            Look want = Look(look);
            if (c != pixel)
                want = c == kWhite ? Look::White : Look::Black;
            if (lookAt(cursor, x, y) != want)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(lookName(lookAt(cursor, x, y)), lookName(want))));
        }
    }
}

void CursorFileTest::otherColoursByLuminance_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("look");
    QTest::newRow("mid grey 128") << colourValue(128, 128, 128) << int(Look::White);
    QTest::newRow("grey 127") << colourValue(127, 127, 127) << int(Look::Black);
    QTest::newRow("red") << colourValue(255, 0, 0) << int(Look::Black);
    QTest::newRow("yellow") << colourValue(255, 255, 0) << int(Look::White);
    QTest::newRow("blue") << colourValue(0, 0, 255) << int(Look::Black);
    QTest::newRow("green 218 is 127") << colourValue(0, 218, 0) << int(Look::Black);
    QTest::newRow("green 219 is 128") << colourValue(0, 219, 0) << int(Look::White);
    QTest::newRow("near white") << colourValue(254, 255, 255) << int(Look::White);
    QTest::newRow("near black") << colourValue(1, 0, 0) << int(Look::Black);
}

void CursorFileTest::otherColoursByLuminance()
{
    QFETCH(int, colour);
    QFETCH(int, look);
    // Between a transparent pixel and an inverting one: a pixel of another
    // colour must still give exactly one bit, or the rest of the byte shifts.
    GridSource source(kGreen);
    source.set(3, 9, colour);
    source.set(4, 9, kMagenta);
    QTemporaryDir dir;
    const MakeCursorResult result = makeCursor(dir.filePath(QStringLiteral("p.png")), QStringLiteral("15"),
                                               QStringLiteral("15"), source, kDefaultKeys);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QByteArray cursor = readAll(result.outputPath);
    QCOMPARE(lookName(lookAt(cursor, 3, 9)), lookName(Look(look)));
    QCOMPARE(lookName(lookAt(cursor, 2, 9)), lookName(Look::Transparent));
    QCOMPARE(lookName(lookAt(cursor, 4, 9)), lookName(Look::Inverted));
    QCOMPARE(lookName(lookAt(cursor, 5, 9)), lookName(Look::Transparent));
}

void CursorFileTest::hotSpotText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("value");
    const int ok = int(HotSpotStatus::Ok), nan = int(HotSpotStatus::NotANumber), over = int(HotSpotStatus::OutOfRange);
    QTest::newRow("blanks") << " 15 " << ok << 15;
    QTest::newRow("tab") << "\t7" << ok << 7;
    QTest::newRow("half to even down") << "2.5" << ok << 2;
    QTest::newRow("half to even up") << "3.5" << ok << 4;
    QTest::newRow("minus half") << "-0.5" << ok << 0;
    QTest::newRow("minus one and a half") << "-1.5" << ok << -2;
    QTest::newRow("just above half") << "2.5000000000000000001" << ok << 3;
    QTest::newRow("below half") << "2.4999" << ok << 2;
    QTest::newRow("plus sign") << "+8" << ok << 8;
    QTest::newRow("leading zeros") << "0000000000031" << ok << 31;
    QTest::newRow("fraction only") << ".6" << ok << 1;
    QTest::newRow("minus one") << "-1" << ok << -1;
    QTest::newRow("lowest") << "-32768" << ok << -32768;
    QTest::newRow("highest") << "32767" << ok << 32767;
    QTest::newRow("rounds down into range") << "32767.4" << ok << 32767;
    QTest::newRow("40000") << "40000" << over << 0;
    QTest::newRow("rounds out of range") << "32767.5" << over << 0;
    QTest::newRow("below range") << "-32769" << over << 0;
    QTest::newRow("huge") << "123456789012345678901234567890" << over << 0;
    QTest::newRow("letters") << "abc" << nan << 0;
    QTest::newRow("empty") << "" << nan << 0;
    QTest::newRow("blank") << "   " << nan << 0;
    QTest::newRow("sign alone") << "-" << nan << 0;
    QTest::newRow("dot alone") << "." << nan << 0;
    QTest::newRow("comma separator") << "2,5" << nan << 0;
    QTest::newRow("exponent") << "1e3" << nan << 0;
    QTest::newRow("trailing letter") << "15px" << nan << 0;
    QTest::newRow("blank after sign") << "- 5" << nan << 0;
    QTest::newRow("hex") << "0x10" << nan << 0;
}

void CursorFileTest::hotSpotText()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(int, value);
    const HotSpotValue parsed = parseHotSpot(text);
    QCOMPARE(int(parsed.status), status);
    if (parsed.status == HotSpotStatus::Ok)
        QCOMPARE(int(parsed.value), value);
}

void CursorFileTest::outputName_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("cursor");
    QTest::newRow("bmp") << "/pics/arrow.bmp"
                         << "/pics/arrow.cur";
    QTest::newRow("upper case") << "arrow.BMP"
                                << "arrow.cur";
    QTest::newRow("four letters") << "shot.jpeg"
                                  << "shot.cur";
    QTest::newRow("no extension") << "photo"
                                  << "photo.cur";
    QTest::newRow("dot in folder") << "my.pics/photo"
                                   << "my.pics/photo.cur";
    QTest::newRow("leading dot") << "/home/me/.hidden"
                                 << "/home/me/.hidden.cur";
    QTest::newRow("two dots") << "a.b.png"
                              << "a.b.cur";
    QTest::newRow("trailing dot") << "odd."
                                  << "odd.cur";
    QTest::newRow("short name") << "ab"
                                << "ab.cur";
    QTest::newRow("a folder") << "/pics/"
                              << "";
    QTest::newRow("nothing") << ""
                             << "";
}

void CursorFileTest::outputName()
{
    QFETCH(QString, picture);
    QFETCH(QString, cursor);
    QCOMPARE(cursorPathFor(picture), cursor);
}

void CursorFileTest::failuresBeforeWritingTouchNoFile_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("named");
    QTest::newRow("no picture chosen, bad hot spot too")
        << ""
        << "abc"
        << "40000" << int(CursorError::InvalidArgument) << "No picture";
    QTest::newRow("x checked before y") << "arrow.bmp"
                                        << "abc"
                                        << "40000" << int(CursorError::TypeMismatch) << "hot spot x";
    QTest::newRow("empty x") << "arrow.bmp"
                             << ""
                             << "15" << int(CursorError::TypeMismatch) << "hot spot x field is empty";
    QTest::newRow("x overflow") << "arrow.bmp"
                                << "40000"
                                << "abc" << int(CursorError::Overflow) << "hot spot x value \u201C40000\u201D";
    QTest::newRow("y type") << "arrow.bmp"
                            << "15"
                            << "1,5" << int(CursorError::TypeMismatch) << "hot spot y value \u201C1,5\u201D";
    QTest::newRow("y overflow") << "arrow.bmp"
                                << "15"
                                << "-40000" << int(CursorError::Overflow) << "hot spot y";
}

void CursorFileTest::failuresBeforeWritingTouchNoFile()
{
    QFETCH(QString, picture);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, error);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QByteArray older("an older cursor that must stay");
    QVERIFY(writeAll(dir.filePath(QStringLiteral("arrow.cur")), older));
    const QString path = picture.isEmpty() ? picture : dir.filePath(picture);

    const MakeCursorResult result = makeCursor(path, x, y, GridSource(), kDefaultKeys);
    QCOMPARE(errorKindName(result.error), errorKindName(CursorError(error)));
    QVERIFY2(result.message.contains(named), qPrintable(result.message));
    QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("arrow.cur")});
    QCOMPARE(readAll(dir.filePath(QStringLiteral("arrow.cur"))), older);
}

void CursorFileTest::unwritableTarget_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("read-only file") << "file";
    QTest::newRow("folder of that name") << "dir";
}

void CursorFileTest::unwritableTarget()
{
    QFETCH(QString, setUp);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("pics"));
    QVERIFY(QDir().mkpath(folder));
    const QString cursor = folder + QStringLiteral("/arrow.cur");
    const QByteArray older(500, 'o');
    if (setUp == QLatin1String("dir"))
        QVERIFY(QDir().mkpath(cursor + QStringLiteral("/inside")));
    else
        QVERIFY(writeAll(cursor, older));
    if (setUp == QLatin1String("file"))
        QVERIFY(QFile::setPermissions(cursor, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    if (setUp == QLatin1String("folder"))
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup));
    const QStringList before = listing(folder);

    const MakeCursorResult result = makeCursor(folder + QStringLiteral("/arrow.bmp"), QStringLiteral("15"),
                                               QStringLiteral("15"), GridSource(), kDefaultKeys);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(errorKindName(result.error), errorKindName(CursorError::FileAccess));
    QVERIFY2(result.message.contains(QStringLiteral("arrow.cur")), qPrintable(result.message));
    QCOMPARE(listing(folder), before);
    if (setUp == QLatin1String("dir"))
        QVERIFY(QFileInfo(cursor).isDir());
    else
        QCOMPARE(readAll(cursor), older);
}

enum class Target { FifoWithoutReader, FifoWithReader, NullDevice, BlockDevice, Socket, DanglingLink, LinkToFile };
Q_DECLARE_METATYPE(Target)

void CursorFileTest::specialTargets_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("refusal"); // empty when the cursor is written
    QTest::newRow("pipe nobody reads") << Target::FifoWithoutReader << "no program is reading";
    QTest::newRow("pipe with a reader") << Target::FifoWithReader << "";
    QTest::newRow("character device") << Target::NullDevice << "";
    QTest::newRow("block device") << Target::BlockDevice << "block device";
    QTest::newRow("socket") << Target::Socket << "socket";
    QTest::newRow("dangling link") << Target::DanglingLink << "does not exist";
    QTest::newRow("link to a file") << Target::LinkToFile << "";
}

// Only regular files are ever replaced: whatever else stands where the
// cursor goes is written into, or refused at once, and stays what it was.
void CursorFileTest::specialTargets()
{
    QFETCH(Target, target);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString cursor = dir.filePath(QStringLiteral("arrow.cur"));
    const QByteArray path = QFile::encodeName(cursor);
    const QString linked = dir.filePath(QStringLiteral("elsewhere.cur"));
    int reader = -1;
    int socketHandle = -1;
    switch (target) {
    case Target::FifoWithReader:
    case Target::FifoWithoutReader:
        QCOMPARE(mkfifo(path.constData(), 0644), 0);
        if (target == Target::FifoWithReader)
            QVERIFY((reader = open(path.constData(), O_RDONLY | O_NONBLOCK)) >= 0);
        break;
    case Target::NullDevice:
    case Target::BlockDevice:
        if (geteuid() != 0)
            QSKIP("making a device node needs root");
        QCOMPARE(mknod(path.constData(), (target == Target::NullDevice ? S_IFCHR : S_IFBLK) | 0666,
                       target == Target::NullDevice ? makedev(1, 3) : makedev(7, 0)),
                 0);
        break;
    case Target::Socket: {
        socketHandle = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(path.size() < qsizetype(sizeof address.sun_path));
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(bind(socketHandle, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        break;
    }
    case Target::DanglingLink: QVERIFY(QFile::link(linked, cursor)); break;
    case Target::LinkToFile:
        QVERIFY(writeAll(linked, "older"));
        QVERIFY(QFile::link(linked, cursor));
        break;
    }
    struct stat before {};
    QCOMPARE(lstat(path.constData(), &before), 0);

    const MakeCursorResult result = makeCursor(dir.filePath(QStringLiteral("arrow.png")), QStringLiteral("3"),
                                               QStringLiteral("4"), GridSource(kBlack), kDefaultKeys);
    const QByteArray expected = encodedCursor(GridSource(kBlack), kDefaultKeys, HotSpot{3, 4});
    QByteArray received;
    if (reader >= 0) {
        received.resize(1000);
        received.resize(qMax<ssize_t>(0, read(reader, received.data(), size_t(received.size()))));
        close(reader);
    }
    if (socketHandle >= 0)
        close(socketHandle);

    if (refusal.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.message));
    } else {
        QCOMPARE(errorKindName(result.error), errorKindName(CursorError::FileAccess));
        QVERIFY2(result.message.contains(refusal), qPrintable(result.message));
        QVERIFY2(result.message.contains(QStringLiteral("arrow.cur")), qPrintable(result.message));
    }
    // The same thing still stands there, and nothing was left beside it.
    struct stat after {};
    QCOMPARE(lstat(path.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    if (target == Target::FifoWithReader)
        QCOMPARE(received, expected);
    if (target == Target::LinkToFile)
        QCOMPARE(readAll(linked), expected);
    if (target == Target::DanglingLink)
        QVERIFY(!QFileInfo::exists(linked));
    QStringList expectedNames{QStringLiteral("arrow.cur")};
    if (target == Target::LinkToFile)
        expectedNames << QStringLiteral("elsewhere.cur");
    QCOMPARE(listing(dir.path()), expectedNames);
}

void CursorFileTest::batchNeverReplacesItsOwnCursor()
{
    QTemporaryDir dir;
    const QString cursor = dir.filePath(QStringLiteral("arrow.cur"));
    const QByteArray older("an older cursor");
    QVERIFY(writeAll(cursor, older));
    QVERIFY(QFile::setPermissions(cursor, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QByteArray firstCursor;
    {
        CursorBatch batch;
        QVERIFY(makeCursor(dir.filePath(QStringLiteral("arrow.png")), QStringLiteral("1"), QStringLiteral("1"),
                           GridSource(kBlack), kDefaultKeys, {}, &batch)
                    .ok());
        // The same cursor again under another name of the same place.
        const MakeCursorResult again =
            makeCursor(dir.filePath(QStringLiteral("arrow.bmp")), QStringLiteral("2"), QStringLiteral("2"),
                       GridSource(kWhite), kDefaultKeys, dir.filePath(QStringLiteral("./arrow.cur")), &batch);
        QCOMPARE(errorKindName(again.error), errorKindName(CursorError::InvalidArgument));
        QVERIFY2(again.message.contains(QStringLiteral("arrow.png")), qPrintable(again.message));
        // Until the batch is finished the older cursor stays.
        QCOMPARE(readAll(cursor), older);
        QVERIFY(batch.finish().isEmpty());
        firstCursor = readAll(cursor);
        QCOMPARE(firstCursor, encodedCursor(GridSource(kBlack), kDefaultKeys, HotSpot{1, 1}));
        // Its permissions are the older file's, as when replaced alone.
        QCOMPARE(QFile::permissions(cursor),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
    }
    QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("arrow.cur")});
    // Without a batch, a second make replaces the first as ever.
    QVERIFY(makeCursor(dir.filePath(QStringLiteral("arrow.bmp")), QStringLiteral("2"), QStringLiteral("2"),
                       GridSource(kWhite), kDefaultKeys)
                .ok());
    QVERIFY(readAll(cursor) != firstCursor);
}

// A batch given up before it is finished leaves the older files and
// nothing else.
void CursorFileTest::unfinishedBatchLeavesNothing()
{
    QTemporaryDir dir;
    const QString cursor = dir.filePath(QStringLiteral("arrow.cur"));
    QVERIFY(writeAll(cursor, "older"));
    {
        CursorBatch batch;
        QVERIFY(makeCursor(dir.filePath(QStringLiteral("arrow.png")), QStringLiteral("1"), QStringLiteral("1"),
                           GridSource(kBlack), kDefaultKeys, {}, &batch)
                    .ok());
        QVERIFY(makeCursor(dir.filePath(QStringLiteral("new.png")), QStringLiteral("1"), QStringLiteral("1"),
                           GridSource(kBlack), kDefaultKeys, {}, &batch)
                    .ok());
        QCOMPARE(listing(dir.path()).size(), 3);
    }
    QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("arrow.cur")});
    QCOMPARE(readAll(cursor), QByteArray("older"));
}

void CursorFileTest::olderFileReplacedWhole()
{
    QTemporaryDir dir;
    const QString cursor = dir.filePath(QStringLiteral("arrow.cur"));
    QVERIFY(writeAll(cursor, QByteArray(4096, 'x')));
    const MakeCursorResult result = makeCursor(dir.filePath(QStringLiteral("arrow.gif")), QStringLiteral("15"),
                                               QStringLiteral("15"), GridSource(kBlack), kDefaultKeys);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QByteArray written = readAll(cursor);
    QCOMPARE(written.size(), kCursorFileSize);
    QCOMPARE(written, fixedBytes("0F000F00") + QByteArray(256, '\0'));
    QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("arrow.cur")});
}

void CursorFileTest::failedWriteKeepsOlderFile()
{
    // A real write failure: the file-size limit stops the write at 100
    // bytes the way a full disk would.
    QTemporaryDir dir;
    const QString cursor = dir.filePath(QStringLiteral("arrow.cur"));
    const QByteArray older(50, 'o');
    QVERIFY(writeAll(cursor, older));

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const MakeCursorResult result = makeCursor(dir.filePath(QStringLiteral("arrow.bmp")), QStringLiteral("15"),
                                               QStringLiteral("15"), GridSource(), kDefaultKeys);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &previous), 0);

    QCOMPARE(errorKindName(result.error), errorKindName(CursorError::DeviceOrFile));
    QVERIFY2(result.message.contains(cursor), qPrintable(result.message));
    QCOMPARE(readAll(cursor), older);
    QCOMPARE(listing(dir.path()), QStringList{QStringLiteral("arrow.cur")});
}

void CursorFileTest::neverOverwritesThePicture()
{
    QTemporaryDir dir;
    const QByteArray pictureBytes(326, 'p');
    const QString curPicture = dir.filePath(QStringLiteral("arrow.cur"));
    QVERIFY(writeAll(curPicture, pictureBytes));
    MakeCursorResult result =
        makeCursor(curPicture, QStringLiteral("15"), QStringLiteral("15"), GridSource(), kDefaultKeys);
    QCOMPARE(errorKindName(result.error), errorKindName(CursorError::InvalidArgument));
    QVERIFY2(result.message.contains(QStringLiteral("arrow.cur")), qPrintable(result.message));
    QCOMPARE(readAll(curPicture), pictureBytes);

    // A picture reached through a link to the very file the cursor would replace.
    const QString link = dir.filePath(QStringLiteral("shot.png"));
    const QString target = dir.filePath(QStringLiteral("shot.cur"));
    QVERIFY(writeAll(target, pictureBytes));
    QVERIFY(QFile::link(target, link));
    result = makeCursor(link, QStringLiteral("15"), QStringLiteral("15"), GridSource(), kDefaultKeys);
    QCOMPARE(errorKindName(result.error), errorKindName(CursorError::InvalidArgument));
    QCOMPARE(readAll(target), pictureBytes);

    // An explicit output naming the picture is refused the same way.
    const QString png = dir.filePath(QStringLiteral("plain.png"));
    QVERIFY(writeAll(png, pictureBytes));
    result = makeCursor(png, QStringLiteral("15"), QStringLiteral("15"), GridSource(), kDefaultKeys, png);
    QCOMPARE(errorKindName(result.error), errorKindName(CursorError::InvalidArgument));
    QCOMPARE(readAll(png), pictureBytes);
}

void CursorFileTest::readBackByIcotool_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("storedX");
    QTest::addColumn<int>("storedY");
    QTest::newRow("defaults") << "15"
                              << "15" << 15 << 15;
    QTest::newRow("corner") << "0"
                            << "31" << 0 << 31;
    QTest::newRow("beyond the image") << "40"
                                      << "100" << 40 << 100;
    QTest::newRow("negative") << "-1"
                              << "3" << 65535 << 3;
}

void CursorFileTest::readBackByIcotool()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, storedX);
    QFETCH(int, storedY);
    // An arrow-like picture with all four looks.
    GridSource source([](int px, int py) {
        if (px > py)
            return kGreen;
        if (px == py || px == 0)
            return kBlack;
        return py > 24 ? kMagenta : kWhite;
    });
    QTemporaryDir dir;
    const MakeCursorResult result = makeCursor(dir.filePath(QStringLiteral("arrow.png")), x, y, source, kDefaultKeys);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QString problem = checkWithIcotool(result.outputPath, storedX, storedY);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    const QByteArray cursor = readAll(result.outputPath);
    for (int py = 0; py < 32; ++py) {
        for (int px = 0; px < 32; ++px) {
            const ColourValue c = source.colourAt(px, py);
            const Look want = c == kGreen     ? Look::Transparent
                              : c == kMagenta ? Look::Inverted
                              : c == kWhite   ? Look::White
                                              : Look::Black;
            QCOMPARE(lookName(lookAt(cursor, px, py)), lookName(want));
        }
    }
}

QTEST_GUILESS_MAIN(CursorFileTest)
#include "test_cursor_file.moc"

// SPDX-License-Identifier: MIT
#include "messages.h"

#include <QDir>

namespace pixelwick {

QString errorKindName(CursorError error)
{
    switch (error) {
    case CursorError::None: return Conversion::tr("No error");
    case CursorError::InvalidArgument: return Conversion::tr("Invalid argument");
    case CursorError::TypeMismatch: return Conversion::tr("Type mismatch");
    case CursorError::Overflow: return Conversion::tr("Overflow");
    case CursorError::FileAccess: return Conversion::tr("File access error");
    case CursorError::DeviceOrFile: return Conversion::tr("Device or file error");
    }
    return {};
}

namespace {

QString hex(char16_t code, int digits)
{
    return QString::number(code, 16).rightJustified(digits, u'0');
}

// What stands for `c` in a message; empty when it stands for itself.
QString escape(char16_t c)
{
    switch (c) {
    case u'\a': return QStringLiteral("\\a");
    case u'\b': return QStringLiteral("\\b");
    case u'\t': return QStringLiteral("\\t");
    case u'\n': return QStringLiteral("\\n");
    case u'\v': return QStringLiteral("\\v");
    case u'\f': return QStringLiteral("\\f");
    case u'\r': return QStringLiteral("\\r");
    default: break;
    }
    if (c < 0x20 || c == 0x7F)
        return QStringLiteral("\\x") + hex(c, 2);
    if (c >= kHeldByteBase + 0x80 && c <= kHeldByteBase + 0xFF)
        return QStringLiteral("\\x") + hex(c - kHeldByteBase, 2);
    // C1 controls, line and paragraph separators, the marks and overrides
    // that turn the text after them around, and any other lone surrogate.
    if ((c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069) || QChar::isSurrogate(c))
        return QStringLiteral("\\u") + hex(c, 4);
    return {};
}

enum class Backslash { Kept, Doubled };

QString escaped(const QString &text, Backslash backslash)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            shown += text[i];
            shown += text[++i];
        } else if (c == u'\\' && backslash == Backslash::Doubled && QDir::separator() != u'\\') {
            shown += QStringLiteral("\\\\");
        } else if (const QString stand = escape(c); !stand.isEmpty()) {
            shown += stand;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

} // namespace

QString shownName(const QString &name)
{
    return escaped(name, Backslash::Doubled);
}

QString withoutControls(const QString &text)
{
    return escaped(text, Backslash::Kept);
}

QString quotedText(const QString &text)
{
    return Conversion::tr("\u201C%1\u201D").arg(shownName(text));
}

QString quotedPath(const QString &path)
{
    return quotedText(QDir::toNativeSeparators(path));
}

QString describe(Problem problem, const QStringList &arguments)
{
    const auto argument = [&](qsizetype i) { return i < arguments.size() ? arguments[i] : QString(); };
    switch (problem) {
    case Problem::None: return {};
    case Problem::NoPictureChosen:
        return Conversion::tr("No picture has been chosen yet. Load a picture first, then make the cursor.");
    case Problem::NamesNoPicture: return Conversion::tr("%1 names no picture file.").arg(quotedPath(argument(0)));
    case Problem::WouldReplacePicture:
        return Conversion::tr("The cursor %1 would replace the picture itself, so nothing was written. "
                              "Give the cursor another name.")
            .arg(quotedPath(argument(0)));
    case Problem::WouldReplaceOther:
        return Conversion::tr("The cursor %1 would replace the picture %2, which this run also reads, so nothing "
                              "was written. Give the cursor another name.")
            .arg(quotedPath(argument(0)), quotedPath(argument(1)));
    case Problem::AlreadyMadeInThisRun:
        return Conversion::tr("The cursor %1 was already made from the picture %2 in this run, so it was not "
                              "replaced. Give one of the pictures another name.")
            .arg(quotedPath(argument(0)), quotedPath(argument(1)));
    case Problem::HotSpotEmpty:
        return argument(0) == QLatin1String("x")
                   ? Conversion::tr("The hot spot x field is empty. Type a whole number such as 15.")
                   : Conversion::tr("The hot spot y field is empty. Type a whole number such as 15.");
    case Problem::HotSpotNotANumber:
        return (argument(0) == QLatin1String("x")
                    ? Conversion::tr("The hot spot x value %1 is not a number. Type a whole number such as 15.")
                    : Conversion::tr("The hot spot y value %1 is not a number. Type a whole number such as 15."))
            .arg(quotedText(argument(1)));
    case Problem::HotSpotOutOfRange:
        return (argument(0) == QLatin1String("x")
                    ? Conversion::tr("The hot spot x value %1 is out of range. It must lie between -32768 and 32767.")
                    : Conversion::tr("The hot spot y value %1 is out of range. It must lie between -32768 and 32767."))
            .arg(quotedText(argument(1)));
    case Problem::CannotWrite:
        return Conversion::tr("Cannot write the cursor file %1: %2.").arg(quotedPath(argument(0)), argument(1));
    case Problem::WritingFailed:
        return Conversion::tr("Writing the cursor file %1 failed: %2. No cursor was written, and any older file of "
                              "that name is unchanged.")
            .arg(quotedPath(argument(0)), argument(1));
    }
    return {};
}

QString describe(Reason reason, const QString &argument)
{
    switch (reason) {
    case Reason::FolderInTheWay: return Conversion::tr("a folder of that name is in the way");
    case Reason::FileReadOnly: return Conversion::tr("the file is read-only");
    case Reason::FolderMissing: return Conversion::tr("the folder %1 does not exist").arg(quotedPath(argument));
    case Reason::FolderReadOnly: return Conversion::tr("the folder %1 is read-only").arg(quotedPath(argument));
    case Reason::LinkToNothing:
        return Conversion::tr("it is a link to %1, which does not exist").arg(quotedPath(argument));
    case Reason::BlockDevice: return Conversion::tr("it is a block device, which is never written to");
    case Reason::Socket: return Conversion::tr("it is a socket, not a file");
    case Reason::NotAFile: return Conversion::tr("it is not a file");
    case Reason::PipeWithoutReader: return Conversion::tr("it is a pipe that no program is reading from");
    case Reason::ChangedWhileOpening: return Conversion::tr("it changed while it was being opened");
    case Reason::ReaderTakesNoMore: return Conversion::tr("the program reading from it takes no more data");
    case Reason::TookNoData: return Conversion::tr("it took no data");
    case Reason::DiskTookNoMore: return Conversion::tr("the disk took no more");
    case Reason::DescriptorNotOpen: return Conversion::tr("descriptor %1 is not open").arg(argument);
    case Reason::DescriptorReadOnly: return Conversion::tr("descriptor %1 is open only for reading").arg(argument);
    case Reason::NotAFolder: return Conversion::tr("it is not a folder");
    case Reason::FileInTheWay: return Conversion::tr("a file of that name is in the way");
    case Reason::NotMadeInFolder:
        return Conversion::tr("%1 is not a name that can be made in a folder").arg(quotedText(argument));
    case Reason::IsAPicture:
        return Conversion::tr("it is the picture %1, which is never replaced").arg(quotedPath(argument));
    }
    return {};
}

} // namespace pixelwick

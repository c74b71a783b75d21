// SPDX-License-Identifier: MIT
// Telling an SVG document by its start, and unpacking SVGZ under a bound.
#include "format_walk.h"

#include <zlib.h>

namespace pixelwick::formats {

namespace {

// An SVG's prolog (declaration, comments, document type) is short; one
// longer than this is not looked past for the root element.
constexpr qsizetype kLongestProlog = qsizetype(1) << 20;
// What of an SVGZ file is unpacked to find its document's start.
constexpr qsizetype kSvgzPeek = qsizetype(64) << 10;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where the document type declaration starting at `at` ends, past its
// internal subset with its quoted values and comments; -1 if it does not.
qsizetype doctypeEnd(QByteArrayView text, qsizetype at)
{
    char quote = 0;
    bool subset = false;
    for (qsizetype i = at; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (subset && text.sliced(i).startsWith("<!--")) {
            const qsizetype end = text.indexOf("-->", i + 4);
            if (end < 0)
                return -1;
            i = end + 2;
        } else if (c == '[') {
            subset = true;
        } else if (c == ']') {
            subset = false;
        } else if (c == '>' && !subset) {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

qsizetype rootElementAt(QByteArrayView text)
{
    text = text.first(qMin(text.size(), kLongestProlog));
    qsizetype at = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (;;) {
        while (at < text.size() && isSpace(text[at]))
            ++at;
        const QByteArrayView rest = text.sliced(at);
        qsizetype end = -1;
        if (rest.startsWith("<?")) {
            end = text.indexOf("?>", at + 2);
            end = end < 0 ? -1 : end + 2;
        } else if (rest.startsWith("<!--")) {
            end = text.indexOf("-->", at + 4);
            end = end < 0 ? -1 : end + 3;
        } else if (rest.startsWith("<!DOCTYPE")) {
            end = doctypeEnd(text, at + 9);
        } else {
            return rest.startsWith("<") ? at : -1;
        }
        if (end < 0)
            return -1;
        at = end;
    }
}

bool startsSvgDocument(QByteArrayView text)
{
    const qsizetype at = rootElementAt(text);
    if (at < 0 || !text.sliced(at).startsWith("<svg") || text.size() < at + 5)
        return false;
    const char after = text[at + 4];
    return isSpace(after) || after == '>' || after == '/';
}

bool startsSvgzDocument(QByteArrayView bytes)
{
    if (!bytes.startsWith("\x1F\x8B\x08"))
        return false;
    return startsSvgDocument(gunzip(bytes.first(qMin(bytes.size(), kSvgzPeek)), kSvgzPeek).bytes);
}

Unpacked gunzip(QByteArrayView packed, qint64 most)
{
    Unpacked result;
    z_stream stream{};
    // 16 more window bits: a gzip header and trailer, not zlib's.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        result.state = Unpacked::Damaged;
        return result;
    }
    // Files are at most 256 MB, which zlib's counts hold.
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(packed.size());
    QByteArray out;
    qint64 produced = 0;
    for (;;) {
        if (produced == out.size()) {
            if (produced > most) {
                result.state = Unpacked::TooLarge;
                break;
            }
            // Grown as it fills, so a small file needs little memory.
            out.resize(qsizetype(qMin(qMax<qint64>(out.size() * 2, 1 << 16), most + 1)));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        stream.avail_out = uInt(out.size() - produced);
        const int status = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - stream.avail_out;
        if (status == Z_STREAM_END) {
            result.state = produced > most ? Unpacked::TooLarge : Unpacked::Whole;
            break;
        }
        if (status == Z_BUF_ERROR || (status == Z_OK && stream.avail_in == 0 && stream.avail_out > 0)) {
            if (stream.avail_out > 0) {
                result.state = Unpacked::Cut;
                break;
            }
            continue;
        }
        if (status != Z_OK) {
            result.state = Unpacked::Damaged;
            result.why = QString::fromLatin1(stream.msg ? stream.msg : "zlib error");
            break;
        }
    }
    inflateEnd(&stream);
    out.truncate(qsizetype(qMin(produced, most)));
    result.bytes = out;
    return result;
}

} // namespace pixelwick::formats

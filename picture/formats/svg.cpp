// SPDX-License-Identifier: MIT
// SVG and SVGZ. Qt's SVG plugin follows what a document names outside
// itself: an <image> gives it a file name to open (relative to the working
// folder, "#id" and "DATA:" too), a data: picture is read by whichever
// plugin knows it, an SVG inside one included, and an xml-stylesheet
// instruction has it read a style sheet. It inflates SVGZ without a bound.
// So the document is walked here first, as the plugin reads it (the same
// XML reader, no namespace processing), and refused for any of these; an
// SVGZ is unpacked here under a bound and given to the plugin unpacked.
#include "format_signatures.h"
#include "format_walk.h"

#include <QGuiApplication>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>

namespace pixelwick::formats {

namespace {

// A cursor's SVG takes a few kilobytes, a detailed drawing a few megabytes.
// Qt's plugin holds the text twice (as bytes and as UTF-16), a node of a
// few hundred bytes for each element, and takes about 2 microseconds an
// element: a million elements take it past 450 MB and a second.
constexpr qint64 kMostText = qint64(16) << 20;
constexpr qint64 kMostElements = qint64(1) << 17;
// Drawings name a few entities (namespaces, mostly); their expansion is
// worked out before any is expanded.
constexpr qsizetype kMostEntities = 1024;
// Pictures inside pictures, as data: addresses.
constexpr int kMostNesting = 4;
// The longest reference a message quotes.
constexpr qsizetype kLongestQuote = 60;

int nesting = 0;

// A reference as a message quotes it: one line, not too long.
QString quoted(QStringView reference)
{
    QString shown = reference.left(kLongestQuote).toString();
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return reference.size() > kLongestQuote ? shown + u'…' : shown;
}

QString outside(QStringView reference)
{
    return Picture::tr("it refers to another file (%1), which Pixelwick does not read").arg(quoted(reference));
}

// Why a picture held in a data: address is refused, or nothing. One that
// a plugin of its own reads, or that needs fonts, leaves the drawing not
// `selfContained`: the plugin is loaded from a file while it is drawn.
QString heldPictureProblem(const QByteArray &payload, bool &selfContained)
{
    if (payload.isEmpty())
        return {};
    const QByteArray format = formatBySignature(payload);
    if (format.isEmpty())
        return Picture::tr("it holds a picture whose format its first bytes do not tell");
    if (nesting >= kMostNesting)
        return Picture::tr("it holds pictures inside pictures more than %1 deep").arg(kMostNesting);
    ++nesting;
    const StructureCheck held = checkStructure(format, payload);
    --nesting;
    const bool svg = format == "svg" || format == "svgz";
    if (!(svg ? held.selfContained : format == "png")) // Qt's own PNG reader needs no plugin
        selfContained = false;
    const QString kind = QString::fromLatin1(format.toUpper());
    switch (held.verdict) {
    case Verdict::Whole: break;
    case Verdict::Incomplete: return Picture::tr("it holds an incomplete %1 picture").arg(kind);
    case Verdict::Damaged: return Picture::tr("it holds a damaged %1 picture: %2").arg(kind, held.reason);
    }
    // What the reader would be given instead is a copy without parts that
    // keep it busy; Qt's plugin would read the picture as it is.
    if (!held.readerBytes.isEmpty())
        return Picture::tr("it holds a %1 picture with parts that can keep a reader busy without end").arg(kind);
    return {};
}

// A data: address: its payload after the first comma, in base64 or
// percent-encoded, and also as Qt's plugin takes it (base64 after the last
// "base64,"), where that differs.
QString dataProblem(QStringView address, bool &selfContained)
{
    const qsizetype comma = address.indexOf(u',');
    if (comma < 0)
        return {};
    const QStringView rest = address.sliced(comma + 1);
    QList<QByteArray> payloads;
    if (address.first(comma).endsWith(u";base64", Qt::CaseInsensitive))
        payloads.append(QByteArray::fromBase64(rest.toLatin1()));
    else
        payloads.append(QByteArray::fromPercentEncoding(rest.toUtf8()));
    const qsizetype last = address.lastIndexOf(u"base64,");
    if (last >= 0 && last + 7 != comma + 1)
        payloads.append(QByteArray::fromBase64(address.sliced(last + 7).toLatin1()));
    for (const QByteArray &payload : std::as_const(payloads)) {
        if (const QString problem = heldPictureProblem(payload, selfContained); !problem.isEmpty())
            return problem;
    }
    return {};
}

// CSS, in a style sheet or an attribute: an @import or a url() that leaves
// the document. Qt's plugin follows neither today; they would still draw
// something else where another program follows them.
QString cssProblem(QStringView css)
{
    if (const qsizetype at = css.indexOf(u"@import", 0, Qt::CaseInsensitive); at >= 0)
        return outside(css.sliced(at));
    for (qsizetype at = css.indexOf(u"url(", 0, Qt::CaseInsensitive); at >= 0;
         at = css.indexOf(u"url(", at + 4, Qt::CaseInsensitive)) {
        QStringView target = css.sliced(at + 4).trimmed();
        if (target.startsWith(u'"') || target.startsWith(u'\''))
            target = target.sliced(1);
        if (!target.startsWith(u'#') && !target.startsWith(u"data:"))
            return outside(target.first(qMax<qsizetype>(0, target.indexOf(u')'))));
    }
    return {};
}

// An element's attribute. Any "href", in any namespace or none, is a
// reference: to a part of the document ("#id"), except on <image>, where
// Qt's plugin takes it for a file name; or to a data: picture, which is
// checked as a picture of its own. A link's (<a>) is never followed.
QString attributeProblem(QStringView element, const QXmlStreamAttribute &attribute, bool &selfContained)
{
    const QStringView value = attribute.value();
    if (attribute.name() == u"href" && element != u"a") {
        if (value.startsWith(u"data:"))
            return dataProblem(value, selfContained);
        if (value.startsWith(u'#') && element != u"image")
            return {};
        return outside(value);
    }
    return cssProblem(value);
}

// An external entity names another file; internal ones may not expand the
// document past the bound. Every '&' byte is counted as a reference to the
// largest entity, in any encoding: an overestimate that only a document of
// large entities pays.
QString entityProblem(const QXmlStreamEntityDeclarations &entities, QByteArrayView text)
{
    if (entities.isEmpty())
        return {};
    if (entities.size() > kMostEntities)
        return Picture::tr("a document type of more than %1 entities").arg(kMostEntities);
    QHash<QStringView, qsizetype> indexOf;
    for (qsizetype i = 0; i < entities.size(); ++i) {
        const QXmlStreamEntityDeclaration &entity = entities[i];
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
            return outside(entity.systemId().isEmpty() ? entity.publicId() : entity.systemId());
        indexOf.insert(entity.name(), i);
    }
    // Each entity's length with the entities it names expanded, each once
    // (no deeper than there are entities); one that names itself, directly
    // or not, counts as too long.
    constexpr qint64 kTooLong = kMostText + 1;
    QList<qint64> expanded(entities.size(), -1);
    const auto expand = [&](const auto &self, qsizetype index) -> qint64 {
        if (expanded[index] == -2)
            return kTooLong;
        if (expanded[index] >= 0)
            return expanded[index];
        expanded[index] = -2;
        const QStringView value = entities[index].value();
        qint64 length = value.size();
        for (qsizetype at = value.indexOf(u'&'); at >= 0 && length < kTooLong; at = value.indexOf(u'&', at + 1)) {
            const qsizetype end = value.indexOf(u';', at);
            const auto named = indexOf.constFind(value.sliced(at + 1, qMax<qsizetype>(0, end - at - 1)));
            if (end > at && named != indexOf.cend())
                length += self(self, *named);
        }
        return expanded[index] = qMin(length, kTooLong);
    };
    qint64 largest = 0;
    for (qsizetype i = 0; i < entities.size(); ++i)
        largest = qMax(largest, expand(expand, i));
    const qint64 total = checkedMulAdd(std::count(text.begin(), text.end(), '&'), largest, text.size());
    if (total < 0 || total > kMostText)
        return Picture::tr("entities that would take the document past %1 MB").arg(kMostText >> 20);
    return {};
}

// The document walked as Qt's plugin reads it.
StructureCheck walkDocument(QByteArrayView text)
{
    QXmlStreamReader xml(QByteArray::fromRawData(text.data(), text.size()));
    // Qt's plugin reads "xlink:href" without its namespace being declared.
    xml.setNamespaceProcessing(false);
    // Without a GUI application Qt has no fonts, and drawing text ends the
    // program there.
    const bool fonts = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    qint64 elements = 0;
    bool inStyle = false;
    bool selfContained = true;
    QString problem;
    while (problem.isEmpty() && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD: problem = entityProblem(xml.entityDeclarations(), text); break;
        case QXmlStreamReader::ProcessingInstruction:
            if (xml.processingInstructionTarget() == u"xml-stylesheet")
                problem = outside(xml.processingInstructionData().trimmed());
            break;
        case QXmlStreamReader::StartElement: {
            const QStringView name = xml.name();
            if (++elements > kMostElements) {
                problem = Picture::tr("an SVG document of more than %1 elements").arg(kMostElements);
                break;
            }
            if (name == u"text" || name == u"textArea") {
                if (!fonts) {
                    problem = Picture::tr("it holds text, and no fonts are loaded to draw it");
                    break;
                }
                selfContained = false;
            }
            inStyle = name == u"style";
            const QXmlStreamAttributes attributes = xml.attributes();
            for (const QXmlStreamAttribute &attribute : attributes) {
                problem = attributeProblem(name, attribute, selfContained);
                if (!problem.isEmpty())
                    break;
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (inStyle)
                problem = cssProblem(xml.text());
            break;
        case QXmlStreamReader::EndElement: inStyle = false; break;
        default: break;
        }
    }
    if (!problem.isEmpty())
        return damaged(problem);
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return incomplete();
    if (xml.hasError())
        return damaged(
            Picture::tr("its XML is not well-formed at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
    StructureCheck result = whole();
    result.selfContained = selfContained;
    return result;
}

} // namespace

StructureCheck checkSvg(const FileBytes &file)
{
    const QByteArrayView bytes = file.view();
    if (!bytes.startsWith("\x1F\x8B")) {
        if (bytes.size() > kMostText)
            return damaged(Picture::tr("an SVG document of more than %1 MB").arg(kMostText >> 20));
        return walkDocument(bytes);
    }
    const Unpacked unpacked = gunzip(bytes, kMostText);
    switch (unpacked.state) {
    case Unpacked::Whole: break;
    case Unpacked::Cut: return incomplete();
    case Unpacked::TooLarge:
        return damaged(Picture::tr("an SVGZ file that unpacks to more than %1 MB").arg(kMostText >> 20));
    case Unpacked::Damaged: return damaged(Picture::tr("its compressed data is damaged (%1)").arg(unpacked.why));
    }
    StructureCheck result = walkDocument(unpacked.bytes);
    // Qt's plugin reads the document unpacked here, never inflating itself.
    if (result.whole())
        result.readerBytes = unpacked.bytes;
    return result;
}

} // namespace pixelwick::formats

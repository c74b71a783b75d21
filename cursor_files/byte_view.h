// SPDX-License-Identifier: MIT
#pragma once

// Numbers at offsets of a file held in memory, and numbers written out.
// Cursors, icons and bitmaps are little-endian; some picture formats are
// big-endian. Offsets and sizes come from the files themselves, so every
// read is checked against the end first and one that does not fit gives 0.

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <QtNumeric>

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace pixelwick {

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(QByteArrayView bytes) : m_bytes(bytes) {}

    qint64 size() const { return m_bytes.size(); }
    // Whether `count` bytes from `offset` lie within the bytes.
    bool holds(qint64 offset, qint64 count) const
    {
        qint64 end = 0;
        return offset >= 0 && count >= 0 && !qAddOverflow(offset, count, &end) && end <= size();
    }
    quint8 u8(qint64 offset) const { return holds(offset, 1) ? quint8(m_bytes[offset]) : 0; }
    quint16 le16(qint64 offset) const { return read<quint16>(offset, qFromLittleEndian<quint16>); }
    quint32 le32(qint64 offset) const { return read<quint32>(offset, qFromLittleEndian<quint32>); }
    qint16 les16(qint64 offset) const { return qint16(le16(offset)); }
    qint32 les32(qint64 offset) const { return qint32(le32(offset)); }
    quint16 be16(qint64 offset) const { return read<quint16>(offset, qFromBigEndian<quint16>); }
    quint32 be32(qint64 offset) const { return read<quint32>(offset, qFromBigEndian<quint32>); }
    bool startsWith(qint64 offset, const char *text) const
    {
        const qint64 length = qint64(std::strlen(text));
        return holds(offset, length) && std::memcmp(m_bytes.data() + offset, text, size_t(length)) == 0;
    }
    // The `count` bytes from `offset`, or nothing when they do not fit.
    QByteArrayView slice(qint64 offset, qint64 count) const
    {
        return holds(offset, count) ? m_bytes.sliced(offset, count) : QByteArrayView();
    }
    QByteArrayView view() const { return m_bytes; }

private:
    template <typename T> T read(qint64 offset, T (*convert)(const void *)) const
    {
        return holds(offset, qint64(sizeof(T))) ? convert(m_bytes.data() + offset) : T(0);
    }
    QByteArrayView m_bytes;
};

// Appends little-endian numbers.
class ByteWriter {
public:
    ByteWriter &u8(std::uint8_t v)
    {
        m_bytes.append(char(v));
        return *this;
    }
    ByteWriter &le16(std::uint16_t v) { return put(qToLittleEndian(v)); }
    ByteWriter &le32(std::uint32_t v) { return put(qToLittleEndian(v)); }
    ByteWriter &raw(std::initializer_list<std::uint8_t> values)
    {
        for (std::uint8_t v : values)
            u8(v);
        return *this;
    }
    ByteWriter &raw(QByteArrayView bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    // Zero bytes up to `length` in all.
    ByteWriter &padTo(qsizetype length)
    {
        if (m_bytes.size() < length)
            m_bytes.append(length - m_bytes.size(), '\0');
        return *this;
    }
    qsizetype size() const { return m_bytes.size(); }
    const QByteArray &bytes() const { return m_bytes; }

private:
    template <typename T> ByteWriter &put(T v)
    {
        m_bytes.append(reinterpret_cast<const char *>(&v), sizeof v);
        return *this;
    }
    QByteArray m_bytes;
};

} // namespace pixelwick

// Appends packet fields to a byte array: big-endian for RDM, little-endian for the interface's own blocks.
#pragma once

#include <QByteArray>
#include <QtEndian>

class ByteWriter
{
public:
    explicit ByteWriter(QByteArray *target) : m_target(target) {}

    ByteWriter &u8(quint8 value) { m_target->append(char(value)); return *this; }
    ByteWriter &u16(quint16 value) { return put(qToBigEndian(value)); }
    ByteWriter &u32(quint32 value) { return put(qToBigEndian(value)); }
    ByteWriter &u16le(quint16 value) { return put(qToLittleEndian(value)); }
    ByteWriter &u32le(quint32 value) { return put(qToLittleEndian(value)); }
    // A 48-bit RDM UID, most significant byte first.
    ByteWriter &uid(quint64 value)
    {
        u16(quint16(value >> 32));
        return u32(quint32(value));
    }
    ByteWriter &bytes(const QByteArray &data) { m_target->append(data); return *this; }
    // A text field of exactly `length` bytes, cut or padded with zero bytes.
    ByteWriter &text(const QByteArray &value, int length)
    {
        m_target->append(value.left(length));
        m_target->append(QByteArray(qMax(0, length - int(value.size())), '\0'));
        return *this;
    }

private:
    template <typename T> ByteWriter &put(T raw)
    {
        m_target->append(reinterpret_cast<const char *>(&raw), sizeof raw);
        return *this;
    }
    QByteArray *m_target;
};

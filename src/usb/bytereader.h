// Reads packet fields from received bytes; reading past the end clears ok() and yields zeros.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

class ByteReader
{
public:
    explicit ByteReader(const QByteArray &data) : m_data(data.constData()), m_size(int(data.size())) {}
    ByteReader(const char *data, int size) : m_data(data), m_size(qMax(0, size)) {}

    bool ok() const { return m_ok; }
    int position() const { return m_position; }
    int remaining() const { return m_size - m_position; }
    bool atEnd() const { return m_position >= m_size; }

    quint8 u8() { const char *p = take(1); return p ? quint8(*p) : 0; }
    qint8 s8() { return qint8(u8()); }
    quint16 u16() { const char *p = take(2); return p ? qFromBigEndian<quint16>(p) : 0; }
    qint16 s16() { return qint16(u16()); }
    quint32 u32() { const char *p = take(4); return p ? qFromBigEndian<quint32>(p) : 0; }
    quint16 u16le() { const char *p = take(2); return p ? qFromLittleEndian<quint16>(p) : 0; }
    quint32 u32le() { const char *p = take(4); return p ? qFromLittleEndian<quint32>(p) : 0; }
    quint64 uid()
    {
        const quint64 manufacturer = u16();
        return (manufacturer << 32) | u32();
    }
    QByteArray bytes(int length)
    {
        const char *p = take(length);
        return p ? QByteArray(p, length) : QByteArray();
    }
    QByteArray rest() { return bytes(remaining()); }
    void skip(int length) { take(length); }

private:
    const char *take(int length)
    {
        if (length < 0 || length > remaining()) {
            m_ok = false;
            m_position = m_size;
            return nullptr;
        }
        const char *p = m_data + m_position;
        m_position += length;
        return p;
    }
    const char *m_data;
    int m_size;
    int m_position = 0;
    bool m_ok = true;
};

// Devices pad texts with zero bytes; the text ends at the first one.
inline QString latin1Text(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(bytes.constData(), end < 0 ? bytes.size() : end);
}

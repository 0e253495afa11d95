// Intel HEX lines with correct checksums, upgrade file streams, and files holding them.
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QString>

inline QByteArray hexRecord(int type, quint16 address, const QByteArray &data)
{
    QByteArray record;
    record.append(char(data.size())).append(char(address >> 8)).append(char(address)).append(char(type)).append(data);
    quint8 sum = 0;
    for (const char byte : std::as_const(record))
        sum += quint8(byte);
    record.append(char(quint8(-sum)));
    return ':' + record.toHex().toUpper() + '\n';
}

inline QByteArray hexData(quint16 address, const QByteArray &data)
{
    return hexRecord(0, address, data);
}

// Extended linear address: the upper 16 bits of the addresses that follow.
inline QByteArray hexUpper(quint16 upper)
{
    return hexRecord(4, 0, QByteArray::fromHex(QByteArray::number(upper, 16).rightJustified(4, '0')));
}

inline QByteArray hexEnd()
{
    return hexRecord(1, 0, QByteArray());
}

// A flash image whose bytes differ from their neighbours.
inline QByteArray patternImage(int size = 262144)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char(i * 13 + i / 1021);
    return image;
}

// An upgrade file's stream as it could be written, right or wrong.
inline QByteArray streamed(const QString &header, const QString &version, const QByteArray &scrambledImage)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << header << version << scrambledImage;
    return bytes;
}

inline QString writeTextFile(const QString &name, const QByteArray &text)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return name;
}

inline QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

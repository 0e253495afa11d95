// The bootloader image: the 16 KiB bootloader area of a HEX file stamped with a production serial.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QStringList>

class FirmwarePrompts;

namespace BootloaderImage {
constexpr quint32 firstAddress = 0x08000000;
constexpr int size = 0x4000;
constexpr int serialOffset = 0x3FF0;
constexpr int serialFieldSize = 16;
} // namespace BootloaderImage

// The choices of the production serial YYMMNNN, each with its leading zeros.
QStringList productionYears();   // 00 .. 99
QStringList productionMonths();  // 01 .. 12
QStringList productionNumbers(); // 001 .. 999

// The bootloader bytes of the HEX file (0x00 where it has none) with the serial in the last 16 bytes.
QByteArray bootloaderImage(const QString &hexFileName, const QByteArray &serial);
QString defaultBootloaderFileName(const QString &serial);

// Asks for a HEX file, the production year, month and number, and the output name, then writes the image.
void createBootloaderImage(FirmwarePrompts &prompts, const QDate &today);

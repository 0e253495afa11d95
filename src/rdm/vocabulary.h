// The texts the program shows for the codes in RDM answers, all in one place.
#pragma once

#include <QString>

// Parameter data types (E1.20 Table A-15).
namespace DataType {
constexpr quint8 NotDefined = 0;
constexpr quint8 BitField = 1;
constexpr quint8 String = 2;
constexpr quint8 UnsignedByte = 3;
constexpr quint8 SignedByte = 4;
constexpr quint8 UnsignedWord = 5;
constexpr quint8 SignedWord = 6;
constexpr quint8 UnsignedDoubleWord = 7;
constexpr quint8 SignedDoubleWord = 8;
} // namespace DataType

// The command classes a parameter record supports (not the 0x20/0x30 of a packet).
namespace ParameterCommandClass {
constexpr quint8 Get = 1;
constexpr quint8 Set = 2;
constexpr quint8 GetSet = 3;
} // namespace ParameterCommandClass

// Sensor type codes the program itself assigns (E1.20 Table A-12).
namespace SensorType {
constexpr quint8 Time = 0x10;
constexpr quint8 Other = 0x7F;
} // namespace SensorType

// Product category (E1.20 Table A-5); 0x8000 and up are the manufacturer's.
QString productCategoryText(quint16 code);
// Unit prefix (E1.20 Table A-14) and its power of ten.
QString prefixText(quint8 code);
// The power of ten of a prefix; 0 for no prefix and 1 for a code the table does not list.
int prefixExponent(quint8 code);
// A sensor or parameter value scaled by its prefix, or "v x 10^e" when too large or small to show.
QString valueWithPrefixText(qint16 value, quint8 prefix);
// Sensor type (E1.20 Table A-12).
QString sensorTypeText(quint8 code);
// Unit (E1.20 Table A-13), never translated.
QString unitText(quint8 code);
// Lamp state (E1.20 Table A-8).
QString lampStateText(quint8 code);
// Parameter data type (E1.20 Table A-15).
QString dataTypeText(quint8 code);
// True for the signed byte, word and double word types.
bool isSignedDataType(quint8 code);
// Status type (E1.20 Table A-4), never translated.
QString statusTypeText(quint8 code);
// The command classes of a parameter record, never translated.
QString commandClassText(quint8 code);
// Slot type (E1.20 Table C-1).
QString slotTypeText(quint8 code);
// Slot label ID (E1.20 Table C-2).
QString slotLabelText(quint16 code);
// Lamp-on mode (E1.20 Table A-9).
QString lampOnModeText(quint8 code);
// Display invert state (E1.20 10.9.1).
QString displayInvertText(quint8 code);
// Power state (E1.20 Table A-11).
QString powerStateText(quint8 code);

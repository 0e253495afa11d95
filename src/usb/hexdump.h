// The multi-line debug rendering of a byte block.
#pragma once

#include <QString>

// Rows of 16 bytes: offset, the bytes in hexadecimal, then the printable ones as characters.
QString hexDump(const char *data, int length);

// Block scrambling on copies, for comparing bytes on the wire with plain memory.
#pragma once

#include "firmware/blockscrambler.h"

#include <QByteArray>

inline QByteArray scrambled(QByteArray bytes)
{
    scrambleBlock(bytes.data(), int(bytes.size()));
    return bytes;
}

inline QByteArray unscrambled(QByteArray bytes)
{
    unscrambleBlock(bytes.data(), int(bytes.size()));
    return bytes;
}

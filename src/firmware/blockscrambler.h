// The word transform that protects firmware images and every memory transfer with the interface.
#pragma once

#include <QtGlobal>
#include <array>

// Shared with the interface's bootloader and application firmware.
extern const std::array<quint32, 32> scramblingKey;

// Scrambles length / 4 whole little-endian words in place; trailing bytes stay as they are.
int scrambleBlock(char *buffer, int length);
// scrambleBlock without its trace, for the interface's side of the wire.
void scrambleWords(char *buffer, int length);
// The inverse of scrambleBlock.
int unscrambleBlock(char *buffer, int length);

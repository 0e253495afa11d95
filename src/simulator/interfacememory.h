// The flash of a simulated interface: bootloader area, application pages and the two text blocks.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QtGlobal>

class InterfaceMemory
{
public:
    static constexpr quint32 flashStart = 0x08000000;
    static constexpr int flashSize = 256 * 1024;
    static constexpr quint32 applicationStart = 0x08004000;
    static constexpr int pageSize = 1024;
    static constexpr quint32 informationBlockAddress = 0x0801FFC0;
    static constexpr int informationBlockSize = 64;
    static constexpr quint32 bootloaderVersionAddress = 0x08003FD0;
    static constexpr int bootloaderVersionSize = 32;

    // Erased flash (0xFF) with empty text blocks.
    InterfaceMemory();

    bool contains(quint32 address, int length) const;
    // The bytes at address, or an empty array when the range leaves the flash.
    QByteArray read(quint32 address, int length) const;
    // Programs one whole, aligned application page; the bootloader area is protected.
    bool writePage(quint32 address, const QByteArray &page);
    // A worn page: the next `writes` programmings of the page at address leave its first byte wrong
    // (-1: every one), as a flash cell that no longer takes its charge.
    void wearPage(quint32 address, int writes);
    // Writes anywhere in the flash, as a production programmer would; false outside it.
    bool program(quint32 address, const QByteArray &bytes);

    // Model text at offset 8 and firmware text at offset 24 of the information block, each zero-terminated.
    void setInformationTexts(const QByteArray &model, const QByteArray &firmware);
    // Two zero-terminated texts at offsets 0 and 16 of the bootloader version block.
    void setBootloaderTexts(const QByteArray &first, const QByteArray &second);

private:
    QByteArray m_flash;
    QMap<quint32, int> m_wornPages; // page address: failing writes left
};

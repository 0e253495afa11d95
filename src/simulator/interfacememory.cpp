// Flash model of the simulated interface.
#include "simulator/interfacememory.h"

#include "usb/bytewriter.h"

namespace {

// A text in a field of fieldSize bytes, always leaving room for its terminating zero.
void appendTextField(ByteWriter &writer, const QByteArray &text, int fieldSize)
{
    writer.text(text.left(fieldSize - 1), fieldSize);
}

} // namespace

InterfaceMemory::InterfaceMemory() : m_flash(flashSize, char(0xFF))
{
    setInformationTexts(QByteArray(), QByteArray());
    setBootloaderTexts(QByteArray(), QByteArray());
}

bool InterfaceMemory::contains(quint32 address, int length) const
{
    if (length < 0 || address < flashStart)
        return false;
    const quint64 offset = address - flashStart;
    return offset + quint64(length) <= quint64(flashSize);
}

QByteArray InterfaceMemory::read(quint32 address, int length) const
{
    if (!contains(address, length))
        return QByteArray();
    return m_flash.mid(int(address - flashStart), length);
}

bool InterfaceMemory::writePage(quint32 address, const QByteArray &page)
{
    if (page.size() != pageSize || address < applicationStart || (address - flashStart) % pageSize != 0)
        return false;
    QByteArray stored = page;
    const auto worn = m_wornPages.find(address);
    if (worn != m_wornPages.end() && worn.value() != 0) {
        stored[0] = char(~stored.at(0));
        if (worn.value() > 0)
            --worn.value();
    }
    return program(address, stored);
}

void InterfaceMemory::wearPage(quint32 address, int writes)
{
    m_wornPages.insert(address, writes);
}

bool InterfaceMemory::program(quint32 address, const QByteArray &bytes)
{
    if (!contains(address, int(bytes.size())))
        return false;
    m_flash.replace(int(address - flashStart), int(bytes.size()), bytes);
    return true;
}

void InterfaceMemory::setInformationTexts(const QByteArray &model, const QByteArray &firmware)
{
    QByteArray block;
    ByteWriter writer(&block);
    writer.text(QByteArray(), 8);
    appendTextField(writer, model, 16);
    appendTextField(writer, firmware, informationBlockSize - 24);
    program(informationBlockAddress, block);
}

void InterfaceMemory::setBootloaderTexts(const QByteArray &first, const QByteArray &second)
{
    QByteArray block;
    ByteWriter writer(&block);
    appendTextField(writer, first, 16);
    appendTextField(writer, second, 16);
    program(bootloaderVersionAddress, block);
}

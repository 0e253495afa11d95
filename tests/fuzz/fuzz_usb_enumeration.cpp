// Fuzzes what the USB bus tells the link: the device list, opening and claiming, the serial-number
// descriptor, the information block and the identifier answer, through listing and connecting.
#include "fuzztarget.h"

#include "usb/bytereader.h"
#include "usb/interfaceids.h"
#include "usb/usbdevice.h"

#include <QRegularExpression>

namespace {

constexpr quint8 requestInterfaceId = 0xFF;
constexpr int mostDevices = 4;
const QByteArray ownIdentifier = QByteArray::fromHex("c003");

// A bus whose every answer is read from the input; once it is used up, every answer is a full,
// successful transfer of zeros.
class BusScript : public FuzzBackend
{
public:
    explicit BusScript(const QByteArray &script)
        : m_script(script)
    { }

    // What the last identifier request answered (empty when it failed), and the last transfer's result.
    QByteArray lastIdentifier;
    int lastResult = 0;

    QList<UsbDeviceEntry> devices() override
    {
        QList<UsbDeviceEntry> entries;
        const int count = m_script.u8() % (mostDevices + 1);
        for (int i = 0; i < count; ++i) {
            const QString bus = QStringLiteral("00%1").arg(m_script.u8() % 3 + 1);
            // Mostly the interface, sometimes another product; a braced list reads its fields in order.
            const bool ours = m_script.u8() % 4 != 0;
            entries.append(UsbDeviceEntry{bus, QStringLiteral("%1").arg(i + 2, 3, 10, QLatin1Char('0')),
                ours ? interfaceVendorId : m_script.u16(), ours ? interfaceProductId : m_script.u16(), m_script.u8(),
                m_script.u8(), quint64(i + 1)});
        }
        return entries;
    }

    UsbHandle *open(const UsbDeviceEntry &entry) override
    {
        return m_script.u8() % 8 == 1 ? nullptr : FuzzBackend::open(entry);
    }
    int setConfiguration(UsbHandle *, int) override { return outcome(); }
    int claimInterface(UsbHandle *, int) override { return outcome(); }

    int controlTransfer(UsbHandle *, quint8, quint8 request, quint16, quint16, char *data, int length, int) override
    {
        int result = outcome();
        if (result == 0) {
            // A full transfer, or a short one.
            result = m_script.u8() % 4 == 0 ? qMin(length, int(m_script.u8())) : length;
            const QByteArray bytes = m_script.bytes(qMin(result, m_script.remaining()));
            std::fill(data, data + result, char(0));
            std::copy(bytes.cbegin(), bytes.cend(), data);
        }
        lastResult = result;
        if (request == requestInterfaceId)
            lastIdentifier = result < 0 ? QByteArray() : QByteArray(data, result);
        return result;
    }

    int stringDescriptor(UsbHandle *, quint8, char *buffer, int length) override
    {
        const int result = outcome();
        if (result < 0)
            return result;
        const QByteArray bytes = m_script.bytes(qMin(int(m_script.u8()), qMin(length, m_script.remaining())));
        std::copy(bytes.cbegin(), bytes.cend(), buffer);
        return int(bytes.size());
    }

private:
    // 0 for success, else one of the failures a USB call reports.
    int outcome()
    {
        static const int failures[] = {UsbResult::IoError, UsbResult::NoDevice, UsbResult::Stall, UsbResult::TimedOut};
        const int choice = m_script.u8();
        return choice < 0xF0 ? 0 : failures[choice % std::size(failures)];
    }

    ByteReader m_script;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BusScript backend(inputBytes(data, size));
    UsbDevice usb(&backend);
    bool lost = false;
    QObject::connect(&usb, &UsbDevice::signal_suddenly_disconnected, [&lost] { lost = true; });

    const QStringList labels = usb.collectDevices();
    requireThat(!lost, "listing never counts as losing a connection");
    requireThat(labels.size() == usb.usbDevices().size(), "one menu text per interface listed");
    static const QRegularExpression label(
        QStringLiteral("^(D:.* FW:.*)? SN:[^\\x00]*$"), QRegularExpression::DotMatchesEverythingOption);
    for (const QString &text : labels)
        requireThat(
            label.match(text).hasMatch(), "a menu text is model, firmware and serial, or the serial alone", text);
    for (const UsbDeviceEntry &entry : usb.usbDevices())
        requireThat(
            entry.idVendor == interfaceVendorId && entry.idProduct == interfaceProductId, "only interfaces are listed");

    for (int index = 0; index < labels.size(); ++index) {
        if (usb.connectDevice(index) != 0) {
            requireThat(usb.checkConnection() != 0, "a refused connection leaves the interface closed");
            continue;
        }
        requireThat(backend.lastIdentifier == ownIdentifier, "only the interface's own identifier connects");
        const QByteArray serial = usb.readSerialNumber();
        requireThat(serial.size() <= 127 && !serial.contains('\0'), "a serial fits its descriptor and ends at a zero");
        char block[64];
        usb.readMemory(block, 0x0801FFC0, sizeof block);
        if (backend.lastResult < 0)
            requireThat(usb.checkConnection() != 0 && lost, "a failed transfer of a connection is its loss");
        usb.disconnectDevice();
        lost = false;
    }
    return 0;
}

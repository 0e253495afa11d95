// Fuzzes what responders answer: the interface's response records, one after another, feed a
// discovery and the rig report (engine, device reader, records, JSON) and the answer renderer.
#include "fuzztarget.h"

#include "rdm/answerrendering.h"
#include "rdm/devicerecord.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "usb/bytereader.h"
#include "usb/interfaceids.h"
#include "usb/usbdevice.h"

#include <vector>

namespace {

constexpr quint8 requestSendPacket = 9;
constexpr quint8 requestReadResponse = 10;
constexpr quint8 requestInterfaceId = 0xFF;
constexpr int recordHeaderLength = 3;
constexpr int pidOffset = 21; // in a request packet: start codes, length, UIDs, numbers, sub-device, class
constexpr quint8 statusAck = 1;

struct Answer
{
    quint16 pid = 0;
    QByteArray data;
};

// An interface whose response records come from the input, in the order the engine asks for them.
// When the input is used up the cable is pulled: every later transfer fails.
class RecordScript : public FuzzBackend
{
public:
    explicit RecordScript(const QByteArray &script)
        : m_script(script)
    {
        m_devices = {UsbDeviceEntry{QStringLiteral("001"), QStringLiteral("002"), interfaceVendorId,
            interfaceProductId}};
    }

    // The data of every ACK record served, with the PID of the request it answered.
    std::vector<Answer> answers;

    int controlTransfer(
        UsbHandle *, quint8, quint8 request, quint16, quint16 index, char *data, int length, int) override
    {
        ByteReader packet(data, length);
        switch (request) {
        case requestInterfaceId:
            // The unit's own identifier, 960; connecting is not what this target fuzzes.
            data[0] = char(0xC0);
            data[1] = char(0x03);
            return 2;
        case requestSendPacket:
            packet.skip(pidOffset);
            m_pid = packet.u16();
            return length;
        case requestReadResponse:
            return serve(data, index == 0 ? qMin(length, recordHeaderLength) : length, index == 0);
        default:
            // Memory reads, timing and discovery starts: accepted, memory reads as zeros.
            std::fill(data, data + length, char(0));
            return length;
        }
    }

    int stringDescriptor(UsbHandle *, quint8, char *buffer, int length) override
    {
        const QByteArray descriptor = QByteArray::fromHex("0a03410042004300440045");
        const int size = qMin(length, int(descriptor.size()));
        std::copy_n(descriptor.constData(), size, buffer);
        return size;
    }

private:
    // A record's header (status, data length) or its data; the data of an ACK is kept.
    int serve(char *data, int length, bool header)
    {
        if (m_script.atEnd())
            return UsbResult::NoDevice;
        const QByteArray bytes = m_script.bytes(qMin(length, m_script.remaining()));
        std::copy(bytes.cbegin(), bytes.cend(), data);
        ByteReader fields(bytes);
        if (header)
            m_status = fields.u8();
        if (m_status == statusAck && (header ? fields.u16le() == 0 && fields.ok() : bytes.size() == length))
            answers.push_back({m_pid, header ? QByteArray() : bytes});
        return int(bytes.size());
    }

    ByteReader m_script;
    quint16 m_pid = 0;
    quint8 m_status = 0;
};

// Every answer as the parameter dialog and the command line render it, under the descriptions the
// answers themselves gave for manufacturer PIDs.
void checkRendering(const std::vector<Answer> &answers)
{
    DeviceRecord described(0);
    for (const Answer &answer : answers) {
        const auto *data = reinterpret_cast<const quint8 *>(answer.data.constData());
        if (answer.pid == Pid::SupportedParameters)
            described.storeSupportedParameters(data, int(answer.data.size()));
        else if (answer.pid == Pid::ParameterDescription)
            described.storeParameterDescription(data, int(answer.data.size()));
    }
    for (const Answer &answer : answers) {
        ParameterRecord parameter;
        parameter.pid = answer.pid;
        const auto found = described.parameters.find(answer.pid);
        if (found != described.parameters.end())
            parameter = found->second;
        // An exact copy, so a read past the answer's end is caught.
        const std::vector<quint8> data(answer.data.cbegin(), answer.data.cend());
        QString rich = renderGetAnswer(parameter, data.data(), int(data.size()), AnswerFormat::RichText);
        requireThat(!rich.remove(QStringLiteral("<br>")).contains(QLatin1Char('<')),
            "rich text holds no markup but its line breaks");
        const QString plain = renderGetAnswer(parameter, data.data(), int(data.size()), AnswerFormat::PlainText);
        requireThat(std::none_of(plain.cbegin(), plain.cend(),
                        [](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0); }),
            "plain text shows control characters as escapes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RecordScript backend(inputBytes(data, size));
    UsbDevice usb(&backend);
    usb.collectDevices();
    requireThat(usb.connectDevice(0) == 0, "the scripted interface connects");
    RDM rdm(&usb, nullptr);
    checkDiscoveryAndReport(rdm);
    checkRendering(backend.answers);
    return 0;
}

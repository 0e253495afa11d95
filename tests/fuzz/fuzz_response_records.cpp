// Fuzzes what responders answer: the interface's response records, one after another, feed a
// discovery and the rig report (engine, device reader, records, JSON) and the answer renderer.
#include "fuzzbackend.h"
#include "fuzztarget.h"

#include "cli/rigreport.h"
#include "rdm/answerrendering.h"
#include "rdm/devicerecord.h"
#include "rdm/discoveryrounds.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "usb/bytereader.h"
#include "usb/interfaceids.h"
#include "usb/usbdevice.h"

#include <QJsonArray>
#include <QSet>
#include <vector>

namespace {

constexpr quint8 requestSendPacket = 9;
constexpr quint8 requestReadResponse = 10;
constexpr quint8 requestInterfaceId = 0xFF;
constexpr int recordHeaderLength = 3;
constexpr int pidOffset = 21; // in a request packet: start codes, length, UIDs, numbers, sub-device, class
constexpr quint8 statusAck = 1;
// Enough devices to reach every reading; more only repeat them.
constexpr int mostDevicesRead = 3;

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
        UsbDeviceEntry entry;
        entry.busName = QStringLiteral("001");
        entry.deviceName = QStringLiteral("002");
        entry.idVendor = interfaceVendorId;
        entry.idProduct = interfaceProductId;
        m_devices = {entry};
    }

    // The data of every ACK record served, with the PID of the request it answered.
    const std::vector<Answer> &answers() const { return m_answers; }

    int controlTransfer(
        UsbHandle *, quint8, quint8 request, quint16, quint16 index, char *data, int length, int) override
    {
        switch (request) {
        case requestInterfaceId:
            // The unit's own identifier, 960; connecting is not what this target fuzzes.
            data[0] = char(0xC0);
            data[1] = char(0x03);
            return 2;
        case requestSendPacket:
            m_pid = packetPid(data, length);
            return length;
        case requestReadResponse:
            return index == 0 ? serveHeader(data, length) : serveData(data, length);
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
    static quint16 packetPid(const char *packet, int length)
    {
        ByteReader reader(packet, length);
        reader.skip(pidOffset);
        return reader.u16();
    }

    int serveHeader(char *data, int length)
    {
        if (m_script.atEnd())
            return UsbResult::NoDevice;
        const QByteArray header = m_script.bytes(qMin(length, qMin(recordHeaderLength, m_script.remaining())));
        std::copy(header.cbegin(), header.cend(), data);
        ByteReader fields(header);
        m_status = fields.u8();
        if (m_status == statusAck && fields.u16le() == 0 && fields.ok())
            m_answers.push_back({m_pid, QByteArray()});
        return int(header.size());
    }

    int serveData(char *data, int length)
    {
        if (m_script.atEnd())
            return UsbResult::NoDevice;
        const QByteArray bytes = m_script.bytes(qMin(length, m_script.remaining()));
        std::copy(bytes.cbegin(), bytes.cend(), data);
        if (m_status == statusAck && bytes.size() == length)
            m_answers.push_back({m_pid, bytes});
        return int(bytes.size());
    }

    ByteReader m_script;
    quint16 m_pid = 0;
    quint8 m_status = 0;
    std::vector<Answer> m_answers;
};

void checkReport(const QJsonObject &report)
{
    requireThat(survivesJsonRoundTrip(report), "the report reads back as the same values");
    requireThat(hasNoZeroCharacter(report), "no text of the report carries a zero byte");
    const QJsonArray devices = report.value(QStringLiteral("devices")).toArray();
    for (const QJsonValue &device : devices) {
        requireThat(device[QStringLiteral("answered")].isBool(), "every device says whether it answered");
        requireThat(device[QStringLiteral("failedGets")].isArray(), "every device lists its failed GETs");
        requireThat(device[QStringLiteral("answered")].toBool() || !device[QStringLiteral("detailsFetched")].toBool(),
            "a device that did not answer has no details fetched");
    }
}

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
        requireThat(
            !rich.remove(QStringLiteral("<br>")).contains(QLatin1Char('<')), "rich text holds no markup but its line breaks");
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

    QList<quint64> uids;
    discoverLine(rdm, DiscoveryRun::Additional, nullptr, &uids);
    requireThat(QSet<quint64>(uids.cbegin(), uids.cend()).size() == uids.size(), "discovery lists each UID once");
    checkReport(readRigReport(rdm, uids.mid(0, mostDevicesRead)));
    checkRendering(backend.answers());
    return 0;
}

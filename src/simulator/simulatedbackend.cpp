// The simulated USB bus behind the UsbBackend seam.
#include "simulator/simulatedbackend.h"

#include "simulator/boundedlist.h"
#include "usb/interfaceids.h"

#include <QMutexLocker>
#include <cstring>

namespace {

constexpr int ResourceBusy = -16;
constexpr int InvalidParameter = -22;
constexpr int usedConfiguration = 1;
constexpr int usedInterface = 0;
constexpr quint8 maxPacketSize0 = 64;
constexpr int firstDeviceAddress = 2; // address 1 is the root hub
constexpr int lastDeviceAddress = 127;

} // namespace

class SimulatedBackend::Handle : public UsbHandle
{
public:
    explicit Handle(SimulatedInterface *unit) : unit(unit), deviceKey(unit->deviceKey()), deviceName(unit->deviceName()) {}

    SimulatedInterface *unit;
    quint64 deviceKey;
    QString deviceName;
    bool configured = false;
    bool claimed = false;
};

SimulatedBackend::SimulatedBackend(SimulatedClock::Source clockSource) : m_clock(clockSource) {}

SimulatedBackend::~SimulatedBackend() = default;

SimulatedInterface &SimulatedBackend::addInterface(const QString &serial, const QString &busName)
{
    QMutexLocker locker(&m_mutex);
    m_interfaces.push_back(std::make_unique<SimulatedInterface>(m_clock, serial, busName));
    SimulatedInterface *unit = m_interfaces.back().get();
    unit->attach(m_nextKey++, nextDeviceName(busName));
    m_members.append({unit, UsbDeviceEntry()});
    return *unit;
}

void SimulatedBackend::addForeignDevice(quint16 vendorId, quint16 productId, const QString &busName)
{
    QMutexLocker locker(&m_mutex);
    UsbDeviceEntry entry;
    entry.busName = busName;
    entry.deviceName = nextDeviceName(busName);
    entry.idVendor = vendorId;
    entry.idProduct = productId;
    entry.bMaxPacketSize0 = maxPacketSize0;
    entry.key = m_nextKey++;
    m_members.append({nullptr, entry});
}

QList<TransferRecord> SimulatedBackend::transferLog() const
{
    QMutexLocker locker(&m_mutex);
    return m_log;
}

void SimulatedBackend::clearTransferLog()
{
    QMutexLocker locker(&m_mutex);
    m_log.clear();
}

QList<UsbDeviceEntry> SimulatedBackend::devices()
{
    QMutexLocker locker(&m_mutex);
    attachReturningUnits();
    QList<UsbDeviceEntry> entries;
    for (const BusMember &member : std::as_const(m_members)) {
        if (!member.unit) {
            entries.append(member.foreignEntry);
            continue;
        }
        if (!member.unit->isAttached())
            continue;
        UsbDeviceEntry entry;
        entry.busName = member.unit->busName();
        entry.deviceName = member.unit->deviceName();
        entry.idVendor = interfaceVendorId;
        entry.idProduct = interfaceProductId;
        entry.iSerialNumber = SimulatedInterface::serialDescriptorIndex;
        entry.bMaxPacketSize0 = maxPacketSize0;
        entry.key = member.unit->deviceKey();
        entries.append(entry);
    }
    return entries;
}

UsbHandle *SimulatedBackend::open(const UsbDeviceEntry &entry)
{
    QMutexLocker locker(&m_mutex);
    attachReturningUnits();
    for (const BusMember &member : std::as_const(m_members)) {
        if (member.unit && member.unit->isAttached() && member.unit->deviceKey() == entry.key) {
            m_handles.push_back(std::make_unique<Handle>(member.unit));
            return m_handles.back().get();
        }
    }
    // Foreign devices are not ours to open.
    return nullptr;
}

int SimulatedBackend::setConfiguration(UsbHandle *handle, int configuration)
{
    QMutexLocker locker(&m_mutex);
    const Target target = lookUp(handle);
    if (target.refusal != 0)
        return target.refusal;
    if (configuration != usedConfiguration)
        return InvalidParameter;
    target.handle->configured = true;
    return 0;
}

int SimulatedBackend::claimInterface(UsbHandle *handle, int interfaceNumber)
{
    QMutexLocker locker(&m_mutex);
    const Target target = lookUp(handle);
    if (target.refusal != 0)
        return target.refusal;
    if (interfaceNumber != usedInterface || !target.handle->configured)
        return InvalidParameter;
    if (target.unit->faults().isClaimRefused())
        return ResourceBusy;
    for (const auto &other : m_handles) {
        if (other.get() != target.handle && other->claimed && other->deviceKey == target.handle->deviceKey)
            return ResourceBusy;
    }
    target.handle->claimed = true;
    return 0;
}

int SimulatedBackend::releaseInterface(UsbHandle *handle, int interfaceNumber)
{
    QMutexLocker locker(&m_mutex);
    const Target target = lookUp(handle);
    if (target.refusal != 0)
        return target.refusal;
    if (interfaceNumber != usedInterface || !target.handle->claimed)
        return InvalidParameter;
    target.handle->claimed = false;
    return 0;
}

int SimulatedBackend::close(UsbHandle *handle)
{
    QMutexLocker locker(&m_mutex);
    for (auto it = m_handles.begin(); it != m_handles.end(); ++it) {
        if (it->get() == handle) {
            m_handles.erase(it);
            return 0;
        }
    }
    return InvalidParameter;
}

int SimulatedBackend::controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value,
                                      quint16 index, char *data, int length, int timeoutMs)
{
    Q_UNUSED(timeoutMs)
    QMutexLocker locker(&m_mutex);
    const Target target = lookUp(handle);
    TransferRecord record;
    record.direction = requestType & 0x80 ? TransferDirection::In : TransferDirection::Out;
    record.requestType = requestType;
    record.request = request;
    record.value = value;
    record.index = index;
    const int dataLength = data ? qMax(0, length) : 0;
    if (record.direction == TransferDirection::Out)
        record.data = QByteArray(data, dataLength);
    if (target.handle)
        record.deviceName = target.handle->deviceName;

    if (target.refusal != 0)
        record.result = target.refusal;
    else if (length < 0)
        record.result = InvalidParameter;
    else
        record.result = target.unit->controlTransfer(requestType, request, value, index, data, dataLength);
    if (record.direction == TransferDirection::In && record.result > 0)
        record.data = QByteArray(data, record.result);
    const int result = record.result;
    appendKeepingNewest(m_log, std::move(record), TransferLogCapacity);
    return result;
}

int SimulatedBackend::stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length)
{
    QMutexLocker locker(&m_mutex);
    const Target target = lookUp(handle);
    if (target.refusal != 0)
        return target.refusal;
    if (!buffer || length <= 0)
        return InvalidParameter;
    if (index != SimulatedInterface::serialDescriptorIndex)
        return UsbResult::Stall;
    const QByteArray descriptor = target.unit->serialDescriptor();
    const int count = qMin(length, int(descriptor.size()));
    std::memcpy(buffer, descriptor.constData(), size_t(count));
    return count;
}

SimulatedBackend::Target SimulatedBackend::lookUp(UsbHandle *handle)
{
    attachReturningUnits();
    Target target;
    for (const auto &candidate : m_handles) {
        if (candidate.get() == handle)
            target.handle = candidate.get();
    }
    if (!target.handle) {
        target.refusal = InvalidParameter;
        return target;
    }
    SimulatedInterface *unit = target.handle->unit;
    // A unit that left the bus is a new device when it returns: the old handle stays dead.
    if (unit->isAttached() && unit->deviceKey() == target.handle->deviceKey)
        target.unit = unit;
    else
        target.refusal = UsbResult::NoDevice;
    return target;
}

void SimulatedBackend::attachReturningUnits()
{
    for (const auto &unit : m_interfaces) {
        if (unit->awaitsAddress())
            unit->attach(m_nextKey++, nextDeviceName(unit->busName()));
    }
}

QString SimulatedBackend::nextDeviceName(const QString &busName)
{
    QStringList inUse;
    for (const BusMember &member : std::as_const(m_members)) {
        if (member.unit && member.unit->isAttached() && member.unit->busName() == busName)
            inUse.append(member.unit->deviceName());
        else if (!member.unit && member.foreignEntry.busName == busName)
            inUse.append(member.foreignEntry.deviceName);
    }
    int address = m_lastAddress.value(busName, firstDeviceAddress - 1);
    QString name;
    // Addresses are handed out in turn and wrap; a full bus still gets a (shared) name.
    for (int tries = firstDeviceAddress; tries <= lastDeviceAddress; ++tries) {
        address = address >= lastDeviceAddress ? firstDeviceAddress : address + 1;
        name = QString::asprintf("%03d", address);
        if (!inUse.contains(name))
            break;
    }
    m_lastAddress.insert(busName, address);
    return name;
}

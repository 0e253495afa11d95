// The UsbBackend of the simulated bus: simulated interfaces, foreign devices and the transfer log.
#pragma once

#include "simulator/simulatedclock.h"
#include "simulator/simulatedinterface.h"
#include "simulator/transferrecord.h"
#include "usb/usbbackend.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <memory>
#include <vector>

class SimulatedBackend : public UsbBackend
{
public:
    explicit SimulatedBackend(SimulatedClock::Source clockSource = SimulatedClock::Source::Steady);
    ~SimulatedBackend() override;

    // A new interface in application mode, attached at once.
    SimulatedInterface &addInterface(const QString &serial, const QString &busName = QStringLiteral("001"));
    // A device of another product; it is listed but cannot be opened.
    void addForeignDevice(quint16 vendorId, quint16 productId, const QString &busName = QStringLiteral("001"));
    int interfaceCount() const { return int(m_interfaces.size()); }
    SimulatedInterface &interfaceAt(int position) { return *m_interfaces.at(size_t(position)); }
    SimulatedClock &clock() { return m_clock; }

    // The most transfer records kept; older ones are dropped.
    static constexpr int TransferLogCapacity = 4096;

    // The control transfers since the last clear, oldest first, at most TransferLogCapacity of them.
    QList<TransferRecord> transferLog() const;
    void clearTransferLog();

    QList<UsbDeviceEntry> devices() override;
    UsbHandle *open(const UsbDeviceEntry &entry) override;
    int setConfiguration(UsbHandle *handle, int configuration) override;
    int claimInterface(UsbHandle *handle, int interfaceNumber) override;
    int releaseInterface(UsbHandle *handle, int interfaceNumber) override;
    int close(UsbHandle *handle) override;
    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override;
    int stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length) override;

private:
    class Handle;
    struct BusMember
    {
        SimulatedInterface *unit = nullptr; // null for a foreign device
        UsbDeviceEntry foreignEntry;
    };

    // An open handle and its unit while that is still the device that was opened, or why not.
    struct Target
    {
        Handle *handle = nullptr;
        SimulatedInterface *unit = nullptr;
        int refusal = 0;
    };

    void attachReturningUnits();
    QString nextDeviceName(const QString &busName);
    Target lookUp(UsbHandle *handle);

    mutable QMutex m_mutex;
    SimulatedClock m_clock;
    std::vector<std::unique_ptr<SimulatedInterface>> m_interfaces;
    std::vector<std::unique_ptr<Handle>> m_handles;
    QList<BusMember> m_members;
    QList<TransferRecord> m_log;
    QMap<QString, int> m_lastAddress; // per bus
    quint64 m_nextKey = 1;
};

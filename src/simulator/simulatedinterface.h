// One simulated Rb604 on the bus: its USB identity, its firmware, its DMX line and its faults.
#pragma once

#include "simulator/faultplan.h"
#include "simulator/interfacefirmware.h"
#include "simulator/simulatedline.h"

#include <QByteArray>
#include <QString>

class SimulatedClock;

class SimulatedInterface
{
public:
    static constexpr int serialDescriptorIndex = 3;
    static constexpr int defaultReEnumerationDelayMs = 1000;

    // Made by SimulatedBackend, whose clock times the re-enumeration.
    SimulatedInterface(const SimulatedClock &clock, const QString &serial, const QString &busName);
    SimulatedInterface(const SimulatedInterface &) = delete;
    SimulatedInterface &operator=(const SimulatedInterface &) = delete;

    // The 7-character serial of application mode; the bootloader serial follows it.
    QString serial() const { return m_serial; }
    void setSerial(const QString &serial);
    // First six characters of the serial, a digit and 'b'.
    QString bootloaderSerial() const { return m_bootloaderSerial; }
    void setBootloaderSerial(const QString &serial) { m_bootloaderSerial = serial; }
    // The serial the unit reports in its current mode.
    QString currentSerial() const;
    // String descriptor 3 as the device sends it: bLength, bDescriptorType 3, UTF-16LE code units.
    QByteArray serialDescriptor() const;

    InterfaceMode mode() const { return m_firmware.mode(); }
    void setMode(InterfaceMode mode) { m_firmware.setMode(mode); }
    void setInformationTexts(const QString &model, const QString &firmware);
    void setBootloaderTexts(const QString &first, const QString &second);
    int reEnumerationDelayMs() const { return m_reEnumerationDelayMs; }
    void setReEnumerationDelayMs(int milliseconds) { m_reEnumerationDelayMs = qMax(0, milliseconds); }

    InterfaceFirmware &firmware() { return m_firmware; }
    const InterfaceFirmware &firmware() const { return m_firmware; }
    InterfaceMemory &memory() { return m_firmware.memory(); }
    SimulatedLine &line() { return m_line; }
    FaultPlan &faults() { return m_faults; }

    // Presence on the bus. A unit that left (restart, unplug) comes back under a new device name.
    QString busName() const { return m_busName; }
    QString deviceName() const { return m_deviceName; }
    quint64 deviceKey() const { return m_deviceKey; }
    bool isAttached() const { return m_busState == BusState::Attached; }
    bool isRestarting() const { return m_busState == BusState::Restarting; }
    void unplug();
    // Plugs an unplugged unit back in; it is enumerated afresh.
    void replug();

    // For the bus: whether the unit is waiting for a new address, and giving it one (power-up).
    bool awaitsAddress() const;
    void attach(quint64 deviceKey, const QString &deviceName);

    // One control transfer with its data stage in `data`; bytes moved or a negative code.
    int controlTransfer(quint8 requestType, quint8 request, quint16 value, quint16 index, char *data, int length);

private:
    enum class BusState { Attached, Restarting, Unplugged, AwaitingAddress };

    int serve(TransferDirection direction, quint8 request, quint16 value, quint16 index, char *data, int length);
    bool touchesInformationBlock(quint16 value, quint16 index, int length) const;

    const SimulatedClock &m_clock;
    QString m_serial;
    QString m_bootloaderSerial;
    QString m_busName;
    QString m_deviceName;
    quint64 m_deviceKey = 0;
    BusState m_busState = BusState::AwaitingAddress;
    qint64 m_returnAtMs = 0;
    int m_reEnumerationDelayMs = defaultReEnumerationDelayMs;
    SimulatedLine m_line;
    InterfaceFirmware m_firmware;
    FaultPlan m_faults;
};

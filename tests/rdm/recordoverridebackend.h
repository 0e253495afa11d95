// Forwards to a simulated bus but can answer request 10 with a hand-made response record,
// so the engine meets records no well-behaved interface would produce.
#pragma once

#include "simulator/simulatedbackend.h"

#include <QByteArray>
#include <optional>

class RecordOverrideBackend : public UsbBackend
{
public:
    explicit RecordOverrideBackend(SimulatedBackend *bus) : m_bus(bus) {}

    // status, little-endian length, data, as request 10 serves it; nullopt forwards again.
    void setRecord(std::optional<QByteArray> record) { m_record = std::move(record); }
    int recordReads() const { return m_recordReads; }
    // The time limit each transfer carried, since the last clear.
    QList<int> timeouts() const { return m_timeouts; }
    void clearTimeouts() { m_timeouts.clear(); }

    QList<UsbDeviceEntry> devices() override { return m_bus->devices(); }
    UsbHandle *open(const UsbDeviceEntry &entry) override { return m_bus->open(entry); }
    int setConfiguration(UsbHandle *handle, int configuration) override
    {
        return m_bus->setConfiguration(handle, configuration);
    }
    int claimInterface(UsbHandle *handle, int number) override { return m_bus->claimInterface(handle, number); }
    int releaseInterface(UsbHandle *handle, int number) override { return m_bus->releaseInterface(handle, number); }
    int close(UsbHandle *handle) override { return m_bus->close(handle); }
    int stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length) override
    {
        return m_bus->stringDescriptor(handle, index, buffer, length);
    }
    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override
    {
        m_timeouts.append(timeoutMs);
        if (request != 10 || !m_record)
            return m_bus->controlTransfer(handle, requestType, request, value, index, data, length, timeoutMs);
        ++m_recordReads;
        const QByteArray part = m_record->mid(index, length);
        std::copy(part.cbegin(), part.cend(), data);
        return int(part.size());
    }

private:
    SimulatedBackend *m_bus;
    std::optional<QByteArray> m_record;
    int m_recordReads = 0;
    QList<int> m_timeouts;
};

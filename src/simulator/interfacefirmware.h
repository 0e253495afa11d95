// The firmware of a simulated interface: what each vendor request does in each mode.
#pragma once

#include "simulator/interfacememory.h"
#include "simulator/interfacetiming.h"

#include <QByteArray>
#include <array>

class SimulatedLine;

enum class InterfaceMode { Application, Bootloader };

class InterfaceFirmware
{
public:
    static constexpr int slotCount = 512;
    static constexpr int maximumRecordData = 509;

    explicit InterfaceFirmware(SimulatedLine &line);

    InterfaceMode mode() const { return m_mode; }
    void setMode(InterfaceMode mode) { m_mode = mode; }
    InterfaceMemory &memory() { return m_memory; }
    const InterfaceMemory &memory() const { return m_memory; }

    // Power-up: everything but the flash and the mode forgets what it was sent.
    void powerUp();

    // A host-to-device request with its data stage; bytes taken, or a stall.
    int receive(quint8 request, quint16 value, quint16 index, const QByteArray &data);
    // A device-to-host request asking for `length` bytes; the answer, or a stall with *result < 0.
    QByteArray answer(quint8 request, quint16 value, quint16 index, int length, int *result);

    // True once after a request 4: the unit must now leave the bus and restart in the other mode.
    bool takeRestartRequest();

    DmxTiming dmxTiming() const { return m_dmxTiming; }
    RdmTiming rdmTiming() const { return m_rdmTiming; }
    const std::array<quint8, slotCount> &dmxLevels() const { return m_dmxLevels; }
    bool isDmxControlActive() const { return m_dmxControlActive; }
    // The response record as request 10 serves it: status, little-endian data length, data.
    QByteArray responseRecord() const;

private:
    bool serves(quint8 request) const;
    int storeDmxTiming(const QByteArray &data);
    int storeRdmTiming(const QByteArray &data);
    int storeDmxLevels(const QByteArray &data);
    int sendPacket(const QByteArray &data);
    int discover(quint8 request);
    int writePage(quint32 address, const QByteArray &data);
    QByteArray readMemory(quint32 address, int length, int *result) const;
    void setRecord(quint8 status, const QByteArray &data);

    SimulatedLine &m_line;
    InterfaceMemory m_memory;
    InterfaceMode m_mode = InterfaceMode::Application;
    bool m_restartRequested = false;
    DmxTiming m_dmxTiming;
    RdmTiming m_rdmTiming;
    std::array<quint8, slotCount> m_dmxLevels{};
    bool m_dmxControlActive = false;
    quint8 m_recordStatus = 0;
    QByteArray m_recordData;
};

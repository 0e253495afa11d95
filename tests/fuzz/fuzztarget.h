// What every fuzz target shares: the libFuzzer entry points, a quiet isolated process, property checks
// and a USB bus whose answers the targets script.
#pragma once

#include "usb/usbbackend.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

class RDM;

// Shared by every target: a core application with its own settings store at the defaults in a
// scratch directory, and Qt's messages silenced so that millions of runs do not flood the terminal.
// The working directory stays, so that the fuzzer's relative paths keep working.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
// Each target's own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
// The process's scratch directory, for the files a target writes.
QString scratchDirectory();
// Writes the input to `name` in the scratch directory and returns its path.
QString writeScratchFile(const QString &name, const uint8_t *data, size_t size);

// Aborts with the property's description, and the value that broke it, when it does not hold: the
// fuzzer keeps the input.
void requireThat(bool holds, const char *property, const QString &value = QString());

// The input as bytes, without a copy; valid while the call lasts.
inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Discovers the line, reads the first devices found into the rig report and checks both.
void checkDiscoveryAndReport(RDM &rdm);

// Opening and claiming succeed unless a target decides otherwise; the targets answer the transfers.
class FuzzBackend : public UsbBackend
{
public:
    QList<UsbDeviceEntry> devices() override { return m_devices; }
    UsbHandle *open(const UsbDeviceEntry &) override { return new UsbHandle; }
    int setConfiguration(UsbHandle *, int) override { return 0; }
    int claimInterface(UsbHandle *, int) override { return 0; }
    int releaseInterface(UsbHandle *, int) override { return 0; }
    int close(UsbHandle *handle) override
    {
        delete handle;
        return 0;
    }

protected:
    QList<UsbDeviceEntry> m_devices;
};

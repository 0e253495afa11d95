// The choice of the process's USB backend from the RB604_SIMULATOR setting.
#pragma once

#include "usb/usbbackend.h"

#include <QString>
#include <memory>

struct UsbBackendChoice
{
    std::unique_ptr<UsbBackend> backend; // never null
    QString description;                 // one line for the debug output
    QString error;                       // why the scenario could not be loaded; empty when it was
};

// Empty: real USB; "demo": the built-in scenario; anything else: the path of a scenario file.
// A scenario that cannot be loaded leaves a simulated bus without any interface.
UsbBackendChoice chooseUsbBackend(const QString &simulator);

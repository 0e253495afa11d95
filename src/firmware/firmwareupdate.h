// Starting a firmware upgrade from the main window: the checks, the file choice and the modal dialog.
#pragma once

#include "rdm/clock.h"

class FirmwarePrompts;
class QWidget;
class UsbDevice;

// Runs the upgrade dialog for a chosen upgrade file; returns once it is closed.
// The caller lists the interfaces anew afterwards: a restarted unit is a new USB device.
void runFirmwareUpdate(FirmwarePrompts &prompts, QWidget *parent, UsbDevice *usb, int connection,
                       Clock *clock = Clock::system());

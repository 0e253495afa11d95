// Starting a firmware upgrade from the main window: the checks, the file choice and the modal dialog.
#pragma once

#include "rdm/clock.h"

class FirmwarePrompts;
class QWidget;
class UsbDevice;

// Runs the upgrade dialog for a chosen upgrade file and returns once it is closed; false when no
// interface was open, so nothing was asked. Otherwise the caller lists the interfaces anew: a
// restarted unit is a new USB device.
bool runFirmwareUpdate(FirmwarePrompts &prompts, QWidget *parent, UsbDevice *usb, int connection,
                       Clock *clock = Clock::system());

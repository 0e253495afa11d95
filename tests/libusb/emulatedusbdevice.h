// The devices of a simulated bus as the kernel's usbfs shows them to libusb inside a umockdev testbed.
#pragma once

#include <memory>

class SimulatedBackend;

// One emulated device for each device `backend` lists now, served until the result is released. Must
// exist before libusb is initialised, and the programs that use it must run under umockdev's preload
// library; release it only after they have closed the devices (libusb exited, processes ended).
std::shared_ptr<void> emulateBus(SimulatedBackend &backend);

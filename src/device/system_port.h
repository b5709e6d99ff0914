#pragma once
// The machine's own ports: one implementation per platform (serial_port_win32.cpp, serial_port_posix.cpp).
#include <string>

#include "device/serial_port.h"

namespace lr::device::detail {

OpenResult openSystemPort(const std::string& name, const LineSettings& settings);
OpenResult openSystemProbePort(int number, const ProbeSettings& probe);
// The line-event thread runs at the highest priority where the platform offers one.
void raiseThreadPriority();

}  // namespace lr::device::detail

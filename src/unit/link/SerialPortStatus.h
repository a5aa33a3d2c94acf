#pragma once

#include <string>
#include <vector>

#include "unit/PortHolder.h"
#include "unit/link/SerialPortList.h"

// A serial port with what support asks about it: its device file, the USB
// adapter's serial number, whether this user may open it, and who holds it.
struct SerialPortStatus {
    SerialPortEntry m_port;
    std::string m_strDevice;  // /dev/ttyUSB0
    std::string m_strSerialNumber;
    bool m_bMayOpen = false;
    PortHolder m_holder;
};

// The ports of ListSerialPorts(), in its order. Nothing is opened.
std::vector<SerialPortStatus> ListSerialPortStatus();

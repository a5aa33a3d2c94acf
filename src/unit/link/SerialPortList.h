#pragma once

#include <string>
#include <vector>

// A serial port of this computer as the user should recognise it: its name,
// what the system says it is, and for a USB adapter its vendor and product id.
struct SerialPortEntry {
    std::string m_strName;  // ttyUSB0
    std::string m_strDescription;
    std::string m_strManufacturer;
    int m_nVendorId = -1;  // -1 when the port is not a USB device
    int m_nProductId = -1;
    bool operator==(const SerialPortEntry&) const = default;
};

// The serial ports there are now, by name.
std::vector<SerialPortEntry> ListSerialPorts();

// "ttyUSB0 - FT232R USB UART (USB 0403:6001)"; the name alone when nothing more is known.
std::string SerialPortLabel(const SerialPortEntry& port);

// The ports of `after` whose names `before` lacks: those a cable plugged in between brought.
std::vector<SerialPortEntry> NewSerialPorts(const std::vector<SerialPortEntry>& before,
                                            const std::vector<SerialPortEntry>& after);

#include "unit/link/SerialPortList.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "model/Format.h"

std::vector<SerialPortEntry> ListSerialPorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry port;
        port.m_strName = info.portName().toStdString();
        port.m_strDescription = info.description().trimmed().toStdString();
        port.m_strManufacturer = info.manufacturer().trimmed().toStdString();
        if (info.hasVendorIdentifier()) port.m_nVendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.m_nProductId = info.productIdentifier();
        if (!port.m_strName.empty()) ports.push_back(port);
    }
    std::sort(ports.begin(), ports.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) {
        return a.m_strName < b.m_strName;
    });
    return ports;
}

std::string SerialPortLabel(const SerialPortEntry& port) {
    std::string label = port.m_strName;
    std::string what = port.m_strDescription;
    // A maker's name says something only when the description does not already.
    if (!port.m_strManufacturer.empty() && what.find(port.m_strManufacturer) == std::string::npos)
        what = what.empty() ? port.m_strManufacturer : port.m_strManufacturer + " " + what;
    if (!what.empty()) label += " - " + what;
    if (port.m_nVendorId >= 0 && port.m_nProductId >= 0)
        label += StrFormat(" (USB %04x:%04x)", port.m_nVendorId, port.m_nProductId);
    return label;
}

std::vector<SerialPortEntry> NewSerialPorts(const std::vector<SerialPortEntry>& before,
                                            const std::vector<SerialPortEntry>& after) {
    std::vector<SerialPortEntry> added;
    for (const SerialPortEntry& port : after) {
        const bool known = std::any_of(before.begin(), before.end(), [&](const SerialPortEntry& b) {
            return b.m_strName == port.m_strName;
        });
        if (!known) added.push_back(port);
    }
    return added;
}

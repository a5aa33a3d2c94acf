#include "unit/link/SerialPortStatus.h"

#include <unistd.h>

#include <QSerialPortInfo>

#include "unit/link/FindPortHolder.h"
#include "unit/link/PortOpenError.h"

std::vector<SerialPortStatus> ListSerialPortStatus() {
    std::vector<SerialPortStatus> list;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const SerialPortEntry& port : ListSerialPorts()) {
        SerialPortStatus status;
        status.m_port = port;
        status.m_strDevice = PortDevicePath(port.m_strName);
        for (const QSerialPortInfo& info : infos)
            if (info.portName().toStdString() == port.m_strName)
                status.m_strSerialNumber = info.serialNumber().trimmed().toStdString();
        status.m_bMayOpen = ::access(status.m_strDevice.c_str(), R_OK | W_OK) == 0;
        status.m_holder = FindPortHolder(status.m_strDevice);
        list.push_back(std::move(status));
    }
    return list;
}

#pragma once

#include <QSerialPort>
#include <string>

// Why a serial port could not be opened, as far as it tells the user what to do.
enum class PortOpenError { None, NotFound, Permission, InUse, Other };

// Qt's error after a failed open. Qt reports a port locked or held exclusively
// by another program as a permission error too; `mayReadWrite` (the user may
// read and write the device file) tells the two apart.
PortOpenError ClassifyPortOpenError(QSerialPort::SerialPortError error, bool mayReadWrite);

// The device file of a port name (ttyUSB0 is /dev/ttyUSB0); a path stays as it is.
std::string PortDevicePath(const std::string& port);

// What the user should do, in a sentence or two; empty for Other and None.
// For a port the user may not open it names the group that owns the device; for
// a port in use, the program holding it when that can be seen.
std::string PortOpenHint(PortOpenError error, const std::string& port);

#pragma once

#include <QSerialPort>
#include <string>

#include "unit/link/LinkTransport.h"
#include "unit/link/PortOpenError.h"

// A serial port, 8 data bits, no parity, 1 stop bit, no flow control. Qt opens
// and sets up the port; the bytes go straight through its descriptor so that a
// reply is read the moment it arrives and a hang-up is seen at once.
class SerialTransport : public LinkTransport {
public:
    SerialTransport() = default;
    ~SerialTransport() override;

    // `device` is a port name (ttyUSB0) or a path (/dev/ttyUSB0).
    bool Open(const std::string& device, int baud);
    // Why the last Open failed.
    PortOpenError OpenError() const { return m_openError; }

    bool Write(std::span<const uint8_t> bytes, int ms) override;
    LinkIo Read(std::span<uint8_t> buffer, size_t& got, int ms) override;
    void DiscardInput() override;
    void HangUp() override;
    void Close() override;

private:
    QSerialPort m_port;
    PortOpenError m_openError = PortOpenError::None;
};

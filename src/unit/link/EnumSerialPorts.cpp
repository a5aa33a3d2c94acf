#include "unit/link/EnumSerialPorts.h"

#include <QSerialPortInfo>
#include <cstring>

namespace {
// The code the platform gives for a buffer that cannot take the answer.
constexpr unsigned long kBufferTooSmall = 122;
}  // namespace

unsigned long EnumSerialPorts(char* buffer, unsigned long size) {
    if (!buffer || size < 2) return kBufferTooSmall;
    unsigned long used = 0;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QByteArray name = port.portName().toLocal8Bit();
        const unsigned long need = static_cast<unsigned long>(name.size()) + 1;
        if (name.isEmpty() || used + need + 1 > size) continue;
        std::memcpy(buffer + used, name.constData(), static_cast<size_t>(name.size()));
        used += need;
        buffer[used - 1] = '\0';
    }
    buffer[used] = '\0';
    if (used + 1 < size) buffer[used + 1] = '\0';
    return 0;
}

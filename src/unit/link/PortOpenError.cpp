#include "unit/link/PortOpenError.h"

#include <grp.h>
#include <sys/stat.h>

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/PortHolder.h"
#include "unit/UnitMessages.h"
#include "unit/link/FindPortHolder.h"

PortOpenError ClassifyPortOpenError(QSerialPort::SerialPortError error, bool mayReadWrite) {
    switch (error) {
        case QSerialPort::NoError:
            return PortOpenError::None;
        case QSerialPort::DeviceNotFoundError:
            return PortOpenError::NotFound;
        case QSerialPort::PermissionError:
            return mayReadWrite ? PortOpenError::InUse : PortOpenError::Permission;
        case QSerialPort::OpenError:
            return PortOpenError::InUse;
        default:
            return PortOpenError::Other;
    }
}

std::string PortDevicePath(const std::string& port) {
    return port.find('/') == std::string::npos ? "/dev/" + port : port;
}

std::string PortOpenHint(PortOpenError error, const std::string& port) {
    const std::string path = PortDevicePath(port);
    switch (error) {
        case PortOpenError::NotFound:
            return StrFormat(Tr("Unit", UnitMessages::kPortNotFound).c_str(), path.c_str());
        case PortOpenError::InUse:
            return PortInUseText(path, FindPortHolder(path));
        case PortOpenError::Permission: {
            struct stat st {};
            const group* owner = ::stat(path.c_str(), &st) == 0 ? ::getgrgid(st.st_gid) : nullptr;
            // A device owned by the root group gives nothing a user could join.
            if (!owner || st.st_gid == 0)
                return StrFormat(Tr("Unit", UnitMessages::kPortPermission).c_str(), path.c_str());
            return StrFormat(Tr("Unit", UnitMessages::kPortPermissionGroup).c_str(), path.c_str(),
                             owner->gr_name, owner->gr_name);
        }
        case PortOpenError::None:
        case PortOpenError::Other:
            break;
    }
    return {};
}

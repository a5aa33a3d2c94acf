#include "unit/link/PortOpenError.h"

#include <grp.h>
#include <sys/stat.h>

#include "model/Format.h"
#include "unit/PortHolder.h"
#include "unit/link/FindPortHolder.h"

namespace {

constexpr const char* kNotFoundHint =
    "There is no serial port %s. Plug the unit's cable in, or choose another port.";
constexpr const char* kPermissionGroupHint =
    "This user may not open the serial port %s. It belongs to the group \"%s\": make the user a "
    "member of that group (for example: sudo usermod -a -G %s $USER), then log out and log in "
    "again.";
constexpr const char* kPermissionHint =
    "This user may not open the serial port %s. Ask for access to it (usually membership of the "
    "group that owns it), then log out and log in again.";

}  // namespace

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
            return StrFormat(kNotFoundHint, path.c_str());
        case PortOpenError::InUse:
            return PortInUseText(path, FindPortHolder(path));
        case PortOpenError::Permission: {
            struct stat st {};
            const group* owner = ::stat(path.c_str(), &st) == 0 ? ::getgrgid(st.st_gid) : nullptr;
            // A device owned by the root group gives nothing a user could join.
            if (!owner || st.st_gid == 0) return StrFormat(kPermissionHint, path.c_str());
            return StrFormat(kPermissionGroupHint, path.c_str(), owner->gr_name, owner->gr_name);
        }
        case PortOpenError::None:
        case PortOpenError::Other:
            break;
    }
    return {};
}

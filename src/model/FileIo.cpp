#include "model/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        data.append(buffer, static_cast<size_t>(in.gcount()));
        if (data.size() > maxBytes) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return data;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason,
                         bool ownerOnly) {
    const auto fail = [reason](int error) {
        if (reason) *reason = std::strerror(error);
        return false;
    };
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail(errno);
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    const bool closed = ::close(fd) == 0;
    if (!closed && error == 0) error = errno;
    std::error_code ec;
    if (written && closed) {
        namespace fs = std::filesystem;
        const auto perms = fs::status(path, ec).permissions();
        constexpr fs::perms kOwner = fs::perms::owner_read | fs::perms::owner_write;
        // mkstemp made the file 0600 already; only a wider mode needs setting.
        if (!ownerOnly)
            fs::permissions(
                temp, ec ? kOwner | fs::perms::group_read | fs::perms::others_read : perms, ec);
        if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
        error = errno;
    }
    std::filesystem::remove(temp, ec);
    return fail(error);
}

std::string FullPath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

bool SyncFolder(const std::string& folder, std::string* reason) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::fsync(fd) != 0) error = errno;
        ::close(fd);
    }
    if (error && reason) *reason = std::strerror(error);
    return error == 0;
}

#include "document/RecoveryFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "model/Format.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kLockSuffix = ".lock";
constexpr const char* kRecoveryPrefix = "unsaved";
constexpr const char* kRecoverySuffix = ".zrt-recovery";

bool IsRecoveryName(const std::string& name) {
    const std::string prefix = kRecoveryPrefix;
    const std::string suffix = kRecoverySuffix;
    return name.size() >= prefix.size() + suffix.size() && name.rfind(prefix, 0) == 0 &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::optional<RecoveryLock> RecoveryLock::Take(const std::string& recoveryPath) {
    const std::string lockPath = recoveryPath + kLockSuffix;
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return RecoveryLock(recoveryPath, fd);
}

RecoveryLock::RecoveryLock(RecoveryLock&& other) noexcept
    : m_strPath(std::move(other.m_strPath)), m_nFd(other.m_nFd) {
    other.m_nFd = -1;
}

RecoveryLock& RecoveryLock::operator=(RecoveryLock&& other) noexcept {
    if (this != &other) {
        if (m_nFd >= 0) ::close(m_nFd);
        m_strPath = std::move(other.m_strPath);
        m_nFd = other.m_nFd;
        other.m_nFd = -1;
    }
    return *this;
}

RecoveryLock::~RecoveryLock() {
    if (m_nFd >= 0) ::close(m_nFd);
}

void RecoveryLock::RemoveAndRelease() {
    if (m_nFd < 0) return;
    // The work first: a lock file without its work is never offered.
    std::error_code ec;
    fs::remove(m_strPath, ec);
    fs::remove(m_strPath + kLockSuffix, ec);
    ::close(m_nFd);
    m_nFd = -1;
}

std::string OwnRecoveryPath(const std::string& folder, int64_t pid, int64_t nowMs) {
    return (fs::path(folder) / StrFormat("%s-%lld-%lld%s", kRecoveryPrefix,
                                         static_cast<long long>(pid), static_cast<long long>(nowMs),
                                         kRecoverySuffix))
        .string();
}

std::vector<std::string> RecoveryFiles(const std::string& folder, const std::string& except) {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        const std::string path = item.path().string();
        if (!IsRecoveryName(item.path().filename().string()) || path == except) continue;
        if (!item.is_regular_file(ec)) continue;
        found.emplace_back(item.last_write_time(ec), path);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::string> paths;
    for (auto& f : found) paths.push_back(std::move(f.second));
    return paths;
}

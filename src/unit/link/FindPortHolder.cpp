#include "unit/link/FindPortHolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "unit/link/Deadline.h"

namespace {

// A system with more is not one this tool meets; the scan stops there.
constexpr int kMostProcesses = 65536;
constexpr int kMostFilesLooked = 1000000;
constexpr size_t kLongestComm = 64;

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirCloser>;

bool IsNumber(const char* name) {
    if (!*name) return false;
    for (const char* c = name; *c; ++c)
        if (*c < '0' || *c > '9') return false;
    return true;
}

std::string ProgramName(const std::string& pidDir) {
    const int fd = ::open((pidDir + "/comm").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    char buffer[kLongestComm];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    std::string name(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\0')) name.pop_back();
    return name;
}

// Whether the open file `link` (an entry of a process's fd folder) is the
// character device `rdev`. Only where the entry leads is read; a file is
// looked at only when it lies under /dev, whose file system is the kernel's.
bool IsDevice(const std::string& link, dev_t rdev) {
    char path[PATH_MAX];
    const ssize_t n = ::readlink(link.c_str(), path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    if (std::string_view(path, static_cast<size_t>(n)).substr(0, 5) != "/dev/") return false;
    struct stat open {};
    return ::stat(path, &open) == 0 && S_ISCHR(open.st_mode) && open.st_rdev == rdev;
}

}  // namespace

PortHolder FindPortHolder(const std::string& device, int mostMs, const std::string& procRoot) {
    PortHolder holder;
    struct stat target {};
    if (::stat(device.c_str(), &target) != 0 || !S_ISCHR(target.st_mode)) return holder;
    const auto deadline = DeadlineClock::now() + std::chrono::milliseconds(mostMs);
    Dir proc(::opendir(procRoot.c_str()));
    if (!proc) return holder;
    const std::string self = std::to_string(::getpid());
    bool hidden = false;
    int processes = 0;
    int files = 0;
    while (const dirent* entry = ::readdir(proc.get())) {
        if (!IsNumber(entry->d_name) || entry->d_name == self) continue;
        if (++processes > kMostProcesses || files > kMostFilesLooked) break;
        if (MsLeft(deadline) == 0) break;
        const std::string pidDir = procRoot + "/" + entry->d_name;
        const std::string fdDir = pidDir + "/fd";
        Dir fds(::opendir(fdDir.c_str()));
        if (!fds) {
            if (errno == EACCES || errno == EPERM) hidden = true;
            continue;
        }
        while (const dirent* fd = ::readdir(fds.get())) {
            if (!IsNumber(fd->d_name)) continue;
            if (++files > kMostFilesLooked || MsLeft(deadline) == 0) break;
            if (!IsDevice(fdDir + "/" + fd->d_name, target.st_rdev)) continue;
            // A process without a name has just ended.
            std::string name = ProgramName(pidDir);
            if (name.empty()) break;
            holder.m_seen = PortHolder::Seen::Program;
            holder.m_strProgram = std::move(name);
            holder.m_nPid = std::atoi(entry->d_name);
            return holder;
        }
    }
    if (hidden) holder.m_seen = PortHolder::Seen::Unseen;
    return holder;
}

#include "unit/link/FindPortHolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

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

std::string ProgramName(const std::string& pid) {
    const int fd = ::open(("/proc/" + pid + "/comm").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    char buffer[kLongestComm];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    std::string name(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\0')) name.pop_back();
    return name;
}

}  // namespace

PortHolder FindPortHolder(const std::string& device) {
    PortHolder holder;
    struct stat target {};
    if (::stat(device.c_str(), &target) != 0 || !S_ISCHR(target.st_mode)) return holder;
    Dir proc(::opendir("/proc"));
    if (!proc) return holder;
    const std::string self = std::to_string(::getpid());
    bool hidden = false;
    int processes = 0;
    int files = 0;
    while (const dirent* entry = ::readdir(proc.get())) {
        if (!IsNumber(entry->d_name) || entry->d_name == self) continue;
        if (++processes > kMostProcesses || files > kMostFilesLooked) break;
        const std::string fdDir = std::string("/proc/") + entry->d_name + "/fd";
        Dir fds(::opendir(fdDir.c_str()));
        if (!fds) {
            if (errno == EACCES || errno == EPERM) hidden = true;
            continue;
        }
        while (const dirent* fd = ::readdir(fds.get())) {
            if (!IsNumber(fd->d_name)) continue;
            if (++files > kMostFilesLooked) break;
            struct stat open {};
            if (::stat((fdDir + "/" + fd->d_name).c_str(), &open) != 0) continue;
            if (!S_ISCHR(open.st_mode) || open.st_rdev != target.st_rdev) continue;
            // A process without a name has just ended.
            std::string name = ProgramName(entry->d_name);
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

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Every running window keeps its unsaved work in a recovery file of its own
// ("unsaved-PID-TIME.zrt-recovery" in the program's data folder) and holds a
// lock on it (an advisory lock on the file beside it, ".lock" added) for as
// long as it runs. The system lets go of the lock when the process ends,
// however it ends, so a file whose lock can be taken is work a window left
// behind, and a file whose lock cannot is the live work of a running window,
// never to be offered or removed.

// A recovery file's lock, held until destroyed.
class RecoveryLock {
public:
    // The lock of `recoveryPath`; nothing when another holder has it (or the
    // lock file cannot be made).
    static std::optional<RecoveryLock> Take(const std::string& recoveryPath);

    RecoveryLock(RecoveryLock&& other) noexcept;
    RecoveryLock& operator=(RecoveryLock&& other) noexcept;
    RecoveryLock(const RecoveryLock&) = delete;
    RecoveryLock& operator=(const RecoveryLock&) = delete;
    ~RecoveryLock();

    // Removes the recovery file and its lock file, then lets go.
    void RemoveAndRelease();

private:
    RecoveryLock(std::string path, int fd) : m_strPath(std::move(path)), m_nFd(fd) {}
    std::string m_strPath;
    int m_nFd = -1;
};

// A new window's own recovery file in `folder`.
std::string OwnRecoveryPath(const std::string& folder, int64_t pid, int64_t nowMs);

// The recovery files in `folder` (the one of earlier versions,
// "unsaved.zrt-recovery", among them), newest first by their time of change,
// `except` left out. Which of them a window left behind only their locks tell.
std::vector<std::string> RecoveryFiles(const std::string& folder, const std::string& except);

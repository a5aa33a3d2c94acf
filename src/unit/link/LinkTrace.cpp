#include "unit/link/LinkTrace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "model/Format.h"
#include "model/LocalStamp.h"

namespace {

constexpr const char* kTracePrefix = "link-";
constexpr const char* kTraceSuffix = ".trace";

std::string Hex(std::span<const uint8_t> bytes, size_t secretFrom, size_t secretCount) {
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool secret = secretCount > 0 && i >= secretFrom;
        text += i ? " " : "";
        text += secret ? "**" : StrFormat("%02X", bytes[i]);
    }
    return text;
}

// A trace holds a site's numbers and names: only its user may read it. The
// file is made 0600 before the stream opens it, so it is never readable by others.
const std::string& PrivateFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
    return path;
}

}  // namespace

LinkTrace::LinkTrace(const std::string& path) : m_out(PrivateFile(path), std::ios::app) {}

void LinkTrace::Line(const std::string& text) {
    m_out << LocalStampNow().Clock() << ' ' << text << '\n';
    m_out.flush();
}

void LinkTrace::Sent(std::span<const uint8_t> frame, size_t secretFrom, size_t secretCount) {
    Line("> " + Hex(frame, secretFrom, secretCount));
}

void LinkTrace::Received(std::span<const uint8_t> frame) { Line("< " + Hex(frame, 0, 0)); }

void LinkTrace::TimedOut(int waitedMs) {
    Line(StrFormat("time-out: no reply within %d ms", waitedMs));
}

void LinkTrace::Note(const std::string& text) { Line("# " + text); }

std::string NextTracePath(const std::string& folder, size_t keep) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    std::vector<fs::path> traces;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kTracePrefix, 0) == 0 && entry.path().extension() == kTraceSuffix)
            traces.push_back(entry.path());
    }
    // Names carry the time they were started, so name order is age order.
    std::sort(traces.begin(), traces.end());
    while (!traces.empty() && traces.size() + 1 > keep) {
        fs::remove(traces.front(), ec);
        traces.erase(traces.begin());
    }
    const std::string name = kTracePrefix + LocalStampNow().FileName() + kTraceSuffix;
    return (fs::path(folder) / name).string();
}

#include "unit/link/LinkTrace.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <vector>

#include "model/Format.h"

namespace {

constexpr const char* kTracePrefix = "link-";
constexpr const char* kTraceSuffix = ".trace";

std::string Stamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&t, &local);
    return StrFormat("%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min, local.tm_sec,
                     static_cast<int>(ms));
}

std::string Hex(std::span<const uint8_t> bytes, size_t secretFrom, size_t secretCount) {
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool secret = secretCount > 0 && i >= secretFrom;
        text += i ? " " : "";
        text += secret ? "**" : StrFormat("%02X", bytes[i]);
    }
    return text;
}

}  // namespace

LinkTrace::LinkTrace(const std::string& path) : m_out(path, std::ios::app) {}

void LinkTrace::Line(const std::string& text) {
    m_out << Stamp() << ' ' << text << '\n';
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
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    const std::string name =
        StrFormat("%s%04d%02d%02d-%02d%02d%02d-%03d%s", kTracePrefix, local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(ms), kTraceSuffix);
    return (fs::path(folder) / name).string();
}

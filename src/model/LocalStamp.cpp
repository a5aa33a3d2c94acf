#include "model/LocalStamp.h"

#include <chrono>

#include "model/Format.h"

LocalStamp LocalStampNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    LocalStamp s;
    localtime_r(&t, &s.m_tm);
    s.m_nMs = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000);
    char zone[8] = {};
    std::strftime(zone, sizeof zone, "%z", &s.m_tm);  // "+0100"
    s.m_strOffset = std::string(zone, 3) + ":" + std::string(zone + 3);
    return s;
}

std::string LocalStamp::FileName() const {
    return StrFormat("%04d%02d%02d-%02d%02d%02d-%03d", m_tm.tm_year + 1900, m_tm.tm_mon + 1,
                     m_tm.tm_mday, m_tm.tm_hour, m_tm.tm_min, m_tm.tm_sec, m_nMs);
}

std::string LocalStamp::Iso() const {
    return StrFormat("%04d-%02d-%02dT%02d:%02d:%02d%s", m_tm.tm_year + 1900, m_tm.tm_mon + 1,
                     m_tm.tm_mday, m_tm.tm_hour, m_tm.tm_min, m_tm.tm_sec, m_strOffset.c_str());
}

std::string LocalStamp::Clock() const {
    return StrFormat("%02d:%02d:%02d.%03d", m_tm.tm_hour, m_tm.tm_min, m_tm.tm_sec, m_nMs);
}

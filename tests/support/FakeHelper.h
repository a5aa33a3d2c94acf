#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/TempDir.h"

// A shell script written into `dir` and made runnable: a stand-in for a
// helper program that crashes, hangs or answers garbage.
inline std::string WriteFakeHelper(const TempDir& dir, const std::string& name,
                                   const std::string& body) {
    const std::string path = dir.Write(name, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0700);
    return path;
}

// The first 100 bytes a helper running `yes` writes.
inline std::string YesBound() {
    std::string out;
    while (out.size() < 100) out += "y\n";
    return out;
}

// Points the program at another database helper for as long as it lives.
class StationHelperOverride {
public:
    explicit StationHelperOverride(const std::string& path) {
        if (const char* was = std::getenv(kName)) m_was = was;
        ::setenv(kName, path.c_str(), 1);
    }
    ~StationHelperOverride() {
        if (m_was)
            ::setenv(kName, m_was->c_str(), 1);
        else
            ::unsetenv(kName);
    }
    StationHelperOverride(const StationHelperOverride&) = delete;
    StationHelperOverride& operator=(const StationHelperOverride&) = delete;

private:
    static constexpr const char* kName = "ZRTPRO_MDBREAD";
    std::optional<std::string> m_was;
};

#pragma once

#include <string>
#include <vector>

#include "model/Profile.h"

// The File menu's list of the last files opened or saved, newest first, kept
// in the profile so that it survives the program.
class RecentFiles {
public:
    explicit RecentFiles(Profile& profile, int capacity);

    const std::vector<std::string>& Paths() const { return m_paths; }
    // Puts `path` first; an older entry of the same path goes, the oldest falls off.
    void Add(const std::string& path);
    // A file that could not be opened leaves the list.
    void Remove(const std::string& path);

private:
    void Store();

    Profile& m_profile;
    int m_nCapacity;
    std::vector<std::string> m_paths;
};

inline constexpr const char* kSectionRecentFiles = "Recent File List";

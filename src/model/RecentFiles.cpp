#include "model/RecentFiles.h"

#include <algorithm>

namespace {

std::string EntryKey(int n) { return "File" + std::to_string(n + 1); }

}  // namespace

RecentFiles::RecentFiles(Profile& profile, int capacity)
    : m_profile(profile), m_nCapacity(capacity) {
    for (int n = 0; n < m_nCapacity; ++n) {
        const std::string path = m_profile.GetString(kSectionRecentFiles, EntryKey(n), "");
        if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(path);
    }
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    std::erase(m_paths, path);
    m_paths.insert(m_paths.begin(), path);
    if (static_cast<int>(m_paths.size()) > m_nCapacity) m_paths.resize(m_nCapacity);
    Store();
}

void RecentFiles::Remove(const std::string& path) {
    std::erase(m_paths, path);
    Store();
}

void RecentFiles::Store() {
    for (int n = 0; n < m_nCapacity; ++n)
        m_profile.SetString(kSectionRecentFiles, EntryKey(n),
                            n < static_cast<int>(m_paths.size()) ? m_paths[n] : std::string());
}

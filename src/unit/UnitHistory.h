#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One copy of a unit's memory kept in the history, with what it held.
struct UnitHistoryEntry {
    std::string m_strTime;  // ISO 8601 with the offset, "2026-12-11T02:15:44+01:00"
    std::string m_strKind;  // "read", "before write", "before restore"
    std::string m_strConnection;
    std::string m_strSite;
    std::string m_strModel;  // "M-4400" or "M-4800"; empty when the memory did not decode
    int m_nCameraUnits = 0;
    int m_nInputs = 0;
    bool m_bErased = false;
    std::string m_strImagePath;  // the 65,536 bytes as read
};

// The unit history: copies of units' memory in a folder of their own (made
// 0700), each entry an image file and a description file (0600), each written
// whole under a temporary name and renamed into place. The newest kKept
// entries are kept; older ones are deleted as new ones come.
class UnitHistory {
public:
    static constexpr size_t kKept = 100;
    static constexpr const char* kFolderName = "unit-history";

    explicit UnitHistory(std::string folder) : m_strFolder(std::move(folder)) {}
    const std::string& Folder() const { return m_strFolder; }

    // Keeps `image` (65,536 bytes) with `entry`'s description (its time and
    // image path are filled in here). Nothing on failure, with `reason` saying why.
    std::optional<UnitHistoryEntry> Keep(UnitHistoryEntry entry, std::span<const uint8_t> image,
                                         std::string& reason) const;
    // Every complete entry, newest first.
    std::vector<UnitHistoryEntry> List() const;
    // The kept image of an entry: exactly 65,536 bytes, or nothing.
    static std::optional<std::vector<uint8_t>> LoadImage(const std::string& imagePath);
    // Deletes an entry, description first so no half entry is ever listed.
    bool Delete(const UnitHistoryEntry& entry) const;

private:
    std::string m_strFolder;
};

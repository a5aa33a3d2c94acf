#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Translate.h"

// One copy of a unit's memory kept in the history, with what it held.
struct UnitHistoryEntry {
    std::string m_strTime;  // ISO 8601 with the offset, "2026-12-11T02:15:44+01:00"
    std::string m_strKind;  // "read", "before write", "before restore"
    std::string m_strConnection;
    // The configuration then written (its title), or for a restore the copy put
    // back; empty for a read.
    std::string m_strSite;
    // What the unit held, read from the copy itself: its model ("M-4400" or
    // "M-4800"; empty when the memory is no whole configuration) and counts,
    // or that it was erased or partly written.
    std::string m_strModel;
    int m_nCameraUnits = 0;
    int m_nInputs = 0;
    bool m_bErased = false;
    bool m_bPartlyWritten = false;
    // The order in which copies were kept, counting from 1; 0 for copies kept
    // before the history counted them, which are older than every counted one.
    uint64_t m_nSequence = 0;
    std::string m_strImagePath;  // the 65,536 bytes as read
};

// What an entry says the unit held: "M-4800, 2 camera interface units, 52
// inputs", "erased", "partly written" or "not a configuration", in a
// person's language or in English for a program (the CLI's --json).
std::string HeldText(const UnitHistoryEntry& entry, TextReader reader = TextReader::Person);

// An entry's kind (m_strKind, kept in English) in the user's language; a kind
// this program does not know as it stands.
std::string KindText(const std::string& kind);

// The unit history: copies of units' memory in a folder of their own (made
// 0700), each entry an image file and a description file (0600), each written
// whole under a temporary name, flushed to disk, renamed into place, and the
// folder flushed. Entries are ordered by the sequence number each description
// holds, never by the clock (which can move back): the newest kKept are
// kept, and the copy just kept is always among them.
class UnitHistory {
public:
    static constexpr size_t kKept = 100;
    static constexpr const char* kFolderName = "unit-history";

    explicit UnitHistory(std::string folder) : m_strFolder(std::move(folder)) {}
    const std::string& Folder() const { return m_strFolder; }

    // Keeps `image` (65,536 bytes) with `entry`'s description (its time,
    // sequence and image path are filled in here), then deletes the oldest
    // entries beyond kKept. Nothing on failure, with `reason` saying why.
    std::optional<UnitHistoryEntry> Keep(UnitHistoryEntry entry, std::span<const uint8_t> image,
                                         std::string& reason) const;
    // Every complete entry, newest first.
    std::vector<UnitHistoryEntry> List() const;
    // The kept image of an entry: exactly 65,536 bytes, or nothing.
    static std::optional<std::vector<uint8_t>> LoadImage(const std::string& imagePath);
    // Deletes an entry, description first so no half entry is ever listed.
    bool Delete(const UnitHistoryEntry& entry) const;

    // Reads a description file's text; nothing when it is not one.
    static std::optional<UnitHistoryEntry> ParseDescription(std::string_view text);

private:
    std::string m_strFolder;
};

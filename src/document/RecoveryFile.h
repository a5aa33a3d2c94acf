#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/DocumentOps.h"

// Unsaved work, kept in the program's data folder while the window runs so
// that a crash or a kill loses none of it, each window in a file of its own
// (RecoveryFolder.h). Earlier versions kept one file a user, of this name.
inline constexpr const char* kRecoveryFileName = "unsaved.zrt-recovery";

struct RecoveryRecord {
    // The file the work belongs to; empty for work never saved.
    std::string m_strPath;
    // The name the window showed for it.
    std::string m_strTitle;
    // When it was kept, in seconds since 1970 (UTC).
    int64_t m_nTime = 0;
    // The configuration as the .zrt file holds it, conflicts and all.
    std::string m_strConfig;
};

// The file: "NXRECOV1", the time as a little-endian int64, the path and the
// title each after its little-endian uint32 length, then the configuration.
std::string EncodeRecovery(const RecoveryRecord& record);
// Nothing when the bytes are not such a file.
std::optional<RecoveryRecord> DecodeRecovery(std::string_view bytes);

// Writes atomically, readable by the owner only (0600).
bool WriteRecovery(const std::string& path, const RecoveryRecord& record);
// Nothing when the file is missing, damaged or too large to be one.
std::optional<RecoveryRecord> ReadRecovery(const std::string& path);

// The question asked at start: "Recover the unsaved changes to NAME from TIME?",
// the time in the local zone.
std::string RecoveryQuestion(const RecoveryRecord& record);

// Puts kept work into the window: its configuration and tree, the name and
// path it had, marked unsaved, with a fresh history. False, with nothing
// changed, when its configuration cannot be read.
bool RecoverWork(DocumentContext& ctx, const RecoveryRecord& record);

// Keeps the recovery file in step with the document.
class RecoveryKeeper {
public:
    explicit RecoveryKeeper(std::string path) : m_strPath(std::move(path)) {}

    // Called every second or so. Unsaved work other than the work kept last
    // is written; with nothing unsaved the file goes. Nothing happens while a
    // transfer fills the document or before it has a configuration.
    void Update(const CZRTProDoc& doc, bool busy, int64_t now);
    // The work was saved or deliberately left: the file goes.
    void Remove();

    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
    // The record last written, without its time; empty when none is kept.
    std::string m_strKept;
    // A run that ended without its questions may have left one behind.
    bool m_bFileMayExist = true;
};

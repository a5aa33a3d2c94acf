#pragma once

// The document's own words.
namespace ModelMessages {
inline constexpr const char* kBadVersion =
    "Cannot open file:%s,version #:%d, is illegal.\r\nIt may not be a valid NEXIL system file.";
inline constexpr const char* kUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
inline constexpr const char* kSaveChanges = "Save changes to %1?";
inline constexpr const char* kConflictsCannotSave =
    "Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot save.";
inline constexpr const char* kConflictsCloseWithoutSaving =
    "Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot "
    "save.\n\nClose without Saving?  The current data will be lost.";
inline constexpr const char* kModified = "Modified";
inline constexpr const char* kNotModified = "        ";
inline constexpr const char* kUntitled = "untitled";
}  // namespace ModelMessages

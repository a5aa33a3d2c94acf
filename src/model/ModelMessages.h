#pragma once

#include "model/Translate.h"

// The document's own words, shown through Tr("Model", ...).
namespace ModelMessages {
//: A configuration file of an unknown version; %s is the file's path, %d the
//: version number read from it.
inline constexpr const char* kBadVersion = ZRT_TRANSLATE_NOOP(
    "Model",
    "Cannot open file:%s,version #:%d, is illegal.\r\nIt may not be a valid NEXIL system file.");
inline constexpr const char* kUnexpectedFormat =
    ZRT_TRANSLATE_NOOP("Model", "Unexpected file format.");
inline constexpr const char* kFailedToOpen =
    ZRT_TRANSLATE_NOOP("Model", "Failed to open document.");
inline constexpr const char* kFailedToSave =
    ZRT_TRANSLATE_NOOP("Model", "Failed to save document.");
//: Asked before closing unsaved work; %1 is the configuration's file name.
inline constexpr const char* kSaveChanges = ZRT_TRANSLATE_NOOP("Model", "Save changes to %1?");
//: "Arch number" is the product's own term for the number dialled for a camera
//: (keep it as "Arch Number" in German).
inline constexpr const char* kConflictsCannotSave = ZRT_TRANSLATE_NOOP(
    "Model",
    "Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot save.");
//: Asked with Yes/No when closing a configuration that cannot be saved.
inline constexpr const char* kConflictsCloseWithoutSaving = ZRT_TRANSLATE_NOOP(
    "Model",
    "Arch number conflicts exist, This may include the Non-Pageable Arch numbers, cannot "
    "save.\n\nClose without Saving?  The current data will be lost.");
//: The status bar's mark of unsaved changes.
inline constexpr const char* kModified = ZRT_TRANSLATE_NOOP("Model", "Modified");
// Blanks that keep the status bar's room for the mark while there is nothing to mark.
inline constexpr const char* kNotModified = ZRT_UNTRANSLATED("        ");
//: The name of a configuration never saved: the window's title and the
//: file name Save As proposes.
inline constexpr const char* kUntitled = ZRT_TRANSLATE_NOOP("Model", "untitled");
//: The top of the configuration tree; %1 is the configuration's name without
//: its extension ("Hotel" for Hotel.zrt, or "untitled").
inline constexpr const char* kSystemLabel = ZRT_TRANSLATE_NOOP("Model", "%1 System");
}  // namespace ModelMessages

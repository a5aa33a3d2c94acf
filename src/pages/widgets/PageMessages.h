#pragma once

// Texts of the informing pages and of the key strip at the foot of every page.
namespace PageWidgetMessages {
inline constexpr const char* kTitle = "NEXIL Video Switcher Programming Tool ";
inline constexpr const char* kKey = "Key:";
inline constexpr const char* kKeyConflict = "Conflict";
inline constexpr const char* kKeyNonPageable = "Non-pageable";
inline constexpr const char* kKeyAssigned = "Assigned Pageable";
inline constexpr const char* kKeyUnassigned = "Unassigned Pageable";
inline constexpr const char* kInfoText =
    "There is no Arch Number here because an M-4500 Video Camera Interface Unit is configured "
    "for this M-4400 Video Input. \n\nOpen this branch by clicking the \"+\", hitting the --> "
    "key or double clicking this tree element.";
inline constexpr const char* kUnusedHeading = "This is a Non-Pageable Arch Number.";
inline constexpr const char* kUnusedButtonText =
    "Click this button to replace this view with the Arch Number selection view.";
inline constexpr const char* kUnusedExplain =
    "Non-Pageable Arch Numbers are used by the KORVA Camera Administration Tool to connect the "
    "M-4400 Video Switcher to cameras in areas without paging system zones.";
}  // namespace PageWidgetMessages

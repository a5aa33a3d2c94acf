#pragma once

#include "model/Translate.h"

// The labels a configuration keeps for its nodes, and their words for a person.
namespace NodeLabels {
//: A branch of the configuration tree: the unit's settings page.
inline constexpr const char* kSettingsItem = ZRT_TRANSLATE_NOOP("Tree", "Settings");
//: A branch of the configuration tree: the cameras shown in turn while nobody calls one up.
inline constexpr const char* kIdleLoop = ZRT_TRANSLATE_NOOP("Tree", "Idle Loop");
//: A video input of the switcher in the tree; %d is its port (1 to 8).
inline constexpr const char* kInputLabel = ZRT_TRANSLATE_NOOP("Tree", "Input %d");
//: An input of a camera interface unit (EM-4500) in the tree: the first %d is the
//: expansion port, the second the unit's input (1 to 4). Kept short.
inline constexpr const char* kCiuInputLabel = ZRT_TRANSLATE_NOOP("Tree", "exp %d, inp %d");
// The labels the configuration keeps for its nodes, in English whatever the
// language: they are data (matched by the differences, printed by show --json).
// The tree shows them through ShownLabel, in the person's language.
inline constexpr const char* kSettingsLabel = ZRT_UNTRANSLATED("Settings");
inline constexpr const char* kIdleLoopLabel = ZRT_UNTRANSLATED("Idle Loop");
inline constexpr const char* kInputLabelFormat = ZRT_UNTRANSLATED("Input %d");
inline constexpr const char* kCiuInputLabelFormat = ZRT_UNTRANSLATED("exp %d, inp %d");
}  // namespace NodeLabels

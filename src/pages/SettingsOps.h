#pragma once

#include <string>
#include <vector>

#include "document/MainState.h"
#include "model/CZRTProDoc.h"
#include "model/Prompter.h"

// The priority radio shown checked: 1 SMDR, 2 PC, 3 equal (also for any other value).
int PriorityRadio(const CZRTProDoc& doc);
void SetPriority(CZRTProDoc& doc, int priority);

// The administrator mapping can be reordered only for a Lunetta configuration.
bool IsAdminMappingEditable(const CZRTProDoc& doc);

// The four lines of the Video Out to administrator list.
std::vector<std::string> AdminLines(const CZRTProDoc& doc);

// Move Up / Move Down on line `selected` (-1 for none) of the administrator
// list; returns the line selected afterwards.
int MoveAdmin(CZRTProDoc& doc, Prompter& prompter, int selected, bool up);

// The two clock refresh check boxes; the other bits stay as they are.
void SetTimeRefresh(CZRTProDoc& doc, uint8_t flag, bool checked);

// "Accept": the password waits in the main window for the next unit write.
void AcceptPassword(MainState& state, const std::string& password);

inline constexpr size_t kPasswordMaxLength = 8;

#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/Profile.h"
#include "unit/UnitContext.h"

// The unit commands of the main window. Each does nothing while a transfer is
// running: the window keeps painting during one, so a second command could
// otherwise start inside it. Each returns true when the operation ran to its
// end without a failure.

// Read: a plain read (never the verify read of a write); the pending password
// is dropped only when the read replaced the configuration.
bool ReadCommand(UnitContext& c);

// View > Compare with Unit: the unit's configuration read into `copy`, the
// open one left untouched (as ReadUnitCopy).
bool ReadCopyCommand(UnitContext& c, CZRTProDoc& copy);

// The setup wizard's read, which behaves as Read; the wizard has already
// cleared the verify flag and clears its own pending-read flag afterwards.
bool WizardReadCommand(UnitContext& c);

// Write, then the window's relayout timer ("Timer create failed" when it cannot start).
bool WriteCommand(UnitContext& c);

// Restore: writes a kept copy of a unit's memory back (RestoreUnit), then the
// window's relayout timer as a write; `copyName` (the copy's time) names it in the history.
bool RestoreCommand(UnitContext& c, std::span<const uint8_t> image,
                    const std::string& copyName = {});

// Set Time.
bool SetTimeCommand(UnitContext& c);

// The progress page's Cancel (or Esc): the transfer stops after the message on
// the line. A write asks first, since it leaves the unit partly written; No
// lets it go on. True when the stop was requested.
bool RequestTransferCancel(MainState& state, Prompter& prompter);

// The two halves of RequestTransferCancel, for a window that lets the
// transfer go on while the question is open: what Cancel does now, and the
// answer to the question once it comes (Yes stops a write still under way;
// true when the stop was requested).
enum class CancelStep { Nothing, StopNow, Ask };
CancelStep CancelStepFor(const MainState& state);
bool AnswerStopQuestion(MainState& state, PromptAnswer answer);

// Closing the main window: refused with a message while a transfer runs. True
// when the window may close (the document's own question comes after).
bool MayCloseMainWindow(const MainState& state, Prompter& prompter);

// View > Verify Write: reads the setting at start and flips and stores it.
void LoadEnableVerify(MainState& state, const Profile& profile);
void ToggleEnableVerify(MainState& state, Profile& profile);

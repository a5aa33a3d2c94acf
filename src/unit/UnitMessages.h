#pragma once

// The words of the unit operations, exactly as the user sees them.
namespace UnitMessages {

// Reading and writing the memory image.
inline constexpr const char* kIdleNotInTree = "Error, Idle list has content not in the tree.";
inline constexpr const char* kNoDialDigits =
    "Error, number of digits in the dial plan is not available.";
inline constexpr const char* kImageTooLarge =
    "Unable to add data to the application, the total data size was reported too large.";
inline constexpr const char* kTooManyExpansionUnits =
    "The M-4400 unit reports the number of expansion units to be %d\nThe number entered for rows "
    "on the M-4400 main unit is %d\n\n  Since 1 row allows only 4 expansion units, unable to "
    "continue.";
inline constexpr const char* kPortsUnmatched =
    "Unable to match the corresponding port numbers. M-4400 data may be corrupt";
inline constexpr const char* kBadAdminArch = "Error, improperly formed Administrator Arch Number.";
inline constexpr const char* kReconMissing = "Error, unable to find all recon structs.";

// Configurations the unit's memory cannot hold; refused before anything is sent.
inline constexpr const char* kTooManyRecords =
    "Cannot write to the M-4400 unit: it holds at most %d Arch Numbers with their names, and this "
    "configuration has %d.\nThe first that does not fit is %s.";
inline constexpr const char* kInputArchUnfit =
    "Cannot write to the M-4400 unit: %s has the Arch Number \"%s\".\nThe unit holds Arch Numbers "
    "of 1 to 4 characters, each a digit, * or #.";
inline constexpr const char* kZoneArchUnfit =
    "Cannot write to the M-4400 unit: the unassigned Arch Number \"%s\" (%s) cannot be held.\nThe "
    "unit holds Arch Numbers of at most 4 characters, each a digit, * or #.";
inline constexpr const char* kInputNameUnfit =
    "Cannot write to the M-4400 unit: the name \"%s\" of %s is longer than %d characters.";
inline constexpr const char* kZoneNameUnfit =
    "Cannot write to the M-4400 unit: the name \"%s\" of the unassigned Arch Number %s is longer "
    "than %d characters.";
inline constexpr const char* kAdminArchUnfit =
    "Cannot write to the M-4400 unit: the administrator Arch Number %d of Video Out %d cannot be "
    "held.\nThe unit holds administrator Arch Numbers from 0 to 9999.";
inline constexpr const char* kIdleLoopUnfit =
    "Cannot write to the M-4400 unit: the idle loop has %d entries and the unit holds at most %d.";
inline constexpr const char* kSameArchValue =
    "Cannot write to the M-4400 unit: %s (Arch Number %s) and %s (Arch Number %s) would be the "
    "same number in the unit, and one of them could not be called.\nGive one of them another Arch "
    "Number.";
inline constexpr const char* kUnassignedArch = "the unassigned Arch Number %s";

// Connecting.
inline constexpr const char* kAttemptingConnect = "Attempting connect to M-4400 . . .";
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kConnectFailed = "Error - Failed to connect to unit\n";
// The progress page's line while a connection on a line is made; Cancel or Esc
// ends the connect as the connection dialog's Cancel does (status kReady).
inline constexpr const char* kConnectingLine = "Connecting to the unit . . .";

// Write.
inline constexpr const char* kConflictsCannotWrite =
    "Arch number conflicts exist, cannot save to M-4400 unit.";
inline constexpr const char* kWriteEnterMode = "Write M-4400 failed to enter programming mode.\n";
inline constexpr const char* kWriteSendSwitches =
    "Write M-4400 failed sending\nReadEEProm (switches) command.\n";
inline constexpr const char* kWriteNoReplySwitches =
    "Write M-4400 received no/bad reply\nto ReadEEProm (switches) command.\n";
inline constexpr const char* kWriteLengthSwitches =
    "Write M-4400 received a reply of incorrect length\n to ReadEEProm (switches) command.\n";
inline constexpr const char* kClearingEeprom = "Clearing EEProm %d";
inline constexpr const char* kWriteSendClear = "Write M-4400 failed sending ClearEEProm command.\n";
inline constexpr const char* kWriteNoReplyClear =
    "Write M-4400 received no/bad reply\nto ClearEEProm command.\n";
inline constexpr const char* kWriteLengthClear =
    "Write M-4400 received a reply of incorrect length\n to ClearEEProm command.\n";
inline constexpr const char* kWriting = "Writing...   %2.2d%%";
inline constexpr const char* kWriteSendWrite = "Write M-4400 failed sending WriteEEProm command.\n";
inline constexpr const char* kWriteNoReplyWrite =
    "Write M-4400 received no/bad reply\nto WriteEEProm command.\n";
inline constexpr const char* kWriteLengthWrite =
    "Write M-4400 received a reply of incorrect length\n to WriteEEProm command.\n";
inline constexpr const char* kWriteExitMode = "Write M-4400 failed to exit program mode.\n";
inline constexpr const char* kTimerCreateFailed = "Timer create failed";

// Read and verify.
inline constexpr const char* kReadEnterMode = "Read M-4400 failed to enter programming mode.\n";
inline constexpr const char* kVerifying = "Verifying...   %2.2d%%";
inline constexpr const char* kReading = "Reading...   %2.2d%%";
inline constexpr const char* kReadSend = "Read M-4400 failed sending EEPROM read command.\n";
inline constexpr const char* kReadNoReply =
    "Read M-4400 received no/bad reply\nto ReadEEProm command.\n";
inline constexpr const char* kReadExitMode = "Read M-4400 failed to exit program mode.\n";
inline constexpr const char* kVerifyFailed =
    "Error, Write operation failed verification.  Please retry write.";
inline constexpr const char* kVerifyFailedStatus = "Write verification failed.";
inline constexpr const char* kVerifyDifferingCells = "  %zu cells differ.";
inline constexpr const char* kVerifyCancelled =
    "Verify of the M-4400 write cancelled.  The unit was written but not verified.\n";
inline constexpr const char* kVerifyPassedStatus = "Write operation completed and Verified";

// Set Time.
inline constexpr const char* kTimeEnterMode =
    "Set M-4400 time failed to enter\n programming mode.  (Time NOT set)\n";
inline constexpr const char* kSettingTime = "Set M-4400 time";
inline constexpr const char* kTimeSend =
    "Set M-4400 time failed sending\ntime SMDR.  (Time may not have been set)\n";
inline constexpr const char* kTimeNoReply =
    "Set M-4400 time received no/bad reply after\nsending time SMDR.  (Time may not have been "
    "set)\n";
inline constexpr const char* kTimeLength =
    "Set M-4400 time received a reply of incorrect\nlength after sending time SMDR.\n(Time may "
    "not have been set)\n";
inline constexpr const char* kTimeExitMode = "Set M-4400 time failed to exit programming mode.\n";

// The lines the link's error bits add to a message.
inline constexpr const char* kHardwareUnavailable = "\nHardware Unavailable";
inline constexpr const char* kNoDialtone = "\nNo dialtone (Modem) or no LAN";
inline constexpr const char* kNoUnitFound = "\nNo unit found";
inline constexpr const char* kPasswordRejected = "\nPassword rejected by unit";
inline constexpr const char* kAddressBookError = "\nError in address book entry";
inline constexpr const char* kBadAcknowledgement = "\nBad acknowledgement data from unit";
inline constexpr const char* kTimedOut = "\nCommunication timed out";
inline constexpr const char* kUserCancelled = "\nUser Cancelled";

// A serial device server reached over RFC 2217; %s is its host and port.
inline constexpr const char* kComPortRefused =
    "The device server at %s does not take serial line settings over RFC 2217 (it refused COM "
    "port control). Set its port up for RFC 2217, or connect to its raw TCP port with "
    "tcp:HOST:PORT.";
inline constexpr const char* kBinaryRefused =
    "The device server at %s refused 8-bit binary transfer, which the unit's data needs. Set its "
    "port up for RFC 2217 or raw TCP.";
inline constexpr const char* kLineSettingRefused =
    "The device server at %s would not set its serial line to %s (it answered %s). Choose a speed "
    "its serial port supports, and check the port's settings on the device server.";
inline constexpr const char* kDeviceServerSaid =
    "The device server at %s closed the connection, saying: %s";
inline constexpr const char* kDeviceServerClosed =
    "The device server at %s closed the connection before setting up its serial line; another "
    "client may be using the port.";
inline constexpr const char* kComPortSilent =
    "The device server at %s did not answer the serial line settings. Check that its port is set "
    "up for RFC 2217 (Telnet COM port control) and not for raw TCP.";

// A serial port another program holds; the first %s is the device.
inline constexpr const char* kPortHeldBy = "%s is in use by %s (process %d).";
inline constexpr const char* kPortHeldUnseen =
    "%s is in use by a program this user cannot see (another user's). An administrator can name "
    "it with: sudo fuser -v %s";
inline constexpr const char* kPortHeldUnknown =
    "The serial port %s is in use by another program. Close that program (a terminal program, or "
    "another window of this one), then try again.";
inline constexpr const char* kCloseHolder = "Close that program, then try again.";
inline constexpr const char* kModemManagerRemedy =
    "ModemManager probes new serial adapters; stop it while you work with: sudo systemctl stop "
    "ModemManager";
inline constexpr const char* kBrlttyRemedy =
    "brltty takes USB serial adapters for Braille displays; without a Braille display remove it "
    "with: sudo apt remove brltty";

// Command prompts.
inline constexpr const char* kReadPrompt = "Read the configuration from the M-4400 unit.";
inline constexpr const char* kWritePrompt = "Write the current setup to the M-4400 unit.";
inline constexpr const char* kVerifyPrompt =
    "Write the M-4400 unit then Verify by reading and comparing.";
inline constexpr const char* kSetTimePrompt =
    "Set M-4400 time of day and date from PC clock\nSet Time";
inline constexpr const char* kCannotClose =
    "Cannot close, Currently Communicating with the M-4400 unit.";

// The entries of the address book.
inline constexpr const char* kNewEntryName = "New unit";
inline constexpr const char* kNeedName = "Give the entry a name.";
inline constexpr const char* kNameTaken = "Another entry already has this name.";
inline constexpr const char* kNeedPort = "Choose or type the serial port the unit is on.";
inline constexpr const char* kNeedHost = "Give the host name or address of the device server.";
inline constexpr const char* kNeedNumber = "Give the telephone number to dial.";

// Words of the window and the command-line tool beyond the unit's own.
inline constexpr const char* kUnitErased =
    "The unit holds no configuration: its memory is erased.\n\nWrite a configuration into it "
    "first.";
inline constexpr const char* kStopWriting = "Stop writing? The unit will be left partly written.";
inline constexpr const char* kReadDone = "Read complete.";
inline constexpr const char* kWriteDone = "Write complete.";

// The copy of the unit's memory kept before a write, and how a write ends.
inline constexpr const char* kKeeping = "Keeping a copy of the unit's memory...   %2.2d%%";
inline constexpr const char* kKeepReadFailed =
    "Write M-4400 stopped before erasing anything: the unit's memory could not be read to keep a "
    "copy of it.\n";
inline constexpr const char* kChecking = "Reading the unit's memory to check it...   %2.2d%%";
inline constexpr const char* kCheckReadFailed =
    "Write M-4400 stopped before erasing anything: the unit's memory could not be read to check "
    "what the write changes.\n";
inline constexpr const char* kKeepStoreFailed =
    "Write M-4400 stopped before erasing anything: the copy of the unit's memory could not be "
    "stored in %s (%s).";
inline constexpr const char* kKeptIn = "Unit memory kept in %s";
inline constexpr const char* kStoppedBeforeErase =
    "Write stopped before anything was erased; the unit is unchanged.";
inline constexpr const char* kWriteStopped =
    "Write stopped at %d %%. The unit is partly written and will not work until a whole "
    "configuration is written to it.";
inline constexpr const char* kWriteFailedPartly =
    "The unit is partly written and will not work until a whole configuration is written to it.";
inline constexpr const char* kPartlyWrittenStatus = "Unit partly written.";
inline constexpr const char* kReadStopped = "Read stopped; the configuration is unchanged.";
// A transfer's line with the time left ("Writing...   45%   1:10 left"), and
// the time it has taken so far.
inline constexpr const char* kTimeLeft = "%s   %s left";
inline constexpr const char* kElapsed = "%s elapsed";
inline constexpr const char* kRestoreNotImage =
    "Cannot restore: the copy is not a unit's memory (it must be exactly 65,536 bytes).";

// The kinds of entry in the unit history.
inline constexpr const char* kKindRead = "read";
inline constexpr const char* kKindBeforeWrite = "before write";
inline constexpr const char* kKindBeforeRestore = "before restore";
// What a kept copy held, and what was put in its place.
inline constexpr const char* kHeldConfiguration = "%s, %d camera interface units, %d inputs";
inline constexpr const char* kHeldErased = "erased";
inline constexpr const char* kHeldPartlyWritten = "partly written";
inline constexpr const char* kHeldNothing = "not a configuration";
inline constexpr const char* kRestoredCopy = "the copy kept %s";
inline constexpr const char* kRestoredUnnamed = "a kept copy";
inline constexpr const char* kCopyNotOpened =
    "The copy cannot be opened as a configuration: the unit's memory in it is %s.";

// What a write is about to change.
inline constexpr const char* kWriteToUnitCaption = "Write to Unit";
inline constexpr const char* kDifferencesOne =
    "1 difference between the unit and this configuration.";
inline constexpr const char* kDifferencesMany =
    "%zu differences between the unit and this configuration.";
inline constexpr const char* kRestoreDifferencesOne = "1 difference between the unit and the copy.";
inline constexpr const char* kRestoreDifferencesMany =
    "%zu differences between the unit and the copy.";
inline constexpr const char* kUnitErasedWillWrite =
    "The unit is erased; writing puts this configuration in it.";
inline constexpr const char* kRestoreNoConfiguration =
    "The copy holds no configuration (it may be of an erased unit); restoring puts it back as it "
    "was.";
inline constexpr const char* kUnitHoldsThis = "The unit already holds this configuration.";
inline constexpr const char* kAnotherSite = "The unit seems to hold another site's configuration.";
inline constexpr const char* kUnitPartlyWritten =
    "The unit is partly written; writing puts this configuration in it whole.";
inline constexpr const char* kRestorePartlyWritten =
    "The unit is partly written; restoring puts the copy in it whole.";
inline constexpr const char* kUnitNoWholeConfiguration =
    "The unit holds no whole configuration (it is erased or partly written); writing puts this "
    "configuration in it.";
inline constexpr const char* kRestoreNoWholeConfiguration =
    "The unit holds no whole configuration (it is erased or partly written); restoring puts the "
    "copy in it.";
inline constexpr const char* kUnitUnreadable =
    "The unit's memory holds no configuration this program can read; writing replaces all of it.";
inline constexpr const char* kNoDifferencesListed = "No differences can be listed.";
inline constexpr const char* kRestorePassword =
    "The unit keeps its present password: a unit never discloses its password, so no copy holds "
    "it.";
inline constexpr const char* kClockSet = "Unit clock set.";
}  // namespace UnitMessages

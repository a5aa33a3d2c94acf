#pragma once

#include "model/Translate.h"

// The words of the unit operations, exactly as the user sees them.
namespace UnitMessages {

// Reading and writing the memory image.
//: Message when a configuration is built into the unit's memory. The idle loop is the list of
//: cameras shown in turn while nobody calls one up.
inline constexpr const char* kIdleNotInTree =
    ZRT_TRANSLATE_NOOP("Unit", "Error, Idle list has content not in the tree.");
//: Message: the dial plan (how many digits an Arch Number has) is missing from the configuration.
inline constexpr const char* kNoDialDigits =
    ZRT_TRANSLATE_NOOP("Unit", "Error, number of digits in the dial plan is not available.");
//: Message when the unit's memory is read: more data than the memory holds.
inline constexpr const char* kImageTooLarge = ZRT_TRANSLATE_NOOP(
    "Unit", "Unable to add data to the application, the total data size was reported too large.");
//: Message when the unit's memory is read. The first %d is the number of camera interface units
//: (expansion units) the unit reports, the second the rows entered for the main unit. Keep the line
//: breaks and the two leading blanks.
inline constexpr const char* kTooManyExpansionUnits = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The M-4400 unit reports the number of expansion units to be %d\nThe number entered for rows "
    "on the M-4400 main unit is %d\n\n  Since 1 row allows only 4 expansion units, unable to "
    "continue.");
//: Message when the unit's memory is read and its data do not fit together. M-4400 is the product's
//: name.
inline constexpr const char* kPortsUnmatched = ZRT_TRANSLATE_NOOP(
    "Unit", "Unable to match the corresponding port numbers. M-4400 data may be corrupt");
//: Message when the unit's memory is read. "Arch Number" is the product's own term for the number a
//: camera is called up by: keep it as it is in every text.
inline constexpr const char* kBadAdminArch =
    ZRT_TRANSLATE_NOOP("Unit", "Error, improperly formed Administrator Arch Number.");
//: Message when the unit's memory is read; "recon structs" are the unit's records of its inputs.
inline constexpr const char* kReconMissing =
    ZRT_TRANSLATE_NOOP("Unit", "Error, unable to find all recon structs.");

// Configurations the unit's memory cannot hold; refused before anything is sent.
//: Refused write. The first %d is how many Arch Numbers the unit holds, the second how many this
//: configuration has, %s the first that does not fit (an input's label such as "Input 3", or the
//: text "the unassigned Arch Number ..." below).
inline constexpr const char* kTooManyRecords = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: it holds at most %d Arch Numbers with their names, and this "
    "configuration has %d.\nThe first that does not fit is %s.");
//: Refused write. The first %s is the input's label ("Input 3"), the second its Arch Number.
inline constexpr const char* kInputArchUnfit = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: %s has the Arch Number \"%s\".\nThe unit holds Arch Numbers "
    "of 1 to 4 characters, each a digit, * or #.");
//: Refused write. The first %s is the Arch Number, the second its name.
inline constexpr const char* kZoneArchUnfit = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: the unassigned Arch Number \"%s\" (%s) cannot be held.\nThe "
    "unit holds Arch Numbers of at most 4 characters, each a digit, * or #.");
//: Refused write. The first %s is the input's name, the second its label ("Input 3"), %d the
//: longest name the unit holds.
inline constexpr const char* kInputNameUnfit = ZRT_TRANSLATE_NOOP(
    "Unit", "Cannot write to the M-4400 unit: the name \"%s\" of %s is longer than %d characters.");
//: Refused write. The first %s is the name, the second the Arch Number, %d the longest name the
//: unit holds.
inline constexpr const char* kZoneNameUnfit = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: the name \"%s\" of the unassigned Arch Number %s is longer "
    "than %d characters.");
//: Refused write. The first %d is the administrator's Arch Number, the second the number of the
//: video output (1 to 4).
inline constexpr const char* kAdminArchUnfit = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: the administrator Arch Number %d of Video Out %d cannot be "
    "held.\nThe unit holds administrator Arch Numbers from 0 to 9999.");
//: Refused write. The first %d is the idle loop's number of entries, the second the most the unit
//: holds.
inline constexpr const char* kIdleLoopUnfit = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: the idle loop has %d entries and the unit holds at most %d.");
//: Refused write. Each %s pair is an input's label ("Input 3") and its Arch Number.
inline constexpr const char* kSameArchValue = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Cannot write to the M-4400 unit: %s (Arch Number %s) and %s (Arch Number %s) would be the "
    "same number in the unit, and one of them could not be called.\nGive one of them another Arch "
    "Number.");
//: Stands in other messages for an Arch Number that is not given to an input; %s is the Arch
//: Number.
inline constexpr const char* kUnassignedArch =
    ZRT_TRANSLATE_NOOP("Unit", "the unassigned Arch Number %s");

// Connecting.
//: Status bar text while the program connects to the unit.
inline constexpr const char* kAttemptingConnect =
    ZRT_TRANSLATE_NOOP("Unit", "Attempting connect to M-4400 . . .");
//: Status bar text when nothing is under way.
inline constexpr const char* kReady = ZRT_TRANSLATE_NOOP("Unit", "Ready");
//: First line of the message when the connection fails; lines saying why follow.
inline constexpr const char* kConnectFailed =
    ZRT_TRANSLATE_NOOP("Unit", "Error - Failed to connect to unit\n");
// The progress page's line while a connection on a line is made; Cancel or Esc
// ends the connect as the connection dialog's Cancel does (status kReady).
//: Line on the progress page while the connection is made.
inline constexpr const char* kConnectingLine =
    ZRT_TRANSLATE_NOOP("Unit", "Connecting to the unit . . .");

// Write.
//: Message: two inputs have the same Arch Number, so nothing is written.
inline constexpr const char* kConflictsCannotWrite =
    ZRT_TRANSLATE_NOOP("Unit", "Arch number conflicts exist, cannot save to M-4400 unit.");
//: Message when a write fails; lines saying why may follow.
inline constexpr const char* kWriteEnterMode =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 failed to enter programming mode.\n");
//: Message when a write fails. ReadEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteSendSwitches =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 failed sending\nReadEEProm (switches) command.\n");
//: Message when a write fails. ReadEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteNoReplySwitches = ZRT_TRANSLATE_NOOP(
    "Unit", "Write M-4400 received no/bad reply\nto ReadEEProm (switches) command.\n");
//: Message when a write fails. ReadEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteLengthSwitches = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Write M-4400 received a reply of incorrect length\n to ReadEEProm (switches) command.\n");
//: Status bar text while the unit's memory is erased; %d is the block (0 or 1).
inline constexpr const char* kClearingEeprom = ZRT_TRANSLATE_NOOP("Unit", "Clearing EEProm %d");
//: Message when a write fails. ClearEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteSendClear =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 failed sending ClearEEProm command.\n");
//: Message when a write fails. ClearEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteNoReplyClear =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 received no/bad reply\nto ClearEEProm command.\n");
//: Message when a write fails. ClearEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteLengthClear = ZRT_TRANSLATE_NOOP(
    "Unit", "Write M-4400 received a reply of incorrect length\n to ClearEEProm command.\n");
//: Progress line of a write; %2.2d%% is the percentage done ("45%").
inline constexpr const char* kWriting = ZRT_TRANSLATE_NOOP("Unit", "Writing...   %2.2d%%");
//: Message when a write fails. WriteEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteSendWrite =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 failed sending WriteEEProm command.\n");
//: Message when a write fails. WriteEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteNoReplyWrite =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 received no/bad reply\nto WriteEEProm command.\n");
//: Message when a write fails. WriteEEProm is the name of the unit's command: keep it.
inline constexpr const char* kWriteLengthWrite = ZRT_TRANSLATE_NOOP(
    "Unit", "Write M-4400 received a reply of incorrect length\n to WriteEEProm command.\n");
//: Message when the unit would not leave programming mode after a write.
inline constexpr const char* kWriteExitMode =
    ZRT_TRANSLATE_NOOP("Unit", "Write M-4400 failed to exit program mode.\n");
//: Message when the program cannot start its own timer (a fault of the system).
inline constexpr const char* kTimerCreateFailed = ZRT_TRANSLATE_NOOP("Unit", "Timer create failed");

// Read and verify.
//: Message when a read fails; lines saying why may follow.
inline constexpr const char* kReadEnterMode =
    ZRT_TRANSLATE_NOOP("Unit", "Read M-4400 failed to enter programming mode.\n");
//: Progress line while the written unit is read back to check it; %2.2d%% is the percentage done.
inline constexpr const char* kVerifying = ZRT_TRANSLATE_NOOP("Unit", "Verifying...   %2.2d%%");
//: Progress line of a read; %2.2d%% is the percentage done.
inline constexpr const char* kReading = ZRT_TRANSLATE_NOOP("Unit", "Reading...   %2.2d%%");
//: Message when a read fails; lines saying why may follow.
inline constexpr const char* kReadSend =
    ZRT_TRANSLATE_NOOP("Unit", "Read M-4400 failed sending EEPROM read command.\n");
//: Message when a read fails. ReadEEProm is the name of the unit's command: keep it.
inline constexpr const char* kReadNoReply =
    ZRT_TRANSLATE_NOOP("Unit", "Read M-4400 received no/bad reply\nto ReadEEProm command.\n");
//: Message when the unit would not leave programming mode after a read.
inline constexpr const char* kReadExitMode =
    ZRT_TRANSLATE_NOOP("Unit", "Read M-4400 failed to exit program mode.\n");
//: Message when the unit read back differs from what was written.
inline constexpr const char* kVerifyFailed =
    ZRT_TRANSLATE_NOOP("Unit", "Error, Write operation failed verification.  Please retry write.");
//: Status bar text when the unit read back differs from what was written.
inline constexpr const char* kVerifyFailedStatus =
    ZRT_TRANSLATE_NOOP("Unit", "Write verification failed.");
//: Follows the text above in the status bar; %zu is the number of memory cells that differ. Keep
//: the two leading blanks.
inline constexpr const char* kVerifyDifferingCells =
    ZRT_TRANSLATE_NOOP("Unit", "  %zu cells differ.");
//: Message when the user stops the check after a write.
inline constexpr const char* kVerifyCancelled = ZRT_TRANSLATE_NOOP(
    "Unit", "Verify of the M-4400 write cancelled.  The unit was written but not verified.\n");
//: Status bar text after a write that was checked by reading it back.
inline constexpr const char* kVerifyPassedStatus =
    ZRT_TRANSLATE_NOOP("Unit", "Write operation completed and Verified");

// Set Time.
//: Message when setting the unit's clock fails; lines saying why may follow.
inline constexpr const char* kTimeEnterMode = ZRT_TRANSLATE_NOOP(
    "Unit", "Set M-4400 time failed to enter\n programming mode.  (Time NOT set)\n");
//: Status bar text while the unit's clock is set.
inline constexpr const char* kSettingTime = ZRT_TRANSLATE_NOOP("Unit", "Set M-4400 time");
//: Message when setting the unit's clock fails. SMDR is the unit's time message: keep it.
inline constexpr const char* kTimeSend = ZRT_TRANSLATE_NOOP(
    "Unit", "Set M-4400 time failed sending\ntime SMDR.  (Time may not have been set)\n");
//: Message when setting the unit's clock fails. SMDR is the unit's time message: keep it.
inline constexpr const char* kTimeNoReply = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Set M-4400 time received no/bad reply after\nsending time SMDR.  (Time may not have been "
    "set)\n");
//: Message when setting the unit's clock fails. SMDR is the unit's time message: keep it.
inline constexpr const char* kTimeLength = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Set M-4400 time received a reply of incorrect\nlength after sending time SMDR.\n(Time may "
    "not have been set)\n");
//: Message when the unit would not leave programming mode after setting its clock.
inline constexpr const char* kTimeExitMode =
    ZRT_TRANSLATE_NOOP("Unit", "Set M-4400 time failed to exit programming mode.\n");

// The lines the link's error bits add to a message.
//: Added as a line of its own (after the line break) to a failed connection's or transfer's
//: message.
inline constexpr const char* kLineHardwareUnavailable =
    ZRT_TRANSLATE_NOOP("Unit", "\nHardware Unavailable");
//: Added as a line of its own to a failed connection's message: no dial tone on the modem, or no
//: network.
inline constexpr const char* kLineNoDialtone =
    ZRT_TRANSLATE_NOOP("Unit", "\nNo dialtone (Modem) or no LAN");
//: Added as a line of its own to a failed connection's message.
inline constexpr const char* kLineNoUnitFound = ZRT_TRANSLATE_NOOP("Unit", "\nNo unit found");
//: Added as a line of its own to a failed connection's message.
inline constexpr const char* kLinePasswordRejected =
    ZRT_TRANSLATE_NOOP("Unit", "\nPassword rejected by unit");
//: Added as a line of its own to a failed connection's message: the saved connection is faulty.
inline constexpr const char* kLineAddressBookError =
    ZRT_TRANSLATE_NOOP("Unit", "\nError in address book entry");
//: Added as a line of its own to a failed transfer's message.
inline constexpr const char* kLineBadAcknowledgement =
    ZRT_TRANSLATE_NOOP("Unit", "\nBad acknowledgement data from unit");
//: Added as a line of its own to a failed transfer's message.
inline constexpr const char* kLineTimedOut =
    ZRT_TRANSLATE_NOOP("Unit", "\nCommunication timed out");
//: Added as a line of its own to a message: the user pressed Cancel.
inline constexpr const char* kLineUserCancelled = ZRT_TRANSLATE_NOOP("Unit", "\nUser Cancelled");

// A serial device server reached over RFC 2217; %s is its host and port.
//: %s is the device server's host and port. RFC 2217 and COM port control are the names of the
//: protocol; tcp:HOST:PORT is what the user types: keep both.
inline constexpr const char* kComPortRefused = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The device server at %s does not take serial line settings over RFC 2217 (it refused COM "
    "port control). Set its port up for RFC 2217, or connect to its raw TCP port with "
    "tcp:HOST:PORT.");
//: %s is the device server's host and port. RFC 2217 and TCP are protocol names: keep them.
inline constexpr const char* kBinaryRefused = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The device server at %s refused 8-bit binary transfer, which the unit's data needs. Set its "
    "port up for RFC 2217 or raw TCP.");
//: The first %s is the device server's host and port, the second the setting asked for ("9600
//: baud"), the third the one it answered.
inline constexpr const char* kLineSettingRefused = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The device server at %s would not set its serial line to %s (it answered %s). Choose a speed "
    "its serial port supports, and check the port's settings on the device server.");
//: The first %s is the device server's host and port, the second its own words (often English).
inline constexpr const char* kDeviceServerSaid =
    ZRT_TRANSLATE_NOOP("Unit", "The device server at %s closed the connection, saying: %s");
//: %s is the device server's host and port.
inline constexpr const char* kDeviceServerClosed = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The device server at %s closed the connection before setting up its serial line; another "
    "client may be using the port.");
//: %s is the device server's host and port. RFC 2217 and Telnet COM port control are protocol
//: names: keep them.
inline constexpr const char* kComPortSilent = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The device server at %s did not answer the serial line settings. Check that its port is set "
    "up for RFC 2217 (Telnet COM port control) and not for raw TCP.");

// A serial port another program holds; the first %s is the device.
//: The first %s is the serial port's device (/dev/ttyUSB0), the second the program holding it, %d
//: that program's process number.
inline constexpr const char* kPortHeldBy =
    ZRT_TRANSLATE_NOOP("Unit", "%s is in use by %s (process %d).");
//: Both %s are the serial port's device (/dev/ttyUSB0). The command after the colon stays as it is.
inline constexpr const char* kPortHeldUnseen = ZRT_TRANSLATE_NOOP(
    "Unit",
    "%s is in use by a program this user cannot see (another user's). An administrator can name "
    "it with: sudo fuser -v %s");
//: %s is the serial port's device (/dev/ttyUSB0).
inline constexpr const char* kPortHeldUnknown = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The serial port %s is in use by another program. Close that program (a terminal program, or "
    "another window of this one), then try again.");
//: Follows the text saying which program holds the serial port.
inline constexpr const char* kCloseHolder =
    ZRT_TRANSLATE_NOOP("Unit", "Close that program, then try again.");
//: Follows the text saying that ModemManager holds the serial port. The command after the colon
//: stays as it is.
inline constexpr const char* kModemManagerRemedy = ZRT_TRANSLATE_NOOP(
    "Unit",
    "ModemManager probes new serial adapters; stop it while you work with: sudo systemctl stop "
    "ModemManager");
//: Follows the text saying that brltty holds the serial port. The command after the colon stays as
//: it is.
inline constexpr const char* kBrlttyRemedy = ZRT_TRANSLATE_NOOP(
    "Unit",
    "brltty takes USB serial adapters for Braille displays; without a Braille display remove it "
    "with: sudo apt remove brltty");

//: Message when the user closes the window during a transfer.
inline constexpr const char* kCannotClose =
    ZRT_TRANSLATE_NOOP("Unit", "Cannot close, Currently Communicating with the M-4400 unit.");

// The entries of the address book.
//: Name of a new entry of the connection dialog's list of units; a number follows when the name is
//: taken ("New unit 2").
inline constexpr const char* kNewEntryName = ZRT_TRANSLATE_NOOP("Unit", "New unit");
//: Shown under the connection dialog's fields.
inline constexpr const char* kNeedName = ZRT_TRANSLATE_NOOP("Unit", "Give the entry a name.");
//: Shown under the connection dialog's fields.
inline constexpr const char* kNameTaken =
    ZRT_TRANSLATE_NOOP("Unit", "Another entry already has this name.");
//: Shown under the connection dialog's fields.
inline constexpr const char* kNeedPort =
    ZRT_TRANSLATE_NOOP("Unit", "Choose or type the serial port the unit is on.");
//: Shown under the connection dialog's fields.
inline constexpr const char* kNeedHost =
    ZRT_TRANSLATE_NOOP("Unit", "Give the host name or address of the device server.");
//: Shown under the connection dialog's fields.
inline constexpr const char* kNeedNumber =
    ZRT_TRANSLATE_NOOP("Unit", "Give the telephone number to dial.");

// Words of the window and the command-line tool beyond the unit's own.
//: Message when a read finds the unit's memory erased.
inline constexpr const char* kUnitErased = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The unit holds no configuration: its memory is erased.\n\nWrite a configuration into it "
    "first.");
//: Question when the user presses Cancel during a write (Yes / No).
inline constexpr const char* kStopWriting =
    ZRT_TRANSLATE_NOOP("Unit", "Stop writing? The unit will be left partly written.");
//: Status bar text after a read.
inline constexpr const char* kReadDone = ZRT_TRANSLATE_NOOP("Unit", "Read complete.");
//: Status bar text after a write.
inline constexpr const char* kWriteDone = ZRT_TRANSLATE_NOOP("Unit", "Write complete.");

// The copy of the unit's memory kept before a write, and how a write ends.
//: Progress line while the unit's memory is read to keep a copy before a write; %2.2d%% is the
//: percentage done.
inline constexpr const char* kKeeping =
    ZRT_TRANSLATE_NOOP("Unit", "Keeping a copy of the unit's memory...   %2.2d%%");
//: Message when a write stops before erasing; lines saying why may follow.
inline constexpr const char* kKeepReadFailed = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Write M-4400 stopped before erasing anything: the unit's memory could not be read to keep a "
    "copy of it.\n");
//: Progress line while the unit's memory is read before a write to show what the write changes;
//: %2.2d%% is the percentage done.
inline constexpr const char* kChecking =
    ZRT_TRANSLATE_NOOP("Unit", "Reading the unit's memory to check it...   %2.2d%%");
//: Message when a write stops before erasing; lines saying why may follow.
inline constexpr const char* kCheckReadFailed = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Write M-4400 stopped before erasing anything: the unit's memory could not be read to check "
    "what the write changes.\n");
//: The first %s is the folder of the unit history, the second the reason (the system's words, or
//: one of the reasons below).
inline constexpr const char* kKeepStoreFailed = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Write M-4400 stopped before erasing anything: the copy of the unit's memory could not be "
    "stored in %s (%s).");
//: %s is the path of the file the copy of the unit's memory was kept in.
inline constexpr const char* kKeptIn = ZRT_TRANSLATE_NOOP("Unit", "Unit memory kept in %s");
//: Status bar text and message when a write stopped before erasing the unit.
inline constexpr const char* kStoppedBeforeErase =
    ZRT_TRANSLATE_NOOP("Unit", "Write stopped before anything was erased; the unit is unchanged.");
//: Message when the user stopped a write; %d is the percentage written, followed by a blank and the
//: percent sign.
inline constexpr const char* kWriteStopped = ZRT_TRANSLATE_NOOP(
    "Unit",
    "Write stopped at %d %%. The unit is partly written and will not work until a whole "
    "configuration is written to it.");
//: Message when a write failed midway.
inline constexpr const char* kWriteFailedPartly = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The unit is partly written and will not work until a whole configuration is written to it.");
//: Status bar text (it stays there) after a write that left the unit partly written.
inline constexpr const char* kPartlyWrittenStatus =
    ZRT_TRANSLATE_NOOP("Unit", "Unit partly written.");
//: Message when the user stopped a read.
inline constexpr const char* kReadStopped =
    ZRT_TRANSLATE_NOOP("Unit", "Read stopped; the configuration is unchanged.");
// A transfer's line with the time left ("Writing...   45%   1:10 left"), and
// the time it has taken so far.
//: Progress line with the time left: the first %s is the line ("Writing...   45%"), the second the
//: time ("1:10").
inline constexpr const char* kTimeLeft = ZRT_TRANSLATE_NOOP("Unit", "%s   %s left");
//: %s is the time a transfer has taken so far ("0:42").
inline constexpr const char* kElapsed = ZRT_TRANSLATE_NOOP("Unit", "%s elapsed");
//: Message when a kept copy chosen for a restore is not a unit's memory.
inline constexpr const char* kRestoreNotImage = ZRT_TRANSLATE_NOOP(
    "Unit", "Cannot restore: the copy is not a unit's memory (it must be exactly 65,536 bytes).");

// The kinds of entry in the unit history, as its files keep them (the same
// in every language; the command-line tool's JSON gives them too).
inline constexpr const char* kKindRead = ZRT_UNTRANSLATED("read");
inline constexpr const char* kKindBeforeWrite = ZRT_UNTRANSLATED("before write");
inline constexpr const char* kKindBeforeRestore = ZRT_UNTRANSLATED("before restore");
// The same kinds as the unit history shows them.
//: Kind of a kept copy (column "Kind" of the unit history): kept when the unit was read.
inline constexpr const char* kKindReadShown = ZRT_TRANSLATE_NOOP("Unit", "read");
//: Kind of a kept copy (column "Kind" of the unit history): kept before a write.
inline constexpr const char* kKindBeforeWriteShown = ZRT_TRANSLATE_NOOP("Unit", "before write");
//: Kind of a kept copy (column "Kind" of the unit history): kept before a restore.
inline constexpr const char* kKindBeforeRestoreShown = ZRT_TRANSLATE_NOOP("Unit", "before restore");
// What a kept copy held, and what was put in its place.
//: What a kept copy of the unit's memory held: %s is the unit's model (M-4400), the first %d the
//: number of camera interface units, the second the number of inputs.
inline constexpr const char* kHeldConfiguration =
    ZRT_TRANSLATE_NOOP("Unit", "%s, %d camera interface units, %d inputs");
//: What a kept copy of the unit's memory held (column "Unit held" of the unit history).
inline constexpr const char* kHeldErased = ZRT_TRANSLATE_NOOP("Unit", "erased");
//: What a kept copy of the unit's memory held (column "Unit held" of the unit history).
inline constexpr const char* kHeldPartlyWritten = ZRT_TRANSLATE_NOOP("Unit", "partly written");
//: What a kept copy of the unit's memory held (column "Unit held" of the unit history).
inline constexpr const char* kHeldNothing = ZRT_TRANSLATE_NOOP("Unit", "not a configuration");
//: What a restore wrote into the unit (column "Then written" of the unit history); %s is the time
//: the copy was kept.
inline constexpr const char* kRestoredCopy = ZRT_TRANSLATE_NOOP("Unit", "the copy kept %s");
//: What a restore wrote into the unit (column "Then written" of the unit history) when the copy's
//: time is not known.
inline constexpr const char* kRestoredUnnamed = ZRT_TRANSLATE_NOOP("Unit", "a kept copy");
//: %s is what the copy holds: one of the texts "erased", "partly written", "not a configuration".
inline constexpr const char* kCopyNotOpened = ZRT_TRANSLATE_NOOP(
    "Unit", "The copy cannot be opened as a configuration: the unit's memory in it is %s.");

// What a write is about to change.
//: Title of the dialog that shows what a write will change.
inline constexpr const char* kWriteToUnitCaption = ZRT_TRANSLATE_NOOP("Unit", "Write to Unit");
//: Heading of the list of what a write will change.
inline constexpr const char* kDifferencesOne =
    ZRT_TRANSLATE_NOOP("Unit", "1 difference between the unit and this configuration.");
//: Heading of the list of what a write will change; %zu is the number of differences (2 or more).
inline constexpr const char* kDifferencesMany =
    ZRT_TRANSLATE_NOOP("Unit", "%zu differences between the unit and this configuration.");
//: Heading of the list of what a restore will change.
inline constexpr const char* kRestoreDifferencesOne =
    ZRT_TRANSLATE_NOOP("Unit", "1 difference between the unit and the copy.");
//: Heading of the list of what a restore will change; %zu is the number of differences (2 or more).
inline constexpr const char* kRestoreDifferencesMany =
    ZRT_TRANSLATE_NOOP("Unit", "%zu differences between the unit and the copy.");
//: Shown in place of the list of what a write will change.
inline constexpr const char* kUnitErasedWillWrite =
    ZRT_TRANSLATE_NOOP("Unit", "The unit is erased; writing puts this configuration in it.");
//: Shown in place of the list of what a restore will change.
inline constexpr const char* kRestoreNoConfiguration = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The copy holds no configuration (it may be of an erased unit); restoring puts it back as it "
    "was.");
//: Shown in place of the list of what a write will change.
inline constexpr const char* kUnitHoldsThis =
    ZRT_TRANSLATE_NOOP("Unit", "The unit already holds this configuration.");
//: Warning above the list of what a write will change.
inline constexpr const char* kAnotherSite =
    ZRT_TRANSLATE_NOOP("Unit", "The unit seems to hold another site's configuration.");
//: Shown in place of the list of what a write will change.
inline constexpr const char* kUnitPartlyWritten = ZRT_TRANSLATE_NOOP(
    "Unit", "The unit is partly written; writing puts this configuration in it whole.");
//: Shown in place of the list of what a restore will change.
inline constexpr const char* kRestorePartlyWritten =
    ZRT_TRANSLATE_NOOP("Unit", "The unit is partly written; restoring puts the copy in it whole.");
//: Shown in place of the list of what a write will change.
inline constexpr const char* kUnitNoWholeConfiguration = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The unit holds no whole configuration (it is erased or partly written); writing puts this "
    "configuration in it.");
//: Shown in place of the list of what a restore will change.
inline constexpr const char* kRestoreNoWholeConfiguration = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The unit holds no whole configuration (it is erased or partly written); restoring puts the "
    "copy in it.");
//: Warning above the list of what a write will change.
inline constexpr const char* kUnitUnreadable = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The unit's memory holds no configuration this program can read; writing replaces all of it.");
//: Shown in place of the list of what a write will change.
inline constexpr const char* kNoDifferencesListed =
    ZRT_TRANSLATE_NOOP("Unit", "No differences can be listed.");
//: Note above the list of what a restore will change.
inline constexpr const char* kRestorePassword = ZRT_TRANSLATE_NOOP(
    "Unit",
    "The unit keeps its present password: a unit never discloses its password, so no copy holds "
    "it.");
//: Status bar text after the unit's clock was set.
inline constexpr const char* kClockSet = ZRT_TRANSLATE_NOOP("Unit", "Unit clock set.");
// Why a copy of the unit's memory could not be kept (the second %s of kKeepStoreFailed).
//: Reason a copy of the unit's memory could not be kept; follows the history folder's path.
inline constexpr const char* kNoHistoryFolder =
    ZRT_TRANSLATE_NOOP("Unit", "no folder for the unit history");
//: Reason a copy of the unit's memory could not be kept; follows the history folder's path.
inline constexpr const char* kNotWholeImage =
    ZRT_TRANSLATE_NOOP("Unit", "the copy is not a whole memory image");

// A serial port that does not open; %s is its device (/dev/ttyUSB0).
//: %s is the serial port's device (/dev/ttyUSB0).
inline constexpr const char* kPortNotFound = ZRT_TRANSLATE_NOOP(
    "Unit", "There is no serial port %s. Plug the unit's cable in, or choose another port.");
//: The first %s is the serial port's device (/dev/ttyUSB0), the second and third the group that
//: owns it. The command in brackets stays as it is.
inline constexpr const char* kPortPermissionGroup = ZRT_TRANSLATE_NOOP(
    "Unit",
    "This user may not open the serial port %s. It belongs to the group \"%s\": make the user a "
    "member of that group (for example: sudo usermod -a -G %s $USER), then log out and log in "
    "again.");
//: %s is the serial port's device (/dev/ttyUSB0).
inline constexpr const char* kPortPermission = ZRT_TRANSLATE_NOOP(
    "Unit",
    "This user may not open the serial port %s. Ask for access to it (usually membership of the "
    "group that owns it), then log out and log in again.");

// The serial line settings a device server refused (in kLineSettingRefused).
//: A serial line setting; %u is the speed.
inline constexpr const char* kSettingBaud = ZRT_TRANSLATE_NOOP("Unit", "%u baud");
//: A serial line setting; %u is the number of data bits (5 to 8).
inline constexpr const char* kSettingDataBits = ZRT_TRANSLATE_NOOP("Unit", "%u data bits");
//: A serial line setting.
inline constexpr const char* kSettingNoParity = ZRT_TRANSLATE_NOOP("Unit", "no parity");
//: A serial line setting.
inline constexpr const char* kSettingOddParity = ZRT_TRANSLATE_NOOP("Unit", "odd parity");
//: A serial line setting.
inline constexpr const char* kSettingEvenParity = ZRT_TRANSLATE_NOOP("Unit", "even parity");
//: A serial line setting.
inline constexpr const char* kSettingMarkParity = ZRT_TRANSLATE_NOOP("Unit", "mark parity");
//: A serial line setting.
inline constexpr const char* kSettingSpaceParity = ZRT_TRANSLATE_NOOP("Unit", "space parity");
//: A serial line setting the program does not know; %u is its number.
inline constexpr const char* kSettingParity = ZRT_TRANSLATE_NOOP("Unit", "parity %u");
//: A serial line setting.
inline constexpr const char* kSettingStopBit1 = ZRT_TRANSLATE_NOOP("Unit", "1 stop bit");
//: A serial line setting.
inline constexpr const char* kSettingStopBits2 = ZRT_TRANSLATE_NOOP("Unit", "2 stop bits");
//: A serial line setting.
inline constexpr const char* kSettingStopBits15 = ZRT_TRANSLATE_NOOP("Unit", "1.5 stop bits");
//: A serial line setting the program does not know; %u is its number.
inline constexpr const char* kSettingStopSize = ZRT_TRANSLATE_NOOP("Unit", "stop size %u");
}  // namespace UnitMessages

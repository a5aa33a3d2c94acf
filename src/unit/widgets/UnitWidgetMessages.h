#pragma once

#include "model/Translate.h"

// The words of the unit's pages and dialogs, exactly as the user sees them.
namespace UnitWidgetMessages {

// The progress page.
//: Label above the progress bar of a transfer with the unit.
inline constexpr const char* kProgress =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Communication Progress:");
inline constexpr const char* kPleaseWait =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Please wait until the operation is completed.");
//: Button of the progress page.
inline constexpr const char* kCancel = ZRT_TRANSLATE_NOOP("UnitWidgets", "Cancel");
//: Tooltip of the Cancel button of the progress page; Esc is the key.
inline constexpr const char* kCancelTip =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Stops the transfer after the message now on the line (Esc)");
//: Shown on the progress page after Cancel was pressed.
inline constexpr const char* kCancelling =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Stopping after the message now on the line...");

// The cells a failed verify found different.
//: Button in the status bar after a failed check of a write. "&" marks the letter underlined.
inline constexpr const char* kDetails = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Details...");
//: Tooltip of the Details button.
inline constexpr const char* kDetailsTip =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "List the cells the unit read back differently");
//: Title of the dialog that lists the memory cells that differ.
inline constexpr const char* kDetailsTitle = ZRT_TRANSLATE_NOOP("UnitWidgets", "Verify Details");
//: %1 is the number of memory cells that differ.
inline constexpr const char* kDetailsAll = ZRT_TRANSLATE_NOOP(
    "UnitWidgets", "%1 cells of the unit read back differently from how they were written:");
//: %1 is the number of memory cells that differ, %2 how many of them are listed.
inline constexpr const char* kDetailsFirst = ZRT_TRANSLATE_NOOP(
    "UnitWidgets",
    "%1 cells of the unit read back differently from how they were written. The first %2:");
//: Column heading: the memory cell's address.
inline constexpr const char* kDetailsAddress = ZRT_TRANSLATE_NOOP("UnitWidgets", "Address");
//: Column heading: the value written into the cell.
inline constexpr const char* kDetailsWritten = ZRT_TRANSLATE_NOOP("UnitWidgets", "Written");
//: Column heading: the value read back from the cell.
inline constexpr const char* kDetailsRead = ZRT_TRANSLATE_NOOP("UnitWidgets", "Read");

// Compare with Unit.
//: Title of the window that lists the differences between this configuration and the unit's.
inline constexpr const char* kCompareUnitCaption =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Compare with Unit");
//: Column heading: what the unit holds.
inline constexpr const char* kCompareHeading = ZRT_TRANSLATE_NOOP("UnitWidgets", "Unit");
//: Column heading: what the kept copy holds (a restore writes it).
inline constexpr const char* kCopyHeading = ZRT_TRANSLATE_NOOP("UnitWidgets", "The copy");
//: Status bar text after Compare with Unit.
inline constexpr const char* kCompared =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Unit read and compared; this configuration is unchanged.");

// The question before a write, and the unit history.
//: Button that starts the write after the list of what it will change. "&" marks the letter
//: underlined.
inline constexpr const char* kWrite = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Write");
//: Title of the unit history dialog.
inline constexpr const char* kHistoryTitle = ZRT_TRANSLATE_NOOP("UnitWidgets", "Unit History");
//: %1 is the folder the copies are kept in.
inline constexpr const char* kHistoryNote = ZRT_TRANSLATE_NOOP(
    "UnitWidgets",
    "Copies of units' memory, kept before every write and restore and by every read. The newest "
    "100 are kept, in %1.");
//: Column heading: when the copy was kept.
inline constexpr const char* kHistoryTime = ZRT_TRANSLATE_NOOP("UnitWidgets", "Time");
//: Column heading: why the copy was kept (read, before write, before restore).
inline constexpr const char* kHistoryKind = ZRT_TRANSLATE_NOOP("UnitWidgets", "Kind");
//: Column heading: the connection the copy came over.
inline constexpr const char* kHistoryConnection = ZRT_TRANSLATE_NOOP("UnitWidgets", "Connection");
//: Column heading: what the unit held.
inline constexpr const char* kHistoryHeld = ZRT_TRANSLATE_NOOP("UnitWidgets", "Unit held");
//: Column heading: what was written into the unit after the copy was kept.
inline constexpr const char* kHistoryWritten = ZRT_TRANSLATE_NOOP("UnitWidgets", "Then written");
//: Button. "&" marks the letter underlined (unique among the dialog's buttons).
inline constexpr const char* kHistoryCompare =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "&Compare with This Configuration");
//: Button. "&" marks the letter underlined (unique among the dialog's buttons).
inline constexpr const char* kHistoryOpen =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "&Open as Configuration");
//: Button: writes the kept copy back into the unit. "&" marks the letter underlined (unique among
//: the dialog's buttons).
inline constexpr const char* kHistoryRestore =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "&Restore to Unit...");
//: Button. "&" marks the letter underlined (unique among the dialog's buttons).
inline constexpr const char* kHistoryDelete = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Delete");
//: %1 is the time the copy was kept.
inline constexpr const char* kHistoryDeleteQuestion =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Delete the copy kept at %1? It cannot be brought back.");
//: Title of the dialog that lists the differences between this configuration and a kept copy.
inline constexpr const char* kHistoryCompareCaption =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Compare with Kept Copy");
//: Column heading: what the kept copy holds.
inline constexpr const char* kHistoryCompareHeading =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Kept copy");
//: %1 is the path of the kept copy's file.
inline constexpr const char* kHistoryUnreadable =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "The kept copy %1 cannot be read.");
//: Status bar text after a restore.
inline constexpr const char* kRestoreDone = ZRT_TRANSLATE_NOOP("UnitWidgets", "Restore complete.");

// The connection dialog.
//: Title of the connection dialog. M-4400 is the product's name.
inline constexpr const char* kConnectTitle =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Connect to M-4400 Unit");
//: Label of the list of units (the address book). "&" marks the letter underlined; every "&" letter
//: of this dialog must differ.
inline constexpr const char* kUnits = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Units:");
//: First entry of the list of units: a unit simulated by the program.
inline constexpr const char* kDemonstrationUnitShown =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Demonstration unit (built in)");
// The demonstration unit's connection as the unit history's files keep it (the
// same in every language); the history shows it as kDemonstrationUnitShown.
inline constexpr const char* kDemonstrationConnection =
    ZRT_UNTRANSLATED("Demonstration unit (built in)");
inline constexpr const char* kDemonstrationHint = ZRT_TRANSLATE_NOOP(
    "UnitWidgets",
    "A unit built into this program, for trying Read, Write and Set Time without hardware. "
    "It keeps what is written to it between runs.");
//: Title of the box with the chosen unit's connection fields.
inline constexpr const char* kEntry = ZRT_TRANSLATE_NOOP("UnitWidgets", "Address book entry");
//: Field label. "&" marks the letter underlined; every "&" letter of this dialog must differ.
inline constexpr const char* kName = ZRT_TRANSLATE_NOOP("UnitWidgets", "N&ame:");
//: Field label: how the unit is reached. "&" marks the letter underlined; every "&" letter of this
//: dialog must differ.
inline constexpr const char* kConnectVia = ZRT_TRANSLATE_NOOP("UnitWidgets", "Connect &via:");
//: Choice of the field "Connect via".
inline constexpr const char* kViaSerial = ZRT_TRANSLATE_NOOP("UnitWidgets", "Serial port");
//: Choice of the field "Connect via": a serial device server on the network, raw TCP.
inline constexpr const char* kViaTcp =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Network (serial device server)");
//: Choice of the field "Connect via".
inline constexpr const char* kViaModem =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Modem (telephone line)");
//: Choice of the field "Connect via"; RFC 2217 is the protocol's name.
inline constexpr const char* kViaRfc2217 = ZRT_TRANSLATE_NOOP("UnitWidgets", "Network (RFC 2217)");
//: Field label: the serial port. "&" marks the letter underlined; every "&" letter of this dialog
//: must differ.
inline constexpr const char* kPort = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Port:");
//: Field label: the serial line's speed in baud. "&" marks the letter underlined; every "&" letter
//: of this dialog must differ.
inline constexpr const char* kSpeed = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Speed:");
//: Field label: the device server's host name or address. "&" marks the letter underlined; every
//: "&" letter of this dialog must differ.
inline constexpr const char* kHost = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Host:");
//: Field label: the device server's TCP port number. "&" marks the letter underlined; every "&"
//: letter of this dialog must differ.
inline constexpr const char* kTcpPort = ZRT_TRANSLATE_NOOP("UnitWidgets", "TCP p&ort:");
//: Field label. "&" marks the letter underlined; every "&" letter of this dialog must differ.
inline constexpr const char* kNumber = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Telephone number:");
//: Button under the list of units. "&" marks the letter underlined; every "&" letter of this dialog
//: must differ.
inline constexpr const char* kNew = ZRT_TRANSLATE_NOOP("UnitWidgets", "&New");
//: Button under the list of units. "&" marks the letter underlined; every "&" letter of this dialog
//: must differ.
inline constexpr const char* kDelete = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Delete");
//: The dialog's OK button. "&" marks the letter underlined; every "&" letter of this dialog must
//: differ.
inline constexpr const char* kConnect = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Connect");

//: Button beside the serial port field; opens the Find My Cable dialog. "&" marks the letter
//: underlined; every "&" letter of this dialog must differ.
inline constexpr const char* kFindCable = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Find my cable...");
//: Tooltip of the Find my cable button.
inline constexpr const char* kFindCableTip = ZRT_TRANSLATE_NOOP(
    "UnitWidgets", "Tells which port the unit's cable is on: unplug it, then plug it in");

// Finding the port of the cable.
//: Title of the dialog that finds the serial port of the unit's cable.
inline constexpr const char* kFindCableTitle = ZRT_TRANSLATE_NOOP("UnitWidgets", "Find My Cable");
//: "Next" is the dialog's button: use its translation.
inline constexpr const char* kFindCableUnplug = ZRT_TRANSLATE_NOOP(
    "UnitWidgets",
    "Unplug the unit's cable (or its USB serial adapter) from this computer, then click "
    "Next.\n\nIf it is not plugged in yet, just click Next.");
inline constexpr const char* kFindCablePlug =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Now plug the cable in. Waiting for its port to appear...");
inline constexpr const char* kFindCableNothing = ZRT_TRANSLATE_NOOP(
    "UnitWidgets",
    "No new port has appeared yet. Check that the cable is plugged in firmly; a USB serial "
    "adapter may need a moment, or a driver. A cable on a built-in serial port brings no new "
    "port: choose that port in the list yourself.");
inline constexpr const char* kFindCableFoundOne =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Found the port of the cable:");
inline constexpr const char* kFindCableFoundMany = ZRT_TRANSLATE_NOOP(
    "UnitWidgets", "Several ports came with the cable. Choose the one the unit is on:");
//: Button. "&" marks the letter underlined.
inline constexpr const char* kFindCableNext = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Next");
//: Button. "&" marks the letter underlined.
inline constexpr const char* kFindCableUse = ZRT_TRANSLATE_NOOP("UnitWidgets", "&Use This Port");

// The password prompt.
//: Title of the dialog that asks for the unit's password.
inline constexpr const char* kPasswordTitle = ZRT_TRANSLATE_NOOP("UnitWidgets", "Unit Password");
inline constexpr const char* kPasswordAsk =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "The unit asks for its password:");

// The remote modem dialog.
//: Label above the instructions of the remote modem dialog.
inline constexpr const char* kModemInstructions =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Remote Modem Configuration Instructions:");
//: Field label: the serial port the modem is on.
inline constexpr const char* kModemPort = ZRT_TRANSLATE_NOOP("UnitWidgets", "Comm Port:");
//: Field label: the modem's initialization string (AT commands).
inline constexpr const char* kModemInitString =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Initialization string:");
//: Label above the log of what the modem answered.
inline constexpr const char* kModemLog = ZRT_TRANSLATE_NOOP("UnitWidgets", "Log:");
//: Label at the top of the step indicator of the remote modem dialog.
inline constexpr const char* kModemFinished = ZRT_TRANSLATE_NOOP("UnitWidgets", "Finished ---");
//: Label at the bottom of the step indicator of the remote modem dialog.
inline constexpr const char* kModemStarting = ZRT_TRANSLATE_NOOP("UnitWidgets", "Starting---");
//: Button of the remote modem dialog.
inline constexpr const char* kModemQuit = ZRT_TRANSLATE_NOOP("UnitWidgets", "Quit");
//: Button of the remote modem dialog.
inline constexpr const char* kModemNext = ZRT_TRANSLATE_NOOP("UnitWidgets", "Proceed to next step");
//: Button of the remote modem dialog: back to the previous step.
inline constexpr const char* kModemBack = ZRT_TRANSLATE_NOOP("UnitWidgets", "Back to prev. step");

// What a screen reader calls the controls that have no label of their own.
//: Name a screen reader gives the table of cells that differ.
inline constexpr const char* kDetailsTableName =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Cells that differ");
//: Name a screen reader gives the moving bar while the dialog waits for the cable.
inline constexpr const char* kFindCableWaitingName =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Waiting for the cable");
//: Name a screen reader gives the list of ports found.
inline constexpr const char* kFindCableFoundName = ZRT_TRANSLATE_NOOP("UnitWidgets", "Ports found");
//: Name a screen reader gives the step indicator of the remote modem dialog.
inline constexpr const char* kModemStepsName =
    ZRT_TRANSLATE_NOOP("UnitWidgets", "Set-up steps done");
}  // namespace UnitWidgetMessages

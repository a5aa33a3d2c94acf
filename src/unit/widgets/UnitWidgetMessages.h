#pragma once

// The words of the unit's pages and dialogs, exactly as the user sees them.
namespace UnitWidgetMessages {

// The progress page.
inline constexpr const char* kProgress = "Communication Progress:";
inline constexpr const char* kPleaseWait = "Please wait until the operation is completed.";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kCancelTip =
    "Stops the transfer after the message now on the line (Esc)";
inline constexpr const char* kCancelling = "Stopping after the message now on the line...";

// The cells a failed verify found different.
inline constexpr const char* kDetails = "&Details...";
inline constexpr const char* kDetailsTip = "List the cells the unit read back differently";
inline constexpr const char* kDetailsTitle = "Verify Details";
inline constexpr const char* kDetailsAll =
    "%1 cells of the unit read back differently from how they were written:";
inline constexpr const char* kDetailsFirst =
    "%1 cells of the unit read back differently from how they were written. The first %2:";
inline constexpr const char* kDetailsAddress = "Address";
inline constexpr const char* kDetailsWritten = "Written";
inline constexpr const char* kDetailsRead = "Read";

// Compare with Unit.
inline constexpr const char* kCompareCaption = "Compare with Unit";
inline constexpr const char* kCompareHeading = "Unit";
inline constexpr const char* kCopyHeading = "The copy";
inline constexpr const char* kCompared = "Unit read and compared; this configuration is unchanged.";

// The question before a write, and the unit history.
inline constexpr const char* kWrite = "&Write";
inline constexpr const char* kHistoryTitle = "Unit History";
inline constexpr const char* kHistoryNote =
    "Copies of units' memory, kept before every write and restore and by every read. The newest "
    "100 are kept, in %1.";
inline constexpr const char* kHistoryTime = "Time";
inline constexpr const char* kHistoryKind = "Kind";
inline constexpr const char* kHistoryConnection = "Connection";
inline constexpr const char* kHistoryHeld = "Unit held";
inline constexpr const char* kHistoryWritten = "Then written";
inline constexpr const char* kHistoryCompare = "&Compare with This Configuration";
inline constexpr const char* kHistoryOpen = "&Open as Configuration";
inline constexpr const char* kHistoryRestore = "&Restore to Unit...";
inline constexpr const char* kHistoryDelete = "&Delete";
inline constexpr const char* kHistoryDeleteQuestion =
    "Delete the copy kept at %1? It cannot be brought back.";
inline constexpr const char* kHistoryCompareCaption = "Compare with Kept Copy";
inline constexpr const char* kHistoryCompareHeading = "Kept copy";
inline constexpr const char* kHistoryUnreadable = "The kept copy %1 cannot be read.";
inline constexpr const char* kRestoreDone = "Restore complete.";

// The connection dialog.
inline constexpr const char* kConnectTitle = "Connect to M-4400 Unit";
inline constexpr const char* kUnits = "&Units:";
inline constexpr const char* kDemonstrationUnit = "Demonstration unit (built in)";
inline constexpr const char* kDemonstrationHint =
    "A unit built into this program, for trying Read, Write and Set Time without hardware. "
    "It keeps what is written to it between runs.";
inline constexpr const char* kEntry = "Address book entry";
inline constexpr const char* kName = "N&ame:";
inline constexpr const char* kConnectVia = "Connect &via:";
inline constexpr const char* kViaSerial = "Serial port";
inline constexpr const char* kViaTcp = "Network (serial device server)";
inline constexpr const char* kViaModem = "Modem (telephone line)";
inline constexpr const char* kViaRfc2217 = "Network (RFC 2217)";
inline constexpr const char* kPort = "&Port:";
inline constexpr const char* kSpeed = "&Speed:";
inline constexpr const char* kHost = "&Host:";
inline constexpr const char* kTcpPort = "TCP p&ort:";
inline constexpr const char* kNumber = "&Telephone number:";
inline constexpr const char* kNew = "&New";
inline constexpr const char* kDelete = "&Delete";
inline constexpr const char* kConnect = "&Connect";

inline constexpr const char* kFindCable = "&Find my cable...";
inline constexpr const char* kFindCableTip =
    "Tells which port the unit's cable is on: unplug it, then plug it in";

// Finding the port of the cable.
inline constexpr const char* kFindCableTitle = "Find My Cable";
inline constexpr const char* kFindCableUnplug =
    "Unplug the unit's cable (or its USB serial adapter) from this computer, then click "
    "Next.\n\nIf it is not plugged in yet, just click Next.";
inline constexpr const char* kFindCablePlug =
    "Now plug the cable in. Waiting for its port to appear...";
inline constexpr const char* kFindCableNothing =
    "No new port has appeared yet. Check that the cable is plugged in firmly; a USB serial "
    "adapter may need a moment, or a driver. A cable on a built-in serial port brings no new "
    "port: choose that port in the list yourself.";
inline constexpr const char* kFindCableFoundOne = "Found the port of the cable:";
inline constexpr const char* kFindCableFoundMany =
    "Several ports came with the cable. Choose the one the unit is on:";
inline constexpr const char* kFindCableNext = "&Next";
inline constexpr const char* kFindCableUse = "&Use This Port";

// The password prompt.
inline constexpr const char* kPasswordTitle = "Unit Password";
inline constexpr const char* kPasswordAsk = "The unit asks for its password:";

// The remote modem dialog.
inline constexpr const char* kModemInstructions = "Remote Modem Configuration Instructions:";
inline constexpr const char* kModemPort = "Comm Port:";
inline constexpr const char* kModemInitString = "Initialization string:";
inline constexpr const char* kModemLog = "Log:";
inline constexpr const char* kModemFinished = "Finished ---";
inline constexpr const char* kModemStarting = "Starting---";
inline constexpr const char* kModemQuit = "Quit";
inline constexpr const char* kModemNext = "Proceed to next step";
inline constexpr const char* kModemBack = "Back to prev. step";

// What a screen reader calls the controls that have no label of their own.
inline constexpr const char* kDetailsTableName = "Cells that differ";
inline constexpr const char* kFindCableWaitingName = "Waiting for the cable";
inline constexpr const char* kFindCableFoundName = "Ports found";
inline constexpr const char* kModemStepsName = "Set-up steps done";
}  // namespace UnitWidgetMessages

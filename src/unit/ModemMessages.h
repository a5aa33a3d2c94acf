#pragma once

#include "model/Translate.h"

// The words of the remote modem set-up, exactly as the user sees them, and the
// commands it sends to the modem.
namespace ModemMessages {

//: Status bar text while the remote modem dialog is open. REMOTE is the modem at the unit's end of
//: the telephone line.
inline constexpr const char* kStatusConfiguring =
    ZRT_TRANSLATE_NOOP("Modem", "Configuring M-4400 REMOTE modem");
//: Status bar text when the remote modem dialog was left before its last step.
inline constexpr const char* kStatusReady = ZRT_TRANSLATE_NOOP("Modem", "Ready");
//: Status bar text after the remote modem dialog's last step.
inline constexpr const char* kStatusDone = ZRT_TRANSLATE_NOOP("Modem", "Remote modem set up.");
//: Status bar text after the remote modem dialog's last step when the modem did not answer.
inline constexpr const char* kStatusNotSetUp =
    ZRT_TRANSLATE_NOOP("Modem", "Remote modem not set up: it did not answer every command.");
//: Title of the remote modem dialog.
inline constexpr const char* kDialogTitle = ZRT_TRANSLATE_NOOP("Modem", "Configure Remote Modem");

inline constexpr const char* kDefaultInitString = ZRT_UNTRANSLATED("ATS0=1&M4&K0&N8&B1&H0&R1&S0");
inline constexpr int kInitStringMax = 80;

//: Instructions of step 1. DUUUUUUD stays as it is. "Proceed to next step" is the dialog's button:
//: use its translation.
inline constexpr const char* kStep1 = ZRT_TRANSLATE_NOOP(
    "Modem",
    "Ensure the remote modem's DIP switches are configured to provide offline command echo.  "
    "For the US ROBOTICS 56K external Faxmodem the suggested settings for switches 1-8 are:  "
    "DUUUUUUD (U=up, D=down).  After verifying the switch settings, power cycle the modem so "
    "the new settings will take effect.  Then press the Proceed to next step button.");
//: Instructions of step 2. "Proceed to next step" is the dialog's button: use its translation.
inline constexpr const char* kStep2 = ZRT_TRANSLATE_NOOP(
    "Modem",
    "Connect the remote modem (the one that will be used with the M-4400) to a known COM port "
    "on this PC.  Then select this port in the dropdown box below.  Warning: The dropdown box "
    "lists every COM port on this PC, whether in use or not.  Then press the Proceed to next "
    "step button.");
//: Instructions of step 3. "Proceed to next step" is the dialog's button: use its translation.
inline constexpr const char* kStep3 = ZRT_TRANSLATE_NOOP(
    "Modem",
    "Verifying COM port availability and modem presence.  If error messages appear, go back "
    "the the previous step.  If success is reported in the log window, you may proceed to the "
    "next step by pressing the Proceed to next step button.");
//: Instructions of step 4; "proceed button" is the dialog's "Proceed to next step" button.
inline constexpr const char* kStep4 = ZRT_TRANSLATE_NOOP(
    "Modem",
    "You may now edit the initialization string.  If you are using the recommended US Robotics "
    "56k modem, the string shown needs no changes.  When you are finished, click the proceed "
    "button.");
//: Instructions of step 5; "quit or proceed button" are the dialog's "Quit" and "Proceed to next
//: step" buttons.
inline constexpr const char* kStep5 = ZRT_TRANSLATE_NOOP(
    "Modem",
    "Factory defaults have been restored, the initialization string has been used to modify "
    "them, and then the completed configuration was saved in non-volatile memory in the "
    "modem.  You can see the results in the log window below.  If no errors were reported, you "
    "are done.  Click either the quit or proceed button to exit.");

// Port check.
//: Log line: this text, then the serial port's name, then the next text (". Please correct ...").
//: Keep the blank at the end.
inline constexpr const char* kUnableToAcquire = ZRT_TRANSLATE_NOOP("Modem", "Unable to acquire ");
//: Log line: follows the serial port's name after the text "Unable to acquire ". Keep the full stop
//: and the two blanks at the start.
inline constexpr const char* kCorrectAndGoBack =
    ZRT_TRANSLATE_NOOP("Modem", ".  Please correct the problem and go to the previous step.");
//: Log line: follows the serial port's name; keep the blank at the start.
inline constexpr const char* kAcquired = ZRT_TRANSLATE_NOOP("Modem", " aquired successfully.");
//: Log line.
inline constexpr const char* kModemVerified =
    ZRT_TRANSLATE_NOOP("Modem", "Modem verified successfully.");
inline constexpr const char* kAttention = ZRT_UNTRANSLATED("AT\r\n");
inline constexpr const char* kEcho = ZRT_UNTRANSLATED("AT");

//: Log line; keep the stars.
inline constexpr const char* kNoReply =
    ZRT_TRANSLATE_NOOP("Modem", "** No reply from modem after 1 second **");

// The set-up sequence: the log line (on a line of its own, kLineEnd before
// and after it), then the command.
//: Log line before the modem's command AT&F0.
inline constexpr const char* kLogFactory =
    ZRT_TRANSLATE_NOOP("Modem", "1. Set to factory (generic) defaults:");
inline constexpr const char* kCmdFactory = ZRT_UNTRANSLATED("AT&F0\r\n");
//: Log line before the modem's command AT&W0. NVRAM is the modem's memory.
inline constexpr const char* kLogSave =
    ZRT_TRANSLATE_NOOP("Modem", "2. Save configuration to NVRAM profile 0:");
inline constexpr const char* kCmdSave = ZRT_UNTRANSLATED("AT&W0\r\n");
//: Log line before the modem's command ATY0.
inline constexpr const char* kLogPowerUp =
    ZRT_TRANSLATE_NOOP("Modem", "3. Set default powerup configuration to NVRAM profile 0:");
inline constexpr const char* kCmdPowerUp = ZRT_UNTRANSLATED("ATY0\r\n");
//: Log line before the initialization string is sent.
inline constexpr const char* kLogInit =
    ZRT_TRANSLATE_NOOP("Modem", "4. Send brand-specific initialization string:");
inline constexpr const char* kLineEnd = ZRT_UNTRANSLATED("\r\n");
//: Log line before the modem's command AT&W0.
inline constexpr const char* kLogSaveAll =
    ZRT_TRANSLATE_NOOP("Modem", "5. Save completed configuration to NVRAM profile 0:");

}  // namespace ModemMessages

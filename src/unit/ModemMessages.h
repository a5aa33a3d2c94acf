#pragma once

// The words of the remote modem set-up, exactly as the user sees them, and the
// commands it sends to the modem.
namespace ModemMessages {

inline constexpr const char* kStatusConfiguring = "Configuring M-4400 REMOTE modem";
inline constexpr const char* kStatusReady = "Ready";
inline constexpr const char* kStatusDone = "Remote modem set up.";
inline constexpr const char* kStatusNotSetUp =
    "Remote modem not set up: it did not answer every command.";
inline constexpr const char* kMenuPrompt = "Send initialization string to the REMOTE modem";
inline constexpr const char* kDialogTitle = "Configure Remote Modem";

inline constexpr const char* kDefaultInitString = "ATS0=1&M4&K0&N8&B1&H0&R1&S0";
inline constexpr int kInitStringMax = 80;

inline constexpr const char* kStep1 =
    "Ensure the remote modem's DIP switches are configured to provide offline command echo.  "
    "For the US ROBOTICS 56K external Faxmodem the suggested settings for switches 1-8 are:  "
    "DUUUUUUD (U=up, D=down).  After verifying the switch settings, power cycle the modem so "
    "the new settings will take effect.  Then press the Proceed to next step button.";
inline constexpr const char* kStep2 =
    "Connect the remote modem (the one that will be used with the M-4400) to a known COM port "
    "on this PC.  Then select this port in the dropdown box below.  Warning: The dropdown box "
    "lists every COM port on this PC, whether in use or not.  Then press the Proceed to next "
    "step button.";
inline constexpr const char* kStep3 =
    "Verifying COM port availability and modem presence.  If error messages appear, go back "
    "the the previous step.  If success is reported in the log window, you may proceed to the "
    "next step by pressing the Proceed to next step button.";
inline constexpr const char* kStep4 =
    "You may now edit the initialization string.  If you are using the recommended US Robotics "
    "56k modem, the string shown needs no changes.  When you are finished, click the proceed "
    "button.";
inline constexpr const char* kStep5 =
    "Factory defaults have been restored, the initialization string has been used to modify "
    "them, and then the completed configuration was saved in non-volatile memory in the "
    "modem.  You can see the results in the log window below.  If no errors were reported, you "
    "are done.  Click either the quit or proceed button to exit.";

// Port check.
inline constexpr const char* kUnableToAcquire = "Unable to acquire ";
inline constexpr const char* kCorrectAndGoBack =
    ".  Please correct the problem and go to the previous step.";
inline constexpr const char* kAcquired = " aquired successfully.\r\n";
inline constexpr const char* kModemVerified = "Modem verified successfully.\r\n";
inline constexpr const char* kAttention = "AT\r\n";
inline constexpr const char* kEcho = "AT";

inline constexpr const char* kNoReply = "\r\n** No reply from modem after 1 second **\r\n";

// The set-up sequence: the log line, then the command.
inline constexpr const char* kLogFactory = "\r\n1. Set to factory (generic) defaults:\r\n";
inline constexpr const char* kCmdFactory = "AT&F0\r\n";
inline constexpr const char* kLogSave = "\r\n2. Save configuration to NVRAM profile 0:\r\n";
inline constexpr const char* kCmdSave = "AT&W0\r\n";
inline constexpr const char* kLogPowerUp =
    "\r\n3. Set default powerup configuration to NVRAM profile 0:\r\n";
inline constexpr const char* kCmdPowerUp = "ATY0\r\n";
inline constexpr const char* kLogInit = "\r\n4. Send brand-specific initialization string:\r\n";
inline constexpr const char* kLineEnd = "\r\n";
inline constexpr const char* kLogSaveAll =
    "\r\n5. Save completed configuration to NVRAM profile 0:\r\n";

}  // namespace ModemMessages

#pragma once

#include "window/WindowMessages.h"

// The window's own words: menu, prompts, tooltips, start view, About and start-up.
namespace AppMessages {
inline constexpr const char* kAppTitle = WindowMessages::kAppTitle;
inline constexpr const char* kFileFilter = "NEXIL Files (*.zrt)";
inline constexpr const char* kReady = "Ready";

inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuImport = "&Import";
inline constexpr const char* kMenuEdit = "&Edit";
inline constexpr const char* kMenuView = "&View";
inline constexpr const char* kMenuHelp = "&Help";

inline constexpr const char* kNew = "&New\tCtrl+N";
inline constexpr const char* kOpen = "&Open...\tCtrl+O";
inline constexpr const char* kImportLunetta = "Import &Lunetta file";
inline constexpr const char* kImportM7700 = "Import &MC-77/M-7700 file";
inline constexpr const char* kImportQuillon = "Import &Quillon Plus file";
inline constexpr const char* kSave = "&Save\tCtrl+S";
inline constexpr const char* kSaveAs = "Save &As...";
inline constexpr const char* kCompareFile = "Co&mpare with File...";
inline constexpr const char* kExportCsv = "&Export Inputs as CSV...";
inline constexpr const char* kImportCsv = "Import Inp&uts from CSV...";
inline constexpr const char* kCompareUnit = "Compare with &Unit...";
inline constexpr const char* kConfigureModem = "&Configure Remote Modem";
inline constexpr const char* kPrint = "&Print\tCtrl+P";
inline constexpr const char* kExit = "E&xit";
inline constexpr const char* kFind = "&Find...\tCtrl+F";
inline constexpr const char* kToolbar = "&Toolbar";
inline constexpr const char* kStatusBar = "&Status Bar";
inline constexpr const char* kReadUnit = "&Read M-4400 Unit";
inline constexpr const char* kWriteUnit = "&Write M-4400 Unit";
inline constexpr const char* kVerifyWrite = "&Verify Write";
inline constexpr const char* kSetTime = "Set M-4400 Ti&me";
inline constexpr const char* kLinkTrace = "&Link Trace";
inline constexpr const char* kKeepBeforeWrite = "&Keep Unit Memory Before Write";
inline constexpr const char* kUnitHistory = "Unit &History...";
inline constexpr const char* kExpandConflicts = "&Expand Tree to Show Conflicts";
inline constexpr const char* kResetAllArch = "Reset &All Arch Numbers to Original";
inline constexpr const char* kMenuPalette = "&Palette";
inline constexpr const char* kPaletteSystem = "&System Default";
inline constexpr const char* kPaletteLight = "&Light";
inline constexpr const char* kPaletteDark = "&Dark";
inline constexpr const char* kPaletteHighContrast = "&High Contrast";
inline constexpr const char* kPromptPalette =
    "Draws the window in the desktop's colours or in light, dark or high-contrast ones";
inline constexpr const char* kAbout = "&About NEXIL Video Switcher Programming Tool...";
inline constexpr const char* kHelpIndex = "&Index\tF1";
inline constexpr const char* kButtonNew = "New";
inline constexpr const char* kButtonOpen = "Open";
inline constexpr const char* kButtonSave = "Save";
inline constexpr const char* kButtonPrint = "Print";
inline constexpr const char* kButtonWrite = "Write";
inline constexpr const char* kButtonRead = "Read";
inline constexpr const char* kButtonSetTime = "Set Time";
inline constexpr const char* kButtonUndo = "Undo";
inline constexpr const char* kButtonRedo = "Redo";

// Status bar prompt, then after a line feed the tooltip.
inline constexpr const char* kPromptNew = "Create a new configuration with the setup wizard\nNew";
inline constexpr const char* kPromptOpen = "Open an existing configuration file\nOpen";
inline constexpr const char* kPromptSave = "Save the configuration\nSave";
inline constexpr const char* kPromptSaveAs = "Save the configuration under a new name\nSave As";
inline constexpr const char* kPromptImportLunetta =
    "Convert Lunetta files to ZRT programming\nImport LU file";
inline constexpr const char* kPromptImportM7700 =
    "Convert M-7700 file to ZRT programming\nImport paging system info";
inline constexpr const char* kPromptImportQuillon =
    "Import new-style Quillon file\nGet Quillon info";
inline constexpr const char* kPromptCompareFile =
    "Show how this configuration differs from a configuration file\nCompare with File";
inline constexpr const char* kPromptExportCsv =
    "Write the input list to a spreadsheet (CSV) file\nExport Inputs as CSV";
inline constexpr const char* kPromptImportCsv =
    "Take Arch Numbers and names from a spreadsheet (CSV) file; the changes are shown "
    "first\nImport Inputs from CSV";
inline constexpr const char* kPromptCompareUnit =
    "Read the M-4400 unit and show how it differs from this configuration, which stays as "
    "it is\nCompare with Unit";
inline constexpr const char* kPromptModem = "Send initialization string to the REMOTE modem";
inline constexpr const char* kPromptPrint = "Print configuration information.\nPrint!";
inline constexpr const char* kPromptRecent = "Open this configuration file";
inline constexpr const char* kPromptExit = "Quit the program; asks to save changes\nExit";
inline constexpr const char* kPromptUndo = "Take back the last change of the configuration\nUndo";
inline constexpr const char* kPromptRedo = "Make again the change last taken back\nRedo";
inline constexpr const char* kPromptFind = "Find an input by its Arch Number or name\nFind";
inline constexpr const char* kPromptToolbar = "Show or hide the toolbar\nToggle Toolbar";
inline constexpr const char* kPromptStatusBar = "Show or hide the status bar\nToggle Status Bar";
inline constexpr const char* kPromptReadUnit = "Read the configuration from the M-4400 unit.\nRead";
inline constexpr const char* kPromptWriteUnit =
    "Write the current setup to the M-4400 unit.\nWrite";
inline constexpr const char* kPromptKeepBeforeWrite =
    "Read the unit's whole memory into the unit history before every write, and show what the "
    "write will change.";
inline constexpr const char* kPromptUnitHistory =
    "The copies of units' memory kept before writes and by reads: compare, open, restore, delete.";
inline constexpr const char* kPromptVerifyWrite =
    "Write the M-4400 unit then Verify by reading and comparing.";
inline constexpr const char* kPromptSetTime =
    "Set M-4400 time of day and date from PC clock\nSet Time";
inline constexpr const char* kPromptLinkTrace =
    "Record every frame exchanged with a unit on a serial line, network or modem in %1\nLink "
    "Trace";
inline constexpr const char* kPromptExpandConflicts =
    "Open the ports whose inputs share an Arch Number\nExpand Tree to Show Conflicts";
inline constexpr const char* kPromptResetAllArch =
    "Give every input its original Arch Number and name back\nReset All Arch Numbers";
inline constexpr const char* kPromptAbout = "Show the program's version\nAbout";
inline constexpr const char* kPromptHelpIndex = "Open the help page\nHelp";

inline constexpr const char* kStartText =
    "\n\nNEXIL Programming Tool.  Click \"NEW\" to open the setup Wizard.";
inline constexpr const char* kStartMeasure =
    "NEXIL Programming Tool.  Click \"NEW\" to open the setup Wizard.XXXX";
inline constexpr const char* kTreeWidthMeasure =
    "some text to 1234XXX plus ext plus a little bit more";

inline constexpr const char* kAboutCaption = "About NEXIL Video Switcher Programming Tool";
// %1: the version the program was built as, the one --version and the package give.
inline constexpr const char* kAboutVersion = "NEXIL Video Switcher Programming Tool ver %1";
inline constexpr const char* kAboutLine2 = "Programs M-4400 and M-4800 video switchers.";

inline constexpr const char* kInstanceNotRegistered =
    "Window class ZRTProInst could not be registered.\n";
inline constexpr const char* kInstanceName = "ZRTProInst";
inline constexpr const char* kModifiedWidth = "                   ";
}  // namespace AppMessages

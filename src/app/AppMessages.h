#pragma once

#include "model/Translate.h"
#include "window/WindowMessages.h"

// The window's own words: menu, prompts, tooltips, start view, About and start-up.
// Every text here is shown through QCoreApplication::translate("App", ...).
namespace AppMessages {
// The program's name is the window's (translated in the "Window" context).
inline constexpr const char* kAppTitle = WindowMessages::kAppTitle;
//: Name of the file type in a file dialog; the pattern in brackets stays as it is.
inline constexpr const char* kFileFilter = ZRT_TRANSLATE_NOOP("App", "NEXIL Files (*.zrt)");
//: Status bar text while nothing is going on.
inline constexpr const char* kReadyStatus = ZRT_TRANSLATE_NOOP("App", "Ready");

// The menu bar. "&" marks the letter underlined (Alt + that letter opens the
// menu); each letter once in the menu bar and once within each menu.
//: Menu bar: the file menu.
inline constexpr const char* kMenuFile = ZRT_TRANSLATE_NOOP("App", "&File");
//: File menu: the submenu importing a paging system's file.
inline constexpr const char* kMenuImport = ZRT_TRANSLATE_NOOP("App", "&Import");
//: Menu bar: the edit menu.
inline constexpr const char* kMenuEdit = ZRT_TRANSLATE_NOOP("App", "&Edit");
//: Menu bar: the view menu, which also holds the unit's commands.
inline constexpr const char* kMenuView = ZRT_TRANSLATE_NOOP("App", "&View");
//: Menu bar: the help menu.
inline constexpr const char* kMenuHelp = ZRT_TRANSLATE_NOOP("App", "&Help");

// Menu commands: the key after a tab is the shortcut and stays as it is.
//: File menu: a new configuration, made with the setup wizard.
inline constexpr const char* kNew = ZRT_TRANSLATE_NOOP("App", "&New\tCtrl+N");
//: File menu. "..." means the command opens a dialog.
inline constexpr const char* kOpen = ZRT_TRANSLATE_NOOP("App", "&Open...\tCtrl+O");
//: Import submenu. Lunetta is the name of a paging system.
inline constexpr const char* kImportLunetta = ZRT_TRANSLATE_NOOP("App", "Import &Lunetta file");
//: Import submenu. MC-77 and M-7700 are names of paging systems.
inline constexpr const char* kImportM7700 = ZRT_TRANSLATE_NOOP("App", "Import &MC-77/M-7700 file");
//: Import submenu. Quillon Plus is the name of a paging system.
inline constexpr const char* kImportQuillon =
    ZRT_TRANSLATE_NOOP("App", "Import &Quillon Plus file");
//: File menu.
inline constexpr const char* kSave = ZRT_TRANSLATE_NOOP("App", "&Save\tCtrl+S");
//: File menu.
inline constexpr const char* kSaveAs = ZRT_TRANSLATE_NOOP("App", "Save &As...");
//: File menu: shows how this configuration differs from a configuration file.
inline constexpr const char* kCompareFile = ZRT_TRANSLATE_NOOP("App", "Co&mpare with File...");
//: File menu: writes the list of inputs to a spreadsheet file.
inline constexpr const char* kExportCsv = ZRT_TRANSLATE_NOOP("App", "&Export Inputs as CSV...");
//: File menu: takes Arch Numbers and names of inputs from a spreadsheet file.
inline constexpr const char* kImportCsv = ZRT_TRANSLATE_NOOP("App", "Import Inp&uts from CSV...");
//: View menu: reads the unit and shows how it differs from this configuration.
inline constexpr const char* kCompareUnit = ZRT_TRANSLATE_NOOP("App", "Compare with &Unit...");
//: File menu: sends the set-up to the modem at the unit's end of the telephone line.
inline constexpr const char* kConfigureModem = ZRT_TRANSLATE_NOOP("App", "&Configure Remote Modem");
//: File menu: prints the configuration report.
inline constexpr const char* kPrint = ZRT_TRANSLATE_NOOP("App", "&Print\tCtrl+P");
//: File menu: quits the program.
inline constexpr const char* kExit = ZRT_TRANSLATE_NOOP("App", "E&xit");
//: Edit menu: finds an input in the tree.
inline constexpr const char* kFind = ZRT_TRANSLATE_NOOP("App", "&Find...\tCtrl+F");
//: View menu: shows or hides the toolbar; also the toolbar's name.
inline constexpr const char* kToolbar = ZRT_TRANSLATE_NOOP("App", "&Toolbar");
//: View menu: shows or hides the status bar.
inline constexpr const char* kStatusBar = ZRT_TRANSLATE_NOOP("App", "&Status Bar");
//: View menu: reads the configuration from the unit (the switcher). M-4400 is the product's name.
inline constexpr const char* kReadUnitMenu = ZRT_TRANSLATE_NOOP("App", "&Read M-4400 Unit");
//: View menu: writes the configuration into the unit.
inline constexpr const char* kWriteUnit = ZRT_TRANSLATE_NOOP("App", "&Write M-4400 Unit");
//: View menu, on or off: every write is read back and compared.
inline constexpr const char* kVerifyWrite = ZRT_TRANSLATE_NOOP("App", "&Verify Write");
//: View menu: sets the unit's clock from the PC's.
inline constexpr const char* kSetTimeMenu = ZRT_TRANSLATE_NOOP("App", "Set M-4400 Ti&me");
//: View menu, on or off: records what goes over the line to the unit in a file.
inline constexpr const char* kLinkTrace = ZRT_TRANSLATE_NOOP("App", "&Link Trace");
//: View menu, on or off: a copy of the unit's memory is kept before every write.
inline constexpr const char* kKeepBeforeWrite =
    ZRT_TRANSLATE_NOOP("App", "&Keep Unit Memory Before Write");
//: View menu: the kept copies of units' memory.
inline constexpr const char* kUnitHistory = ZRT_TRANSLATE_NOOP("App", "Unit &History...");
//: View menu: opens the tree where inputs share an Arch Number. "Arch Number" is the
//: product's term for the number a camera is called up by; it stays as it is.
inline constexpr const char* kExpandConflicts =
    ZRT_TRANSLATE_NOOP("App", "&Expand Tree to Show Conflicts");
//: View menu.
inline constexpr const char* kResetAllArch =
    ZRT_TRANSLATE_NOOP("App", "Reset &All Arch Numbers to Original");
//: View menu: the submenu of the window's colours.
inline constexpr const char* kMenuPalette = ZRT_TRANSLATE_NOOP("App", "&Palette");
//: Palette submenu: the desktop's own colours.
inline constexpr const char* kPaletteSystem = ZRT_TRANSLATE_NOOP("App", "&System Default");
//: Palette submenu.
inline constexpr const char* kPaletteLight = ZRT_TRANSLATE_NOOP("App", "&Light");
//: Palette submenu.
inline constexpr const char* kPaletteDark = ZRT_TRANSLATE_NOOP("App", "&Dark");
//: Palette submenu.
inline constexpr const char* kPaletteHighContrast = ZRT_TRANSLATE_NOOP("App", "&High Contrast");
//: Status bar text of the palette submenu's commands.
inline constexpr const char* kPromptPalette = ZRT_TRANSLATE_NOOP(
    "App", "Draws the window in the desktop's colours or in light, dark or high-contrast ones");
//: Help menu: opens the About box with the program's version.
inline constexpr const char* kAbout =
    ZRT_TRANSLATE_NOOP("App", "&About NEXIL Video Switcher Programming Tool...");
//: Help menu: opens the help page.
inline constexpr const char* kHelpIndex = ZRT_TRANSLATE_NOOP("App", "&Index\tF1");

// The toolbar's buttons, short.
//: Toolbar button: a new configuration.
inline constexpr const char* kButtonNew = ZRT_TRANSLATE_NOOP("App", "New");
//: Toolbar button: opens a configuration file.
inline constexpr const char* kButtonOpen = ZRT_TRANSLATE_NOOP("App", "Open");
//: Toolbar button: saves the configuration.
inline constexpr const char* kButtonSave = ZRT_TRANSLATE_NOOP("App", "Save");
//: Toolbar button: prints the report.
inline constexpr const char* kButtonPrint = ZRT_TRANSLATE_NOOP("App", "Print");
//: Toolbar button: writes the configuration into the unit.
inline constexpr const char* kButtonWrite = ZRT_TRANSLATE_NOOP("App", "Write");
//: Toolbar button: reads the configuration from the unit.
inline constexpr const char* kButtonRead = ZRT_TRANSLATE_NOOP("App", "Read");
//: Toolbar button: sets the unit's clock.
inline constexpr const char* kButtonSetTime = ZRT_TRANSLATE_NOOP("App", "Set Time");
//: Toolbar button: takes back the last change.
inline constexpr const char* kButtonUndo = ZRT_TRANSLATE_NOOP("App", "Undo");
//: Toolbar button: makes the change taken back again.
inline constexpr const char* kButtonRedo = ZRT_TRANSLATE_NOOP("App", "Redo");

// Status bar prompt, then after a line feed the tooltip.
//: Status bar text, then after the line break the tooltip of the New button.
inline constexpr const char* kPromptNew =
    ZRT_TRANSLATE_NOOP("App", "Create a new configuration with the setup wizard\nNew");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptOpen =
    ZRT_TRANSLATE_NOOP("App", "Open an existing configuration file\nOpen");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptSave =
    ZRT_TRANSLATE_NOOP("App", "Save the configuration\nSave");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptSaveAs =
    ZRT_TRANSLATE_NOOP("App", "Save the configuration under a new name\nSave As");
//: Status bar text, then after the line break the tooltip. "LU file" is a Lunetta file;
//: "ZRT programming" is this program's configuration.
inline constexpr const char* kPromptImportLunetta =
    ZRT_TRANSLATE_NOOP("App", "Convert Lunetta files to ZRT programming\nImport LU file");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptImportM7700 =
    ZRT_TRANSLATE_NOOP("App", "Convert M-7700 file to ZRT programming\nImport paging system info");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptImportQuillon =
    ZRT_TRANSLATE_NOOP("App", "Import new-style Quillon file\nGet Quillon info");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptCompareFile = ZRT_TRANSLATE_NOOP(
    "App", "Show how this configuration differs from a configuration file\nCompare with File");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptExportCsv = ZRT_TRANSLATE_NOOP(
    "App", "Write the input list to a spreadsheet (CSV) file\nExport Inputs as CSV");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptImportCsv =
    ZRT_TRANSLATE_NOOP("App",
                       "Take Arch Numbers and names from a spreadsheet (CSV) file; the changes "
                       "are shown first\nImport Inputs from CSV");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptCompareUnit =
    ZRT_TRANSLATE_NOOP("App",
                       "Read the M-4400 unit and show how it differs from this configuration, "
                       "which stays as it is\nCompare with Unit");
//: Status bar text (no tooltip): the modem at the unit's end of the telephone line.
inline constexpr const char* kPromptModem =
    ZRT_TRANSLATE_NOOP("App", "Send initialization string to the REMOTE modem");
//: Status bar text, then after the line break the tooltip of the Print button.
inline constexpr const char* kPromptPrint =
    ZRT_TRANSLATE_NOOP("App", "Print configuration information.\nPrint!");
//: Status bar text of a recently used file in the file menu.
inline constexpr const char* kPromptRecent =
    ZRT_TRANSLATE_NOOP("App", "Open this configuration file");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptExit =
    ZRT_TRANSLATE_NOOP("App", "Quit the program; asks to save changes\nExit");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptUndo =
    ZRT_TRANSLATE_NOOP("App", "Take back the last change of the configuration\nUndo");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptRedo =
    ZRT_TRANSLATE_NOOP("App", "Make again the change last taken back\nRedo");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptFind =
    ZRT_TRANSLATE_NOOP("App", "Find an input by its Arch Number or name\nFind");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptToolbar =
    ZRT_TRANSLATE_NOOP("App", "Show or hide the toolbar\nToggle Toolbar");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptStatusBar =
    ZRT_TRANSLATE_NOOP("App", "Show or hide the status bar\nToggle Status Bar");
//: Status bar text, then after the line break the tooltip of the Read button.
inline constexpr const char* kPromptReadUnit =
    ZRT_TRANSLATE_NOOP("App", "Read the configuration from the M-4400 unit.\nRead");
//: Status bar text, then after the line break the tooltip of the Write button.
inline constexpr const char* kPromptWriteUnit =
    ZRT_TRANSLATE_NOOP("App", "Write the current setup to the M-4400 unit.\nWrite");
//: Status bar text (no tooltip).
inline constexpr const char* kPromptKeepBeforeWrite =
    ZRT_TRANSLATE_NOOP("App",
                       "Read the unit's whole memory into the unit history before every write, "
                       "and show what the write will change.");
//: Status bar text (no tooltip).
inline constexpr const char* kPromptUnitHistory = ZRT_TRANSLATE_NOOP(
    "App",
    "The copies of units' memory kept before writes and by reads: compare, open, restore, delete.");
//: Status bar text (no tooltip).
inline constexpr const char* kPromptVerifyWrite =
    ZRT_TRANSLATE_NOOP("App", "Write the M-4400 unit then Verify by reading and comparing.");
//: Status bar text, then after the line break the tooltip of the Set Time button.
inline constexpr const char* kPromptSetTime =
    ZRT_TRANSLATE_NOOP("App", "Set M-4400 time of day and date from PC clock\nSet Time");
//: Status bar text, then after the line break the tooltip; %1 is the trace file's path.
inline constexpr const char* kPromptLinkTrace =
    ZRT_TRANSLATE_NOOP("App",
                       "Record every frame exchanged with a unit on a serial line, network or "
                       "modem in %1\nLink Trace");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptExpandConflicts = ZRT_TRANSLATE_NOOP(
    "App", "Open the ports whose inputs share an Arch Number\nExpand Tree to Show Conflicts");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptResetAllArch = ZRT_TRANSLATE_NOOP(
    "App", "Give every input its original Arch Number and name back\nReset All Arch Numbers");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptAbout =
    ZRT_TRANSLATE_NOOP("App", "Show the program's version\nAbout");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kPromptHelpIndex =
    ZRT_TRANSLATE_NOOP("App", "Open the help page\nHelp");

//: Shown in the empty window before a configuration is open. "NEW" is the New button of
//: the toolbar. The two line breaks at the start stay.
inline constexpr const char* kStartText = ZRT_TRANSLATE_NOOP(
    "App", "\n\nNEXIL Programming Tool.  Click \"NEW\" to open the setup Wizard.");
// The start text's box is as wide as this (the English text and a little more).
inline constexpr const char* kStartMeasure =
    ZRT_UNTRANSLATED("NEXIL Programming Tool.  Click \"NEW\" to open the setup Wizard.XXXX");
// The tree's first width is that of this text (never shown).
inline constexpr const char* kTreeWidthMeasure =
    ZRT_UNTRANSLATED("some text to 1234XXX plus ext plus a little bit more");

//: Caption of the About box.
inline constexpr const char* kAboutCaption =
    ZRT_TRANSLATE_NOOP("App", "About NEXIL Video Switcher Programming Tool");
//: About box; %1 is the program's version ("2.3.0").
inline constexpr const char* kAboutVersion =
    ZRT_TRANSLATE_NOOP("App", "NEXIL Video Switcher Programming Tool ver %1");
//: About box and start-up picture: what the program is for. M-4400 and M-4800 are products.
inline constexpr const char* kAboutLine2 =
    ZRT_TRANSLATE_NOOP("App", "Programs M-4400 and M-4800 video switchers.");

//: Message when a second window cannot be kept from starting (the program's
//: single-instance channel could not be opened). ZRTProInst is that channel's name.
inline constexpr const char* kInstanceNotRegistered =
    ZRT_TRANSLATE_NOOP("App", "Window class ZRTProInst could not be registered.\n");
// The name of the channel that keeps the program to one window a user.
inline constexpr const char* kInstanceName = ZRT_UNTRANSLATED("ZRTProInst");
// The status bar's "Modified" pane is at least as wide as this.
inline constexpr const char* kModifiedWidth = ZRT_UNTRANSLATED("                   ");
}  // namespace AppMessages

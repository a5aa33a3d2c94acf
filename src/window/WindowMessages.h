#pragma once

#include "model/Translate.h"

// The words of the window's prompter (the caption of a message box without
// one of its own, and what each file dialog is for) and of the differences dialog.
// Every text here is shown through QCoreApplication::translate("Window", ...).
namespace WindowMessages {
//: The program's name: the main window's title and the caption of its message boxes.
inline constexpr const char* kAppTitle =
    ZRT_TRANSLATE_NOOP("Window", "NEXIL Video Switcher Programming Tool");

// Captions of the file dialogs, saying what each is for.
//: Caption of the file dialog of File > Open.
inline constexpr const char* kDialogOpen = ZRT_TRANSLATE_NOOP("Window", "Open Configuration");
//: Caption of the file dialog of File > Save As.
inline constexpr const char* kDialogSaveAs = ZRT_TRANSLATE_NOOP("Window", "Save Configuration As");
//: Caption of a file dialog. Lunetta is the name of a paging system.
inline constexpr const char* kDialogLunetta = ZRT_TRANSLATE_NOOP("Window", "Import Lunetta File");
//: Caption of a file dialog. Quillon is the name of a paging system.
inline constexpr const char* kDialogQuillon = ZRT_TRANSLATE_NOOP("Window", "Import Quillon File");
//: Caption of a file dialog. M-7700 is the name of a paging system.
inline constexpr const char* kDialogM7700 = ZRT_TRANSLATE_NOOP("Window", "Import M-7700 File");
//: Caption of the file dialog choosing where the report's PDF goes.
inline constexpr const char* kDialogReportPdf =
    ZRT_TRANSLATE_NOOP("Window", "Export Report as PDF");
//: Caption of the setup wizard's file dialog for a configuration to start from.
inline constexpr const char* kDialogWizardZrt =
    ZRT_TRANSLATE_NOOP("Window", "Choose a Configuration File");
//: Caption of the setup wizard's file dialog for a paging system's file.
inline constexpr const char* kDialogWizardPaging =
    ZRT_TRANSLATE_NOOP("Window", "Choose a Paging System File");
//: Caption of the file dialog of File > Compare with File.
inline constexpr const char* kDialogCompareZrt = ZRT_TRANSLATE_NOOP("Window", "Compare with File");
//: Caption of the file dialog of File > Import Inputs from CSV.
inline constexpr const char* kDialogImportCsv =
    ZRT_TRANSLATE_NOOP("Window", "Import Inputs from CSV");
//: Caption of the file dialog of File > Export Inputs as CSV.
inline constexpr const char* kDialogExportCsv =
    ZRT_TRANSLATE_NOOP("Window", "Export Inputs as CSV");

// The buttons of the question offering work kept from before a crash.
//: Button: opens the work kept from before the program ended unexpectedly.
//: "&" marks the letter underlined; not the same letter as the other button's.
inline constexpr const char* kRecover = ZRT_TRANSLATE_NOOP("Window", "&Recover");
//: Button: throws that kept work away.
inline constexpr const char* kDiscard = ZRT_TRANSLATE_NOOP("Window", "&Discard");

// The differences dialog.
//: The differences dialog finds no difference between the two configurations.
inline constexpr const char* kDiffNone = ZRT_TRANSLATE_NOOP("Window", "No differences.");
inline constexpr const char* kDiffOne = ZRT_TRANSLATE_NOOP("Window", "1 difference.");
//: %1 is the number of differences (2 or more).
inline constexpr const char* kDiffMany = ZRT_TRANSLATE_NOOP("Window", "%1 differences.");
//: Column heading of the differences table: what differs (a setting, an input).
inline constexpr const char* kDiffItem = ZRT_TRANSLATE_NOOP("Window", "Item");
//: Column heading of the differences table: the value in the configuration open in the window.
inline constexpr const char* kDiffThis = ZRT_TRANSLATE_NOOP("Window", "This configuration");
//: What a screen reader calls the table of differences.
inline constexpr const char* kDiffTableName = ZRT_TRANSLATE_NOOP("Window", "Differences");
//: Button of the differences dialog. "&" marks the letter underlined.
inline constexpr const char* kDiffCopy = ZRT_TRANSLATE_NOOP("Window", "&Copy");
//: Tooltip of the Copy button.
inline constexpr const char* kDiffCopyTip =
    ZRT_TRANSLATE_NOOP("Window", "Put the table on the clipboard as text");

}  // namespace WindowMessages

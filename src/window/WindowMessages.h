#pragma once

// The words of the window's prompter (the caption of a message box without
// one of its own, and what each file dialog is for) and of the differences dialog.
namespace WindowMessages {
inline constexpr const char* kAppTitle = "NEXIL Video Switcher Programming Tool";

// Captions of the file dialogs, saying what each is for.
inline constexpr const char* kDialogOpen = "Open Configuration";
inline constexpr const char* kDialogSaveAs = "Save Configuration As";
inline constexpr const char* kDialogLunetta = "Import Lunetta File";
inline constexpr const char* kDialogQuillon = "Import Quillon File";
inline constexpr const char* kDialogM7700 = "Import M-7700 File";
inline constexpr const char* kDialogReportPdf = "Export Report as PDF";
inline constexpr const char* kDialogWizardZrt = "Choose a Configuration File";
inline constexpr const char* kDialogWizardPaging = "Choose a Paging System File";
inline constexpr const char* kDialogCompareZrt = "Compare with File";
inline constexpr const char* kDialogImportCsv = "Import Inputs from CSV";
inline constexpr const char* kDialogExportCsv = "Export Inputs as CSV";

// The buttons of the question offering work kept from before a crash.
inline constexpr const char* kRecover = "&Recover";
inline constexpr const char* kDiscard = "&Discard";

// The differences dialog.
inline constexpr const char* kDiffNone = "No differences.";
inline constexpr const char* kDiffOne = "1 difference.";
inline constexpr const char* kDiffMany = "%1 differences.";
inline constexpr const char* kDiffItem = "Item";
inline constexpr const char* kDiffThis = "This configuration";
// What a screen reader calls the table of differences.
inline constexpr const char* kDiffTableName = "Differences";
inline constexpr const char* kDiffCopy = "&Copy";
inline constexpr const char* kDiffCopyTip = "Put the table on the clipboard as text";

}  // namespace WindowMessages

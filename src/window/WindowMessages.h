#pragma once

// The words of the window's prompter: the caption of a message box without
// one of its own, and what each file dialog is for.
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

}  // namespace WindowMessages

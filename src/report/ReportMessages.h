#pragma once

// The report's own words, byte for byte.
inline constexpr const char* kReportJobName = "Bitmap Printing Test";
inline constexpr const char* kReportFontFace = "Verdana";
inline constexpr int kReportFontPoints = 10;
inline constexpr const char* kReportFontFailed = "Printer font (name:%s) creation failed";
inline constexpr const char* kReportFontFailedCaption = "Windoze error";

inline constexpr const char* kReportHeader = "NEXIL Program Data For: %s";
inline constexpr const char* kReportUnsavedFile = "Unsaved file";
inline constexpr const char* kReportModifiedMark = "*";
inline constexpr const char* kReportDateFormat = "%m/%d/%y %H:%M:%S";
inline constexpr const char* kReportFooter = "Page %d";

inline constexpr const char* kReportSystem = "System:";
inline constexpr const char* kReportLargeUnit = "M-7700X Installed?: %s";
inline constexpr const char* kReportYes = "Yes";
inline constexpr const char* kReportNo = "No";
inline constexpr const char* kReportCiuCount = "Number of EM-4500 Video Camera Interface Units: %d";

inline constexpr const char* kReportSettings = "Settings:";
inline constexpr const char* kReportPriorityPhoneFirst = "Priority, highest first: Phone,PC";
inline constexpr const char* kReportPriorityPcFirst = "Priority, highest first: PC,Phone";
inline constexpr const char* kReportPriorityEqual =
    "Priority, highest first: PC and Phone are Equal";
inline constexpr const char* kReportPriorityError = "Priority: Programming Error";
inline constexpr const char* kReportVideoOut = "Video Out %d: %d";

inline constexpr const char* kReportIdleLoop = "Idle Loop:";
inline constexpr const char* kReportIdleDelay = "Delay: %d Seconds";
inline constexpr const char* kReportArchNumbers = "ArchNumbers:";
inline constexpr const char* kReportIdleContinued = "Idle Loop, continued:";

inline constexpr const char* kReportPortContinued = " continued,";
inline constexpr const char* kReportDirectInput = ", Direct:";
inline constexpr const char* kReportCiuInput = ":";
inline constexpr const char* kReportDirectLabelWord = "Input";

// Writing the report to a PDF file.
inline constexpr const char* kReportPdfCreator = "NEXIL Programming Tool";
inline constexpr const char* kReportPdfFailed = "Cannot write the report to %s: %s";
inline constexpr const char* kReportPdfNoFont = "no font is installed";
inline constexpr const char* kReportPdfNoStart = "the PDF could not be started";
inline constexpr const char* kReportPdfSaved = "Report saved to ";

// The report's commands: menu text with its shortcut after a tab, and the
// prompt with the status bar text and the tooltip on two lines.
inline constexpr const char* kReportPrintMenu = "&Print\tCtrl+P";
inline constexpr const char* kReportPrintPrompt = "Print configuration information.\nPrint!";
inline constexpr const char* kReportPreviewMenu = "Print Pre&view...";
inline constexpr const char* kReportPreviewPrompt =
    "Show the configuration report as it will print.\nPrint Preview";
inline constexpr const char* kReportExportMenu = "Export Report as P&DF...";
inline constexpr const char* kReportExportPrompt =
    "Save the configuration report as a PDF file.\nExport Report as PDF";

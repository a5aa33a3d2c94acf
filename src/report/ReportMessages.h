#pragma once

#include "model/Translate.h"

// The report's own words, byte for byte in English. Every text here is shown
// through Tr("Report", ...) (the widgets: QCoreApplication::translate).

//: The name of the print job, as the printer queue lists it.
inline constexpr const char* kReportJobName = ZRT_TRANSLATE_NOOP("Report", "Bitmap Printing Test");
inline constexpr const char* kReportFontFace = ZRT_UNTRANSLATED("Verdana");
inline constexpr int kReportFontPoints = 10;
//: Message when the report's font cannot be made; %s is the font's name.
inline constexpr const char* kReportFontFailed =
    ZRT_TRANSLATE_NOOP("Report", "Printer font (name:%s) creation failed");
//: Caption of the box that says the report's font could not be made.
inline constexpr const char* kReportFontFailedCaption =
    ZRT_TRANSLATE_NOOP("Report", "Windoze error");

//: First line of every page; %s is the configuration file's path.
inline constexpr const char* kReportHeader =
    ZRT_TRANSLATE_NOOP("Report", "NEXIL Program Data For: %s");
//: Stands for the file's path in the heading when the configuration was never saved.
inline constexpr const char* kReportUnsavedFile = ZRT_TRANSLATE_NOOP("Report", "Unsaved file");
inline constexpr const char* kReportModifiedMark = ZRT_UNTRANSLATED("*");
//: Date and time under the heading (report/ReportDate). {month}, {day}, {year} (two digits
//: each), {hour}, {minute}, {second} (24-hour clock) are replaced by the print's time: put
//: them in the order your readers expect, each exactly once, and keep the braces and the
//: English names. A translation that misses, repeats or renames one is not used.
inline constexpr const char* kReportDateTime =
    ZRT_TRANSLATE_NOOP("Report", "{month}/{day}/{year} {hour}:{minute}:{second}");
//: Foot of every page; %d is the page number.
inline constexpr const char* kReportFooter = ZRT_TRANSLATE_NOOP("Report", "Page %d");

//: Section heading: the unit's hardware.
inline constexpr const char* kReportSystem = ZRT_TRANSLATE_NOOP("Report", "System:");
//: %s is "Yes" or "No": whether the M-7700X expansion (8 ports) is fitted.
inline constexpr const char* kReportLargeUnit =
    ZRT_TRANSLATE_NOOP("Report", "M-7700X Installed?: %s");
inline constexpr const char* kReportYes = ZRT_TRANSLATE_NOOP("Report", "Yes");
inline constexpr const char* kReportNo = ZRT_TRANSLATE_NOOP("Report", "No");
//: %d is the number of camera interface units; EM-4500 is the product's name.
inline constexpr const char* kReportCiuCount =
    ZRT_TRANSLATE_NOOP("Report", "Number of EM-4500 Video Camera Interface Units: %d");

//: Section heading: the unit's settings.
inline constexpr const char* kReportSettings = ZRT_TRANSLATE_NOOP("Report", "Settings:");
//: Which of the telephone and the PC wins when both want the switcher.
inline constexpr const char* kReportPriorityPhoneFirst =
    ZRT_TRANSLATE_NOOP("Report", "Priority, highest first: Phone,PC");
inline constexpr const char* kReportPriorityPcFirst =
    ZRT_TRANSLATE_NOOP("Report", "Priority, highest first: PC,Phone");
inline constexpr const char* kReportPriorityEqual =
    ZRT_TRANSLATE_NOOP("Report", "Priority, highest first: PC and Phone are Equal");
//: The stored priority is none of the three known ones.
inline constexpr const char* kReportPriorityError =
    ZRT_TRANSLATE_NOOP("Report", "Priority: Programming Error");
//: The first %d is the video output (1 to 4), the second its administrator's Arch Number.
inline constexpr const char* kReportVideoOut = ZRT_TRANSLATE_NOOP("Report", "Video Out %d: %d");

//: Section heading: the cameras shown in turn while nobody calls one up.
inline constexpr const char* kReportIdleLoop = ZRT_TRANSLATE_NOOP("Report", "Idle Loop:");
//: %d is the seconds each camera of the idle loop is shown.
inline constexpr const char* kReportIdleDelay = ZRT_TRANSLATE_NOOP("Report", "Delay: %d Seconds");
//: Heading of the idle loop's list. "Arch Number" is the product's term for the number
//: a camera is called up by; kept as it is in the translation.
inline constexpr const char* kReportArchNumbers = ZRT_TRANSLATE_NOOP("Report", "ArchNumbers:");
//: Heading on a new page when the idle loop's list goes on from the page before.
inline constexpr const char* kReportIdleContinued =
    ZRT_TRANSLATE_NOOP("Report", "Idle Loop, continued:");

//: Follows a port's name ("Input 2") on a new page when its inputs go on from the page before.
inline constexpr const char* kReportPortContinued = ZRT_TRANSLATE_NOOP("Report", " continued,");
//: Follows an input's name ("Input 8") that is wired straight to the unit.
inline constexpr const char* kReportDirectInput = ZRT_TRANSLATE_NOOP("Report", ", Direct:");
inline constexpr const char* kReportCiuInput = ZRT_UNTRANSLATED(":");

// Writing the report to a PDF file.
inline constexpr const char* kReportPdfCreator = ZRT_UNTRANSLATED("NEXIL Programming Tool");
//: The first %s is the PDF file's path, the second the reason (one of the two texts below,
//: or the system's).
inline constexpr const char* kReportPdfFailed =
    ZRT_TRANSLATE_NOOP("Report", "Cannot write the report to %s: %s");
inline constexpr const char* kReportPdfNoFont =
    ZRT_TRANSLATE_NOOP("Report", "no font is installed");
inline constexpr const char* kReportPdfNoStart =
    ZRT_TRANSLATE_NOOP("Report", "the PDF could not be started");
//: Status bar text, followed by the PDF file's path.
inline constexpr const char* kReportPdfSaved = ZRT_TRANSLATE_NOOP("Report", "Report saved to ");

// The report's commands: menu text with its shortcut after a tab, and the
// prompt with the status bar text and the tooltip on two lines.
//: Menu command; the key after the tab stays as it is. "&" marks the letter underlined.
inline constexpr const char* kReportPrintMenu = ZRT_TRANSLATE_NOOP("Report", "&Print\tCtrl+P");
//: Status bar text, then after the line break the tooltip of the Print button.
inline constexpr const char* kReportPrintPrompt =
    ZRT_TRANSLATE_NOOP("Report", "Print configuration information.\nPrint!");
//: Menu command. "&" marks the letter underlined.
inline constexpr const char* kReportPreviewMenu = ZRT_TRANSLATE_NOOP("Report", "Print Pre&view...");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kReportPreviewPrompt =
    ZRT_TRANSLATE_NOOP("Report", "Show the configuration report as it will print.\nPrint Preview");
//: Menu command. "&" marks the letter underlined.
inline constexpr const char* kReportExportMenu =
    ZRT_TRANSLATE_NOOP("Report", "Export Report as P&DF...");
//: Status bar text, then after the line break the tooltip.
inline constexpr const char* kReportExportPrompt = ZRT_TRANSLATE_NOOP(
    "Report", "Save the configuration report as a PDF file.\nExport Report as PDF");

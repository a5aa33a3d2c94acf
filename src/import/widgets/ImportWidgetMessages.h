#pragma once

#include "model/Translate.h"

// Captions of the setup wizard page, the main unit model dialog and the
// progress of a database read.
namespace ImportWidgetMessages {
//: Title of the New wizard (File > New).
inline constexpr const char* kWizardTitle =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "NEXIL Video Switcher Programming Tool Setup");
//: Heading inside the New wizard; M-4400 is the product's name.
inline constexpr const char* kWizardHeading =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "M-4400 Configuration Wizard");
//: Heading of the three ways to start a configuration.
inline constexpr const char* kMethodGroupText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Please select one of the following:");
//: Radio button; keep the access key (&) unique in the wizard.
inline constexpr const char* kSpecifyFilenameText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "&Specify Filename");
//: Radio button; keep the access key (&) unique in the wizard.
inline constexpr const char* kSpecifyConfigurationText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Specify &Configuration");
//: Radio button; keep the access key (&) unique in the wizard.
inline constexpr const char* kReadUnitText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Read &M-4400 unit");
inline constexpr const char* kConfigFileLabelText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Specify an NEXIL Filename:");
//: Quillon, Lunetta and M-7700 are paging systems' names.
inline constexpr const char* kPagingFileLabelText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "OR, Specify a Quillon, Lunetta or M-7700 Filename:");
//: Button that opens a file chooser.
inline constexpr const char* kBrowse = ZRT_TRANSLATE_NOOP("ImportWidgets", "Browse");
// What a screen reader calls the two Browse buttons, which look alike.
//: What a screen reader calls the first Browse button.
inline constexpr const char* kBrowseConfigName =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Browse for an NEXIL file");
//: What a screen reader calls the second Browse button.
inline constexpr const char* kBrowsePagingName =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Browse for a paging system file");
inline constexpr const char* kSystemGroupText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Paging System Description");
//: Radio button: the paging system's name; keep it, with an access key unique in the wizard.
inline constexpr const char* kQuillonText = ZRT_TRANSLATE_NOOP("ImportWidgets", "&Quillon");
//: Radio button: the paging system's name; keep it, with an access key unique in the wizard.
inline constexpr const char* kLunettaText = ZRT_TRANSLATE_NOOP("ImportWidgets", "&Lunetta");
//: Radio button: the paging system's name; keep it, with an access key unique in the wizard.
inline constexpr const char* kM7700Text = ZRT_TRANSLATE_NOOP("ImportWidgets", "MC-77/M-7&700");
inline constexpr const char* kDialDigitsLabelText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Number of Digits in Default Dialing Plan");
inline constexpr const char* kHardwareGroupText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "M-4400 / 4500 Hardware");
inline constexpr const char* kCiuCountLabelText =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Number of M-4500 Camera Interface Units");
inline constexpr const char* kFourPortMaster =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Using a M-4400 Master Unit (4 Port)");
inline constexpr const char* kEightPortMaster =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Using a M-4800 Master Unit (8 Port)");
//: Button that builds the configuration; keep the access key unique in the wizard.
inline constexpr const char* kFinishText = ZRT_TRANSLATE_NOOP("ImportWidgets", "&Finish");
// No access key: Alt+C belongs to Specify Configuration; Esc cancels.
//: Button; no access key: Alt+C belongs to Specify Configuration, Esc cancels.
inline constexpr const char* kCancelText = ZRT_TRANSLATE_NOOP("ImportWidgets", "Cancel");

//: Title of the main unit model dialog.
inline constexpr const char* kUnitModelTitle =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Please select the main unit model number");
inline constexpr const char* kFourPortModel =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "The M-4400 main unit (4 port)");
inline constexpr const char* kEightPortModel =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "The M-4800 main unit (8 port)");
inline constexpr const char* kExpansionUnits =
    ZRT_TRANSLATE_NOOP("ImportWidgets", "Select number of expansion units:");
inline constexpr const char* kOkText = ZRT_TRANSLATE_NOOP("ImportWidgets", "OK");

// The progress dialog of a station database read that takes a while.
//: Button of the progress dialog of a station database read.
inline constexpr const char* kCancelRead = ZRT_TRANSLATE_NOOP("ImportWidgets", "Cancel");
}  // namespace ImportWidgetMessages

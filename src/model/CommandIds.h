#pragma once

// Command ids of the menu, toolbar and accelerators. The numbers are those the
// program has always used, so that every part of it names a command the same way.
enum CommandId : int {
    kCmdRunWizard = 32771,
    kCmdWizardRead = 32772,
    kCmdWriteUnit = 32774,
    kCmdReadUnit = 32775,
    kCmdVerifyWrite = 32780,
    kCmdExpandConflicts = 32781,
    kCmdResetAllArch = 32782,
    kCmdSetTime = 32784,
    kCmdPrint = 32785,
    kCmdImportLunetta = 32788,
    kCmdImportM7700 = 32789,
    kCmdImportQuillon = 32790,
    kCmdConfigureModem = 32792,
    kCmdLinkTrace = 32800,
    kCmdCompareFile = 32801,
    kCmdCompareUnit = 32802,
    kCmdExportCsv = 32803,
    kCmdImportCsv = 32804,
    kCmdKeepBeforeWrite = 32810,
    kCmdUnitHistory = 32811,
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdRecentFirst = 57616,
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditFind = 57636,
    kCmdEditPaste = 57637,
    kCmdEditUndo = 57643,
    kCmdEditRedo = 57644,
    kCmdAbout = 57664,
    kCmdExit = 57665,
    kCmdHelpIndex = 57666,
    kCmdNextPane = 57680,
    kCmdPrevPane = 57681,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
};

// Entries of the recent-file list.
inline constexpr int kRecentFileCount = 4;

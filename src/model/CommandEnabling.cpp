#include "model/CommandEnabling.h"

#include "model/CommandIds.h"
#include "model/ModelMessages.h"

std::optional<bool> DocumentCommandEnabled(int command, const CZRTProDoc& doc, bool busy) {
    const bool configured = doc.NodeCount() > 0;
    switch (command) {
        case kCmdFileNew:
        case kCmdFileOpen:
        case kCmdImportLunetta:
        case kCmdImportM7700:
        case kCmdReadUnit:
            return !busy;
        case kCmdFileSave:
        case kCmdFileSaveAs:
        case kCmdPrint:
        case kCmdWriteUnit:
        case kCmdCompareFile:
        case kCmdCompareUnit:
        case kCmdExportCsv:
        case kCmdImportCsv:
            return !busy && configured;
        case kCmdImportQuillon:
            return false;
        default:
            return std::nullopt;
    }
}

std::string ModifiedIndicatorText(const CZRTProDoc& doc) {
    return doc.IsModified() ? Tr("Model", ModelMessages::kModified) : ModelMessages::kNotModified;
}

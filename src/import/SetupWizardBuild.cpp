#include "import/SetupWizardBuild.h"

#include <algorithm>
#include <memory>

#include "import/CDatabaseImporter.h"
#include "import/CLunettaImporter.h"
#include "import/CQuillonImporter.h"
#include "import/ImportBuild.h"
#include "import/ImportFiles.h"
#include "import/ImportMessages.h"
#include "model/ModelMessages.h"
#include "tree/BuildTree.h"

namespace {

// The answers every wizard build takes over.
void TakeAnswers(CZRTProDoc& doc, const WizardAnswers& a) {
    doc.m_strImportPath = a.m_strPagingFile;
    doc.m_strWizardFile = a.m_strConfigFile;
    doc.m_nPagingSystem = a.m_nSystemType;
    doc.m_nConfigSource = a.m_nInputMethod;
    doc.m_nDialDigits = a.m_nDialDigits;
    doc.m_nIdleDelay = 3;
    doc.m_byTimeRefresh = kTimeRefreshSmdr;
    // A conflict found in the configuration this one replaces would refuse
    // the first Save of the new one.
    doc.m_bConflicts = 0;
}

int BuildDescribed(DocumentContext& ctx, const WizardAnswers& a) {
    const auto numbering =
        GeneratedNumberingFor(a.m_nSystemType, a.m_nExpansionCount, a.m_nDialDigits);
    if (!numbering) return 1;
    CZRTProDoc& doc = ctx.m_doc;
    TakeAnswers(doc, a);
    doc.m_strImportPath.clear();
    doc.m_strWizardFile.clear();
    doc.SetUntitled(Tr("Model", ModelMessages::kUntitled));

    const int ports = a.m_nRows * 4;
    doc.m_zones.clear();
    for (int k = ports + 23 * a.m_nCiuCount + 1; k <= numbering->m_nZones; ++k)
        doc.m_zones.push_back({std::to_string(numbering->m_nOffset + k), {}, k});
    BuildTree(doc, ctx.m_tree, ctx.m_prompter, nullptr, false, numbering->m_nZones,
              numbering->m_nOffset, a.m_nCiuCount, ports);
    doc.SetModifiedFlag(true);
    return 0;
}

int BuildFromNamedFile(DocumentContext& ctx, const WizardAnswers& a) {
    if (!a.m_strConfigFile.empty()) {
        OpenConfiguration(ctx, a.m_strConfigFile);
        return 0;
    }
    if (a.m_strPagingFile.empty()) return 1;
    return BuildFromPagingFile(ctx, a, PagingFileKindOf(a.m_strPagingFile));
}

// The edits made before belong to the configuration the wizard replaced.
void StartHistory(DocumentContext& ctx) {
    if (ctx.m_pMain) ctx.m_pMain->m_history.Start(ctx.m_doc);
}

}  // namespace

int BuildFromPagingFile(DocumentContext& ctx, const WizardAnswers& a, PagingFileKind kind) {
    std::unique_ptr<CPagingImporter> importer;
    std::string readPath = a.m_strPagingFile;
    int32_t pagingSystem = kPagingLunetta;
    int32_t dialDigits = 3;
    switch (kind) {
        case PagingFileKind::Database:
            importer = std::make_unique<CDatabaseImporter>(ctx.m_prompter, ctx.m_pProcesses);
            pagingSystem = kPagingM7700;
            dialDigits = 2;
            break;
        case PagingFileKind::Quillon:
            importer = std::make_unique<CQuillonImporter>(ctx.m_prompter);
            pagingSystem = kPagingQuillon;
            dialDigits = 2;
            break;
        case PagingFileKind::Lunetta:
            readPath = LunettaFolderOf(a.m_strPagingFile) + kLunettaStationList;
            // A folder without its station list is no Lunetta export: the
            // caller's one message says so, before the reader adds its own.
            if (!ReadFilePrefix(
                    FindIgnoringCase(LunettaFolderOf(a.m_strPagingFile), kLunettaStationList), 1))
                return 1;
            importer = std::make_unique<CLunettaImporter>(ctx.m_prompter);
            break;
    }
    // A file that cannot be read has said why; nothing is built from it.
    if (importer->Read(readPath) != IMPORT_OK) return 1;
    BlankNameControls(importer->m_records);

    CZRTProDoc& doc = ctx.m_doc;
    TakeAnswers(doc, a);
    doc.m_nConfigSource = kSourceImport;
    doc.SetModifiedFlag(true);
    if (pagingSystem == kPagingLunetta)
        doc.m_adminArch = static_cast<const CLunettaImporter&>(*importer).m_adminArch;
    doc.m_nPagingSystem = pagingSystem;
    doc.m_nDialDigits = dialDigits;
    doc.m_strWizardFile.clear();
    doc.SetUntitled(Tr("Model", ModelMessages::kUntitled));

    const int ports = a.m_nRows * 4;
    FillUnassignedZones(doc, importer->m_records, ports, a.m_nCiuCount);
    BuildTree(doc, ctx.m_tree, ctx.m_prompter, &importer->m_records, false,
              static_cast<int>(importer->m_records.size()), -1, a.m_nCiuCount, ports);
    return 0;
}

std::optional<GeneratedNumbering> GeneratedNumberingFor(int systemType, int expansionCount,
                                                        int dialDigits) {
    if (dialDigits != 2 && dialDigits != 3) return std::nullopt;
    const bool two = dialDigits == 2;
    switch (systemType) {
        case kPagingQuillon:
            return GeneratedNumbering{std::min(8 + 16 * expansionCount, two ? 56 : 136),
                                      two ? 10 : 100};
        case kPagingLunetta:
            return GeneratedNumbering{24 * expansionCount, 100};
        case kPagingM7700:
            return GeneratedNumbering{std::min(24 * (expansionCount + 1), two ? 90 : 96),
                                      two ? 9 : 100};
        default:
            return std::nullopt;
    }
}

PagingFileKind PagingFileKindOf(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (lower.find(".mdb") != std::string::npos) return PagingFileKind::Database;
    if (lower.find("qpx") != std::string::npos) return PagingFileKind::Quillon;
    return PagingFileKind::Lunetta;
}

int RunSetupWizard(DocumentContext& ctx, WizardDialog& wizard) {
    WizardAnswers answers;
    if (!wizard.Run(answers)) return WIZARD_CANCELLED;
    return BuildFromAnswers(ctx, answers);
}

int BuildFromAnswers(DocumentContext& ctx, const WizardAnswers& answers) {
    switch (answers.m_nInputMethod) {
        case kSourceManual:
            return BuildDescribed(ctx, answers);
        case kSourceImport:
            return BuildFromNamedFile(ctx, answers);
        default:
            return 1;
    }
}

void NewConfigurationCommand(DocumentContext& ctx, WizardDialog& wizard) {
    if (!AskSaveChanges(ctx) || !ctx.m_pMain) return;
    // New drops the password waiting for a write, also when it builds nothing.
    ctx.m_pMain->m_strPendingPassword.clear();
    ctx.m_pMain->m_bPasswordPending = false;
    // Until the wizard is finished the loaded configuration is the one in the
    // window, under its own name.
    WizardAnswers answers;
    if (!wizard.Run(answers)) return;
    const DocumentSnapshot before = TakeSnapshot(ctx);
    if (!ClearForNew(ctx)) return;
    if (BuildFromAnswers(ctx, answers) != 0)
        ctx.m_prompter.Message(Tr("Import", ImportMessages::kTreeInitFileNew));
    // Every build and every successful open marks the tree built; without one
    // the configuration from before New is still the one in the tree.
    if (!ctx.m_doc.m_bTreeBuilt) {
        RestoreSnapshot(ctx, before);
        return;
    }
    if (const TreeItem root = ctx.m_tree.RootItem())
        ctx.m_tree.SetItemText(root, ShownLabel(SystemLabel(ctx.m_doc.GetTitle())));
    StartHistory(ctx);
}

void StartupWizardCommand(DocumentContext& ctx, WizardDialog& wizard) {
    if (ctx.m_tree.RootItem()) return;
    const int result = RunSetupWizard(ctx, wizard);
    if (result != 0 && result != WIZARD_CANCELLED)
        ctx.m_prompter.Message(Tr("Import", ImportMessages::kTreeInitRunWizard));
    if (ctx.m_doc.m_bTreeBuilt) StartHistory(ctx);
}

#include "import/ImportBuild.h"

#include <memory>

#include "import/CDatabaseImporter.h"
#include "import/CLunettaImporter.h"
#include "import/ImportFiles.h"
#include "model/ModelMessages.h"
#include "model/TrimText.h"
#include "tree/BuildTree.h"
#include "tree/NameRule.h"

namespace {}  // namespace

void BlankNameControls(std::vector<CImportRecord>& records) {
    for (CImportRecord& r : records) r.m_strName = BlankControlCharacters(r.m_strName);
}

void FillUnassignedZones(CZRTProDoc& doc, const std::vector<CImportRecord>& records, int ports,
                         int ciuCount) {
    doc.m_zones.clear();
    const size_t capacity = static_cast<size_t>(std::max(0, ports + 23 * ciuCount));
    for (size_t i = capacity; i < records.size(); ++i)
        doc.m_zones.push_back(
            {Trim(records[i].m_strArch), records[i].m_strName, records[i].m_nZoneId});
}

void BuildFromImport(DocumentContext& ctx, const CPagingImporter& importer) {
    UnitModelAnswer model;
    while (!ctx.m_prompter.AskUnitModel(true, model)) {
    }
    CZRTProDoc& doc = ctx.m_doc;
    doc.m_strWizardFile.clear();
    doc.m_nDialDigits = 3;
    doc.m_nIdleDelay = 3;
    doc.m_nConfigSource = kSourceImport;
    doc.m_bIdleNoVideo = 0;
    doc.m_byTimeRefresh = kTimeRefreshSmdr;
    // Without a path, the next Save asks for a name instead of writing the
    // imported configuration over the file that was open before.
    doc.SetUntitled(Tr("Model", ModelMessages::kUntitled));
    // A conflict found in the configuration this one replaces would refuse
    // the first Save of the new one.
    doc.m_bConflicts = 0;

    const int ports = model.m_nRows * 4;
    FillUnassignedZones(doc, importer.m_records, ports, model.m_nCiuCount);
    BuildTree(doc, ctx.m_tree, ctx.m_prompter, &importer.m_records, false,
              static_cast<int>(importer.m_records.size()), -1, model.m_nCiuCount, ports);
}

bool ImportPagingFile(DocumentContext& ctx, Profile& profile, ImportKind kind) {
    std::string path = profile.GetString(kSectionDirectories, "LastUnitFileDir", "");
    const FileChoice choice =
        kind == ImportKind::Lunetta ? FileChoice::OpenLunetta : FileChoice::OpenM7700;
    if (!ctx.m_prompter.ChooseFile(choice, path)) return false;
    profile.SetString(kSectionDirectories, "LastUnitFileDir", FolderOf(path));

    std::unique_ptr<CPagingImporter> importer;
    if (kind == ImportKind::Lunetta)
        importer = std::make_unique<CLunettaImporter>(ctx.m_prompter);
    else
        importer = std::make_unique<CDatabaseImporter>(ctx.m_prompter, ctx.m_pProcesses);
    if (importer->Read(path) != IMPORT_OK) return false;
    BlankNameControls(importer->m_records);

    CZRTProDoc& doc = ctx.m_doc;
    doc.m_strImportPath = path;
    if (kind == ImportKind::Lunetta) {
        doc.m_adminArch = static_cast<CLunettaImporter&>(*importer).m_adminArch;
        doc.m_nPagingSystem = kPagingLunetta;
    } else {
        doc.m_nPagingSystem = kPagingM7700;
    }
    BuildFromImport(ctx, *importer);
    // Never saved yet: Exit, New, Open and Read offer to save it, as after
    // the wizard's import.
    doc.SetModifiedFlag(true);
    return true;
}

bool ImportCommand(DocumentContext& ctx, Profile& profile, ImportKind kind) {
    if (ctx.m_pMain && ctx.m_pMain->m_bBusy) return false;
    if (!AskSaveChanges(ctx)) return false;
    if (!ImportPagingFile(ctx, profile, kind)) return false;
    if (ctx.m_pMain) ctx.m_pMain->m_history.Start(ctx.m_doc);
    return true;
}

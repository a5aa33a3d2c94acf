#include "document/InputsCsvFile.h"

#include <map>

#include "document/DocumentMessages.h"
#include "document/InputsCsv.h"
#include "model/FileIo.h"
#include "model/Format.h"
#include "tree/BuildTree.h"

namespace {

// Far more than the rows of the largest configuration.
constexpr size_t kMaxCsvBytes = 4u << 20;

}  // namespace

bool ExportInputsCsvFile(const CZRTProDoc& doc, const std::string& path, std::string& error) {
    std::string reason;
    if (WriteFileAtomically(path, ExportInputsCsv(doc), &reason)) return true;
    error = path + ": " + reason;
    return false;
}

std::optional<CsvPreview> ImportInputsCsvFile(const CZRTProDoc& doc, const std::string& path,
                                              std::string& error) {
    const auto text = ReadWholeFile(path, kMaxCsvBytes);
    if (!text) {
        error = StrFormat(Tr("Document", DocumentMessages::kCsvUnreadable).c_str(), path.c_str(),
                          static_cast<int>(kMaxCsvBytes >> 20));
        return std::nullopt;
    }
    CsvPreview preview{doc, {}, {}};
    const CsvImportOutcome outcome = ImportInputsCsv(preview.m_doc, *text);
    if (!outcome.Accepted()) {
        error = StrFormat(Tr("Document", DocumentMessages::kCsvRefused).c_str(), path.c_str()) +
                "\n" + RefusalText(outcome.m_refused);
        return std::nullopt;
    }
    preview.m_shared = SharedNumberLines(preview.m_doc);
    preview.m_notes = outcome.m_notes;
    return preview;
}

std::vector<bool> SharedNumberRows(const std::vector<DiffItem>& changes,
                                   const ZrtConfig& imported) {
    std::map<std::string, int> holders;
    for (int i = kFixedNodeCount; i < imported.NodeCount(); ++i)
        if (imported.CarriesArch(i)) ++holders[imported.m_nodes[static_cast<size_t>(i)].m_strArch];
    const std::string suffix = " Arch Number";
    std::vector<bool> rows;
    for (const DiffItem& d : changes) {
        const bool numberRow = d.m_strItem.size() > suffix.size() &&
                               d.m_strItem.ends_with(suffix) &&
                               d.m_strItem.find(" original ") == std::string::npos;
        const auto held = holders.find(d.m_strOther);
        rows.push_back(numberRow && held != holders.end() && held->second > 1);
    }
    return rows;
}

void ApplyImportedInputs(DocumentContext& ctx, const CZRTProDoc& imported) {
    CZRTProDoc& doc = ctx.m_doc;
    static_cast<ZrtConfig&>(doc) = imported;
    doc.SetModifiedFlag();
    doc.RecheckArchConflicts();
    RefreshInputItems(doc, ctx.m_tree);
    if (ctx.m_pMain)
        ctx.m_pMain->m_history.Record(doc, Tr("Document", DocumentMessages::kEditImportCsv),
                                      ctx.m_tree.SelectedItem());
}

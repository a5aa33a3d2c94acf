#include "document/InputsCsvFile.h"

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

std::optional<CZRTProDoc> ImportInputsCsvFile(const CZRTProDoc& doc, const std::string& path,
                                              std::string& error) {
    const auto text = ReadWholeFile(path, kMaxCsvBytes);
    if (!text) {
        error = StrFormat(DocumentMessages::kCsvUnreadable, path.c_str(),
                          static_cast<int>(kMaxCsvBytes >> 20));
        return std::nullopt;
    }
    CZRTProDoc imported = doc;
    std::string why;
    if (!ImportInputsCsv(imported, *text, why)) {
        error = path + ": " + why;
        return std::nullopt;
    }
    return imported;
}

void ApplyImportedInputs(DocumentContext& ctx, const CZRTProDoc& imported) {
    CZRTProDoc& doc = ctx.m_doc;
    static_cast<ZrtConfig&>(doc) = imported;
    doc.SetModifiedFlag();
    doc.RecheckArchConflicts();
    RefreshInputItems(doc, ctx.m_tree);
    if (ctx.m_pMain)
        ctx.m_pMain->m_history.Record(doc, DocumentMessages::kEditImportCsv,
                                      ctx.m_tree.SelectedItem());
}

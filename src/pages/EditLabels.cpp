#include "pages/EditLabels.h"

#include "model/Format.h"
#include "pages/PageMessages.h"
#include "tree/BuildTree.h"

namespace {

const CConfigNode* NodeAt(const CZRTProDoc& doc, int n) {
    return n >= 0 && n < doc.NodeCount() ? &doc.m_nodes[static_cast<size_t>(n)] : nullptr;
}

std::string NodeLabel(const CZRTProDoc& doc, int n) {
    const CConfigNode* node = NodeAt(doc, n);
    return node ? ShownLabel(node->m_strLabel) : std::string();
}

}  // namespace

std::string AssignLabel(const CZRTProDoc& doc, int n) {
    const CConfigNode* node = NodeAt(doc, n);
    return node ? StrFormat(Tr("Pages", PageMessages::kEditAssign).c_str(), node->m_strArch.c_str(),
                            ShownLabel(node->m_strLabel).c_str())
                : std::string();
}

std::string ResetLabel(const CZRTProDoc& doc, int n) {
    return StrFormat(Tr("Pages", PageMessages::kEditReset).c_str(), NodeLabel(doc, n).c_str());
}

std::string ArchEditLabel(const CZRTProDoc& doc, int n) {
    return StrFormat(Tr("Pages", PageMessages::kEditArchAndName).c_str(),
                     NodeLabel(doc, n).c_str());
}

std::string IdleAddLabel(const IdleLoopEditor& editor) {
    const int at = editor.IdleSelection();
    const auto& lines = editor.IdleLines();
    const bool atEnd = at >= 0 && at < static_cast<int>(lines.size()) &&
                       IdleLoopEditor::IsEndMarker(lines[static_cast<size_t>(at)]);
    return atEnd ? Tr("Pages", PageMessages::kEditIdleAdd)
                 : Tr("Pages", PageMessages::kEditIdleInsert);
}

#include "model/CZRTProDoc.h"

#include <filesystem>

#include "model/Format.h"
#include "model/ModelMessages.h"

namespace {

// The root's label as the configuration keeps it (data, in English): the name, then this.
constexpr const char* kSystemSuffix = " System";

}  // namespace

int CZRTProDoc::FindNodeByItem(TreeItem item) const {
    if (item == nullptr) return -1;
    for (int i = 0; i < NodeCount(); ++i)
        if (m_nodes[i].m_hItem == item) return i;
    return -1;
}

bool CZRTProDoc::CheckArchConflicts() {
    std::vector<const std::string*> arches;
    for (int i = kFixedNodeCount; i < NodeCount(); ++i)
        if (IsInput(i)) arches.push_back(&m_nodes[i].m_strArch);
    for (size_t a = 0; a < arches.size(); ++a)
        for (size_t b = a + 1; b < arches.size(); ++b)
            if (*arches[a] == *arches[b]) {
                m_bConflicts = 1;
                return false;
            }
    return true;
}

void CZRTProDoc::SetPathName(const std::string& path) {
    m_strPathName = path;
    m_strTitle = FileNameOf(path);
}

void CZRTProDoc::SetUntitled(const std::string& title) {
    m_strPathName.clear();
    m_strTitle = title;
}

std::string SystemLabel(const std::string& name) {
    const auto dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + kSystemSuffix;
}

std::string SystemName(const std::string& label) {
    const std::string suffix = kSystemSuffix;
    return label.size() > suffix.size() && label.ends_with(suffix)
               ? label.substr(0, label.size() - suffix.size())
               : std::string();
}

std::string ShownSystemLabel(const std::string& name) {
    return ReplaceArg1(Tr("Model", ModelMessages::kSystemLabel), name);
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string PathWithExtension(const CZRTProDoc& doc, const std::string& extension) {
    if (doc.GetPathName().empty()) return doc.GetTitle() + extension;
    return std::filesystem::path(doc.GetPathName()).replace_extension(extension).string();
}

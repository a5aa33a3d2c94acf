#include "pages/ArchPageState.h"

#include "pages/PageMessages.h"

std::optional<std::string> CurrentArchOnLoad(const CZRTProDoc& doc, TreeItem item,
                                             Prompter& prompter) {
    if (doc.m_nodes.empty()) return std::nullopt;
    if (item)
        for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
            if (doc.m_nodes[i].m_hItem == item) return doc.m_nodes[i].m_strArch;
    prompter.Message(Tr("Pages", PageMessages::kTreeItemNotFoundInit));
    return std::nullopt;
}

bool ConflictsForCurrentItemOnly(const Profile& profile) {
    return profile.GetInt(kSectionUserData, kConflictCheckStatus, 1) != 0;
}

void StoreConflictsForCurrentItemOnly(Profile& profile, bool currentOnly) {
    profile.SetInt(kSectionUserData, kConflictCheckStatus, currentOnly ? 1 : 0);
}

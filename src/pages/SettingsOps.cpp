#include "pages/SettingsOps.h"

#include "pages/PageMessages.h"

int PriorityRadio(const CZRTProDoc& doc) {
    return doc.m_nPriority == 1 || doc.m_nPriority == 2 ? doc.m_nPriority : 3;
}

void SetPriority(CZRTProDoc& doc, int priority) {
    doc.m_nPriority = static_cast<int16_t>(priority);
    doc.SetModifiedFlag();
}

bool IsAdminMappingEditable(const CZRTProDoc& doc) { return doc.m_nPagingSystem == kPagingLunetta; }

std::vector<std::string> AdminLines(const CZRTProDoc& doc) {
    std::vector<std::string> lines;
    for (int32_t admin : doc.m_adminArch) lines.push_back(std::to_string(admin));
    return lines;
}

int MoveAdmin(CZRTProDoc& doc, Prompter& prompter, int selected, bool up) {
    const int last = static_cast<int>(doc.m_adminArch.size()) - 1;
    if (selected < 0 || selected > last) {
        prompter.Message(Tr("Pages", PageMessages::kSelectAdministrator));
        return selected;
    }
    const int target = up ? selected - 1 : selected + 1;
    if (target < 0 || target > last) return selected;
    std::swap(doc.m_adminArch[selected], doc.m_adminArch[target]);
    doc.SetModifiedFlag();
    return target;
}

void SetTimeRefresh(CZRTProDoc& doc, uint8_t flag, bool checked) {
    doc.m_byTimeRefresh = checked ? doc.m_byTimeRefresh | flag : doc.m_byTimeRefresh & ~flag;
    doc.SetModifiedFlag();
}

void AcceptPassword(MainState& state, const std::string& password) {
    state.m_strPendingPassword = password.substr(0, kPasswordMaxLength);
    state.m_bPasswordPending = true;
}

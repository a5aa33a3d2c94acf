#include "unit/ImageFitCheck.h"

#include <vector>

#include "model/Format.h"
#include "model/Translate.h"
#include "model/TrimText.h"
#include "unit/ArchValue.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

namespace {

using namespace UnitImage;

bool ZoneArchFits(const std::string& arch) {
    const std::string text = Trim(arch, kBlanks);
    return text.empty() || ArchToIndex(text) != kArchInvalid;
}

std::string ZoneDescription(const CZoneEntry& z) {
    return StrFormat(Tr("Unit", UnitMessages::kUnassignedArch).c_str(), z.m_strArch.c_str());
}

bool CheckInputs(const ZrtConfig& config, Prompter& prompter) {
    for (int i = kFixedNodeCount; i < config.NodeCount(); ++i) {
        if (!config.IsInput(i)) continue;
        const CConfigNode& n = config.m_nodes[i];
        if (ArchToIndex(n.m_strArch) == kArchInvalid) {
            prompter.Message(StrFormat(Tr("Unit", UnitMessages::kInputArchUnfit).c_str(),
                                       n.m_strLabel.c_str(), n.m_strArch.c_str()));
            return false;
        }
        if (n.m_strName.size() > kNameMaxLength) {
            prompter.Message(StrFormat(Tr("Unit", UnitMessages::kInputNameUnfit).c_str(),
                                       n.m_strName.c_str(), n.m_strLabel.c_str(),
                                       static_cast<int>(kNameMaxLength)));
            return false;
        }
    }
    return true;
}

bool CheckZones(const ZrtConfig& config, Prompter& prompter) {
    for (const CZoneEntry& z : config.m_zones) {
        if (!ZoneArchFits(z.m_strArch)) {
            prompter.Message(StrFormat(Tr("Unit", UnitMessages::kZoneArchUnfit).c_str(),
                                       z.m_strArch.c_str(), z.m_strName.c_str()));
            return false;
        }
        if (z.m_strName.size() > kNameMaxLength) {
            prompter.Message(StrFormat(Tr("Unit", UnitMessages::kZoneNameUnfit).c_str(),
                                       z.m_strName.c_str(), z.m_strArch.c_str(),
                                       static_cast<int>(kNameMaxLength)));
            return false;
        }
    }
    return true;
}

// The records go pageable inputs, then zones, then non-pageable inputs.
bool CheckRecordCount(const ZrtConfig& config, Prompter& prompter) {
    std::vector<std::string> order;
    for (int i = kFixedNodeCount; i < config.NodeCount(); ++i)
        if (config.m_nodes[i].m_nSignedCode >= 0) order.push_back(config.m_nodes[i].m_strLabel);
    for (const CZoneEntry& z : config.m_zones) order.push_back(ZoneDescription(z));
    for (int i = kFixedNodeCount; i < config.NodeCount(); ++i)
        if (config.IsInput(i) && config.m_nodes[i].m_nSignedCode < 0)
            order.push_back(config.m_nodes[i].m_strLabel);
    if (order.size() <= static_cast<size_t>(kReconMaxRecords)) return true;
    prompter.Message(StrFormat(Tr("Unit", UnitMessages::kTooManyRecords).c_str(), kReconMaxRecords,
                               static_cast<int>(order.size()), order[kReconMaxRecords].c_str()));
    return false;
}

bool CheckSettings(const ZrtConfig& config, Prompter& prompter) {
    // Only the administrators of the unit's Video Outs matter; the writer puts
    // a number the unit accepts in the other fields.
    for (size_t i = 0; i < static_cast<size_t>(config.AdminCount()); ++i) {
        const int32_t admin = config.m_adminArch[i];
        if (admin < 0 || admin > kAdminArchMax) {
            prompter.Message(StrFormat(Tr("Unit", UnitMessages::kAdminArchUnfit).c_str(), admin,
                                       static_cast<int>(i + 1)));
            return false;
        }
    }
    if (config.m_idleLoop.size() > static_cast<size_t>(kIdleMaxRecords)) {
        prompter.Message(StrFormat(Tr("Unit", UnitMessages::kIdleLoopUnfit).c_str(),
                                   static_cast<int>(config.m_idleLoop.size()), kIdleMaxRecords));
        return false;
    }
    return true;
}

bool CheckSameValues(const ZrtConfig& config, Prompter& prompter) {
    std::vector<int> owner(kArchValueCount, -1);
    for (int i = kFixedNodeCount; i < config.NodeCount(); ++i) {
        if (!config.IsInput(i)) continue;
        const int value = ArchToIndex(config.m_nodes[i].m_strArch);
        const int first = owner[value];
        if (first < 0) {
            owner[value] = i;
            continue;
        }
        const CConfigNode& a = config.m_nodes[first];
        const CConfigNode& b = config.m_nodes[i];
        prompter.Message(StrFormat(Tr("Unit", UnitMessages::kSameArchValue).c_str(),
                                   a.m_strLabel.c_str(), a.m_strArch.c_str(), b.m_strLabel.c_str(),
                                   b.m_strArch.c_str()));
        return false;
    }
    return true;
}

}  // namespace

bool CheckUnitImageFits(const ZrtConfig& config, Prompter& prompter) {
    return CheckInputs(config, prompter) && CheckZones(config, prompter) &&
           CheckRecordCount(config, prompter) && CheckSettings(config, prompter) &&
           CheckSameValues(config, prompter);
}

#include "model/NodeLabels.h"

#include <cstdio>

#include "model/CZRTProDoc.h"
#include "model/Format.h"

std::string ShownLabel(const std::string& label) {
    int first = 0;
    int second = 0;
    if (std::sscanf(label.c_str(), NodeLabels::kCiuInputLabelFormat, &first, &second) == 2 &&
        label == StrFormat(NodeLabels::kCiuInputLabelFormat, first, second))
        return StrFormat(Tr("Tree", NodeLabels::kCiuInputLabel).c_str(), first, second);
    if (std::sscanf(label.c_str(), NodeLabels::kInputLabelFormat, &first) == 1 &&
        label == StrFormat(NodeLabels::kInputLabelFormat, first))
        return StrFormat(Tr("Tree", NodeLabels::kInputLabel).c_str(), first);
    if (label == NodeLabels::kSettingsLabel) return Tr("Tree", NodeLabels::kSettingsItem);
    if (label == NodeLabels::kIdleLoopLabel) return Tr("Tree", NodeLabels::kIdleLoop);
    if (const std::string name = SystemName(label); !name.empty()) return ShownSystemLabel(name);
    return label;
}

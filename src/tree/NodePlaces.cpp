#include "tree/NodePlaces.h"

#include "model/Format.h"
#include "model/NodeCodes.h"
#include "model/NodeLabels.h"

std::string NodePlace::Label() const {
    return m_nInput ? StrFormat(NodeLabels::kCiuInputLabelFormat, m_nUnit, m_nInput)
                    : StrFormat(NodeLabels::kInputLabelFormat, m_nPort);
}

std::vector<NodePlace> NodePlaces(const ZrtConfig& config) {
    std::vector<NodePlace> places;
    int i = kFixedNodeCount;
    for (int p = 1; p <= config.m_nPortCount && i < config.NodeCount(); ++p) {
        if (p > config.m_nCiuCount) {
            places.push_back({i++, p, 0, 0});
            continue;
        }
        places.push_back({i++, p, p, 0});
        for (int in = 1; in <= kCiuInputs && i < config.NodeCount(); ++in)
            places.push_back({i++, p, p, in});
    }
    return places;
}

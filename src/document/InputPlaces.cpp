#include "document/InputPlaces.h"

#include "model/Format.h"
#include "tree/TreeMessages.h"

std::string InputPlace::Label() const {
    return m_nUnit ? StrFormat(TreeMessages::kCiuInputLabel, m_nUnit, m_nInput)
                   : StrFormat(TreeMessages::kInputLabel, m_nPort);
}

std::vector<InputPlace> InputPlaces(const ZrtConfig& config) {
    std::vector<InputPlace> places;
    int i = kFixedNodeCount;
    for (int p = 1; p <= config.m_nPortCount && i < config.NodeCount(); ++p) {
        if (p > config.m_nCiuCount) {
            if (config.IsInput(i)) places.push_back({i, p, 0, 0});
            ++i;
            continue;
        }
        ++i;
        for (int in = 1; in <= kCiuInputs && i < config.NodeCount(); ++in, ++i)
            if (config.IsInput(i)) places.push_back({i, p, p, in});
    }
    return places;
}

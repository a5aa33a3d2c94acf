#include "document/InputPlaces.h"

std::vector<InputPlace> InputPlaces(const ZrtConfig& config) {
    std::vector<InputPlace> inputs;
    for (const NodePlace& place : NodePlaces(config))
        if (!place.IsUnitPort() && config.IsInput(place.m_nIndex)) inputs.push_back(place);
    return inputs;
}

#include "model/ConfigShape.h"

namespace {

// The signed code is compared, not negated: a file may hold any 32-bit value there.
bool IsInputAt(const CConfigNode& n, int32_t code) {
    const int32_t s = n.m_nSignedCode;
    const int32_t nonPageable = code == 0 ? kSignedCodeZeroNonPageable : -code;
    return n.m_nInputCode == code && (s == code || s == nonPageable);
}

}  // namespace

bool HasConsistentShape(const ZrtConfig& c) {
    const int ports = c.m_nPortCount;
    const int units = c.m_nCiuCount;
    if (ports != 4 && ports != 8) return false;
    if (units < 0 || units > ports) return false;
    if (c.NodeCount() != NodeCountFor(ports, units)) return false;
    for (int i = 0; i < kFixedNodeCount; ++i)
        if (c.m_nodes[i].m_nInputCode != kInputCodeUnset) return false;
    int index = kFixedNodeCount;
    for (int port = 0; port < ports; ++port) {
        if (port < units) {
            if (c.m_nodes[index++].m_nInputCode != kInputCodeCiuPort) return false;
            for (int input = 0; input < kCiuInputs; ++input)
                if (!IsInputAt(c.m_nodes[index++], InputCodeOf(port, input))) return false;
        } else if (!IsInputAt(c.m_nodes[index++], InputCodeOf(port, 0))) {
            return false;
        }
    }
    return true;
}

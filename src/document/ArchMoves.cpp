#include "document/ArchMoves.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// What a number brings to the input that takes it, as the list row shows it.
struct NumberSource {
    std::string m_strName;
    int32_t m_nZoneId;
};

// Where each wanted number is now: the first input holding it, else the
// first unassigned entry.
std::map<std::string, NumberSource> SourcesOf(const ZrtConfig& config,
                                              const std::vector<ArchMove>& moves) {
    std::map<std::string, NumberSource> sources;
    for (const ArchMove& m : moves) {
        if (sources.count(m.m_strArch)) continue;
        for (int j = kFixedNodeCount; j < config.NodeCount(); ++j) {
            const CConfigNode& n = config.m_nodes[static_cast<size_t>(j)];
            if (!config.CarriesArch(j) || n.m_strArch != m.m_strArch) continue;
            sources[m.m_strArch] = {n.m_strName, n.IsNonPageable() ? -1 : n.m_nZoneId};
            break;
        }
        if (sources.count(m.m_strArch)) continue;
        for (const CZoneEntry& z : config.m_zones)
            if (z.m_strArch == m.m_strArch) {
                sources[m.m_strArch] = {z.m_strName, z.m_nZoneId};
                break;
            }
    }
    return sources;
}

void TakeZone(CConfigNode& node, int32_t zoneId) {
    node.m_nZoneId = zoneId;
    if (node.IsNonPageable() && zoneId >= 0) {
        node.MakePageable();
        node.m_nInputCode = node.m_nSignedCode;
    } else if (!node.IsNonPageable() && zoneId < 0) {
        node.MakeNonPageable();
        node.m_nInputCode = CConfigNode::DerivedInputCode(node.m_nSignedCode);
    }
    node.m_pPageClass = PageKind::CZRTForm;
}

}  // namespace

void MoveArchNumbers(ZrtConfig& config, const std::vector<ArchMove>& given) {
    std::vector<ArchMove> moves;
    for (const ArchMove& m : given)
        if (config.m_nodes[static_cast<size_t>(m.m_nIndex)].m_strArch != m.m_strArch)
            moves.push_back(m);
    if (moves.empty()) return;
    const std::map<std::string, NumberSource> sources = SourcesOf(config, moves);
    const std::vector<CConfigNode> before = config.m_nodes;

    std::set<int> moved;
    for (const ArchMove& m : moves) {
        CConfigNode& node = config.m_nodes[static_cast<size_t>(m.m_nIndex)];
        node.m_strArch = m.m_strArch;
        if (const auto source = sources.find(m.m_strArch); source != sources.end()) {
            node.m_strName = source->second.m_strName;
            TakeZone(node, source->second.m_nZoneId);
        }
        moved.insert(m.m_nIndex);
    }

    // The old numbers: back to the unassigned list when no node holds them,
    // and the idle loop's map from old to new.
    std::map<std::string, std::string> loopMap;
    std::set<std::string> kept;
    for (int j = kFixedNodeCount; j < config.NodeCount(); ++j)
        if (!moved.count(j) && config.CarriesArch(j))
            kept.insert(config.m_nodes[static_cast<size_t>(j)].m_strArch);
    for (const ArchMove& m : moves) {
        const CConfigNode& old = before[static_cast<size_t>(m.m_nIndex)];
        if (!kept.count(old.m_strArch)) loopMap.emplace(old.m_strArch, m.m_strArch);
        const bool held =
            std::any_of(config.m_nodes.begin() + kFixedNodeCount, config.m_nodes.end(),
                        [&](const CConfigNode& n) { return n.m_strArch == old.m_strArch; });
        const bool listed =
            std::any_of(config.m_zones.begin(), config.m_zones.end(),
                        [&](const CZoneEntry& z) { return z.m_strArch == old.m_strArch; });
        if (!held && !listed)
            config.m_zones.push_back(
                {old.m_strArch, old.m_strName, old.IsNonPageable() ? -1 : old.m_nZoneId});
    }
    std::erase_if(config.m_zones, [&](const CZoneEntry& z) {
        return std::any_of(moves.begin(), moves.end(),
                           [&](const ArchMove& m) { return m.m_strArch == z.m_strArch; });
    });
    for (std::string& entry : config.m_idleLoop)
        if (const auto to = loopMap.find(entry); to != loopMap.end()) entry = to->second;
}

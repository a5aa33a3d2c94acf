#include "pages/ArchList.h"

#include <algorithm>
#include <unordered_map>

#include "model/TrimText.h"
#include "tree/ArchRules.h"
#include "tree/TreeMessages.h"

namespace {

std::string KeyOf(int column, const std::string& arch, const std::string& name) {
    return column == 1 ? name + arch : arch;
}

}  // namespace

std::vector<ArchRow> FillArchList(CZRTProDoc& doc, int column, bool ascending) {
    doc.m_nSortColumn = column;
    std::vector<ArchRow> rows;
    if (doc.m_nodes.empty()) return rows;

    std::vector<std::string> keys;
    std::unordered_map<std::string, int> firstInput;
    std::unordered_map<std::string, size_t> firstZone;
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i) {
        if (!doc.CarriesArch(i)) continue;
        const CConfigNode& n = doc.m_nodes[i];
        const std::string key = KeyOf(column, n.m_strArch, n.m_strName);
        if (firstInput.emplace(key, i).second) keys.push_back(key);
    }
    for (size_t z = 0; z < doc.m_zones.size(); ++z) {
        const CZoneEntry& e = doc.m_zones[z];
        const std::string key = KeyOf(column, e.m_strArch, e.m_strName);
        const bool known = firstInput.count(key) || firstZone.count(key);
        firstZone.emplace(key, z);
        if (column != 1 || !known) keys.push_back(key);
    }

    if (ascending)
        std::sort(keys.begin(), keys.end());
    else
        std::sort(keys.begin(), keys.end(), std::greater<>());
    doc.m_bSortAscending = ascending ? 1 : 0;

    rows.reserve(keys.size());
    for (const std::string& key : keys) {
        if (const auto in = firstInput.find(key); in != firstInput.end()) {
            const CConfigNode& n = doc.m_nodes[in->second];
            rows.push_back(
                {n.m_strArch, n.m_strName,
                 n.IsNonPageable() ? kListIconNonPageable : kListIconAssigned,
                 IsInputInConflict(doc, in->second) ? kListStateConflict : kListStateNone,
                 n.IsNonPageable() ? -1 : n.m_nZoneId});
        } else {
            // Every key came from an input or a pool entry.
            const CZoneEntry& e = doc.m_zones[firstZone.at(key)];
            rows.push_back({e.m_strArch, e.m_strName,
                            e.IsNonPageable() ? kListIconNonPageable : kListIconUnassigned,
                            kListStateNone, e.m_nZoneId});
        }
    }
    return rows;
}

int RowOfArch(const std::vector<ArchRow>& rows, const std::string& arch) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const ArchRow& row) { return row.m_strArch == arch; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

std::string SpokenArchRow(const ArchRow& row) {
    std::string spoken = row.m_strArch;
    if (const std::string name = Trim(row.m_strName, kBlanks); !name.empty()) spoken += ", " + name;
    if (row.m_nState == kListStateConflict || row.m_nIcon == kListIconConflict)
        spoken += ", " + Tr("Tree", TreeMessages::kSpokenConflict);
    switch (row.m_nIcon) {
        case kListIconNonPageable:
            return spoken + ", " + Tr("Tree", TreeMessages::kSpokenNonPageable);
        case kListIconUnassigned:
            return spoken + ", " + Tr("Tree", TreeMessages::kSpokenUnassigned);
        case kListIconAssigned:
            return spoken + ", " + Tr("Tree", TreeMessages::kSpokenAssigned);
        default:
            return spoken;
    }
}

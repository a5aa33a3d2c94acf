#include "document/ConfigDiff.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "document/DocumentMessages.h"
#include "document/InputPlaces.h"
#include "model/Format.h"
#include "model/NodeLabels.h"
#include "model/SystemNames.h"
#include "model/TrimText.h"
#include "tree/ArchRules.h"

namespace {

// The items of the overview's, the settings' and the idle loop's pages.
constexpr const char* kModel = "Model";
constexpr const char* kCiuCount = "Camera interface units";
constexpr const char* kPaging = "Paging system";
constexpr const char* kDigits = "Digits";
constexpr const char* kPriority = "Priority";
constexpr const char* kRefreshPc = "Time refresh from the PC";
constexpr const char* kRefreshSmdr = "Time refresh from SMDR";
constexpr const char* kAdminArchItem = "Administrator Arch Number ";
constexpr const char* kIdleLoopItem = "Idle loop ";
constexpr const char* kIdleDelayItem = "Idle loop delay";
constexpr const char* kIdleNoVideoItem = "Idle loop without video";
constexpr const char* kIdleEntryItem = "Idle loop entry ";
constexpr const char* kUnassignedItem = "Unassigned ";

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

class DiffCollector {
public:
    explicit DiffCollector(std::vector<DiffItem>& items) : m_items(items) {}

    void Add(const std::string& item, const std::string& self, const std::string& other) {
        if (self != other) m_items.push_back({item, self, other});
    }
    void Add(const std::string& item, int64_t self, int64_t other) {
        Add(item, std::to_string(self), std::to_string(other));
    }

private:
    std::vector<DiffItem>& m_items;
};

void CompareSystem(const ZrtConfig& a, const ZrtConfig& b, DiffCollector& out) {
    out.Add(kModel, UnitModelName(a.m_nPortCount), UnitModelName(b.m_nPortCount));
    out.Add(kCiuCount, a.m_nCiuCount, b.m_nCiuCount);
    out.Add(kPaging, PagingSystemName(a.m_nPagingSystem), PagingSystemName(b.m_nPagingSystem));
    out.Add(kDigits, a.m_nDialDigits, b.m_nDialDigits);
}

void CompareSettings(const ZrtConfig& a, const ZrtConfig& b, DiffCollector& out) {
    out.Add(kPriority, a.m_nPriority, b.m_nPriority);
    out.Add(kRefreshPc, YesNo(a.m_byTimeRefresh & kTimeRefreshPc),
            YesNo(b.m_byTimeRefresh & kTimeRefreshPc));
    out.Add(kRefreshSmdr, YesNo(a.m_byTimeRefresh & kTimeRefreshSmdr),
            YesNo(b.m_byTimeRefresh & kTimeRefreshSmdr));
    for (size_t i = 0; i < a.m_adminArch.size(); ++i)
        out.Add(kAdminArchItem + std::to_string(i + 1), a.m_adminArch[i], b.m_adminArch[i]);
}

void CompareIdleLoop(const ZrtConfig& a, const ZrtConfig& b, DiffCollector& out) {
    out.Add(kIdleDelayItem, a.m_nIdleDelay, b.m_nIdleDelay);
    out.Add(kIdleNoVideoItem, YesNo(a.m_bIdleNoVideo != 0), YesNo(b.m_bIdleNoVideo != 0));
    const size_t n = std::max(a.m_idleLoop.size(), b.m_idleLoop.size());
    for (size_t i = 0; i < n; ++i)
        out.Add(kIdleEntryItem + std::to_string(i + 1),
                i < a.m_idleLoop.size() ? a.m_idleLoop[i] : std::string(),
                i < b.m_idleLoop.size() ? b.m_idleLoop[i] : std::string());
}

// The inputs of a configuration with their labels, in tree order.
std::vector<std::pair<std::string, const CConfigNode*>> Inputs(const ZrtConfig& config) {
    std::vector<std::pair<std::string, const CConfigNode*>> inputs;
    for (const InputPlace& p : InputPlaces(config))
        inputs.emplace_back(p.Label(), &config.m_nodes[static_cast<size_t>(p.m_nIndex)]);
    return inputs;
}

void CompareInput(const std::string& label, const CConfigNode* a, const CConfigNode* b,
                  DiffCollector& out) {
    if (!a || !b) {
        out.Add(label, a ? "present" : "", b ? "present" : "");
        return;
    }
    out.Add(label + " Arch Number", a->m_strArch, b->m_strArch);
    out.Add(label + " original Arch Number", a->m_strOrigArch, b->m_strOrigArch);
    out.Add(label + " name", TrimEnd(a->m_strName), TrimEnd(b->m_strName));
    out.Add(label + " pageable", YesNo(!a->IsNonPageable()), YesNo(!b->IsNonPageable()));
}

void CompareInputs(const ZrtConfig& a, const ZrtConfig& b, DiffCollector& out) {
    std::map<std::string, const CConfigNode*> byLabel;
    for (const auto& [label, node] : Inputs(b)) byLabel.emplace(label, node);
    for (const auto& [label, node] : Inputs(a)) {
        const auto it = byLabel.find(label);
        CompareInput(label, node, it == byLabel.end() ? nullptr : it->second, out);
        if (it != byLabel.end()) byLabel.erase(it);
    }
    for (const auto& [label, node] : Inputs(b))
        if (byLabel.count(label)) CompareInput(label, nullptr, node, out);
}

std::string ZoneText(const CZoneEntry& z) {
    return std::string("unassigned") + (z.m_strName.empty() ? "" : ", " + TrimEnd(z.m_strName)) +
           (z.IsNonPageable() ? ", non-pageable" : "");
}

void CompareZones(const ZrtConfig& a, const ZrtConfig& b, DiffCollector& out) {
    std::map<std::string, std::pair<std::string, std::string>,
             bool (*)(const std::string&, const std::string&)>
        byArch(ArchNumberLess);
    for (const CZoneEntry& z : a.m_zones) byArch[z.m_strArch].first = ZoneText(z);
    for (const CZoneEntry& z : b.m_zones) byArch[z.m_strArch].second = ZoneText(z);
    for (const auto& [arch, texts] : byArch)
        out.Add(kUnassignedItem + arch, texts.first, texts.second);
}

namespace M = DocumentMessages;

std::string ShownItem(const std::string& item) {
    const std::pair<const char*, std::string> fixed[] = {
        {kModel, Tr("Document", M::kShownModel)},
        {kCiuCount, Tr("Document", M::kShownCiuCount)},
        {kPaging, Tr("Document", M::kShownPaging)},
        {kDigits, Tr("Document", M::kShownDigits)},
        {kPriority, Tr("Document", M::kShownPriority)},
        {kRefreshPc, Tr("Document", M::kShownRefreshPc)},
        {kRefreshSmdr, Tr("Document", M::kShownRefreshSmdr)},
        {kIdleDelayItem, Tr("Document", M::kShownIdleDelay)},
        {kIdleNoVideoItem, Tr("Document", M::kShownIdleNoVideo)},
    };
    for (const auto& [english, shown] : fixed)
        if (item == english) return shown;
    const std::pair<const char*, std::string> numbered[] = {
        {kAdminArchItem, Tr("Document", M::kShownAdminArch)},
        {kIdleEntryItem, Tr("Document", M::kShownIdleEntry)},
        {kUnassignedItem, Tr("Document", M::kShownUnassigned)},
    };
    for (const auto& [english, shown] : numbered)
        if (StartsWith(item, english))
            return StrFormat(shown.c_str(), item.substr(strlen(english)).c_str());
    // What follows an input's label in its items.
    const std::pair<const char*, std::string> inputItems[] = {
        {" original Arch Number", Tr("Document", M::kShownInputOrigArch)},
        {" Arch Number", Tr("Document", M::kShownInputArch)},
        {" name", Tr("Document", M::kShownInputName)},
        {" pageable", Tr("Document", M::kShownInputPageable)},
    };
    for (const auto& [suffix, shown] : inputItems) {
        const size_t n = strlen(suffix);
        if (item.size() > n && item.ends_with(suffix))
            return StrFormat(shown.c_str(), ShownLabel(item.substr(0, item.size() - n)).c_str());
    }
    return ShownLabel(item);
}

std::string ShownValue(const std::string& item, const std::string& value) {
    if (value == "yes") return Tr("Document", M::kShownYes);
    if (value == "no") return Tr("Document", M::kShownNo);
    if (value == "present") return Tr("Document", M::kShownPresent);
    if (item == kPaging && value == PagingSystemName(0)) return Tr("Document", M::kShownNoPaging);
    if (item == kPaging && value == PagingSystemName(-1))
        return Tr("Document", M::kShownUnknownPaging);
    if (StartsWith(item, kUnassignedItem) && StartsWith(value, "unassigned")) {
        std::string rest = value.substr(strlen("unassigned"));
        const std::string nonPageable = ", non-pageable";
        const bool marked = rest.ends_with(nonPageable);
        if (marked) rest.resize(rest.size() - nonPageable.size());
        return Tr("Document", M::kShownUnassignedValue) + rest +
               (marked ? Tr("Document", M::kShownNonPageable) : std::string());
    }
    return value;
}

}  // namespace

DiffItem ShownDiffItem(const DiffItem& item) {
    return {ShownItem(item.m_strItem), ShownValue(item.m_strItem, item.m_strThis),
            ShownValue(item.m_strItem, item.m_strOther)};
}

std::vector<DiffItem> CompareConfigurations(const ZrtConfig& self, const ZrtConfig& other) {
    std::vector<DiffItem> items;
    DiffCollector out{items};
    CompareSystem(self, other, out);
    CompareSettings(self, other, out);
    CompareIdleLoop(self, other, out);
    CompareInputs(self, other, out);
    CompareZones(self, other, out);
    return items;
}

int DiffItemNode(const ZrtConfig& config, const std::string& item) {
    if (config.NodeCount() < kFixedNodeCount) return -1;
    for (const char* system : {kModel, kCiuCount, kPaging, kDigits})
        if (item == system) return 0;
    if (item == kPriority || item == kRefreshPc || item == kRefreshSmdr ||
        StartsWith(item, kAdminArchItem))
        return 1;
    if (StartsWith(item, kIdleLoopItem)) return 2;
    for (const InputPlace& p : InputPlaces(config)) {
        const std::string label = p.Label();
        if (item == label || StartsWith(item, label + ' ')) return p.m_nIndex;
    }
    return -1;
}

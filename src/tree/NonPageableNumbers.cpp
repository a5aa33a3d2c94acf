#include "tree/NonPageableNumbers.h"

#include <string>

#include "tree/TreeMessages.h"

namespace {

constexpr int kFirstCandidate = 9999;
constexpr int kLastCandidate = 10;

bool IsFree(const CZRTProDoc& doc, const std::string& arch) {
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
        if (doc.IsInput(i) && doc.m_nodes[i].m_strArch == arch) return false;
    return true;
}

}  // namespace

std::vector<int> GiveNonPageableNumbers(CZRTProDoc& doc, Prompter& prompter) {
    std::vector<int> numbered;
    int counter = kFirstCandidate + 1;
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i) {
        CConfigNode& n = doc.m_nodes[i];
        if (n.m_nInputCode != kInputCodeUnset) continue;
        std::string candidate;
        do {
            --counter;
            candidate = std::to_string(counter);
        } while (counter >= kLastCandidate && !IsFree(doc, candidate));
        if (counter < kLastCandidate) {
            prompter.Message(Tr("Tree", TreeMessages::kNoUnusedArch));
            candidate = std::to_string(kLastCandidate);
        }
        n.MakeNonPageable();
        n.m_nZoneId = n.m_nOrigZoneId = kZoneIdNonPageable;
        n.m_strName.clear();
        n.m_strArch = n.m_strOrigArch = candidate;
        n.m_strOrigName = n.m_strName;
        n.m_nInputCode = CConfigNode::DerivedInputCode(n.m_nSignedCode);
        n.m_pPageClass = PageKind::CZRTForm;
        numbered.push_back(i);
    }
    return numbered;
}

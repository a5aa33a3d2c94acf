#include "tree/FindInput.h"

#include "model/Format.h"
#include "model/TrimText.h"
#include "tree/TreeMessages.h"

namespace {

// Latin-1 letters in lower case, as the tree shows the stored bytes.
unsigned char Folded(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    return c;
}

std::string FoldedText(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(Folded(static_cast<unsigned char>(c)));
    return out;
}

bool Holds(const std::string& field, const std::string& foldedText) {
    return FoldedText(field).find(foldedText) != std::string::npos;
}

bool Matches(const CConfigNode& node, const std::string& foldedText) {
    return Holds(node.m_strArch, foldedText) || Holds(node.m_strOrigArch, foldedText) ||
           Holds(node.m_strName, foldedText);
}

int ChosenPosition(const std::vector<int>& nodes, int node, FindFrom from) {
    if (nodes.empty()) return -1;
    const int count = static_cast<int>(nodes.size());
    if (from == FindFrom::Before) {
        for (int k = count - 1; k >= 0; --k)
            if (nodes[static_cast<size_t>(k)] < node) return k;
        return count - 1;
    }
    for (int k = 0; k < count; ++k) {
        const int n = nodes[static_cast<size_t>(k)];
        if (n > node || (n == node && from == FindFrom::AtOrAfter)) return k;
    }
    return 0;
}

}  // namespace

InputMatches FindInputs(const CZRTProDoc& doc, const std::string& text, int node, FindFrom from) {
    InputMatches matches;
    const std::string folded = FoldedText(Trim(text));
    if (folded.empty()) return matches;
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i) {
        const CConfigNode& n = doc.m_nodes[static_cast<size_t>(i)];
        // Only what the tree shows can be selected.
        if (doc.IsInput(i) && n.m_hItem && Matches(n, folded)) matches.m_nodes.push_back(i);
    }
    matches.m_nChosen = ChosenPosition(matches.m_nodes, node, from);
    return matches;
}

std::string FindSummary(const InputMatches& matches, const std::string& text) {
    if (Trim(text).empty()) return {};
    if (matches.m_nChosen < 0) return Tr("Tree", TreeMessages::kFindNoMatch);
    return StrFormat(Tr("Tree", TreeMessages::kFindPosition).c_str(), matches.m_nChosen + 1,
                     static_cast<int>(matches.m_nodes.size()));
}

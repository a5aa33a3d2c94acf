#include "tree/BuildTree.h"

#include <cstdio>

#include "model/Format.h"
#include "model/NodeLabels.h"
#include "model/TrimText.h"
#include "tree/NodePlaces.h"
#include "tree/NonPageableNumbers.h"
#include "tree/TreeMessages.h"

namespace {

struct TreeBuild {
    CZRTProDoc& m_doc;
    TreeSink& m_tree;
    TreeItem m_root = nullptr;

    CConfigNode& Node(int i) { return m_doc.m_nodes[static_cast<size_t>(i)]; }

    void AppendFixedNodes() {
        m_doc.m_nodes.clear();
        for (const char* arch : {TreeMessages::kOverviewArch, TreeMessages::kSettingsArch,
                                 TreeMessages::kIdleLoopArch}) {
            CConfigNode n;
            n.m_strArch = n.m_strOrigArch = arch;
            n.m_nZoneId = n.m_nOrigZoneId = kZoneIdFixed;
            n.m_nInputCode = kInputCodeUnset;
            n.m_nSignedCode = kSignedCodeFixed;
            m_doc.m_nodes.push_back(n);
        }
    }

    void DrawFixedItems(const std::string& rootText) {
        m_root = m_tree.InsertItem(nullptr, ShownLabel(rootText));
        const TreeItem settings = m_tree.InsertItem(m_root, ShownLabel(NodeLabels::kSettingsLabel));
        const TreeItem idle = m_tree.InsertItem(m_root, ShownLabel(NodeLabels::kIdleLoopLabel));
        Place(0, rootText, m_root, PageKind::testview);
        Place(1, NodeLabels::kSettingsLabel, settings, PageKind::CSettingsForm);
        Place(2, NodeLabels::kIdleLoopLabel, idle, PageKind::CIdleLoopForm);
    }

    void Place(int i, const std::string& label, TreeItem item, PageKind page) {
        CConfigNode& n = Node(i);
        n.m_strLabel = label;
        n.m_hItem = item;
        n.m_pPageClass = page;
    }

    // First pass of a new build: the port and input nodes, none with a number yet.
    void AppendPortNodes(int ciuCount, int portCount) {
        int running = 0;
        for (int p = 1; p <= portCount; ++p) {
            const std::string portLabel = StrFormat(NodeLabels::kInputLabelFormat, p);
            if (p <= ciuCount) {
                CConfigNode port;
                port.m_nZoneId = port.m_nOrigZoneId = kZoneIdCiuPort;
                port.m_nInputCode = kInputCodeCiuPort;
                port.m_nSignedCode = kSignedCodeCiuPortBuilt;
                port.m_pPageClass = PageKind::CInfoForm;
                port.m_strLabel = portLabel;
                port.m_hItem = m_tree.InsertItem(m_root, ShownLabel(portLabel));
                m_doc.m_nodes.push_back(port);
                for (int i = 1; i <= kCiuInputs; ++i)
                    AppendInput(InputCodeOf(p - 1, i - 1),
                                StrFormat(NodeLabels::kCiuInputLabelFormat, p, i), port.m_hItem,
                                running++);
            } else {
                AppendInput(InputCodeOf(p - 1, 0), portLabel, m_root, running++);
            }
        }
    }

    void AppendInput(int32_t code, const std::string& label, TreeItem parent, int32_t zoneId) {
        CConfigNode n;
        n.m_nZoneId = n.m_nOrigZoneId = zoneId;
        n.m_nInputCode = kInputCodeUnset;
        n.m_nSignedCode = code;
        n.m_pPageClass = PageKind::CUnusedArchForm;
        n.m_strLabel = label;
        n.m_hItem = m_tree.InsertItem(parent, ShownLabel(label));
        m_doc.m_nodes.push_back(n);
    }

    // Second pass of a new build: the first `count` inputs in node order get a
    // record's zone or the generated number firstNumber + k.
    void AssignNumbers(const std::vector<CImportRecord>* records, int count, int firstNumber) {
        int k = 0;
        for (int i = kFixedNodeCount; i < m_doc.NodeCount(); ++i) {
            CConfigNode& n = Node(i);
            if (n.m_nInputCode == kInputCodeCiuPort) continue;
            ++k;
            if (k > count || (records && k > static_cast<int>(records->size()))) return;
            if (records) {
                const CImportRecord& r = (*records)[static_cast<size_t>(k - 1)];
                n.m_strArch = Trim(r.m_strArch, kBlanks);
                n.m_strName = r.m_strName;
                n.m_nZoneId = n.m_nOrigZoneId = r.m_nZoneId;
            } else {
                n.m_strArch = std::to_string(firstNumber + k);
            }
            n.m_strOrigArch = n.m_strArch;
            n.m_strOrigName = n.m_strName;
            n.m_nInputCode = n.m_nSignedCode;
            n.m_pPageClass = PageKind::CZRTForm;
            SetNodeItemText(m_doc, m_tree, i);
        }
    }

    // A loaded node list: only the items, labels and pages are made.
    void DrawLoadedPorts() {
        TreeItem portItem = nullptr;
        for (const NodePlace& place : NodePlaces(m_doc)) {
            const std::string label = place.Label();
            if (place.m_nInput == 0) {
                portItem = m_tree.InsertItem(m_root, ShownLabel(label));
                Place(place.m_nIndex, label, portItem,
                      place.IsUnitPort() ? PageKind::CInfoForm : PageKind::CZRTForm);
            } else {
                Place(place.m_nIndex, label, m_tree.InsertItem(portItem, ShownLabel(label)),
                      PageKind::CZRTForm);
            }
            if (!place.IsUnitPort()) SetNodeItemText(m_doc, m_tree, place.m_nIndex);
        }
    }
};

}  // namespace

int BuildTree(CZRTProDoc& doc, TreeSink& tree, Prompter& prompter,
              const std::vector<CImportRecord>* records, bool rebuild, int count, int firstNumber,
              int ciuCount, int portCount) {
    doc.m_nCiuCount = ciuCount;
    doc.m_nPortCount = portCount;
    tree.DeleteAllItems();
    const std::string rootText = SystemLabel(doc.GetTitle());

    TreeBuild build{doc, tree};
    if (!rebuild) build.AppendFixedNodes();
    if (doc.NodeCount() < kFixedNodeCount) return 0;
    build.DrawFixedItems(rootText);
    if (rebuild) {
        build.DrawLoadedPorts();
    } else {
        build.AppendPortNodes(ciuCount, portCount);
        build.AssignNumbers(records, count, firstNumber);
    }

    for (const int i : GiveNonPageableNumbers(doc, prompter)) SetNodeItemText(doc, tree, i);

    if (!rebuild) {
        if (!(records && doc.m_nPagingSystem == kPagingLunetta))
            doc.m_adminArch = {501, 502, 503, 504};
        doc.m_idleLoop.clear();
        for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
            if (doc.m_nodes[i].m_nInputCode == 0) {
                doc.m_idleLoop.push_back(doc.m_nodes[i].m_strArch);
                break;
            }
    }

    tree.Expand(build.m_root);
    tree.SelectItem(build.m_root);
    RefreshTreeMarks(doc, tree);
    doc.m_bTreeBuilt = true;
    return 0;
}

void RefreshTreeMarks(const CZRTProDoc& doc, TreeSink& tree) {
    const int count = doc.NodeCount();
    if (count > 1) {
        const int fixedImages[] = {kImageRoot, kImageSettings, kImageIdleLoop};
        for (int i = 0; i < kFixedNodeCount && i < count; ++i)
            if (doc.m_nodes[i].m_hItem) tree.SetItemImage(doc.m_nodes[i].m_hItem, fixedImages[i]);
    }
    for (int i = kFixedNodeCount; i < count; ++i) {
        const CConfigNode& n = doc.m_nodes[i];
        if (!n.m_hItem) continue;
        if (n.m_nInputCode < 0) tree.SetItemImage(n.m_hItem, kImageCiuPort);
        if (!doc.IsInput(i)) continue;
        bool conflict = false;
        for (int j = kFixedNodeCount; j < count && !conflict; ++j)
            conflict = j != i && doc.CarriesArch(j) && doc.m_nodes[j].m_strArch == n.m_strArch;
        tree.SetItemState(n.m_hItem, conflict ? kStateConflict : kStateClear);
        tree.SetItemImage(n.m_hItem, n.IsNonPageable() ? kImageNonPageable : kImagePageable);
    }
}

std::string InputItemText(const CConfigNode& node) {
    return ShownLabel(node.m_strLabel) + ", " + node.m_strArch + "  " + node.m_strName;
}

std::string NodeItemText(const CZRTProDoc& doc, int index) {
    const CConfigNode& n = doc.m_nodes[static_cast<size_t>(index)];
    return doc.IsInput(index) ? InputItemText(n) : ShownLabel(n.m_strLabel);
}

void RefreshInputItems(const CZRTProDoc& doc, TreeSink& tree) {
    for (int i = 0; i < doc.NodeCount(); ++i)
        if (doc.IsInput(i) && doc.m_nodes[static_cast<size_t>(i)].m_hItem)
            SetNodeItemText(doc, tree, i);
    RefreshTreeMarks(doc, tree);
}

void SetNodeItemText(const CZRTProDoc& doc, TreeSink& tree, int index) {
    if (index < 0 || index >= doc.NodeCount()) return;
    const TreeItem item = doc.m_nodes[static_cast<size_t>(index)].m_hItem;
    if (item) tree.SetItemText(item, NodeItemText(doc, index));
}

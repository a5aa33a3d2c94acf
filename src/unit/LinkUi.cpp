#include "unit/LinkUi.h"

void BeginLinkUi(UnitContext& c) {
    c.m_ui.ShowLinkPage(c.m_state.m_bBusy);
    c.m_state.m_bBusy = true;
    c.m_prompter.Pump();
    c.m_prompter.SetStatusText("");
}

void EndLinkUi(UnitContext& c) {
    if (!c.m_state.m_bBusy) return;
    TreeItem item = c.m_tree.SelectedItem();
    c.m_prompter.SetStatusText("");
    c.m_state.m_bBusy = false;
    if (!item) {
        item = c.m_tree.RootItem();
        if (item) c.m_tree.SelectItem(item);
    }
    int node = c.m_doc.FindNodeByItem(item);
    if (node < 0) {
        item = c.m_tree.RootItem();
        if (item) c.m_tree.SelectItem(item);
        node = c.m_doc.NodeCount() > 0 ? 0 : -1;
    }
    c.m_ui.RestorePage(node, item);
}

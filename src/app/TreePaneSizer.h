#pragma once

#include <QObject>

#include "model/Profile.h"

class QSplitter;
class QTreeWidget;

// Keeps the tree pane usable whatever the window's size: it never gets
// narrower than its widest label (at most 180 px) nor than any input's place
// and number ("exp 8, inp 24, 9999"), a smaller window takes its
// width from the page first, and a window grown again gives the tree back the
// width the user chose. The width is kept in the profile between runs.
class TreePaneSizer : public QObject {
public:
    TreePaneSizer(QSplitter& splitter, QTreeWidget& tree, Profile& profile, int standardWidth);

    // The narrowest the tree may be, from the labels it shows now.
    int MinimumWidth() const;
    // Call when the tree's labels changed.
    void Refresh();
    // Stores the width for the next run, never below the minimum.
    void Save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebalance();

    QSplitter& m_splitter;
    QTreeWidget& m_tree;
    Profile& m_profile;
    int m_nPreferred;
    bool m_bRebalancePosted = false;
};

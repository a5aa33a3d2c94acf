#pragma once

#include "model/TreeItem.h"
#include "unit/WriteConfirmation.h"

// What the main window does around a transfer with the unit. The core decides
// when; the window shows it. Every hook does nothing by default, which is what
// the command-line tool and the tests need.
class LinkUiHooks {
public:
    virtual ~LinkUiHooks() = default;
    // Shows the progress page in the right pane and removes the close box.
    // With `wasBusy` the window style saved at the earlier entry stays the saved one.
    virtual void ShowLinkPage(bool wasBusy) { (void)wasBusy; }
    // Restores the saved window style and shows the page of node `nodeIndex`
    // (-1 when there is no node) for tree item `item`.
    virtual void RestorePage(int nodeIndex, TreeItem item) {
        (void)nodeIndex;
        (void)item;
    }
    virtual void SetWaitCursor(bool on) { (void)on; }
    // Starts the one-shot 100 ms relayout of the window after a write; false
    // when the timer cannot be made.
    virtual bool StartRelayoutTimer() { return true; }
    // With the copy of the unit's memory kept and nothing erased yet: shows
    // what the write will change; false stops the write there.
    virtual bool ConfirmWrite(const WriteConfirmation& what) {
        (void)what;
        return true;
    }
};

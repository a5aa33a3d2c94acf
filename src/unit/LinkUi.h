#pragma once

#include "unit/UnitContext.h"

// Enters the busy state of a transfer: progress page, no close box, a chance
// to repaint, an empty status text.
void BeginLinkUi(UnitContext& c);

// Leaves the busy state, if set: the page of the selected tree item (the root
// when nothing is selected) comes back.
void EndLinkUi(UnitContext& c);

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    explicit WaitCursor(LinkUiHooks& ui) : m_ui(ui) { m_ui.SetWaitCursor(true); }
    ~WaitCursor() { m_ui.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    LinkUiHooks& m_ui;
};

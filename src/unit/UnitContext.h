#pragma once

#include "document/MainState.h"
#include "model/CZRTProDoc.h"
#include "model/Prompter.h"
#include "model/RecentFiles.h"
#include "tree/TreeSink.h"
#include "unit/LinkUiHooks.h"
#include "unit/UnitClock.h"
#include "unit/UnitLink.h"

// Everything the unit operations work on: the document and its tree, the
// user, the main window's unit state and hooks, the link and the clock; and
// the recent files, which a save made in Read's save question enters.
struct UnitContext {
    CZRTProDoc& m_doc;
    TreeSink& m_tree;
    Prompter& m_prompter;
    MainState& m_state;
    UnitLink& m_link;
    LinkUiHooks& m_ui;
    UnitClock& m_clock;
    RecentFiles* m_pRecent = nullptr;
};

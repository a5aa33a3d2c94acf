#pragma once

#include "document/MainState.h"
#include "model/CZRTProDoc.h"
#include "model/Profile.h"
#include "model/Prompter.h"
#include "tree/TreeSink.h"

// What every right-hand page works on. The page holds no copy of the model:
// every change goes straight into the document.
struct PageContext {
    CZRTProDoc& m_doc;
    TreeSink& m_tree;
    Prompter& m_prompter;
    Profile& m_profile;
    MainState& m_main;
};

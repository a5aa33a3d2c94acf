#pragma once

#include <string>

#include "cli/CliPrompter.h"
#include "model/CZRTProDoc.h"
#include "tree/MemoryTree.h"

// A configuration as the command-line tool holds it: the document, its tree
// and the prompter that prints the program's messages.
struct CliDocument {
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    CliPrompter m_prompter;

    // Opens a .zrt file and builds its tree, as the window does.
    bool Open(const std::string& path);
};

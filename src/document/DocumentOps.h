#pragma once

#include <string>

#include "document/MainState.h"
#include "model/CZRTProDoc.h"
#include "model/ProcessRunner.h"
#include "model/Prompter.h"
#include "model/RecentFiles.h"
#include "tree/TreeSink.h"

// What the document's file operations work on: the document, the tree that
// shows it, the user, the main window's unit state (null before the main
// window exists) and how helper programs run (null: spawned and waited for).
struct DocumentContext {
    CZRTProDoc& m_doc;
    TreeSink& m_tree;
    Prompter& m_prompter;
    MainState* m_pMain = nullptr;
    ProcessRunner* m_pProcesses = nullptr;
    // The File menu's recent files: every save enters it, also one made by
    // answering Yes to the save question of another command.
    RecentFiles* m_pRecent = nullptr;
};

// Opens a configuration file and rebuilds the tree from it. Fails without a
// message while the main window is busy or absent. A file that cannot be
// opened leaves the current configuration, its path name, title and pending
// unit password exactly as they were.
bool OpenConfiguration(DocumentContext& ctx, const std::string& path);

// Writes the configuration to `path`, refusing while Arch Numbers conflict.
// The file on disk changes only when the whole new file has been written; the
// saved file enters the recent files.
bool SaveConfiguration(DocumentContext& ctx, const std::string& path);

// File > Save (or Save As with `askName`): asks for a file name when the
// document has none, then saves.
bool SaveDocument(DocumentContext& ctx, bool askName);

// Asked before the configuration is replaced or the program ends: the conflict
// question, then "Save changes to %1?". True to go on.
bool ConfirmLeave(DocumentContext& ctx);

// The framework's own question before a modified document is dropped:
// "Save changes to %1?". True to go on (saved, or not to be saved).
bool AskSaveChanges(DocumentContext& ctx);

// Why the configuration file at `path` cannot be opened, naming the file and
// the reason; empty when it can.
std::string OpenProblem(const std::string& path);

// File > Open after the file has been chosen, a file dropped on the window or
// named by a second start. A file that cannot be opened is named with its
// reason before any question, and nothing changes.
bool OpenDocumentFile(DocumentContext& ctx, const std::string& path);

// File > New after its save question (AskSaveChanges): an empty untitled
// document that keeps its nodes until the wizard builds anew. True when the
// wizard is to run.
bool ClearForNew(DocumentContext& ctx);

// What File > New puts aside before the wizard runs: a New that ends without
// a configuration of its own (the wizard cancelled, its build failed, or the
// unit read it asked for never happened) gives all of it back, so the window
// shows the same configuration, tree labels, name and modified mark as before.
// The password waiting for a write is not given back: New drops it, so that a
// unit read or built after New never receives the previous site's password.
struct DocumentSnapshot {
    CZRTProDoc m_doc;
    std::string m_strRootLabel;
};

DocumentSnapshot TakeSnapshot(const DocumentContext& ctx);
void RestoreSnapshot(DocumentContext& ctx, const DocumentSnapshot& snapshot);

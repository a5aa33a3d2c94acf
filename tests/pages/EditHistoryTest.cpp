#include <gtest/gtest.h>

#include <functional>

#include "document/DocumentMessages.h"
#include "document/EditHistory.h"
#include "model/ZrtCodec.h"
#include "pages/ArchAssign.h"
#include "pages/EditLabels.h"
#include "pages/IdleLoopEditor.h"
#include "pages/PageMessages.h"
#include "pages/SettingsOps.h"
#include "support/Configs.h"
#include "tree/ArchRules.h"

namespace {

// A site of one camera interface unit and three direct inputs, numbered from
// 101, with a spare zone 300 and a short idle loop, just opened from its file.
struct Site {
    Site() {
        BuildNumbered(m_doc, m_tree, 4, 1, 100);
        m_doc.m_zones = {{"300", PadName("Spare"), 40}};
        m_doc.m_idleLoop = {"101", "102", "103"};
        m_doc.m_adminArch = {501, 502, 503, 504};
        m_doc.m_bConflicts = 0;
        m_doc.SetModifiedFlag(false);
        m_nInput = NodeLabelled(m_doc, "exp 1, inp 4");
        m_tree.SelectItem(Item());
    }
    TreeItem Item() const { return m_doc.m_nodes[static_cast<size_t>(m_nInput)].m_hItem; }
    void Assign(int n, const std::string& arch, int32_t zoneId) {
        AssignArch(m_doc, m_tree, n, arch, PadName("Moved"), zoneId);
    }
    // The idle loop page's editor, loaded, with Arch Number line `arch` and loop line `idle`
    // selected.
    IdleLoopEditor Editor(int arch, int idle) {
        IdleLoopEditor editor(m_doc, m_prompter);
        editor.Load();
        editor.SelectArch(arch);
        editor.SelectIdle(idle);
        return editor;
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    int m_nInput = -1;
};

// Every kind of edit the pages and the tree make: undone it gives back the
// configuration byte for byte, redone the edited one, and the modified mark
// follows the saved point the opened file is.
TEST(EditHistory, EveryKindOfEditIsUndoneAndRedoneExactly) {
    using Edit = std::function<std::string(Site&)>;  // makes the edit, returns its step's name
    const struct {
        const char* what;
        std::function<void(Site&)> prepare;
        Edit edit;
        std::string label;  // when the name is fixed
    } cases[] = {
        {"assignment from the list",
         {},
         [](Site& s) {
             const ArchRow row{"300", PadName("Spare"), kListIconUnassigned, kListStateNone, 40};
             ApplyArchSelection(s.m_doc, s.m_tree, s.m_prompter, s.Item(), &row);
             return AssignLabel(s.m_doc, s.m_nInput);
         },
         "Assign 300 to exp 1, inp 4"},
        {"edit dialog",
         {},
         [](Site& s) {
             ApplyArchEdit(s.m_doc, s.m_tree, s.m_nInput, "555", "Lobby");
             return ArchEditLabel(s.m_doc, s.m_nInput);
         },
         "Edit Arch Number and Name of exp 1, inp 4"},
        {"reset to original", [](Site& s) { s.Assign(s.m_nInput, "300", 40); },
         [](Site& s) {
             ResetCurrentArch(s.m_doc, s.m_tree, s.m_prompter);
             return ResetLabel(s.m_doc, s.m_nInput);
         },
         "Reset exp 1, inp 4 to Original"},
        {"reset all",
         [](Site& s) {
             s.Assign(s.m_nInput, "300", 40);
             s.Assign(s.m_nInput + 1, "77", -1);
         },
         [](Site& s) {
             ResetAllArchNumbers(s.m_doc, s.m_tree);
             return std::string(PageMessages::kEditResetAll);
         },
         "Reset All Arch Numbers"},
        {"idle loop add",
         {},
         [](Site& s) {
             IdleLoopEditor e = s.Editor(5, 3);
             const std::string label = IdleAddLabel(e);
             e.Add();
             return label;
         },
         "Add to Idle Loop"},
        {"idle loop insert",
         {},
         [](Site& s) {
             IdleLoopEditor e = s.Editor(5, 1);
             const std::string label = IdleAddLabel(e);
             e.Add();
             return label;
         },
         "Insert into Idle Loop"},
        {"idle loop delete",
         {},
         [](Site& s) {
             s.Editor(0, 1).Remove();
             return std::string(PageMessages::kEditIdleDelete);
         },
         ""},
        {"idle loop clear",
         {},
         [](Site& s) {
             s.Editor(0, 0).Clear();
             return std::string(PageMessages::kEditIdleClear);
         },
         ""},
        {"idle loop add all",
         {},
         [](Site& s) {
             s.Editor(0, 3).AddAll();
             return std::string(PageMessages::kEditIdleAddAll);
         },
         ""},
        {"idle loop move",
         {},
         [](Site& s) {
             s.Editor(0, 0).Move(0, 3);
             return std::string(PageMessages::kEditIdleMove);
         },
         ""},
        {"idle loop delay",
         {},
         [](Site& s) {
             s.Editor(0, 0).SetDelay("42");
             return std::string(PageMessages::kEditIdleDelay);
         },
         ""},
        {"idle loop no video",
         {},
         [](Site& s) {
             s.Editor(0, 0).SetNoVideo(true);
             return std::string(PageMessages::kEditIdleNoVideo);
         },
         ""},
        {"priority",
         {},
         [](Site& s) {
             SetPriority(s.m_doc, 1);
             return std::string(PageMessages::kEditPriority);
         },
         ""},
        {"administrator order",
         {},
         [](Site& s) {
             MoveAdmin(s.m_doc, s.m_prompter, 0, false);
             return std::string(PageMessages::kEditAdminDown);
         },
         ""},
        {"clock refresh",
         {},
         [](Site& s) {
             SetTimeRefresh(s.m_doc, kTimeRefreshPc, true);
             return std::string(PageMessages::kEditTimeFromPc);
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Site s;
        if (c.prepare) c.prepare(s);
        s.m_doc.SetModifiedFlag(false);
        EditHistory history;
        history.Start(s.m_doc);
        const std::string before = EncodeZrt(s.m_doc);
        const std::string label = c.edit(s);
        history.Record(s.m_doc, label, s.Item());
        const std::string after = EncodeZrt(s.m_doc);
        ASSERT_NE(before, after);
        if (!c.label.empty()) {
            EXPECT_EQ(label, c.label);
        }
        EXPECT_EQ(history.UndoLabel(), label);
        EXPECT_EQ(history.UndoPlace(), s.Item());
        EXPECT_TRUE(s.m_doc.IsModified());

        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(history.Undo(s.m_doc));
            EXPECT_EQ(EncodeZrt(s.m_doc), before);
            EXPECT_FALSE(s.m_doc.IsModified());
            EXPECT_FALSE(history.CanUndo());
            EXPECT_EQ(history.RedoLabel(), label);
            ASSERT_TRUE(history.Redo(s.m_doc));
            EXPECT_EQ(EncodeZrt(s.m_doc), after);
            EXPECT_TRUE(s.m_doc.IsModified());
            EXPECT_FALSE(history.CanRedo());
        }
        // The restored nodes still name their tree items.
        EXPECT_EQ(s.m_doc.FindNodeByItem(s.Item()), s.m_nInput);
    }
}

TEST(EditHistory, SaveMarksThePointWhereTheDocumentIsUnmodified) {
    Site s;
    EditHistory history;
    history.Start(s.m_doc);
    SetPriority(s.m_doc, 1);
    history.Record(s.m_doc, "one", nullptr);
    SetPriority(s.m_doc, 3);
    history.Record(s.m_doc, "two", nullptr);
    history.MarkSaved();
    s.m_doc.SetModifiedFlag(false);

    history.Undo(s.m_doc);
    EXPECT_TRUE(s.m_doc.IsModified());
    history.Undo(s.m_doc);
    EXPECT_TRUE(s.m_doc.IsModified());
    history.Redo(s.m_doc);
    history.Redo(s.m_doc);
    EXPECT_FALSE(s.m_doc.IsModified());

    // A new edit after an undo drops the saved step: no state is the file any more.
    history.Undo(s.m_doc);
    SetTimeRefresh(s.m_doc, kTimeRefreshPc, true);
    history.Record(s.m_doc, "three", nullptr);
    EXPECT_FALSE(history.CanRedo());
    for (int n = 0; n < 2; ++n) {
        history.Undo(s.m_doc);
        EXPECT_TRUE(s.m_doc.IsModified());
    }

    // A history started on a configuration never saved (an import, a read) has no saved point.
    s.m_doc.SetModifiedFlag(true);
    history.Start(s.m_doc);
    SetPriority(s.m_doc, 1);
    history.Record(s.m_doc, "one", nullptr);
    history.Undo(s.m_doc);
    EXPECT_TRUE(s.m_doc.IsModified());
}

TEST(EditHistory, TypedFieldIsOneStepWhenCommitted) {
    Site s;
    EditHistory history;
    history.Start(s.m_doc);
    const std::string start = EncodeZrt(s.m_doc);
    IdleLoopEditor editor = s.Editor(0, 0);
    const char* delay = PageMessages::kEditIdleDelay;
    for (const char* text : {"4", "", "45"}) {
        editor.SetDelay(text);
        history.Record(s.m_doc, delay, s.Item(), true);
    }
    history.EndTyping();
    const std::string first = EncodeZrt(s.m_doc);
    for (const char* text : {"4", "46"}) {
        editor.SetDelay(text);
        history.Record(s.m_doc, delay, s.Item(), true);
    }
    EXPECT_EQ(history.StepCount(), 2u);
    history.Undo(s.m_doc);
    EXPECT_EQ(EncodeZrt(s.m_doc), first);
    history.Undo(s.m_doc);
    EXPECT_EQ(EncodeZrt(s.m_doc), start);

    // Typed back to the value it had: no step is left, and the mark clears.
    history.Start(s.m_doc);
    for (const char* text : {"9", "3"}) {
        editor.SetDelay(text);
        history.Record(s.m_doc, delay, s.Item(), true);
    }
    EXPECT_EQ(s.m_doc.m_nIdleDelay, 3);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(s.m_doc.IsModified());
}

// Operations that mark the document before they know whether anything
// changed: the mark goes back to what the history has, unsaved or not.
TEST(EditHistory, EditThatChangesNothingIsNoStepAndLeavesTheMark) {
    const std::function<void(Site&)> noOps[] = {
        [](Site& s) { SetPriority(s.m_doc, s.m_doc.m_nPriority); },
        [](Site& s) { ResetAllArchNumbers(s.m_doc, s.m_tree); },
    };
    for (const auto& noOp : noOps) {
        Site s;
        EditHistory history;
        history.Start(s.m_doc);
        noOp(s);
        history.Record(s.m_doc, PageMessages::kEditPriority, nullptr);
        EXPECT_FALSE(history.CanUndo());
        EXPECT_FALSE(s.m_doc.IsModified());
        EXPECT_FALSE(history.Undo(s.m_doc));
        EXPECT_FALSE(history.Redo(s.m_doc));

        SetPriority(s.m_doc, s.m_doc.m_nPriority == 1 ? 2 : 1);
        history.Record(s.m_doc, PageMessages::kEditResetAll, nullptr);
        noOp(s);
        history.Record(s.m_doc, PageMessages::kEditPriority, nullptr);
        EXPECT_EQ(history.UndoLabel(), PageMessages::kEditResetAll);
        EXPECT_TRUE(s.m_doc.IsModified());
        history.MarkSaved();
        s.m_doc.SetModifiedFlag(false);
        SetPriority(s.m_doc, s.m_doc.m_nPriority);
        history.Record(s.m_doc, PageMessages::kEditPriority, nullptr);
        EXPECT_FALSE(s.m_doc.IsModified());
    }
}

TEST(EditHistory, OldestStepsGoPastTheLimit) {
    Site s;
    EditHistory history;
    history.Start(s.m_doc);
    std::string second;
    for (int n = 1; n <= static_cast<int>(EditHistory::kStepLimit) + 1; ++n) {
        s.m_doc.m_nIdleDelay = n % 50 + 10;
        history.Record(s.m_doc, std::to_string(n), nullptr);
        if (n == 1) second = EncodeZrt(s.m_doc);
    }
    EXPECT_EQ(history.StepCount(), EditHistory::kStepLimit);
    while (history.Undo(s.m_doc)) {
    }
    EXPECT_EQ(EncodeZrt(s.m_doc), second);
    EXPECT_EQ(history.RedoLabel(), "2");
}

// Undoing the assignment that made two inputs share a number clears the
// flag that refuses a save; redoing it sets the flag again.
TEST(EditHistory, ConflictFlagFollowsTheNumbers) {
    Site s;
    EditHistory history;
    history.Start(s.m_doc);
    s.Assign(s.m_nInput, s.m_doc.m_nodes[static_cast<size_t>(s.m_nInput + 1)].m_strArch, 41);
    s.m_doc.CheckArchConflicts();
    history.Record(s.m_doc, "clash", s.Item());
    ASSERT_EQ(s.m_doc.m_bConflicts, 1);
    history.Undo(s.m_doc);
    EXPECT_EQ(s.m_doc.m_bConflicts, 0);
    history.Redo(s.m_doc);
    EXPECT_EQ(s.m_doc.m_bConflicts, 1);
}

}  // namespace

// What the window reported stays true until the configuration is replaced:
// a fresh start, or an import taken back or made again; edits keep it.
TEST(EditHistory, GenerationCountsReplacedConfigurations) {
    Site s;
    EditHistory history;
    history.Start(s.m_doc);
    const size_t started = history.Generation();
    SetPriority(s.m_doc, s.m_doc.m_nPriority == 1 ? 2 : 1);
    history.Record(s.m_doc, PageMessages::kEditPriority, nullptr);
    history.Undo(s.m_doc);
    history.Redo(s.m_doc);
    EXPECT_EQ(history.Generation(), started);
    s.m_doc.m_nIdleDelay = 8;
    history.Record(s.m_doc, DocumentMessages::kEditImportCsv, nullptr);
    EXPECT_EQ(history.Generation(), started);
    history.Undo(s.m_doc);
    EXPECT_EQ(history.Generation(), started + 1);
    history.Redo(s.m_doc);
    EXPECT_EQ(history.Generation(), started + 2);
    history.Start(s.m_doc);
    EXPECT_EQ(history.Generation(), started + 3);
}

#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "model/CZRTProDoc.h"
#include "model/TreeItem.h"

// The edits made to the configuration since it was last replaced (New, Open,
// an import or a read from the unit), for Edit > Undo and Redo. Every state
// is kept whole, so taking a step back or forth gives exactly the
// configuration as it was. Each step is named for the menu and remembers the
// tree item it was made at, so the window can show it again.
class EditHistory {
public:
    // The oldest steps go once this many are kept.
    static constexpr size_t kStepLimit = 100;

    // Starts afresh on the configuration as it stands now: nothing to undo or
    // redo. An unmodified document is the saved point.
    void Start(const CZRTProDoc& doc);

    // After an edit of `doc`: one step from the configuration recorded last to
    // this one. When the configuration is the same no step is made and the
    // modified mark is put back as the recorded state has it. The steps
    // that could be redone go. A typed edit (`typing`) joins the step before
    // while that is the same field still being typed (same label and item,
    // nothing recorded, undone or saved between); EndTyping closes it.
    void Record(CZRTProDoc& doc, const std::string& label, TreeItem place, bool typing = false);
    // The typed field was committed: the next keystroke starts a new step.
    void EndTyping() { m_bTyping = false; }

    bool CanUndo() const { return m_nDone > 0; }
    bool CanRedo() const { return m_nDone < m_steps.size(); }
    // The names of the steps Undo and Redo take; empty when there is none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // The tree items the steps were made at; null when there is none.
    TreeItem UndoPlace() const;
    TreeItem RedoPlace() const;

    // Put the configuration before the last step (after the next one) back
    // into `doc`. The modified mark is cleared at the saved point and set
    // anywhere else; the conflict flag follows the numbers. False when there
    // is nothing to take.
    bool Undo(CZRTProDoc& doc);
    bool Redo(CZRTProDoc& doc);

    // The configuration as it stands has been saved.
    void MarkSaved();

    size_t StepCount() const { return m_steps.size(); }

    // Counts the times the configuration was replaced: each Start, and each
    // Undo or Redo of an import. What the window reported about a configuration
    // (a transfer's result, a failed verify's cells) belongs to one count.
    size_t Generation() const { return m_nGeneration; }

    // Counts every change of the configuration the history follows: each
    // Start, each step recorded (every keystroke of a typed one), each Undo and
    // Redo. What a page showed at one count is not what the configuration
    // holds at another.
    size_t Revision() const { return m_nRevision; }

    // Told after every change Revision counts, once the history holds it.
    std::function<void()> m_changed;

private:
    struct Step {
        std::string m_strLabel;
        TreeItem m_hPlace = nullptr;
        ZrtConfig m_after;
    };

    const ZrtConfig& StateAt(size_t done) const;
    void Changed();
    void MoveTo(size_t done, CZRTProDoc& doc);

    ZrtConfig m_start;
    std::deque<Step> m_steps;
    size_t m_nDone = 0;
    // Steps done at the saved point; none when no state of the history was saved.
    std::optional<size_t> m_savedAt;
    bool m_bTyping = false;
    size_t m_nGeneration = 0;
    size_t m_nRevision = 0;
    // The .zrt bytes of the configuration at m_nDone, to tell an edit that changed nothing.
    std::string m_strRecorded;
};

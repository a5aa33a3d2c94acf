#include "document/EditHistory.h"

#include <algorithm>

#include "document/DocumentMessages.h"
#include "model/ZrtCodec.h"

void EditHistory::Start(const CZRTProDoc& doc) {
    ++m_nGeneration;
    m_start = doc;
    m_steps.clear();
    m_nDone = 0;
    m_savedAt.reset();
    if (!doc.IsModified()) m_savedAt = 0;
    m_bTyping = false;
    m_strRecorded = EncodeZrt(doc);
    Changed();
}

void EditHistory::Changed() {
    ++m_nRevision;
    if (m_changed) m_changed();
}

void EditHistory::Record(CZRTProDoc& doc, const std::string& label, TreeItem place, bool typing) {
    std::string bytes = EncodeZrt(doc);
    // An edit that changed nothing takes back the mark its operation set.
    if (bytes == m_strRecorded) {
        doc.SetModifiedFlag(m_savedAt != m_nDone);
        return;
    }
    const bool join = typing && m_bTyping && m_nDone > 0 && m_nDone == m_steps.size() &&
                      m_steps.back().m_strLabel == label && m_steps.back().m_hPlace == place;
    if (join) {
        m_steps.back().m_after = doc;
        // Typed back to what it was before: no step is left to take back.
        if (bytes == EncodeZrt(StateAt(m_nDone - 1))) {
            m_steps.pop_back();
            --m_nDone;
            m_bTyping = false;
        }
    } else {
        m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_nDone), m_steps.end());
        if (m_savedAt && *m_savedAt > m_nDone) m_savedAt.reset();
        m_steps.push_back({label, place, doc});
        ++m_nDone;
        if (m_steps.size() > kStepLimit) {
            m_start = std::move(m_steps.front().m_after);
            m_steps.pop_front();
            --m_nDone;
            if (m_savedAt && *m_savedAt == 0)
                m_savedAt.reset();
            else if (m_savedAt)
                --*m_savedAt;
        }
        m_bTyping = typing;
    }
    m_strRecorded = std::move(bytes);
    doc.SetModifiedFlag(m_savedAt != m_nDone);
    Changed();
}

std::string EditHistory::UndoLabel() const {
    return CanUndo() ? m_steps[m_nDone - 1].m_strLabel : std::string();
}

std::string EditHistory::RedoLabel() const {
    return CanRedo() ? m_steps[m_nDone].m_strLabel : std::string();
}

TreeItem EditHistory::UndoPlace() const {
    return CanUndo() ? m_steps[m_nDone - 1].m_hPlace : nullptr;
}

TreeItem EditHistory::RedoPlace() const { return CanRedo() ? m_steps[m_nDone].m_hPlace : nullptr; }

bool EditHistory::Undo(CZRTProDoc& doc) {
    if (!CanUndo()) return false;
    MoveTo(m_nDone - 1, doc);
    return true;
}

bool EditHistory::Redo(CZRTProDoc& doc) {
    if (!CanRedo()) return false;
    MoveTo(m_nDone + 1, doc);
    return true;
}

void EditHistory::MarkSaved() {
    m_savedAt = m_nDone;
    m_bTyping = false;
}

const ZrtConfig& EditHistory::StateAt(size_t done) const {
    return done == 0 ? m_start : m_steps[done - 1].m_after;
}

void EditHistory::MoveTo(size_t done, CZRTProDoc& doc) {
    if (m_steps[std::min(done, m_nDone)].m_strLabel ==
        Tr("Document", DocumentMessages::kEditImportCsv))
        ++m_nGeneration;
    static_cast<ZrtConfig&>(doc) = StateAt(done);
    m_nDone = done;
    m_bTyping = false;
    m_strRecorded = EncodeZrt(doc);
    doc.SetModifiedFlag(m_savedAt != m_nDone);
    // The flag follows the numbers as they are now, as a refreshed conflict report sets it.
    doc.RecheckArchConflicts();
    Changed();
}

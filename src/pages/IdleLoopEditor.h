#pragma once

#include <string>
#include <vector>

#include "model/CZRTProDoc.h"
#include "model/Prompter.h"

inline constexpr int kIdleListLimit = 255;  // lines, the end marker counted

// The two lists of the idle loop page and what their buttons do. The page's
// list boxes show these lines; every change of the loop list is stored into
// the document's idle loop at once.
class IdleLoopEditor {
public:
    IdleLoopEditor(CZRTProDoc& doc, Prompter& prompter) : m_doc(doc), m_prompter(prompter) {}

    void Load();

    // The Arch Number list: "number<TAB>name" of every input, in the list box's
    // case-insensitive order.
    const std::vector<std::string>& ArchLines() const { return m_archLines; }
    // The idle loop list, ending with the end marker once loaded.
    const std::vector<std::string>& IdleLines() const { return m_idleLines; }
    int ArchSelection() const { return m_nArchSelection; }
    int IdleSelection() const { return m_nIdleSelection; }
    void SelectArch(int line) { m_nArchSelection = Clamp(line, m_archLines); }
    void SelectIdle(int line) { m_nIdleSelection = Clamp(line, m_idleLines); }

    // Inserts the selected Arch Number line before the selected loop line;
    // returns the insertion index, or -1 when nothing was added.
    int Add();
    void Remove();
    void AddAll();
    void Clear();
    // Takes a typed delay; false (nothing stored) when it is not 1 to 100.
    bool SetDelay(const std::string& text);
    void SetNoVideo(bool noVideo);
    // Whether a drag may start on `line`: any line but the end marker.
    bool CanDrag(int line) const;
    // Moves line `from` so that it stands before line `before`.
    void Move(int from, int before);

    static bool IsEndMarker(const std::string& line);

private:
    static int Clamp(int line, const std::vector<std::string>& lines) {
        return line >= 0 && line < static_cast<int>(lines.size()) ? line : -1;
    }
    std::vector<std::string> InputLines() const;
    int InsertBeforeSelection(const std::string& line);
    void Store();

    CZRTProDoc& m_doc;
    Prompter& m_prompter;
    std::vector<std::string> m_archLines;
    std::vector<std::string> m_idleLines;
    int m_nArchSelection = -1;
    int m_nIdleSelection = -1;
};

#pragma once

#include <cstdint>
#include <string>

#include "model/ModelMessages.h"
#include "model/ZrtConfig.h"

// The application's one document: the configuration plus the state that is
// not stored in the file.
class CZRTProDoc : public ZrtConfig {
public:
    int32_t m_nSortColumn = 0;
    uint8_t m_bSortAscending = 1;
    uint8_t m_bConflicts = 0;
    uint8_t m_bLoadFailed = 0;

    // Set at the end of every tree build, cleared with the document contents;
    // the pages ignore updates while it is clear.
    bool m_bTreeBuilt = false;

    // Index of the first node whose tree item is `item`, or -1.
    int FindNodeByItem(TreeItem item) const;

    // The save-time check: true when no two inputs share an Arch Number.
    // Sets m_bConflicts on a duplicate and never clears it.
    bool CheckArchConflicts();
    // Sets m_bConflicts from the numbers as they stand, after they were replaced whole.
    void RecheckArchConflicts() {
        m_bConflicts = 0;
        CheckArchConflicts();
    }

    void ClearContents() { m_bTreeBuilt = false; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    const std::string& GetPathName() const { return m_strPathName; }
    const std::string& GetTitle() const { return m_strTitle; }
    // Records the path; the title becomes its file name.
    void SetPathName(const std::string& path);
    // A document without a file: no path, the given title.
    void SetUntitled(const std::string& title);

private:
    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strTitle = Tr("Model", ModelMessages::kUntitled);
};

// "school.zrt" gives "school System"; a name without a full stop is kept whole.
// The root's label as the configuration keeps it: English, whatever the language.
std::string SystemLabel(const std::string& name);

// The name in a root's label ("school" of "school System"), or empty for any other label.
std::string SystemName(const std::string& label);

// The root's label as people read it, in their language: "school System",
// German "System school". `name` is the name already without its extension.
std::string ShownSystemLabel(const std::string& name);

// The file name of a path, without its folder.
std::string FileNameOf(const std::string& path);

// The name proposed for a file made from the document: its file with
// `extension` (".pdf") in place of its own, or its title with it.
std::string PathWithExtension(const CZRTProDoc& doc, const std::string& extension);

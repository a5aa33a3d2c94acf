#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CZRTProDoc.h"

// Pictures of the Arch Number list's small-icon list.
inline constexpr int kListIconConflict = 0;
inline constexpr int kListIconNonPageable = 1;
inline constexpr int kListIconAssigned = 2;
inline constexpr int kListIconUnassigned = 3;

// State pictures of the list; rows without a conflict carry 3, which draws nothing.
inline constexpr int kListStateConflict = 2;
inline constexpr int kListStateNone = 3;

// One row of the Arch Number list of the assignment page.
struct ArchRow {
    std::string m_strArch;
    std::string m_strName;
    int m_nIcon = kListIconAssigned;
    int m_nState = kListStateNone;
    int32_t m_nData = 0;  // the zone id a click assigns; -1 for a non-pageable input's number

    bool operator==(const ArchRow&) const = default;
};

// The rows of every Arch Number the configuration knows, inputs first, then the
// zone pool, sorted by `column` (0 Arch No., 1 name and number) in byte order.
// Stores the column and direction in the document.
std::vector<ArchRow> FillArchList(CZRTProDoc& doc, int column, bool ascending);

// The row of `rows` that shows the Arch Number `arch`, or -1: the row the list
// highlights for the selected input.
int RowOfArch(const std::vector<ArchRow>& rows, const std::string& arch);

// What a screen reader says of a row: its number, its name when it has one,
// and its marks in the key's words ("101, Gate North, conflict, assigned
// pageable"), so that the pictures are never the only telling.
std::string SpokenArchRow(const ArchRow& row);

#include "document/InputsCsv.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

#include "document/CsvText.h"
#include "document/InputPlaces.h"
#include "model/Format.h"
#include "model/TrimText.h"
#include "tree/ArchRules.h"

namespace {

constexpr const char* kColumns[] = {"port",          "unit", "input",   "arch",
                                    "original_arch", "name", "pageable"};

std::string NumberOrEmpty(int n) { return n ? std::to_string(n) : std::string(); }

// A whole number from 1 of at most three digits, 0 for an empty field, or nothing.
std::optional<int> PlaceNumber(const std::string& text) {
    if (text.empty()) return 0;
    if (text.find_first_not_of('0') == std::string::npos) return std::nullopt;
    if (text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(text);
}

// A row's new values, checked.
struct InputChange {
    int m_nIndex;
    std::optional<std::string> m_arch;
    std::optional<std::string> m_name;
};

class CsvImport {
public:
    CsvImport(const CZRTProDoc& doc, std::string& error) : m_doc(doc), m_error(error) {
        for (const InputPlace& p : InputPlaces(doc))
            m_places[{p.m_nPort, p.m_nUnit, p.m_nInput}] = p.m_nIndex;
    }

    bool ReadHeader(const CsvRecord& header) {
        for (size_t c = 0; c < header.m_fields.size(); ++c) {
            const std::string& name = header.m_fields[c];
            const bool known =
                std::find(std::begin(kColumns), std::end(kColumns), name) != std::end(kColumns);
            if (!known || m_columns.count(name))
                return Fail(header.m_nLine, name,
                            known ? "the column is given twice" : "no such column");
            m_columns[name] = c;
        }
        for (const char* needed : {"port", "unit", "input"})
            if (!m_columns.count(needed))
                return Fail(header.m_nLine, needed, "the column is missing");
        if (!m_columns.count("arch") && !m_columns.count("name"))
            return Fail(header.m_nLine, "arch", "neither an arch nor a name column");
        m_nFieldCount = header.m_fields.size();
        return true;
    }

    bool ReadRow(const CsvRecord& row) {
        if (row.m_fields.size() != m_nFieldCount)
            return Fail(row.m_nLine, "",
                        StrFormat("%zu fields where the header has %zu", row.m_fields.size(),
                                  m_nFieldCount));
        int key[3];
        const char* placeColumns[] = {"port", "unit", "input"};
        for (int k = 0; k < 3; ++k) {
            const auto n = PlaceNumber(Field(row, placeColumns[k]));
            if (!n) return Fail(row.m_nLine, placeColumns[k], "not a whole number from 1");
            key[k] = *n;
        }
        const auto place = m_places.find({key[0], key[1], key[2]});
        if (place == m_places.end())
            return Fail(row.m_nLine, "port", "no such input in this configuration");
        const int index = place->second;
        if (const auto seen = m_rowOf.find(index); seen != m_rowOf.end())
            return Fail(row.m_nLine, "port",
                        StrFormat("the input is already given on line %d", seen->second));
        m_rowOf[index] = row.m_nLine;
        InputChange change{index, std::nullopt, std::nullopt};
        if (m_columns.count("arch")) {
            const std::string arch = Field(row, "arch");
            if (!CheckArch(row.m_nLine, arch)) return false;
            change.m_arch = arch;
        }
        if (m_columns.count("name")) {
            const auto name = Latin1FromUtf8(Field(row, "name"));
            if (!name)
                return Fail(row.m_nLine, "name", "a character outside the unit's character set");
            change.m_name = TrimEnd(*name);
            if (change.m_name->size() > kNameLength)
                return Fail(row.m_nLine, "name",
                            StrFormat("longer than the unit's %zu characters", kNameLength));
        }
        m_changes.push_back(std::move(change));
        return true;
    }

    const std::vector<InputChange>& Changes() const { return m_changes; }

private:
    const std::string& Field(const CsvRecord& row, const std::string& column) const {
        return row.m_fields[m_columns.at(column)];
    }

    bool CheckArch(int line, const std::string& arch) {
        if (arch.empty()) return Fail(line, "arch", "an Arch Number is needed");
        if (!HasLegalArchCharacters(arch))
            return Fail(line, "arch", "only digits, \"#\" and \"*\" make an Arch Number");
        if (arch.size() > kArchMaxLength)
            return Fail(line, "arch", StrFormat("longer than %zu characters", kArchMaxLength));
        for (const CZoneEntry& z : m_doc.m_zones)
            if (z.m_strArch == arch)
                return Fail(line, "arch", "the number is among the unassigned numbers");
        return true;
    }

    bool Fail(int line, const std::string& column, const std::string& why) {
        m_error = column.empty()
                      ? StrFormat("line %d: %s", line, why.c_str())
                      : StrFormat("line %d, column %s: %s", line, column.c_str(), why.c_str());
        return false;
    }

    const CZRTProDoc& m_doc;
    std::string& m_error;
    std::map<std::array<int, 3>, int> m_places;
    std::map<std::string, size_t> m_columns;
    std::map<int, int> m_rowOf;
    size_t m_nFieldCount = 0;
    std::vector<InputChange> m_changes;
};

void ApplyChange(CZRTProDoc& doc, const InputChange& change) {
    CConfigNode& node = doc.m_nodes[static_cast<size_t>(change.m_nIndex)];
    if (change.m_name && *change.m_name != TrimEnd(node.m_strName)) {
        node.m_strName = node.m_strOrigName = PadName(*change.m_name);
        doc.SetModifiedFlag();
    }
    if (change.m_arch && *change.m_arch != node.m_strArch) {
        const std::string oldArch = node.m_strArch;
        node.m_strArch = node.m_strOrigArch = *change.m_arch;
        std::replace(doc.m_idleLoop.begin(), doc.m_idleLoop.end(), oldArch, *change.m_arch);
        doc.SetModifiedFlag();
    }
}

}  // namespace

std::string ExportInputsCsv(const CZRTProDoc& doc) {
    std::string out;
    for (const char* column : kColumns) out += std::string(out.empty() ? "" : ",") + column;
    out += "\r\n";
    for (const InputPlace& p : InputPlaces(doc)) {
        const CConfigNode& n = doc.m_nodes[static_cast<size_t>(p.m_nIndex)];
        const std::string fields[] = {std::to_string(p.m_nPort),
                                      NumberOrEmpty(p.m_nUnit),
                                      NumberOrEmpty(p.m_nInput),
                                      n.m_strArch,
                                      n.m_strOrigArch,
                                      TrimEnd(n.m_strName),
                                      n.IsNonPageable() ? "no" : "yes"};
        for (size_t f = 0; f < std::size(fields); ++f)
            out += (f ? "," : "") + CsvField(Latin1ToUtf8(fields[f]));
        out += "\r\n";
    }
    return out;
}

bool ImportInputsCsv(CZRTProDoc& doc, const std::string& text, std::string& error) {
    const auto records = ParseCsv(text, error);
    if (!records) return false;
    if (records->empty()) {
        error = "line 1: the file has no header row";
        return false;
    }
    CsvImport import{doc, error};
    if (!import.ReadHeader(records->front())) return false;
    for (size_t r = 1; r < records->size(); ++r)
        if (!import.ReadRow((*records)[r])) return false;
    for (const InputChange& change : import.Changes()) ApplyChange(doc, change);
    return true;
}

#include "document/InputsCsv.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

#include "document/ArchMoves.h"
#include "document/CsvText.h"
#include "document/DocumentMessages.h"
#include "document/InputPlaces.h"
#include "model/Format.h"
#include "model/TrimText.h"
#include "tree/ArchRules.h"
#include "tree/NameRule.h"

namespace {

namespace M = DocumentMessages;

constexpr const char* kColumns[] = {"port",          "unit", "input",   "arch",
                                    "original_arch", "name", "pageable"};
constexpr size_t kRefusalsShown = 20;

std::string NumberOrEmpty(int n) { return n ? std::to_string(n) : std::string(); }

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

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
    std::optional<std::string> m_original;
    std::optional<std::string> m_pageable;
};

class CsvRows {
public:
    CsvRows(const CZRTProDoc& doc, CsvImportOutcome& outcome) : m_outcome(outcome) {
        for (const InputPlace& p : InputPlaces(doc))
            m_places[{p.m_nPort, p.m_nUnit, p.m_nInput}] = p.m_nIndex;
    }

    bool ReadHeader(const CsvRecord& header) {
        for (size_t c = 0; c < header.m_fields.size(); ++c) {
            const std::string name = Lower(Trim(header.m_fields[c]));
            if (name.empty()) continue;
            if (std::find(std::begin(kColumns), std::end(kColumns), name) == std::end(kColumns)) {
                m_outcome.m_notes.push_back(StrFormat(Tr("Document", M::kCsvColumnIgnored).c_str(),
                                                      Latin1Or(header.m_fields[c]).c_str()));
                continue;
            }
            if (m_columns.count(name))
                Refuse(header.m_nLine, name, Tr("Document", M::kCsvColumnTwice));
            m_columns[name] = c;
        }
        for (const char* needed : {"port", "unit", "input"})
            if (!m_columns.count(needed))
                Refuse(header.m_nLine, needed, Tr("Document", M::kCsvColumnMissing));
        if (!m_columns.count("arch") && !m_columns.count("name"))
            Refuse(header.m_nLine, "arch", Tr("Document", M::kCsvNothingToTake));
        m_nFieldCount = header.m_fields.size();
        return m_outcome.Accepted();
    }

    void ReadRow(const CsvRecord& row) {
        // Empty cells a spreadsheet adds past the last column are no fields.
        size_t count = row.m_fields.size();
        while (count > m_nFieldCount && Trim(row.m_fields[count - 1]).empty()) --count;
        if (count != m_nFieldCount) {
            m_outcome.m_refused.push_back(
                StrFormat(Tr("Document", M::kCsvRow).c_str(), row.m_nLine,
                          StrFormat(Tr("Document", M::kCsvFieldCount).c_str(), count, m_nFieldCount)
                              .c_str()));
            return;
        }
        const size_t refusedBefore = m_outcome.m_refused.size();
        int key[3] = {0, 0, 0};
        const char* placeColumns[] = {"port", "unit", "input"};
        for (int k = 0; k < 3; ++k) {
            const std::string text = Trim(Field(row, placeColumns[k]));
            const auto n = PlaceNumber(text);
            if (!n)
                Refuse(row.m_nLine, placeColumns[k],
                       StrFormat(Tr("Document", M::kCsvNotPlace).c_str(), Latin1Or(text).c_str()));
            else
                key[k] = *n;
        }
        InputChange change{-1, {}, {}, {}, {}};
        if (m_outcome.m_refused.size() == refusedBefore) {
            const auto place = m_places.find({key[0], key[1], key[2]});
            if (place == m_places.end()) {
                Refuse(row.m_nLine, "port", Tr("Document", M::kCsvNoSuchInput));
            } else if (const auto seen = m_rowOf.find(place->second); seen != m_rowOf.end()) {
                Refuse(row.m_nLine, "port",
                       StrFormat(Tr("Document", M::kCsvInputTwice).c_str(), seen->second));
            } else {
                change.m_nIndex = place->second;
                m_rowOf[change.m_nIndex] = row.m_nLine;
            }
        }
        if (m_columns.count("arch")) change.m_arch = CheckArch(row.m_nLine, Field(row, "arch"));
        if (m_columns.count("name")) change.m_name = CheckName(row.m_nLine, Field(row, "name"));
        if (m_columns.count("original_arch")) change.m_original = Trim(Field(row, "original_arch"));
        if (m_columns.count("pageable")) change.m_pageable = Lower(Trim(Field(row, "pageable")));
        if (m_outcome.m_refused.size() == refusedBefore) m_changes.push_back(std::move(change));
    }

    const std::vector<InputChange>& Changes() const { return m_changes; }

private:
    std::string Field(const CsvRecord& row, const std::string& column) const {
        return FromFormulaSafeCell(row.m_fields[m_columns.at(column)]);
    }

    // Text of the file for a message: the Latin-1 the program's texts are in.
    static std::string Latin1Or(const std::string& utf8) {
        return Latin1FromUtf8(utf8).value_or("?");
    }

    std::optional<std::string> CheckArch(int line, const std::string& field) {
        const std::string arch = Trim(field);
        if (arch.empty()) return Refuse(line, "arch", Tr("Document", M::kCsvArchNeeded));
        if (!HasLegalArchCharacters(arch))
            return Refuse(
                line, "arch",
                StrFormat(Tr("Document", M::kCsvArchCharacters).c_str(), Latin1Or(arch).c_str()));
        if (arch.size() > kArchMaxLength)
            return Refuse(line, "arch",
                          StrFormat(Tr("Document", M::kCsvArchLong).c_str(), arch.c_str()));
        return arch;
    }

    std::optional<std::string> CheckName(int line, const std::string& field) {
        const auto name = Latin1FromUtf8(field);
        if (!name) return Refuse(line, "name", Tr("Document", M::kCsvNameCharacterSet));
        const std::string trimmed = TrimEnd(*name);
        switch (::CheckName(trimmed)) {
            case NameProblem::TooLong:
                return Refuse(line, "name", Tr("Document", M::kCsvNameLong));
            case NameProblem::ControlCharacter:
                return Refuse(line, "name", Tr("Document", M::kCsvNameControl));
            case NameProblem::None:
                break;
        }
        return trimmed;
    }

    std::nullopt_t Refuse(int line, const std::string& column, const std::string& why) {
        m_outcome.m_refused.push_back(
            StrFormat(Tr("Document", M::kCsvCell).c_str(), line, column.c_str(), why.c_str()));
        return std::nullopt;
    }

    CsvImportOutcome& m_outcome;
    std::map<std::array<int, 3>, int> m_places;
    std::map<std::string, size_t> m_columns;
    std::map<int, int> m_rowOf;
    size_t m_nFieldCount = 0;
    std::vector<InputChange> m_changes;
};

bool SameInputs(const ZrtConfig& a, const ZrtConfig& b) {
    return a.m_idleLoop == b.m_idleLoop && a.m_zones == b.m_zones &&
           std::equal(a.m_nodes.begin(), a.m_nodes.end(), b.m_nodes.begin(), b.m_nodes.end(),
                      [](const CConfigNode& x, const CConfigNode& y) {
                          return x.SameStoredValues(y) && x.m_pPageClass == y.m_pPageClass;
                      });
}

void ApplyChanges(CZRTProDoc& doc, const std::vector<InputChange>& changes) {
    std::vector<ArchMove> moves;
    for (const InputChange& c : changes)
        if (c.m_arch) moves.push_back({c.m_nIndex, *c.m_arch});
    const ZrtConfig before = doc;
    MoveArchNumbers(doc, moves);
    for (const InputChange& c : changes) {
        CConfigNode& node = doc.m_nodes[static_cast<size_t>(c.m_nIndex)];
        if (c.m_name && *c.m_name != TrimEnd(node.m_strName))
            node.m_strName = node.m_strOrigName = PadName(*c.m_name);
    }
    if (!SameInputs(doc, before)) doc.SetModifiedFlag();
}

// Notes for the columns the import reads but does not apply, where the file
// differs from the result.
void NoteColumnsNotApplied(const CZRTProDoc& doc, const std::vector<InputChange>& changes,
                           CsvImportOutcome& outcome) {
    int original = 0, pageable = 0;
    for (const InputChange& c : changes) {
        const CConfigNode& node = doc.m_nodes[static_cast<size_t>(c.m_nIndex)];
        if (c.m_original && *c.m_original != node.m_strOrigArch) ++original;
        if (c.m_pageable && *c.m_pageable != (node.IsNonPageable() ? "no" : "yes")) ++pageable;
    }
    if (original)
        outcome.m_notes.push_back(
            StrFormat(Tr("Document", M::kCsvOriginalNotApplied).c_str(), original));
    if (pageable)
        outcome.m_notes.push_back(
            StrFormat(Tr("Document", M::kCsvPageableNotApplied).c_str(), pageable));
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

CsvImportOutcome ImportInputsCsv(CZRTProDoc& doc, const std::string& bytes) {
    CsvImportOutcome outcome;
    const std::string text = SpreadsheetTextAsUtf8(bytes);
    std::string error;
    const auto records = ParseCsv(text, CsvSeparator(text), error);
    if (!records) {
        outcome.m_refused.push_back(
            StrFormat(Tr("Document", M::kCsvMalformed).c_str(), error.c_str()));
        return outcome;
    }
    if (records->empty()) {
        outcome.m_refused.push_back(Tr("Document", M::kCsvNoHeader));
        return outcome;
    }
    CsvRows rows{doc, outcome};
    if (!rows.ReadHeader(records->front())) return outcome;
    for (size_t r = 1; r < records->size(); ++r) rows.ReadRow((*records)[r]);
    if (!outcome.Accepted()) return outcome;
    ApplyChanges(doc, rows.Changes());
    NoteColumnsNotApplied(doc, rows.Changes(), outcome);
    return outcome;
}

bool ImportInputsCsv(CZRTProDoc& doc, const std::string& bytes, std::string& error) {
    const CsvImportOutcome outcome = ImportInputsCsv(doc, bytes);
    error = RefusalText(outcome.m_refused);
    return outcome.Accepted();
}

std::string RefusalText(const std::vector<std::string>& refused) {
    std::string text;
    for (size_t i = 0; i < refused.size() && i < kRefusalsShown; ++i)
        text += (i ? "\n" : "") + refused[i];
    if (refused.size() > kRefusalsShown)
        text += "\n" + StrFormat(Tr("Document", M::kCsvMoreRefused).c_str(),
                                 refused.size() - kRefusalsShown);
    return text;
}

std::vector<std::string> SharedNumberLines(const ZrtConfig& config) {
    std::map<std::string, int, bool (*)(const std::string&, const std::string&)> holders(
        ArchNumberLess);
    for (int i = kFixedNodeCount; i < config.NodeCount(); ++i)
        if (config.CarriesArch(i)) ++holders[config.m_nodes[static_cast<size_t>(i)].m_strArch];
    std::vector<std::string> lines;
    for (const auto& [arch, count] : holders)
        if (count > 1)
            lines.push_back(StrFormat(Tr("Document", M::kCsvShared).c_str(), count, arch.c_str()));
    return lines;
}

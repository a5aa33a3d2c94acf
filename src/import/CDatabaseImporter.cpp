#include "import/CDatabaseImporter.h"

#include <mdbtools.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "import/DatabaseText.h"
#include "import/ImportMessages.h"
#include "model/Format.h"

namespace {

// Room for one bound value; mdbtools cuts longer values to fit.
constexpr size_t kBindSize = 4096;

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

// One table opened with some of its columns bound by name.
class BoundTable {
public:
    // The engine's complaint when the table or a column is missing, else empty.
    std::string Open(MdbHandle* mdb, const char* name, const std::vector<const char*>& columns) {
        std::string mutableName = name;
        m_table.reset(mdb_read_table_by_name(mdb, mutableName.data(), MDB_TABLE));
        if (!m_table || !mdb_read_columns(m_table.get()))
            return StrFormat(EngineMessages::kNoTable, name);
        m_values.assign(columns.size(), std::vector<char>(kBindSize, '\0'));
        m_lengths.assign(columns.size(), 0);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string column = columns[c];
            if (mdb_bind_column_by_name(m_table.get(), column.data(), m_values[c].data(),
                                        &m_lengths[c]) < 0)
                return StrFormat(EngineMessages::kNoColumn, name, columns[c]);
        }
        mdb_rewind_table(m_table.get());
        return {};
    }

    bool Fetch() { return mdb_fetch_row(m_table.get()) != 0; }

    std::string Value(size_t c) const {
        const int length = m_lengths[c];
        if (length <= 0) return {};
        return std::string(m_values[c].data(),
                           std::min<size_t>(static_cast<size_t>(length), kBindSize - 1));
    }

private:
    Table m_table;
    std::vector<std::vector<char>> m_values;
    std::vector<int> m_lengths;
};

}  // namespace

ImportStatus CDatabaseImporter::Read(const std::string& path) {
    m_records.clear();

    const auto openError = [&](const char* engineText) {
        m_prompter.Message(ImportMessages::kDbOpenError);
        m_prompter.Message(StrFormat(engineText, path.c_str()), PromptButtons::Ok,
                           PromptIcon::Error);
        return IMPORT_FAILED;
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return openError(EngineMessages::kFileNotFound);
    Handle mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    // mdbtools opens many files that are no database; the catalog shows it.
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_ANY))
        return openError(EngineMessages::kNotADatabase);
    mdb_set_bind_size(mdb.get(), kBindSize);

    const auto tableTrouble = [&](const std::string& engineText) {
        m_prompter.Message(ImportMessages::kTableTrouble);
        m_prompter.Message(engineText, PromptButtons::Ok, PromptIcon::Error);
        return IMPORT_FAILED;
    };
    BoundTable config;
    std::string trouble = config.Open(mdb.get(), "Config", {"System_Config"});
    if (!trouble.empty()) return tableTrouble(trouble);
    BoundTable clid;
    trouble = clid.Open(mdb.get(), "Clid", {"Clid_Station", "Clid_String", "Archnum"});
    if (!trouble.empty()) return tableTrouble(trouble);

    // An empty Config table counts as a system without expansion units.
    int expansionUnits = 0;
    if (config.Fetch()) {
        const auto value = ParseByteValue(config.Value(0));
        if (!value)
            return tableTrouble(
                StrFormat(EngineMessages::kNotAByte, config.Value(0).c_str(), "System_Config"));
        expansionUnits = *value;
    }
    const size_t limit = static_cast<size_t>(expansionUnits + 1) * kStationsPerUnit;

    std::vector<CImportRecord> records;
    while (records.size() < limit && clid.Fetch()) {
        const auto station = ParseByteValue(clid.Value(0));
        if (!station)
            return tableTrouble(
                StrFormat(EngineMessages::kNotAByte, clid.Value(0).c_str(), "Clid_Station"));
        records.push_back({*station - 1, Utf8ToLatin1(clid.Value(2)), Utf8ToLatin1(clid.Value(1))});
    }
    if (records.empty()) return tableTrouble(StrFormat(EngineMessages::kNoCurrentRecord, "Clid"));
    m_records = std::move(records);
    return IMPORT_OK;
}

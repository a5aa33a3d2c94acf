#include "import/StationDatabase.h"

#include <mdbtools.h>

#include <filesystem>
#include <memory>
#include <system_error>
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
        // The catalog was read once when the database was opened; reading a
        // table by name would read it again and free the entries that tables
        // already open still point to.
        const MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb, name);
        if (entry && entry->object_type == MDB_TABLE)
            m_table.reset(mdb_read_table(const_cast<MdbCatalogEntry*>(entry)));
        if (!m_table || !mdb_read_columns(m_table.get()))
            return StrFormat(Tr("Import", EngineMessages::kNoTable).c_str(), name);
        m_values.assign(columns.size(), std::vector<char>(kBindSize, '\0'));
        m_lengths.assign(columns.size(), 0);
        for (size_t c = 0; c < columns.size(); ++c) {
            std::string column = columns[c];
            if (mdb_bind_column_by_name(m_table.get(), column.data(), m_values[c].data(),
                                        &m_lengths[c]) < 0)
                return StrFormat(Tr("Import", EngineMessages::kNoColumn).c_str(), name, columns[c]);
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

// A text column as the program keeps it: 8-bit, in the room reserved for it.
std::string Text(const std::string& utf8) {
    return Utf8ToLatin1(utf8).substr(0, kStationTextBytes);
}

}  // namespace

StationDatabaseResult ReadStationDatabase(const std::string& path,
                                          const std::function<void()>& opened) {
    StationDatabaseResult result;
    const auto fail = [&](StationDatabaseResult::Outcome outcome, std::string text) {
        result.m_outcome = outcome;
        result.m_strEngineText = std::move(text);
        result.m_records.clear();
        return result;
    };
    using Outcome = StationDatabaseResult::Outcome;

    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return fail(Outcome::OpenError,
                    StrFormat(Tr("Import", EngineMessages::kFileNotFound).c_str(), path.c_str()));
    Handle mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    // mdbtools opens many files that are no database; the catalog shows it.
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_ANY))
        return fail(Outcome::OpenError,
                    StrFormat(Tr("Import", EngineMessages::kNotADatabase).c_str(), path.c_str()));
    mdb_set_bind_size(mdb.get(), kBindSize);
    opened();

    BoundTable config;
    std::string trouble = config.Open(mdb.get(), "Config", {"System_Config"});
    if (!trouble.empty()) return fail(Outcome::TableTrouble, trouble);
    BoundTable clid;
    trouble = clid.Open(mdb.get(), "Clid", {"Clid_Station", "Clid_String", "Archnum"});
    if (!trouble.empty()) return fail(Outcome::TableTrouble, trouble);

    // An empty Config table counts as a system without expansion units.
    int expansionUnits = 0;
    if (config.Fetch()) {
        const auto value = ParseByteValue(config.Value(0));
        if (!value)
            return fail(Outcome::TableTrouble,
                        StrFormat(Tr("Import", EngineMessages::kNotAByte).c_str(),
                                  config.Value(0).c_str(), "System_Config"));
        expansionUnits = *value;
    }
    const size_t limit = static_cast<size_t>(expansionUnits + 1) * kStationsPerUnit;

    while (result.m_records.size() < limit && clid.Fetch()) {
        const auto station = ParseByteValue(clid.Value(0));
        if (!station)
            return fail(Outcome::TableTrouble,
                        StrFormat(Tr("Import", EngineMessages::kNotAByte).c_str(),
                                  clid.Value(0).c_str(), "Clid_Station"));
        result.m_records.push_back({*station - 1, Text(clid.Value(2)), Text(clid.Value(1))});
    }
    if (result.m_records.empty())
        return fail(Outcome::TableTrouble,
                    StrFormat(Tr("Import", EngineMessages::kNoCurrentRecord).c_str(), "Clid"));
    return result;
}

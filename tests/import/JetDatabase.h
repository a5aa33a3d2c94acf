#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Writes a minimal Jet 4 (Access 2000) database that mdbtools reads: the
// header page, the catalog MSysObjects on page 2, one page of usage maps, and
// for each table its definition page and data pages. No indexes, no long
// values. Values are given as the bytes the row holds; the helpers below make
// them from values chosen in a test.
class JetDatabase {
public:
    static constexpr size_t kPageSize = 4096;

    enum ColumnType : uint8_t {
        kByte = 0x02,
        kInt = 0x03,
        kLong = 0x04,
        kDouble = 0x07,
        kText = 0x0A,
        kOle = 0x0B,
    };
    struct Column {
        std::string m_strName;
        ColumnType m_type;
        // Fixed columns: the value's size; text: the largest size in bytes.
        uint16_t m_nLength;
    };
    using Cell = std::optional<std::string>;  // nothing is NULL
    using Row = std::vector<Cell>;

    static Column ByteColumn(const std::string& name) { return {name, kByte, 1}; }
    static Column LongColumn(const std::string& name) { return {name, kLong, 4}; }
    static Column DoubleColumn(const std::string& name) { return {name, kDouble, 8}; }
    static Column TextColumn(const std::string& name, uint16_t chars = 255) {
        return {name, kText, static_cast<uint16_t>(2 * chars)};
    }

    static std::string Byte(uint8_t v) { return std::string(1, static_cast<char>(v)); }
    static std::string Int16(int v) { return Le(static_cast<uint32_t>(v), 2); }
    static std::string Int32(int64_t v) { return Le(static_cast<uint32_t>(v), 4); }
    static std::string Double(double v) {
        std::string bytes(8, '\0');
        uint64_t bits;
        static_assert(sizeof bits == sizeof v);
        __builtin_memcpy(&bits, &v, 8);
        for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>(bits >> (8 * i));
        return bytes;
    }
    // Latin-1 text as the UTF-16LE a Jet 4 row holds.
    static std::string Text(const std::string& latin1) {
        std::string bytes;
        for (char c : latin1) {
            bytes += c;
            bytes += '\0';
        }
        return bytes;
    }

    void AddTable(const std::string& name, std::vector<Column> columns, std::vector<Row> rows) {
        m_tables.push_back({name, std::move(columns), std::move(rows)});
    }

    std::string Bytes() const;

private:
    struct Table {
        std::string m_strName;
        std::vector<Column> m_columns;
        std::vector<Row> m_rows;
    };
    // Where each table lies in the file.
    struct Placement {
        uint32_t m_nDefinitionPage;
        std::vector<uint32_t> m_dataPages;
        std::vector<std::vector<std::string>> m_pageRows;
    };
    using Page = std::array<char, kPageSize>;

    static constexpr uint32_t kCatalogPage = 2;
    static constexpr uint32_t kMapPage = 3;

    static std::string Le(uint32_t v, int n) {
        std::string bytes;
        for (int i = 0; i < n; ++i) bytes += static_cast<char>(v >> (8 * i));
        return bytes;
    }
    static void Put(Page& page, size_t at, const std::string& bytes) {
        for (size_t i = 0; i < bytes.size(); ++i) page[at + i] = bytes[i];
    }
    static Page HeaderPage();
    static std::string PackRow(const std::vector<Column>& columns, const Row& row);
    static Page DefinitionPage(const Table& table, size_t rowCount, uint32_t usageMap,
                               uint32_t freeMap);
    static Page DataPage(uint32_t definitionPage, const std::vector<std::string>& rows);
    static std::string UsageMap(const std::vector<uint32_t>& pages);
    Table Catalog(const std::vector<Placement>& placements) const;

    std::vector<Table> m_tables;
};

inline JetDatabase::Page JetDatabase::HeaderPage() {
    Page page{};
    page[0x14] = 1;  // Jet 4
    // The 128 bytes from 0x18 are stored XOR-ed with the RC4 keystream of a
    // fixed key; under the mask lie the code page, the database key (0: the
    // pages are not encrypted) and the sort order.
    std::array<char, 128> plain{};
    const auto at = [&](size_t offset, const std::string& bytes) {
        for (size_t i = 0; i < bytes.size(); ++i) plain[offset - 0x18 + i] = bytes[i];
    };
    at(0x3C, Le(1252, 2));
    at(0x3E, Le(0, 4));
    at(0x6E, Le(0x0409, 4));

    const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    uint8_t s[256];
    for (int i = 0; i < 256; ++i) s[i] = static_cast<uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (int n = 0, i = 0, j = 0; n < 128; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        page[0x18 + n] = static_cast<char>(plain[n] ^ s[(s[i] + s[j]) & 0xFF]);
    }
    return page;
}

// A row: column count, the fixed columns at their offsets, the variable
// columns' bytes, then (only when the table has variable columns) the end of
// data, their offsets last to first and their count, and the null mask.
inline std::string JetDatabase::PackRow(const std::vector<Column>& columns, const Row& row) {
    std::string bytes = Le(static_cast<uint32_t>(columns.size()), 2);
    for (size_t c = 0; c < columns.size(); ++c)
        if (columns[c].m_type != kText && columns[c].m_type != kOle) {
            std::string value = row[c].value_or(std::string());
            value.resize(columns[c].m_nLength, '\0');
            bytes += value;
        }
    std::vector<uint16_t> offsets;
    for (size_t c = 0; c < columns.size(); ++c)
        if (columns[c].m_type == kText || columns[c].m_type == kOle) {
            offsets.push_back(static_cast<uint16_t>(bytes.size()));
            bytes += row[c].value_or(std::string());
        }
    if (!offsets.empty()) {
        bytes += Le(static_cast<uint32_t>(bytes.size()), 2);
        for (auto it = offsets.rbegin(); it != offsets.rend(); ++it) bytes += Le(*it, 2);
        bytes += Le(static_cast<uint32_t>(offsets.size()), 2);
    }
    std::string mask((columns.size() + 7) / 8, '\0');
    for (size_t c = 0; c < columns.size(); ++c)
        if (row[c]) mask[c / 8] = static_cast<char>(mask[c / 8] | 1 << (c % 8));
    return bytes + mask;
}

inline JetDatabase::Page JetDatabase::DefinitionPage(const Table& table, size_t rowCount,
                                                     uint32_t usageMap, uint32_t freeMap) {
    Page page{};
    page[0] = 0x02;
    page[1] = 0x01;
    Put(page, 16, Le(static_cast<uint32_t>(rowCount), 4));
    page[40] = 0x4E;  // a user table
    uint16_t fixedOffset = 0, varIndex = 0;
    for (const Column& c : table.m_columns) varIndex += c.m_type == kText || c.m_type == kOle;
    const auto count = static_cast<uint32_t>(table.m_columns.size());
    Put(page, 41, Le(count, 2));
    Put(page, 43, Le(varIndex, 2));
    Put(page, 45, Le(count, 2));
    Put(page, 55, Le(usageMap, 4));
    Put(page, 59, Le(freeMap, 4));
    size_t at = 63;
    varIndex = 0;
    for (uint16_t n = 0; n < table.m_columns.size(); ++n) {
        const Column& c = table.m_columns[n];
        const bool variable = c.m_type == kText || c.m_type == kOle;
        page[at] = static_cast<char>(c.m_type);
        Put(page, at + 5, Le(n, 2));
        Put(page, at + 7, Le(variable ? varIndex : 0, 2));
        Put(page, at + 9, Le(n, 2));
        if (c.m_type == kText) Put(page, at + 11, Le(0x0409, 2));
        page[at + 15] = static_cast<char>((variable ? 0x00 : 0x01) | 0x02);
        Put(page, at + 21, Le(variable ? 0 : fixedOffset, 2));
        Put(page, at + 23, Le(c.m_nLength, 2));
        if (variable)
            ++varIndex;
        else
            fixedOffset = static_cast<uint16_t>(fixedOffset + c.m_nLength);
        at += 25;
    }
    for (const Column& c : table.m_columns) {
        const std::string name = Text(c.m_strName);
        Put(page, at, Le(static_cast<uint32_t>(name.size()), 2) + name);
        at += 2 + name.size();
    }
    Put(page, 8, Le(static_cast<uint32_t>(at), 4));
    Put(page, 2, Le(static_cast<uint32_t>(kPageSize - at - 8), 2));
    return page;
}

// Rows are packed downward from the end of the page, row 0 last.
inline JetDatabase::Page JetDatabase::DataPage(uint32_t definitionPage,
                                               const std::vector<std::string>& rows) {
    Page page{};
    page[0] = 0x01;
    page[1] = 0x01;
    Put(page, 4, Le(definitionPage, 4));
    Put(page, 12, Le(static_cast<uint32_t>(rows.size()), 2));
    size_t end = kPageSize;
    for (size_t r = 0; r < rows.size(); ++r) {
        end -= rows[r].size();
        Put(page, end, rows[r]);
        Put(page, 14 + 2 * r, Le(static_cast<uint32_t>(end), 2));
    }
    Put(page, 2, Le(static_cast<uint32_t>(end - 14 - 2 * rows.size()), 2));
    return page;
}

// A type 0 usage map: a bitmap of pages counted from page 0.
inline std::string JetDatabase::UsageMap(const std::vector<uint32_t>& pages) {
    std::string bitmap(64, '\0');
    for (uint32_t p : pages) bitmap[p / 8] = static_cast<char>(bitmap[p / 8] | 1 << (p % 8));
    return std::string(1, '\0') + Le(0, 4) + bitmap;
}

inline JetDatabase::Table JetDatabase::Catalog(const std::vector<Placement>& placements) const {
    Table catalog{"MSysObjects",
                  {LongColumn("Id"),
                   TextColumn("Name", 128),
                   {"Type", kInt, 2},
                   LongColumn("Flags"),
                   {"LvProp", kOle, 0}},
                  {}};
    for (size_t t = 0; t < m_tables.size(); ++t)
        catalog.m_rows.push_back(Row{Int32(placements[t + 1].m_nDefinitionPage),
                                     Text(m_tables[t].m_strName), Int16(1), Int32(0),
                                     std::nullopt});
    return catalog;
}

inline std::string JetDatabase::Bytes() const {
    // Page 2 holds the catalog's definition and page 3 every usage map; each
    // table then takes its definition page and as many data pages as its rows need.
    std::vector<Placement> placements(m_tables.size() + 1);
    uint32_t next = kMapPage + 1;
    const auto place = [&](Placement& p, const Table& table) {
        std::vector<std::string> page;
        size_t used = 14;
        for (const Row& row : table.m_rows) {
            std::string packed = PackRow(table.m_columns, row);
            if (used + packed.size() + 2 > kPageSize) {
                p.m_pageRows.push_back(std::move(page));
                page.clear();
                used = 14;
            }
            used += packed.size() + 2;
            page.push_back(std::move(packed));
        }
        if (!page.empty()) p.m_pageRows.push_back(std::move(page));
        for (size_t i = 0; i < p.m_pageRows.size(); ++i) p.m_dataPages.push_back(next++);
    };
    for (size_t t = 0; t < m_tables.size(); ++t) {
        placements[t + 1].m_nDefinitionPage = next++;
        place(placements[t + 1], m_tables[t]);
    }
    placements[0].m_nDefinitionPage = kCatalogPage;
    const Table catalog = Catalog(placements);
    place(placements[0], catalog);

    std::vector<Page> pages(next);
    pages[0] = HeaderPage();
    std::vector<std::string> maps;
    for (size_t t = 0; t < placements.size(); ++t) {
        const Table& table = t == 0 ? catalog : m_tables[t - 1];
        const Placement& p = placements[t];
        const auto mapRow = static_cast<uint32_t>(maps.size());
        maps.push_back(UsageMap(p.m_dataPages));
        maps.push_back(UsageMap({}));
        pages[p.m_nDefinitionPage] = DefinitionPage(
            table, table.m_rows.size(), kMapPage << 8 | mapRow, kMapPage << 8 | (mapRow + 1));
        for (size_t i = 0; i < p.m_dataPages.size(); ++i)
            pages[p.m_dataPages[i]] = DataPage(p.m_nDefinitionPage, p.m_pageRows[i]);
    }
    pages[kMapPage] = DataPage(0, maps);

    std::string bytes;
    for (const Page& page : pages) bytes.append(page.data(), page.size());
    return bytes;
}

#pragma once

#include <string>

#include "import/CPagingImporter.h"

// Reads an M-7700 station database (a Jet/Access .mdb file) through
// mdbtools: the number of expansion units from "Config", then the first
// (System_Config + 1) x 24 rows of "Clid" in the database's own order.
class CDatabaseImporter : public CPagingImporter {
public:
    using CPagingImporter::CPagingImporter;

    ImportStatus Read(const std::string& path) override;
};

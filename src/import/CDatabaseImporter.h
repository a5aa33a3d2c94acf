#pragma once

#include <string>

#include "import/CPagingImporter.h"
#include "model/ProcessRunner.h"

// Reads an M-7700 station database (a Jet/Access .mdb file) through
// mdbtools: the number of expansion units from "Config", then the first
// (System_Config + 1) x 24 rows of "Clid" in the database's own order.
// mdbtools runs in a helper program started through `runner` (without one,
// the helper is spawned and waited for). A read the user cancels fails
// without a message.
class CDatabaseImporter : public CPagingImporter {
public:
    explicit CDatabaseImporter(Prompter& prompter, ProcessRunner* runner = nullptr);

    ImportStatus Read(const std::string& path) override;

private:
    ProcessRunner* m_pRunner;
};

#include "import/CDatabaseImporter.h"

#include "import/ImportMessages.h"
#include "import/IsolatedDatabaseRead.h"
#include "import/SpawnProcessRunner.h"

CDatabaseImporter::CDatabaseImporter(Prompter& prompter, ProcessRunner* runner)
    : CPagingImporter(prompter), m_pRunner(runner) {}

ImportStatus CDatabaseImporter::Read(const std::string& path) {
    m_records.clear();
    SpawnProcessRunner spawner;
    StationDatabaseResult result =
        ReadStationDatabaseIsolated(path, m_pRunner ? *m_pRunner : spawner);
    switch (result.m_outcome) {
        case StationDatabaseResult::Outcome::Ok:
            m_records = std::move(result.m_records);
            return IMPORT_OK;
        case StationDatabaseResult::Outcome::OpenError:
            m_prompter.Message(Tr("Import", ImportMessages::kDbOpenError));
            break;
        case StationDatabaseResult::Outcome::TableTrouble:
            m_prompter.Message(Tr("Import", ImportMessages::kTableTrouble));
            break;
        case StationDatabaseResult::Outcome::Cancelled:
            return IMPORT_FAILED;
    }
    m_prompter.Message(result.m_strEngineText, PromptButtons::Ok, PromptIcon::Error);
    return IMPORT_FAILED;
}

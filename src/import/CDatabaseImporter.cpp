#include "import/CDatabaseImporter.h"

#include "import/ImportMessages.h"
#include "import/IsolatedDatabaseRead.h"

ImportStatus CDatabaseImporter::Read(const std::string& path) {
    m_records.clear();
    StationDatabaseResult result = ReadStationDatabaseIsolated(path);
    switch (result.m_outcome) {
        case StationDatabaseResult::Outcome::Ok:
            m_records = std::move(result.m_records);
            return IMPORT_OK;
        case StationDatabaseResult::Outcome::OpenError:
            m_prompter.Message(ImportMessages::kDbOpenError);
            break;
        case StationDatabaseResult::Outcome::TableTrouble:
            m_prompter.Message(ImportMessages::kTableTrouble);
            break;
    }
    m_prompter.Message(result.m_strEngineText, PromptButtons::Ok, PromptIcon::Error);
    return IMPORT_FAILED;
}

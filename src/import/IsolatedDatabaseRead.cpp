#include "import/IsolatedDatabaseRead.h"

#include "import/HelperLocation.h"
#include "import/ImportMessages.h"
#include "import/StationAnswer.h"
#include "model/Format.h"

namespace {

using Outcome = StationDatabaseResult::Outcome;

// Long enough for any real station table; a helper still busy then is stuck.
constexpr std::chrono::seconds kHelperLimit{30};

StationDatabaseResult Failed(Outcome outcome, const std::string& text, const std::string& path) {
    StationDatabaseResult result;
    result.m_outcome = outcome;
    result.m_strEngineText = StrFormat(text.c_str(), path.c_str());
    return result;
}

}  // namespace

StationDatabaseResult ReadStationDatabaseIsolated(const std::string& path, ProcessRunner& runner) {
    ProcessCall call;
    call.m_strProgram = StationHelperPath();
    if (call.m_strProgram.empty())
        return Failed(Outcome::OpenError, Tr("Import", EngineMessages::kEngineUnavailable), path);
    call.m_args = {"--", path};
    call.m_nMostBytes = StationAnswer::kMostBytes;
    call.m_limit = kHelperLimit;
    call.m_strWaitText = Tr("Import", ImportMessages::kReadingDatabase);

    const ProcessOutcome run = runner.Run(call);
    using Ending = ProcessOutcome::Ending;
    if (run.m_ending == Ending::NotStarted)
        return Failed(Outcome::OpenError, Tr("Import", EngineMessages::kEngineUnavailable), path);
    if (run.m_ending == Ending::Cancelled) {
        StationDatabaseResult cancelled;
        cancelled.m_outcome = Outcome::Cancelled;
        return cancelled;
    }
    if (run.ExitedCleanly())
        if (auto result = StationAnswer::Decode(run.m_strOutput)) return std::move(*result);
    return Failed(
        StationAnswer::Opened(run.m_strOutput) ? Outcome::TableTrouble : Outcome::OpenError,
        Tr("Import", EngineMessages::kEngineStopped), path);
}

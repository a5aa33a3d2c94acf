#include "import/IsolatedDatabaseRead.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "import/ImportMessages.h"
#include "model/ByteReader.h"
#include "model/ByteWriter.h"
#include "model/Format.h"

namespace {

using Outcome = StationDatabaseResult::Outcome;

// Long enough for any real station table; a child still busy then is stuck.
constexpr unsigned kChildSeconds = 30;
// The child's answer: a mark once the database opened, then the result.
constexpr char kOpenedMark = 'O';
constexpr char kResultMark = 'R';
// Far above the largest answer: 6144 records of two 255-byte texts.
constexpr size_t kMostAnswerBytes = 8u << 20;

std::string Encode(const StationDatabaseResult& result) {
    ByteWriter w;
    w.U8(kResultMark);
    w.U8(static_cast<uint8_t>(result.m_outcome));
    w.U32(static_cast<uint32_t>(result.m_strEngineText.size()));
    w.Bytes(result.m_strEngineText);
    w.U32(static_cast<uint32_t>(result.m_records.size()));
    for (const CImportRecord& r : result.m_records) {
        w.I32(r.m_nZoneId);
        w.U32(static_cast<uint32_t>(r.m_strArch.size()));
        w.Bytes(r.m_strArch);
        w.U32(static_cast<uint32_t>(r.m_strName.size()));
        w.Bytes(r.m_strName);
    }
    return w.Take();
}

// A text of the answer, no longer than `most`.
bool TakeText(ByteReader& r, size_t most, std::string& text) {
    const uint32_t n = r.U32();
    if (!r.Ok() || n > most) return false;
    text = r.Bytes(n);
    return r.Ok();
}

bool Decode(std::string_view bytes, StationDatabaseResult& result) {
    ByteReader r(bytes);
    if (r.U8() != kResultMark) return false;
    const uint8_t outcome = r.U8();
    if (outcome > static_cast<uint8_t>(Outcome::TableTrouble)) return false;
    result.m_outcome = static_cast<Outcome>(outcome);
    if (!TakeText(r, 4096, result.m_strEngineText)) return false;
    const uint32_t count = r.U32();
    if (!r.Ok() || count > kMostStations) return false;
    for (uint32_t i = 0; i < count; ++i) {
        CImportRecord record;
        record.m_nZoneId = r.I32();
        if (!TakeText(r, kStationTextBytes, record.m_strArch) ||
            !TakeText(r, kStationTextBytes, record.m_strName))
            return false;
        result.m_records.push_back(std::move(record));
    }
    return r.Ok() && r.Remaining() == 0;
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

[[noreturn]] void RunChild(int fd, const std::string& path) {
    // mdbtools writes its complaints to the standard error; the program
    // gives its own reasons instead.
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) ::dup2(devNull, STDERR_FILENO);
    // A fault in the engine is expected here, and is no reason for a core file.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    // Such a fault, and the time limit, end the child whatever handlers the
    // program had installed before it forked.
    for (const int sig : {SIGALRM, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(sig, SIG_DFL);
    ::alarm(kChildSeconds);
    const StationDatabaseResult result =
        ReadStationDatabase(path, [fd] { WriteAll(fd, std::string_view(&kOpenedMark, 1)); });
    WriteAll(fd, Encode(result));
    ::_exit(0);
}

StationDatabaseResult Failed(Outcome outcome, const char* text, const std::string& path) {
    StationDatabaseResult result;
    result.m_outcome = outcome;
    result.m_strEngineText = StrFormat(text, path.c_str());
    return result;
}

}  // namespace

StationDatabaseResult ReadStationDatabaseIsolated(const std::string& path) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return Failed(Outcome::OpenError, EngineMessages::kEngineUnavailable, path);
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return Failed(Outcome::OpenError, EngineMessages::kEngineUnavailable, path);
    }
    if (pid == 0) {
        ::close(fds[0]);
        RunChild(fds[1], path);
    }
    ::close(fds[1]);

    std::string answer;
    char buffer[65536];
    bool tooLong = false;
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (answer.size() + static_cast<size_t>(n) > kMostAnswerBytes) {
            tooLong = true;
            ::kill(pid, SIGKILL);
            break;
        }
        answer.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }

    const bool opened = !answer.empty() && answer[0] == kOpenedMark;
    StationDatabaseResult result;
    if (!tooLong && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
        Decode(std::string_view(answer).substr(opened ? 1 : 0), result))
        return result;
    return Failed(opened ? Outcome::TableTrouble : Outcome::OpenError,
                  EngineMessages::kEngineStopped, path);
}

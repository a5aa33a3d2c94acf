// zrtpro-mdbread: reads an M-7700 station database with mdbtools and writes
// the result to standard output in the form import/StationAnswer.h describes.
// The program runs it in a process of its own, so that a damaged file that
// crashes or stalls the engine ends this helper and not the program.

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "import/StationAnswer.h"

namespace {

// Ends the helper on its own if whoever started it has gone without ending it.
constexpr unsigned kOwnLimitSeconds = 60;

bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // zrtpro-mdbread [--] FILE
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--") == 0) ++first;
    if (argc - first != 1) {
        static constexpr std::string_view kUsage = "usage: zrtpro-mdbread [--] FILE\n";
        (void)!::write(STDERR_FILENO, kUsage.data(), kUsage.size());
        return 2;
    }
    // A fault of the engine is expected on a damaged file, and no reason for a core file.
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::alarm(kOwnLimitSeconds);

    const StationDatabaseResult result = ReadStationDatabase(
        argv[first], [] { WriteAll(std::string_view(&StationAnswer::kOpenedMark, 1)); });
    return WriteAll(StationAnswer::Encode(result)) ? 0 : 1;
}

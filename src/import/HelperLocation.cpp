#include "import/HelperLocation.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr const char* kHelperName = "zrtpro-mdbread";

bool Runnable(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string StationHelperPath() {
#ifdef ZRT_TEST_HOOKS
    // A test build runs the helper a test names; the program a user installs
    // never takes a program to run from its environment.
    if (const char* named = std::getenv("ZRTPRO_MDBREAD"); named && *named) return named;
#endif
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::vector<std::filesystem::path> candidates;
    if (!ec) {
        candidates.push_back(self.parent_path() / kHelperName);
        candidates.push_back(self.parent_path() / ZRT_LIBEXEC_FROM_BIN / kHelperName);
    }
    candidates.push_back(std::filesystem::path(ZRT_LIBEXEC_DIR) / kHelperName);
    for (const std::filesystem::path& candidate : candidates)
        if (Runnable(candidate)) return candidate.lexically_normal().string();
    return {};
}

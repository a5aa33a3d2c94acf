#include "import/ImportFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string LunettaFolderOf(const std::string& path) {
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_directory(path, ec))
        return path.back() == '/' ? path : path + "/";
    return FolderOf(path);
}

std::string FindIgnoringCase(const std::string& folder, const std::string& name) {
    const std::string exact = folder + name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;
    const std::filesystem::path dir =
        folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
    // The smallest matching name, so that the choice does not depend on the
    // order in which the file system lists the folder.
    std::string found;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, name) && (found.empty() || entry < found)) found = entry;
    }
    return found.empty() ? exact : folder + found;
}

std::optional<std::string> ReadFilePrefix(const std::string& path, size_t maxBytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

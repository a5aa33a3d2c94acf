#include "unit/UnitHistory.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "model/FileIo.h"
#include "model/Format.h"
#include "model/LocalStamp.h"
#include "unit/UnitImageLayout.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kImageSuffix = ".bin";
constexpr const char* kDescriptionSuffix = ".txt";
// A description is a few short lines; anything larger is not one of ours.
constexpr size_t kMaxDescription = 4096;

// A description holds one "key=value" line each; values never hold a line break.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char ch) { return ch == '\n' || ch == '\r'; }, ' ');
    return text;
}

std::string Describe(const UnitHistoryEntry& e) {
    std::string text;
    const auto add = [&text](const char* key, const std::string& value) {
        text += key;
        text += '=';
        text += OneLine(value);
        text += '\n';
    };
    add("time", e.m_strTime);
    add("kind", e.m_strKind);
    add("connection", e.m_strConnection);
    add("site", e.m_strSite);
    add("model", e.m_strModel);
    add("camera-units", std::to_string(e.m_nCameraUnits));
    add("inputs", std::to_string(e.m_nInputs));
    add("erased", e.m_bErased ? "yes" : "no");
    return text;
}

int Number(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return 0;
    return std::stoi(text);
}

std::optional<UnitHistoryEntry> ParseDescription(const std::string& text) {
    std::map<std::string, std::string> values;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const size_t eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
        start = end + 1;
    }
    if (values["time"].empty() || values["kind"].empty()) return std::nullopt;
    UnitHistoryEntry e;
    e.m_strTime = values["time"];
    e.m_strKind = values["kind"];
    e.m_strConnection = values["connection"];
    e.m_strSite = values["site"];
    e.m_strModel = values["model"];
    e.m_nCameraUnits = Number(values["camera-units"]);
    e.m_nInputs = Number(values["inputs"]);
    e.m_bErased = values["erased"] == "yes";
    return e;
}

// The entries' names (without suffix) of complete entries, oldest first.
std::vector<std::string> EntryNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        const fs::path& p = item.path();
        if (p.extension() != kDescriptionSuffix) continue;
        fs::path image = p;
        image.replace_extension(kImageSuffix);
        if (fs::file_size(image, ec) != UnitImage::kSize || ec) continue;
        names.push_back(p.stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::optional<UnitHistoryEntry> UnitHistory::Keep(UnitHistoryEntry entry,
                                                  std::span<const uint8_t> image,
                                                  std::string& reason) const {
    if (image.size() != UnitImage::kSize) {
        reason = "the copy is not a whole memory image";
        return std::nullopt;
    }
    std::error_code ec;
    fs::create_directories(m_strFolder, ec);
    if (ec) {
        reason = ec.message();
        return std::nullopt;
    }
    fs::permissions(m_strFolder, fs::perms::owner_all, fs::perm_options::replace, ec);

    const LocalStamp stamp = LocalStampNow();
    const std::string stampName = stamp.FileName();
    std::string name = stampName;
    // Two copies within one millisecond get names of their own.
    for (int n = 1; fs::exists(fs::path(m_strFolder) / (name + kDescriptionSuffix), ec); ++n)
        name = StrFormat("%s-%d", stampName.c_str(), n);
    const fs::path base = fs::path(m_strFolder) / name;
    entry.m_strTime = stamp.Iso();
    entry.m_strImagePath = base.string() + kImageSuffix;
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    // The image first: a description is listed only beside a whole image.
    if (!WriteFileAtomically(entry.m_strImagePath, bytes, &reason, true) ||
        !WriteFileAtomically(base.string() + kDescriptionSuffix, Describe(entry), &reason, true)) {
        fs::remove(entry.m_strImagePath, ec);
        return std::nullopt;
    }

    std::vector<std::string> names = EntryNames(m_strFolder);
    for (size_t i = 0; i + kKept < names.size(); ++i) {
        UnitHistoryEntry old;
        old.m_strImagePath = (fs::path(m_strFolder) / (names[i] + kImageSuffix)).string();
        Delete(old);
    }
    return entry;
}

std::vector<UnitHistoryEntry> UnitHistory::List() const {
    std::vector<UnitHistoryEntry> entries;
    std::vector<std::string> names = EntryNames(m_strFolder);
    std::reverse(names.begin(), names.end());
    for (const std::string& name : names) {
        const fs::path base = fs::path(m_strFolder) / name;
        const auto text = ReadWholeFile(base.string() + kDescriptionSuffix, kMaxDescription);
        if (!text) continue;
        std::optional<UnitHistoryEntry> e = ParseDescription(*text);
        if (!e) continue;
        e->m_strImagePath = base.string() + kImageSuffix;
        entries.push_back(std::move(*e));
    }
    return entries;
}

std::optional<std::vector<uint8_t>> UnitHistory::LoadImage(const std::string& imagePath) {
    const auto bytes = ReadWholeFile(imagePath, UnitImage::kSize);
    if (!bytes || bytes->size() != UnitImage::kSize) return std::nullopt;
    return std::vector<uint8_t>(bytes->begin(), bytes->end());
}

bool UnitHistory::Delete(const UnitHistoryEntry& entry) const {
    fs::path description = entry.m_strImagePath;
    description.replace_extension(kDescriptionSuffix);
    std::error_code ec;
    const bool gone = fs::remove(description, ec) && !ec;
    fs::remove(entry.m_strImagePath, ec);
    return gone;
}

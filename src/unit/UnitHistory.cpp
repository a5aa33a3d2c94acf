#include "unit/UnitHistory.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "model/FileIo.h"
#include "model/Format.h"
#include "model/LocalStamp.h"
#include "model/Translate.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

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
    add("partly-written", e.m_bPartlyWritten ? "yes" : "no");
    add("sequence", std::to_string(e.m_nSequence));
    return text;
}

// A decimal number of at most 18 digits; 0 for anything else.
uint64_t Number(const std::string& text) {
    if (text.empty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return 0;
    return std::stoull(text);
}

int Count(const std::string& text) {
    const uint64_t n = Number(text);
    return n > 999999 ? 0 : static_cast<int>(n);
}

// The names (without suffix) of the descriptions with a whole image beside them.
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
    return names;
}

// Every entry that reads whole, oldest first: by sequence, then by name.
std::vector<UnitHistoryEntry> Entries(const std::string& folder) {
    std::vector<std::pair<std::string, UnitHistoryEntry>> named;
    for (const std::string& name : EntryNames(folder)) {
        const fs::path base = fs::path(folder) / name;
        const auto text = ReadWholeFile(base.string() + kDescriptionSuffix, kMaxDescription);
        if (!text) continue;
        std::optional<UnitHistoryEntry> e = UnitHistory::ParseDescription(*text);
        if (!e) continue;
        e->m_strImagePath = base.string() + kImageSuffix;
        named.emplace_back(name, std::move(*e));
    }
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
        return a.second.m_nSequence != b.second.m_nSequence
                   ? a.second.m_nSequence < b.second.m_nSequence
                   : a.first < b.first;
    });
    std::vector<UnitHistoryEntry> entries;
    entries.reserve(named.size());
    for (auto& n : named) entries.push_back(std::move(n.second));
    return entries;
}

}  // namespace

std::string HeldText(const UnitHistoryEntry& e, TextReader reader) {
    if (e.m_bErased) return Tr(reader, "Unit", UnitMessages::kHeldErased);
    if (e.m_bPartlyWritten) return Tr(reader, "Unit", UnitMessages::kHeldPartlyWritten);
    if (e.m_strModel.empty()) return Tr(reader, "Unit", UnitMessages::kHeldNothing);
    return StrFormat(Tr(reader, "Unit", UnitMessages::kHeldConfiguration).c_str(),
                     e.m_strModel.c_str(), e.m_nCameraUnits, e.m_nInputs);
}

std::string KindText(const std::string& kind) {
    if (kind == UnitMessages::kKindRead) return Tr("Unit", UnitMessages::kKindReadShown);
    if (kind == UnitMessages::kKindBeforeWrite)
        return Tr("Unit", UnitMessages::kKindBeforeWriteShown);
    if (kind == UnitMessages::kKindBeforeRestore)
        return Tr("Unit", UnitMessages::kKindBeforeRestoreShown);
    return kind;
}

std::optional<UnitHistoryEntry> UnitHistory::Keep(UnitHistoryEntry entry,
                                                  std::span<const uint8_t> image,
                                                  std::string& reason) const {
    if (image.size() != UnitImage::kSize) {
        reason = Tr("Unit", UnitMessages::kNotWholeImage);
        return std::nullopt;
    }
    std::error_code ec;
    fs::create_directories(m_strFolder, ec);
    if (ec) {
        reason = ec.message();
        return std::nullopt;
    }
    fs::permissions(m_strFolder, fs::perms::owner_all, fs::perm_options::replace, ec);

    const std::vector<UnitHistoryEntry> entries = Entries(m_strFolder);
    entry.m_nSequence = entries.empty() ? 1 : entries.back().m_nSequence + 1;

    const LocalStamp stamp = LocalStampNow();
    const std::string stampName = stamp.FileName();
    std::string name = stampName;
    // A second copy within one millisecond, or a clock moved back onto an
    // older copy's name, gets a name of its own.
    const auto taken = [this, &ec](const std::string& n) {
        const fs::path base = fs::path(m_strFolder) / n;
        return fs::exists(base.string() + kDescriptionSuffix, ec) ||
               fs::exists(base.string() + kImageSuffix, ec);
    };
    for (int n = 1; taken(name); ++n) name = StrFormat("%s-%d", stampName.c_str(), n);
    const fs::path base = fs::path(m_strFolder) / name;
    entry.m_strTime = stamp.Iso();
    entry.m_strImagePath = base.string() + kImageSuffix;
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    // The image first: a description is listed only beside a whole image. Both
    // are on disk, their names too, before anything may erase the unit.
    if (!WriteFileAtomically(entry.m_strImagePath, bytes, &reason, true) ||
        !WriteFileAtomically(base.string() + kDescriptionSuffix, Describe(entry), &reason, true) ||
        !SyncFolder(m_strFolder, &reason)) {
        fs::remove(base.string() + kDescriptionSuffix, ec);
        fs::remove(entry.m_strImagePath, ec);
        return std::nullopt;
    }

    // The entry just kept is the newest by sequence: only older ones go.
    for (size_t i = 0; i + kKept < entries.size() + 1; ++i) Delete(entries[i]);
    return entry;
}

std::vector<UnitHistoryEntry> UnitHistory::List() const {
    std::vector<UnitHistoryEntry> entries = Entries(m_strFolder);
    std::reverse(entries.begin(), entries.end());
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

std::optional<UnitHistoryEntry> UnitHistory::ParseDescription(std::string_view text) {
    std::map<std::string, std::string> values;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos)
            values[std::string(line.substr(0, eq))] = std::string(line.substr(eq + 1));
        start = end + 1;
    }
    if (values["time"].empty() || values["kind"].empty()) return std::nullopt;
    UnitHistoryEntry e;
    e.m_strTime = values["time"];
    e.m_strKind = values["kind"];
    e.m_strConnection = values["connection"];
    e.m_strSite = values["site"];
    e.m_strModel = values["model"];
    e.m_nCameraUnits = Count(values["camera-units"]);
    e.m_nInputs = Count(values["inputs"]);
    e.m_bErased = values["erased"] == "yes";
    e.m_bPartlyWritten = values["partly-written"] == "yes";
    e.m_nSequence = Number(values["sequence"]);
    return e;
}

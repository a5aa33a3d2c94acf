#include "import/CQuillonImporter.h"

#include "import/ImportFiles.h"
#include "import/ImportMessages.h"
#include "model/Format.h"

namespace {

// Offsets in a version 1 file; later versions put an 8-byte field after the
// version, moving everything behind it.
constexpr size_t kZoneTableV1 = 36;
constexpr size_t kZoneEntryBytes = 4;
constexpr size_t kDialTableV1 = 1520;
constexpr size_t kExtraFieldBytes = 8;
constexpr size_t kDialTableValues = 233;
constexpr size_t kLongestFile = kDialTableV1 + kExtraFieldBytes + 2 * kDialTableValues;

constexpr uint8_t kUseBits = 0x30;
constexpr uint8_t kOutOfUse = 0x20;

uint8_t ByteAt(const std::string& bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }

}  // namespace

std::string DecodeDialCode(uint16_t value) {
    std::string text;
    for (int digit = 0; digit < 4; ++digit) {
        const int code = (value >> (4 * digit)) & 0x0F;
        if (code <= 9)
            text += static_cast<char>('0' + code);
        else if (code == 11)
            text += '*';
        else if (code == 12)
            text += '#';
        else
            break;
    }
    return text;
}

ImportStatus CQuillonImporter::Read(const std::string& path) {
    m_records.clear();
    const auto bytes = ReadFilePrefix(path, kLongestFile);
    if (!bytes) {
        m_prompter.Message(
            StrFormat(Tr("Import", ImportMessages::kUnableToOpenFile).c_str(), path.c_str()));
        return IMPORT_FAILED;
    }
    uint32_t version = 0;
    if (bytes->size() >= 4)
        version = ByteAt(*bytes, 0) | ByteAt(*bytes, 1) << 8 | ByteAt(*bytes, 2) << 16 |
                  static_cast<uint32_t>(ByteAt(*bytes, 3)) << 24;
    if (version == 0 || version > 4) {
        m_prompter.Message(Tr("Import", ImportMessages::kUnsupportedVersion), PromptButtons::Ok,
                           PromptIcon::Error);
        return IMPORT_FAILED;
    }
    const size_t shift = version >= 2 ? kExtraFieldBytes : 0;
    const size_t zoneTable = kZoneTableV1 + shift;
    const size_t dialTable = kDialTableV1 + shift;

    for (size_t z = 0; z < kZones; ++z) {
        // A file that ends early has no code for this zone: the scan stops
        // as it does at an empty code.
        const size_t code = dialTable + 2 * z;
        if (code + 2 > bytes->size()) break;
        const std::string arch = DecodeDialCode(
            static_cast<uint16_t>(ByteAt(*bytes, code) | ByteAt(*bytes, code + 1) << 8));
        if (arch.empty()) break;
        if ((ByteAt(*bytes, zoneTable + kZoneEntryBytes * z + 3) & kUseBits) == kOutOfUse) continue;
        m_records.push_back({static_cast<int32_t>(z), arch, {}});
    }
    return IMPORT_OK;
}

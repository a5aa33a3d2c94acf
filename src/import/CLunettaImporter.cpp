#include "import/CLunettaImporter.h"

#include <fstream>
#include <iterator>

#include "import/ImportFiles.h"
#include "import/ImportMessages.h"
#include "model/Format.h"

namespace {

constexpr int kSlotBytes = 32;
constexpr int kSlotNumberOffset = 1;
constexpr int kSlotNameOffset = 10;
constexpr size_t kNameBytes = 15;
constexpr int kAdminRecordBytes = 28;
constexpr int kAdminNumberOffset = 1;
constexpr int kEmptySlot = 16665;
constexpr int kFirstBoardLine = 5;
constexpr int kLastBoardLine = kFirstBoardLine + CLunettaImporter::kBoards - 1;

// The two bytes at `at`, or nothing when the file ends before them.
bool NumberAt(const std::string& bytes, size_t at, int& value) {
    if (at + 2 > bytes.size()) return false;
    value = DecodePackedBcd(static_cast<uint8_t>(bytes[at]), static_cast<uint8_t>(bytes[at + 1]));
    return true;
}

}  // namespace

int DecodePackedBcd(uint8_t b0, uint8_t b1) {
    return (b0 >> 4) * 1000 + (b0 & 0x0F) * 100 + (b1 >> 4) * 10 + (b1 & 0x0F);
}

ImportStatus CLunettaImporter::Read(const std::string& path) {
    m_boardPresent.fill(0);
    m_records.clear();
    m_nEmptyCounter = 999;
    m_strFolder = LunettaFolderOf(path);

    ReadAdministrators();
    if (!ReadBoardPresence()) return IMPORT_FAILED;

    bool anyBoard = false;
    for (int32_t present : m_boardPresent) anyBoard = anyBoard || present;
    if (!anyBoard) {
        m_prompter.Message(
            StrFormat(Tr("Import", ImportMessages::kNoBoards).c_str(), m_strFolder.c_str()));
        return IMPORT_NO_BOARDS;
    }

    for (int board = 1; board <= kBoards; ++board)
        if (m_boardPresent[board - 1] && !ReadBoard(board)) return IMPORT_FAILED;
    return IMPORT_OK;
}

void CLunettaImporter::ReadAdministrators() {
    const auto bytes =
        ReadFilePrefix(FindIgnoringCase(m_strFolder, "tdx_admn.usr"), 4 * kAdminRecordBytes);
    if (!bytes) {
        m_prompter.Message(Tr("Import", ImportMessages::kAdminFileMissing));
        m_adminArch = {501, 502, 503, 504};
        return;
    }
    // A short file keeps the default number of every administrator it lacks;
    // an unprogrammed slot (FF FF, like an empty station) takes it too, and
    // the user is told which.
    std::string unprogrammed;
    for (int k = 0; k < 4; ++k) {
        const int fallback = 501 + k;
        int value = fallback;
        NumberAt(*bytes, static_cast<size_t>(kAdminRecordBytes * k + kAdminNumberOffset), value);
        if (value == kEmptySlot) {
            value = fallback;
            unprogrammed +=
                StrFormat(Tr("Import", ImportMessages::kAdminSlotDefault).c_str(), k + 1, fallback);
        }
        m_adminArch[k] = value;
    }
    if (!unprogrammed.empty())
        m_prompter.Message(Tr("Import", ImportMessages::kAdminSlotsUnprogrammed) + unprogrammed);
}

bool CLunettaImporter::ReadBoardPresence() {
    const std::string path = FindIgnoringCase(m_strFolder, kLunettaStationList);
    std::ifstream in(path, std::ios::binary);
    if (!in) return CannotOpen(path);
    // Only lines 5 to 19 matter; scanning character by character keeps a
    // huge or line-less file from being held in memory.
    int line = 1;
    for (std::istreambuf_iterator<char> it(in), end; it != end && line <= kLastBoardLine; ++it) {
        if (*it == '\n')
            ++line;
        else if (*it == '0' && line >= kFirstBoardLine)
            m_boardPresent[line - kFirstBoardLine] = 1;
    }
    return true;
}

bool CLunettaImporter::ReadBoard(int board) {
    const std::string name = StrFormat("tdx_bd%02d.usr", board);
    const std::string path = FindIgnoringCase(m_strFolder, name);
    const auto bytes = ReadFilePrefix(path, kSlotsPerBoard * kSlotBytes);
    if (!bytes) return CannotOpen(path);
    for (int slot = 0; slot < kSlotsPerBoard; ++slot) AppendSlot(*bytes, slot);
    return true;
}

bool CLunettaImporter::CannotOpen(const std::string& path) {
    m_prompter.Message(
        StrFormat(Tr("Import", ImportMessages::kUnableToOpenFile).c_str(), path.c_str()));
    return false;
}

void CLunettaImporter::AppendSlot(const std::string& bytes, int slot) {
    const size_t base = static_cast<size_t>(slot) * kSlotBytes;
    // A slot beyond the end of a short file counts as empty.
    int number = kEmptySlot;
    NumberAt(bytes, base + kSlotNumberOffset, number);

    CImportRecord record;
    record.m_nZoneId = static_cast<int32_t>(m_records.size());
    record.m_strArch =
        number == kEmptySlot ? "*" + StrFormat("%3d", m_nEmptyCounter--) : StrFormat("%4d", number);
    if (base + kSlotNameOffset < bytes.size()) {
        const std::string field = bytes.substr(base + kSlotNameOffset, kNameBytes);
        record.m_strName = field.substr(0, field.find('\0'));
    }
    m_records.push_back(std::move(record));
}

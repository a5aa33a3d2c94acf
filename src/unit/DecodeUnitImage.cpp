#include "unit/DecodeUnitImage.h"

#include <algorithm>
#include <array>

#include "model/Format.h"
#include "model/ModelMessages.h"
#include "model/Translate.h"
#include "tree/BuildTree.h"
#include "tree/NameRule.h"
#include "tree/TreeMessages.h"
#include "unit/ArchValue.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

namespace {

using namespace UnitImage;

constexpr int kPortsFourPortUnit = 4;
constexpr int kPortsEightPortUnit = 8;

class ImageReader {
public:
    ImageReader(std::span<const uint8_t> image, ZrtConfig& config, Prompter& prompter)
        : m_config(config), m_prompter(prompter) {
        m_image.fill(kErased);
        std::copy_n(image.begin(), std::min(image.size(), kSize), m_image.begin());
    }

    bool Read(int rows, std::string& password) {
        m_config.m_nPortCount = rows == 1 ? kPortsFourPortUnit : kPortsEightPortUnit;
        m_config.m_nCiuCount = m_image[kCiuCount];
        if (m_config.m_nCiuCount > m_config.m_nPortCount) {
            m_prompter.Message(StrFormat(Tr("Unit", UnitMessages::kTooManyExpansionUnits).c_str(),
                                         m_config.m_nCiuCount, rows));
            return false;
        }
        MakeNodes();
        if (!ReadArchTable()) return Fail(Tr("Unit", UnitMessages::kPortsUnmatched));
        ReadIdleRecords();
        ReadSettings();
        if (!ReadAdminArch()) return Fail(Tr("Unit", UnitMessages::kBadAdminArch));
        m_config.m_byTimeRefresh = m_image[kTimeRefresh];
        password = ReadPassword();
        if (!ReadReconRecords()) return Fail(Tr("Unit", UnitMessages::kReconMissing));
        m_config.m_strImportPath.clear();
        m_config.m_strWizardFile.clear();
        m_config.m_nConfigSource = kSourceUnit;
        return true;
    }

private:
    bool Fail(const std::string& message) {
        m_prompter.Message(message);
        return false;
    }

    void MakeNodes() {
        m_config.m_nodes.clear();
        for (const char* arch : {TreeMessages::kOverviewArch, TreeMessages::kSettingsArch,
                                 TreeMessages::kIdleLoopArch}) {
            CConfigNode n;
            n.m_strArch = n.m_strOrigArch = arch;
            n.m_nZoneId = n.m_nOrigZoneId = kZoneIdFixed;
            n.m_nInputCode = kInputCodeUnset;
            n.m_nSignedCode = kSignedCodeFixed;
            m_config.m_nodes.push_back(n);
        }
        int unitsLeft = m_config.m_nCiuCount;
        for (int port = 0; port < m_config.m_nPortCount; ++port) {
            if (unitsLeft > 0) {
                CConfigNode p;
                p.m_nZoneId = p.m_nOrigZoneId = kZoneIdCiuPort;
                p.m_nInputCode = kInputCodeCiuPort;
                p.m_nSignedCode = kSignedCodeFixed;
                m_config.m_nodes.push_back(p);
                for (int k = 0; k < kCiuInputs; ++k) AppendInput(InputCodeOf(port, k));
                --unitsLeft;
            } else {
                AppendInput(InputCodeOf(port, 0));
            }
        }
    }

    void AppendInput(int32_t code) {
        CConfigNode n;
        n.m_nZoneId = n.m_nOrigZoneId = kZoneIdNonPageable;
        n.m_nInputCode = kInputCodeUnset;
        n.m_nSignedCode = code;
        m_config.m_nodes.push_back(n);
    }

    // Each input takes the lowest Arch table cell that holds its code.
    bool ReadArchTable() {
        std::array<int, 256> firstCell;
        firstCell.fill(-1);
        for (int cell = kArchTableCells - 1; cell >= 0; --cell) {
            const uint8_t code = m_image[kArchTable + static_cast<size_t>(cell)];
            if (code != kErased) firstCell[code] = cell;
        }
        for (CConfigNode& n : m_config.m_nodes) {
            if (n.m_nSignedCode < 0) continue;
            const int cell = firstCell[static_cast<size_t>(n.m_nSignedCode)];
            if (cell < 0) return false;
            n.m_strArch = n.m_strOrigArch = IndexToArch(cell);
            n.m_nInputCode = n.m_nSignedCode;
            n.m_nZoneId = kZoneIdNonPageable;
        }
        return true;
    }

    void ReadIdleRecords() {
        m_config.m_idleLoop.clear();
        m_config.m_bIdleNoVideo = 0;
        for (size_t at = kIdle; at + kIdleRecordSize <= kSettings; at += kIdleRecordSize) {
            const uint8_t flags = m_image[at + 1];
            if (!(flags & kIdleBitPresent)) break;
            m_config.m_idleLoop.push_back(ArchFieldText(&m_image[at + 2]));
            if ((flags & kIdleNoVideoMask) == kIdleFlagNoVideo) m_config.m_bIdleNoVideo = 1;
        }
    }

    void ReadSettings() {
        m_config.m_nIdleDelay = U16(kIdleDelay);
        const uint8_t a = m_image[kPriorityA];
        const uint8_t b = m_image[kPriorityB];
        m_config.m_nPriority = a == 0x03 && b == 0x02 ? 1 : a == 0x02 && b == 0x03 ? 2 : 3;
        switch (m_image[kPagingCode] & 0x07) {
            case 1:
                SetPaging(kPagingQuillon, 2);
                break;
            case 2:
                SetPaging(kPagingQuillon, 3);
                break;
            case 3:
            case 5:
                SetPaging(kPagingM7700, 2);
                break;
            case 4:
            case 6:
                SetPaging(kPagingM7700, 3);
                break;
            case 7:
                SetPaging(kPagingLunetta, 3);
                break;
            default:
                SetPaging(kPagingNone, 0);
                break;
        }
    }

    void SetPaging(int32_t system, int32_t digits) {
        m_config.m_nPagingSystem = system;
        m_config.m_nDialDigits = digits;
    }

    bool ReadAdminArch() {
        for (size_t i = 0; i < m_config.m_adminArch.size(); ++i) {
            const uint8_t* field = &m_image[kAdminArch + i * kArchFieldSize];
            if (field[kArchMaxLength] != 0x00) return false;
            size_t k = 0;
            while (k < kArchMaxLength && field[k] == ' ') ++k;
            int32_t value = 0;
            for (; k < kArchMaxLength && field[k] >= '0' && field[k] <= '9'; ++k)
                value = value * 10 + (field[k] - '0');
            m_config.m_adminArch[i] = value;
        }
        return true;
    }

    // Erased cells are no password; a full field has no NUL and ends after 9 cells.
    std::string ReadPassword() const {
        std::string password;
        for (size_t k = 0; k < kPasswordSize; ++k) {
            const uint8_t c = m_image[kPassword + k];
            if (c == 0x00 || c == kErased) break;
            password += static_cast<char>(c);
        }
        return password;
    }

    // A full region must still be followed by the end mark, in the gap before
    // the idle records; a list without one is not the unit's.
    bool ReadReconRecords() {
        m_config.m_zones.clear();
        for (int r = 0;; ++r) {
            const size_t at = kRecon + kReconRecordSize * static_cast<size_t>(r);
            const uint16_t zoneField = U16(at);
            if (zoneField == kZoneFieldEnd) return true;
            if (r == kReconMaxRecords) return false;
            const int32_t zoneId = static_cast<int16_t>(zoneField);
            const std::string arch = ArchFieldText(&m_image[at + kReconArchOffset]);
            const std::string name = BlankControlCharacters(NameAt(at + kReconNameOffset));
            CConfigNode* input =
                m_image[at + kReconCodeOffset] == kReconPoolCode ? nullptr : FindInput(arch);
            if (!input) {
                m_config.m_zones.push_back({arch, name, zoneId});
                continue;
            }
            // The Arch table gives only the number's value; the record keeps
            // it as it was written, leading zeros included ("0045").
            input->m_strArch = input->m_strOrigArch = arch;
            if (zoneField == kZoneFieldNonPageable) {
                input->MakeNonPageable();
                input->m_nZoneId = kZoneIdNonPageable;
            } else {
                input->m_nZoneId = zoneId;
            }
            input->m_strName = input->m_strOrigName = name;
            input->m_nOrigZoneId = input->m_nZoneId;
        }
    }

    // The input whose Arch Number has the record's value: "0045" and "45"
    // share the table cell 53, so the record of "0045" belongs to that input.
    CConfigNode* FindInput(const std::string& arch) {
        const int value = ArchToIndex(arch);
        if (value == kArchInvalid) return nullptr;
        for (int i = kFixedNodeCount; i < m_config.NodeCount(); ++i)
            if (m_config.IsInput(i) && ArchToIndex(m_config.m_nodes[i].m_strArch) == value)
                return &m_config.m_nodes[i];
        return nullptr;
    }

    std::string NameAt(size_t at) const {
        std::string name;
        for (size_t k = 0; k < kNameFieldSize && m_image[at + k] != 0x00; ++k)
            name += static_cast<char>(m_image[at + k]);
        return name;
    }

    uint16_t U16(size_t at) const {
        return static_cast<uint16_t>(m_image[at] | (m_image[at + 1] << 8));
    }

    std::array<uint8_t, kSize> m_image;
    ZrtConfig& m_config;
    Prompter& m_prompter;
};

}  // namespace

bool DecodeUnitImage(std::span<const uint8_t> image, CZRTProDoc& doc, TreeSink& tree,
                     Prompter& prompter, std::string& unitPassword) {
    if (image.size() > kSize) {
        prompter.Message(Tr("Unit", UnitMessages::kImageTooLarge));
        return false;
    }
    // A unit never written (or cleared) has nothing to read: saying so beats
    // the message for a damaged count of camera interface units.
    if (std::all_of(image.begin(), image.end(), [](uint8_t v) { return v == kErased; })) {
        prompter.Message(Tr("Unit", UnitMessages::kUnitErased));
        return false;
    }
    UnitModelAnswer model;
    while (!prompter.AskUnitModel(false, model)) {
    }

    // Nothing of the configuration open before is kept: a read gives the same
    // configuration whatever was open.
    ZrtConfig fresh;
    std::string password;
    if (!ImageReader(image, fresh, prompter).Read(model.m_nRows, password)) return false;

    static_cast<ZrtConfig&>(doc) = std::move(fresh);
    unitPassword = password;
    // A unit gives every input its own cell, so the configuration read has no
    // duplicate; a flag left from the previous one must not refuse its saving.
    doc.m_bConflicts = 0;
    doc.SetUntitled(Tr("Model", ModelMessages::kUntitled));
    BuildTree(doc, tree, prompter, nullptr, true, -1, -1, doc.m_nCiuCount, doc.m_nPortCount);
    doc.SetModifiedFlag(false);
    return true;
}

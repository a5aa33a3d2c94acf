#include "unit/BuildUnitImage.h"

#include <algorithm>

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/ArchValue.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

namespace {

using namespace UnitImage;

class ImageWriter {
public:
    ImageWriter(const ZrtConfig& config, Prompter& prompter)
        : m_config(config), m_prompter(prompter), m_image(kSize, kErased) {}

    std::vector<uint8_t> Build() {
        WriteArchTable();
        WriteIdleRecords();
        WriteReconRecords();
        WriteSettings();
        return std::move(m_image);
    }

private:
    void WriteArchTable() {
        for (int i = kFixedNodeCount; i < m_config.NodeCount(); ++i) {
            if (!m_config.IsInput(i)) continue;
            const CConfigNode& n = m_config.m_nodes[i];
            const int cell = ArchToIndex(n.m_strArch);
            if (cell != kArchInvalid) m_image[kArchTable + cell] = Byte(ImageInputCode(n));
        }
    }

    void WriteIdleRecords() {
        size_t at = kIdle;
        int written = 0;
        for (const std::string& arch : m_config.m_idleLoop) {
            const auto node =
                std::find_if(m_config.m_nodes.begin(), m_config.m_nodes.end(),
                             [&](const CConfigNode& n) { return n.m_strArch == arch; });
            if (node == m_config.m_nodes.end()) {
                m_prompter.Message(Tr("Unit", UnitMessages::kIdleNotInTree));
                continue;
            }
            if (written == kIdleMaxRecords) continue;
            m_image[at] = Byte(ImageInputCode(*node));
            m_image[at + 1] =
                m_config.m_bIdleNoVideo ? (kIdleFlagPresent | kIdleFlagNoVideo) : kIdleFlagPresent;
            FormatArchField(arch, &m_image[at + 2]);
            at += kIdleRecordSize;
            ++written;
        }
        const uint8_t terminator[kIdleRecordSize] = {0xFF, 0x00, 'I', 'N', 'V', 'L', 0x00};
        std::copy(std::begin(terminator), std::end(terminator), m_image.begin() + at);
    }

    void WriteReconRecords() {
        for (int i = kFixedNodeCount; i < m_config.NodeCount(); ++i) {
            const CConfigNode& n = m_config.m_nodes[i];
            if (n.m_nSignedCode >= 0)
                AppendRecon(PageableZoneIdField(n.m_nZoneId), Byte(ImageInputCode(n)), n.m_strArch,
                            n.m_strName);
        }
        for (const CZoneEntry& z : m_config.m_zones)
            AppendRecon(ReconZoneIdField(z.m_nZoneId), kReconPoolCode, z.m_strArch, z.m_strName);
        for (int i = kFixedNodeCount; i < m_config.NodeCount(); ++i) {
            const CConfigNode& n = m_config.m_nodes[i];
            if (m_config.IsInput(i) && n.m_nSignedCode < 0)
                AppendRecon(kZoneFieldNonPageable, Byte(ImageInputCode(n)), n.m_strArch,
                            n.m_strName);
        }
    }

    void AppendRecon(uint16_t zoneId, uint8_t code, const std::string& arch,
                     const std::string& name) {
        if (m_nRecords == kReconMaxRecords) return;
        const size_t at = kRecon + kReconRecordSize * static_cast<size_t>(m_nRecords++);
        PutU16(at, zoneId);
        m_image[at + kReconCodeOffset] = code;
        FormatArchField(arch, &m_image[at + kReconArchOffset]);
        const size_t length = std::min(name.size(), kNameMaxLength);
        for (size_t k = 0; k < kNameFieldSize; ++k)
            m_image[at + kReconNameOffset + k] = k < length ? static_cast<uint8_t>(name[k]) : 0x00;
    }

    void WriteSettings() {
        WriteSignature();
        m_image[kTimeRefresh] = m_config.m_byTimeRefresh;
        PutU16(kIdleDelay, static_cast<uint16_t>(m_config.m_nIdleDelay));
        const auto [a, b] = PriorityBytes(m_config.m_nPriority);
        m_image[kPriorityA] = a;
        m_image[kPriorityB] = b;
        WritePagingCode();
        for (size_t i = 0; i < m_config.m_adminArch.size(); ++i)
            FormatArchField(AdminArchText(m_config, i), &m_image[kAdminArch + i * kArchFieldSize]);
        m_image[kCiuCount] = Byte(m_config.m_nCiuCount);
    }

    void WriteSignature() {
        static constexpr uint8_t kQuillon[] = {0xBA, 0xFF, 0xAF, 0xFF};
        static constexpr uint8_t kLunetta[] = {0xBB, 0xE7, 0xB9, 0xEF};
        static constexpr uint8_t kM7700[] = {0x57, 0xFD, 0x00, 0xFE};
        const uint8_t* signature = m_config.m_nPagingSystem == kPagingQuillon   ? kQuillon
                                   : m_config.m_nPagingSystem == kPagingLunetta ? kLunetta
                                                                                : kM7700;
        std::copy(signature, signature + 4, m_image.begin() + kSignature);
    }

    void WritePagingCode() {
        // A unit read without a paging system gets none back, whatever the digits.
        if (m_config.m_nPagingSystem == kPagingNone) {
            m_image[kPagingCode] = kPagingCodeNone;
            return;
        }
        const int digits = m_config.m_nDialDigits;
        if (digits != 2 && digits != 3) {
            m_prompter.Message(Tr("Unit", UnitMessages::kNoDialDigits));
            return;
        }
        switch (m_config.m_nPagingSystem) {
            case kPagingQuillon:
                m_image[kPagingCode] = digits == 2 ? 0x01 : 0x02;
                break;
            case kPagingLunetta:
                m_image[kPagingCode] = 0x07;
                break;
            case kPagingM7700:
                m_image[kPagingCode] = digits == 2 ? 0x03 : 0x04;
                break;
            default:
                break;
        }
    }

    // Bytes A (0xFFF6, the paging system) and B (0xFFF5, the PC): the side with
    // the higher byte wins, equal bytes share.
    static std::pair<uint8_t, uint8_t> PriorityBytes(int priority) {
        if (priority == 1) return {0x03, 0x02};
        if (priority == 2) return {0x02, 0x03};
        return {0x03, 0x03};
    }

    void PutU16(size_t at, uint16_t value) {
        m_image[at] = static_cast<uint8_t>(value & 0xFF);
        m_image[at + 1] = static_cast<uint8_t>(value >> 8);
    }

    static uint8_t Byte(int32_t value) { return static_cast<uint8_t>(value & 0xFF); }

    const ZrtConfig& m_config;
    Prompter& m_prompter;
    std::vector<uint8_t> m_image;
    int m_nRecords = 0;
};

}  // namespace

int32_t ImageInputCode(const CConfigNode& node) {
    return CConfigNode::DerivedInputCode(node.m_nSignedCode);
}

uint16_t ReconZoneIdField(int32_t zoneId) {
    const auto field = static_cast<uint16_t>(static_cast<uint32_t>(zoneId) & 0xFFFF);
    return field == kZoneFieldEnd ? kZoneFieldNonPageable : field;
}

uint16_t PageableZoneIdField(int32_t zoneId) {
    const auto field = static_cast<uint16_t>(static_cast<uint32_t>(zoneId) & 0xFFFF);
    return field == kZoneFieldEnd || field == kZoneFieldNonPageable ? kZoneFieldPageableStandIn
                                                                    : field;
}

std::string AdminArchText(const ZrtConfig& config, size_t entry) {
    const int32_t admin = config.m_adminArch.at(entry);
    const bool meaningful = static_cast<int>(entry) < config.AdminCount();
    if (!meaningful && (admin < 0 || admin > kAdminArchMax))
        return std::to_string(kAdminArchDefault + static_cast<int>(entry));
    return std::to_string(admin);
}

std::vector<uint8_t> BuildUnitImage(const ZrtConfig& config, Prompter& prompter) {
    return ImageWriter(config, prompter).Build();
}

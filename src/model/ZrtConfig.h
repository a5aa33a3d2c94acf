#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/CConfigNode.h"
#include "model/CZoneEntry.h"

// Paging system kinds and configuration sources. A unit that names no paging
// system (code 0 in its memory) reads as kPagingNone.
inline constexpr int32_t kPagingNone = 0;
inline constexpr int32_t kPagingQuillon = 1;
inline constexpr int32_t kPagingLunetta = 2;
inline constexpr int32_t kPagingM7700 = 3;
inline constexpr int32_t kSourceImport = 4;
inline constexpr int32_t kSourceManual = 5;
inline constexpr int32_t kSourceUnit = 6;

// Time refresh flags.
inline constexpr uint8_t kTimeRefreshPc = 0x01;
inline constexpr uint8_t kTimeRefreshSmdr = 0x02;

// Everything a configuration file stores: one installation's description.
// The document derives from it, so a file is read into a fresh ZrtConfig and
// only a complete one replaces the document's.
struct ZrtConfig {
    std::vector<CConfigNode> m_nodes;
    std::vector<CZoneEntry> m_zones;
    int16_t m_nPriority = 2;
    int32_t m_nIdleDelay = 3;
    int32_t m_bIdleNoVideo = 0;
    int32_t m_nCiuCount = 0;
    int32_t m_nPortCount = 0;
    std::string m_strImportPath;
    std::string m_strWizardFile;
    int32_t m_nPagingSystem = 0;
    int32_t m_nConfigSource = 0;
    int32_t m_nDialDigits = 0;
    std::vector<std::string> m_idleLoop;
    std::array<int32_t, 4> m_adminArch{};
    uint8_t m_byTimeRefresh = 0;

    int NodeCount() const { return static_cast<int>(m_nodes.size()); }

    // How many of m_adminArch mean something: one administrator per Video
    // Out, and the unit has a Video Out for every two ports.
    int AdminCount() const {
        return std::clamp(m_nPortCount / 2, 0, static_cast<int>(m_adminArch.size()));
    }

    // A node of index 3 or more whose input code is neither -1000 nor -2000.
    bool IsInput(int i) const {
        if (i < kFixedNodeCount || i >= NodeCount()) return false;
        const int32_t code = m_nodes[i].m_nInputCode;
        return code != kInputCodeUnset && code != kInputCodeCiuPort;
    }

    // A node of index 3 or more whose input code is 0 or more: the test of the
    // assignment page, the per-input conflict test and the conflict report.
    bool CarriesArch(int i) const {
        return i >= kFixedNodeCount && i < NodeCount() && m_nodes[i].m_nInputCode >= 0;
    }
};

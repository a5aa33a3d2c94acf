#pragma once

#include <cstdint>
#include <string>

#include "model/NodeCodes.h"
#include "model/PageKind.h"
#include "model/TreeItem.h"

// One node of the configuration: a fixed node, a master port or a video input.
struct CConfigNode {
    std::string m_strArch;
    std::string m_strName;
    int32_t m_nZoneId = 0;
    std::string m_strOrigArch;
    int32_t m_nOrigZoneId = 0;
    std::string m_strOrigName;
    PageKind m_pPageClass = PageKind::None;
    int32_t m_nInputCode = 0;
    int32_t m_nSignedCode = 0;
    std::string m_strLabel;
    TreeItem m_hItem = nullptr;

    bool IsNonPageable() const { return m_nSignedCode < 0; }

    // The input code a signed code stands for.
    static int32_t DerivedInputCode(int32_t signedCode) {
        if (signedCode == kSignedCodeZeroNonPageable) return 0;
        return signedCode < 0 ? -signedCode : signedCode;
    }

    // Toggling pageability changes only the signed code.
    void MakeNonPageable() {
        if (m_nSignedCode >= 0)
            m_nSignedCode = m_nSignedCode == 0 ? kSignedCodeZeroNonPageable : -m_nSignedCode;
    }
    void MakePageable() { m_nSignedCode = DerivedInputCode(m_nSignedCode); }

    // The stored fields, without the view state the tree rebuilds.
    bool SameStoredValues(const CConfigNode& o) const {
        return m_strArch == o.m_strArch && m_strName == o.m_strName && m_nZoneId == o.m_nZoneId &&
               m_strOrigArch == o.m_strOrigArch && m_nOrigZoneId == o.m_nOrigZoneId &&
               m_strOrigName == o.m_strOrigName && m_nInputCode == o.m_nInputCode &&
               m_nSignedCode == o.m_nSignedCode;
    }
};

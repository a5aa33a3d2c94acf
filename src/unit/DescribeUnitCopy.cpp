#include "unit/DescribeUnitCopy.h"

#include "document/InputPlaces.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/UnitImageLayout.h"
#include "unit/UnitMessages.h"

UnitCopyContents DescribeUnitCopy(std::span<const uint8_t> image) {
    UnitCopyContents c;
    if (image.size() != UnitImage::kSize) return c;
    if (IsErasedImage(image)) {
        c.m_kind = UnitCopyContents::Kind::Erased;
        return c;
    }
    if (image[UnitImage::kSignature] == UnitImage::kErased) {
        c.m_kind = UnitCopyContents::Kind::PartlyWritten;
        return c;
    }
    for (const int ports : {8, 4}) {
        CZRTProDoc model;
        model.m_nPortCount = ports;
        CZRTProDoc decoded;
        if (!DecodeUnitCopy(image, model, decoded, nullptr)) continue;
        c.m_kind = UnitCopyContents::Kind::Configuration;
        c.m_nPorts = ports;
        c.m_strModel = ports == 8 ? "M-4800" : "M-4400";
        c.m_nCameraUnits = decoded.m_nCiuCount;
        c.m_nInputs = static_cast<int>(InputPlaces(decoded).size());
        return c;
    }
    return c;
}

std::string ContentsText(const UnitCopyContents& contents) {
    switch (contents.m_kind) {
        case UnitCopyContents::Kind::Configuration:
            return StrFormat(Tr("Unit", UnitMessages::kHeldConfiguration).c_str(),
                             contents.m_strModel.c_str(), contents.m_nCameraUnits,
                             contents.m_nInputs);
        case UnitCopyContents::Kind::Erased:
            return Tr("Unit", UnitMessages::kHeldErased);
        case UnitCopyContents::Kind::PartlyWritten:
            return Tr("Unit", UnitMessages::kHeldPartlyWritten);
        case UnitCopyContents::Kind::Unreadable:
            break;
    }
    return Tr("Unit", UnitMessages::kHeldNothing);
}

#include "model/ZrtCodec.h"

#include "model/ByteReader.h"
#include "model/ByteWriter.h"
#include "model/ConfigShape.h"
#include "model/NameCharacters.h"

namespace {

constexpr uint8_t kLongLength = 0xFF;
constexpr uint16_t kLongerLength = 0xFFFF;
constexpr size_t kMaxShortLength = 254;
constexpr size_t kMaxMediumLength = 0xFFFD;

void WriteText(ByteWriter& w, std::string_view text) {
    const size_t n = text.size();
    if (n <= kMaxShortLength) {
        w.U8(static_cast<uint8_t>(n));
    } else if (n <= kMaxMediumLength) {
        w.U8(kLongLength);
        w.U16(static_cast<uint16_t>(n));
    } else {
        w.U8(kLongLength);
        w.U16(kLongerLength);
        w.U32(static_cast<uint32_t>(n));
    }
    w.Bytes(text);
}

std::string ReadText(ByteReader& r) {
    size_t n = r.U8();
    if (n == kLongLength) {
        n = r.U16();
        if (n == kLongerLength) n = r.U32();
    }
    return r.Bytes(n);
}

// A count read from the file, refused when it cannot fit in what is left.
size_t ReadCount(ByteReader& r, size_t minRecordBytes) {
    const int32_t n = r.I32();
    if (n <= 0) return 0;
    if (static_cast<size_t>(n) > r.Remaining() / minRecordBytes) {
        r.Fail();
        return 0;
    }
    return static_cast<size_t>(n);
}

constexpr size_t kMinTextBytes = 1;
constexpr size_t kMinNodeBytes = 4 * 4 + 4 * kMinTextBytes;
constexpr size_t kMinZoneBytes = 4 + 2 * kMinTextBytes;

}  // namespace

std::string EncodeZrt(const ZrtConfig& c) {
    ByteWriter w;
    w.I32(kZrtVersion);
    w.I32(static_cast<int32_t>(c.m_idleLoop.size()));
    for (const auto& arch : c.m_idleLoop) WriteText(w, arch);
    for (int32_t admin : c.m_adminArch) w.I32(admin);
    WriteText(w, c.m_strImportPath);
    WriteText(w, c.m_strWizardFile);
    w.I32(c.m_nPagingSystem);
    w.I32(c.m_nConfigSource);
    w.I32(c.m_nDialDigits);
    w.I32(c.m_nCiuCount);
    w.I32(c.m_nPortCount);
    w.I16(c.m_nPriority);
    w.I32(c.m_nIdleDelay);
    w.I32(static_cast<int32_t>(c.m_nodes.size()));
    for (const auto& n : c.m_nodes) {
        w.I32(n.m_nSignedCode);
        WriteText(w, n.m_strArch);
        w.I32(n.m_nInputCode);
        WriteText(w, n.m_strOrigArch);
        WriteText(w, n.m_strName);
        w.I32(n.m_nZoneId);
        w.I32(n.m_nOrigZoneId);
        WriteText(w, n.m_strOrigName);
    }
    w.I32(static_cast<int32_t>(c.m_zones.size()));
    for (const auto& z : c.m_zones) {
        WriteText(w, z.m_strArch);
        WriteText(w, z.m_strName);
        w.I32(z.m_nZoneId);
    }
    w.U8(c.m_byTimeRefresh);
    w.I32(c.m_bIdleNoVideo);
    return w.Take();
}

ZrtReadResult DecodeZrt(std::string_view bytes, ZrtConfig& c) {
    ByteReader r(bytes);
    const int32_t version = r.I32();
    if (!r.Ok()) return {ZrtStatus::BadFormat, 0};
    if (version != kZrtVersion) return {ZrtStatus::BadVersion, version};

    const size_t idleCount = ReadCount(r, kMinTextBytes);
    c.m_idleLoop.clear();
    for (size_t i = 0; i < idleCount && r.Ok(); ++i) c.m_idleLoop.push_back(ReadText(r));
    for (int32_t& admin : c.m_adminArch) admin = r.I32();
    c.m_strImportPath = ReadText(r);
    c.m_strWizardFile = ReadText(r);
    c.m_nPagingSystem = r.I32();
    c.m_nConfigSource = r.I32();
    c.m_nDialDigits = r.I32();
    c.m_nCiuCount = r.I32();
    c.m_nPortCount = r.I32();
    c.m_nPriority = r.I16();
    c.m_nIdleDelay = r.I32();

    const size_t nodeCount = ReadCount(r, kMinNodeBytes);
    c.m_nodes.assign(nodeCount, CConfigNode{});
    for (auto& n : c.m_nodes) {
        n.m_nSignedCode = r.I32();
        n.m_strArch = ReadText(r);
        n.m_nInputCode = r.I32();
        n.m_strOrigArch = ReadText(r);
        n.m_strName = BlankControlCharacters(ReadText(r));
        n.m_nZoneId = r.I32();
        n.m_nOrigZoneId = r.I32();
        n.m_strOrigName = BlankControlCharacters(ReadText(r));
        if (!r.Ok()) break;
    }
    const size_t zoneCount = ReadCount(r, kMinZoneBytes);
    c.m_zones.assign(zoneCount, CZoneEntry{});
    for (auto& z : c.m_zones) {
        z.m_strArch = ReadText(r);
        z.m_strName = BlankControlCharacters(ReadText(r));
        z.m_nZoneId = r.I32();
        if (!r.Ok()) break;
    }
    c.m_byTimeRefresh = r.U8();
    c.m_bIdleNoVideo = r.I32();

    if (!r.Ok() || !HasConsistentShape(c)) return {ZrtStatus::BadFormat, version};
    return {ZrtStatus::Ok, version};
}

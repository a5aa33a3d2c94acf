#include "import/StationAnswer.h"

#include "model/ByteReader.h"
#include "model/ByteWriter.h"

namespace {

using Outcome = StationDatabaseResult::Outcome;

constexpr char kResultMark = 'R';
constexpr size_t kMostEngineText = 4096;

// A text of the answer, no longer than `most`.
bool TakeText(ByteReader& r, size_t most, std::string& text) {
    const uint32_t n = r.U32();
    if (!r.Ok() || n > most) return false;
    text = r.Bytes(n);
    return r.Ok();
}

}  // namespace

std::string StationAnswer::Encode(const StationDatabaseResult& result) {
    ByteWriter w;
    w.U8(kResultMark);
    w.U8(static_cast<uint8_t>(result.m_outcome));
    const std::string_view text =
        std::string_view(result.m_strEngineText).substr(0, kMostEngineText);
    w.U32(static_cast<uint32_t>(text.size()));
    w.Bytes(text);
    w.U32(static_cast<uint32_t>(result.m_records.size()));
    for (const CImportRecord& r : result.m_records) {
        w.I32(r.m_nZoneId);
        w.U32(static_cast<uint32_t>(r.m_strArch.size()));
        w.Bytes(r.m_strArch);
        w.U32(static_cast<uint32_t>(r.m_strName.size()));
        w.Bytes(r.m_strName);
    }
    return w.Take();
}

std::optional<StationDatabaseResult> StationAnswer::Decode(std::string_view answer) {
    if (answer.size() > kMostBytes) return std::nullopt;
    if (Opened(answer)) answer.remove_prefix(1);
    ByteReader r(answer);
    if (r.U8() != kResultMark) return std::nullopt;
    const uint8_t outcome = r.U8();
    if (!r.Ok() || outcome > static_cast<uint8_t>(Outcome::TableTrouble)) return std::nullopt;
    StationDatabaseResult result;
    result.m_outcome = static_cast<Outcome>(outcome);
    if (!TakeText(r, kMostEngineText, result.m_strEngineText)) return std::nullopt;
    const uint32_t count = r.U32();
    if (!r.Ok() || count > kMostStations) return std::nullopt;
    for (uint32_t i = 0; i < count; ++i) {
        CImportRecord record;
        record.m_nZoneId = r.I32();
        if (!TakeText(r, kStationTextBytes, record.m_strArch) ||
            !TakeText(r, kStationTextBytes, record.m_strName))
            return std::nullopt;
        result.m_records.push_back(std::move(record));
    }
    if (!r.Ok() || r.Remaining() != 0) return std::nullopt;
    return result;
}

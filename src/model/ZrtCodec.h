#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ZrtConfig.h"

inline constexpr int32_t kZrtVersion = 999999998;

// The configuration file: every stored member, little-endian, in one fixed order.
std::string EncodeZrt(const ZrtConfig& config);

enum class ZrtStatus {
    Ok,
    BadVersion,  // the first int32 is not the version value
    BadFormat,   // ends early, or cannot be a configuration this program wrote
};

struct ZrtReadResult {
    ZrtStatus m_status = ZrtStatus::Ok;
    int32_t m_nVersion = 0;
};

// Reads a whole file into `out`, which should be a fresh configuration; on any
// status but Ok, `out` is to be thrown away. Names pass the name rule as they
// come in: a control character in a name becomes a blank.
ZrtReadResult DecodeZrt(std::string_view bytes, ZrtConfig& out);

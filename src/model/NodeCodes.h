#pragma once

#include <cstdint>

// Special values of the node fields.
inline constexpr int32_t kInputCodeUnset = -1000;    // fixed nodes; inputs without a number yet
inline constexpr int32_t kInputCodeCiuPort = -2000;  // master port carrying a camera interface unit
inline constexpr int32_t kSignedCodeZeroNonPageable = -3000;  // non-pageable input with code 0
inline constexpr int32_t kSignedCodeFixed = -1;
inline constexpr int32_t kSignedCodeCiuPortBuilt = -1000;
inline constexpr int32_t kZoneIdCiuPort = -50000;
inline constexpr int32_t kZoneIdFixed = -2;
inline constexpr int32_t kZoneIdNonPageable = -1;

inline constexpr int kFixedNodeCount = 3;
inline constexpr int kCiuInputs = 24;
inline constexpr int kPortCodeStride = 32;

// Input code of input `input` (0-based; 0 for a direct input) on port `port` (0-based).
constexpr int32_t InputCodeOf(int port, int input) { return port * kPortCodeStride + input; }

// Node count of a system with the given ports and camera interface units.
constexpr int NodeCountFor(int ports, int ciuCount) {
    return kFixedNodeCount + ports + kCiuInputs * ciuCount;
}

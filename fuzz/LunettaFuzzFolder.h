#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The files of a Lunetta folder packed into one fuzz input: for each name in
// turn, a 2-byte little-endian length and that many bytes (cut at the input's end).
namespace LunettaFuzzFolder {

inline const std::array<std::string, 17> kNames = {
    "TDX_FILE.DAT", "tdx_admn.usr", "tdx_bd01.usr", "tdx_bd02.usr", "tdx_bd03.usr", "tdx_bd04.usr",
    "tdx_bd05.usr", "tdx_bd06.usr", "tdx_bd07.usr", "tdx_bd08.usr", "tdx_bd09.usr", "tdx_bd10.usr",
    "tdx_bd11.usr", "tdx_bd12.usr", "tdx_bd13.usr", "tdx_bd14.usr", "tdx_bd15.usr"};

inline std::string Pack(const std::array<std::string, 17>& files) {
    std::string out;
    for (const std::string& f : files) {
        out += static_cast<char>(f.size() & 0xFF);
        out += static_cast<char>((f.size() >> 8) & 0xFF);
        out += f;
    }
    return out;
}

}  // namespace LunettaFuzzFolder

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/ZrtCodec.h"

// A configuration file of any content is refused or read whole; a file that
// reads back must encode to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ZrtConfig config;
    if (DecodeZrt(bytes, config).m_status != ZrtStatus::Ok) return 0;
    ZrtConfig again;
    if (DecodeZrt(EncodeZrt(config), again).m_status != ZrtStatus::Ok) __builtin_trap();
    return 0;
}

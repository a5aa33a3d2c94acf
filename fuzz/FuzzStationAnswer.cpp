#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/StationAnswer.h"

// Whatever the database helper writes to its standard output, as the program
// reads it: a result within every bound, or nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StationAnswer::Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

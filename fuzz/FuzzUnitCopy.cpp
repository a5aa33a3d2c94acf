#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "unit/DescribeUnitCopy.h"
#include "unit/UnitHistory.h"
#include "unit/UnitImageLayout.h"

// What describes a kept copy in the unit history. The first byte picks what
// the rest is: 0, a description file; 1, a unit memory image from address 0
// (the cells not given erased) with its first signature cell written, as
// every whole write leaves it; 2, such an image as it is.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t mode = data[0] % 3;
    if (mode == 0) {
        const auto entry = UnitHistory::ParseDescription(
            std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
        if (entry) HeldText(*entry);
        return 0;
    }
    std::vector<uint8_t> image(UnitImage::kSize, UnitImage::kErased);
    for (size_t i = 1; i < size && i - 1 < image.size(); ++i) image[i - 1] = data[i];
    if (mode == 1) image[UnitImage::kSignature] = 0x57;
    ContentsText(DescribeUnitCopy(image));
    return 0;
}

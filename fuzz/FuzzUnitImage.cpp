#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/CZRTProDoc.h"
#include "support/ScriptedPrompter.h"
#include "tree/MemoryTree.h"
#include "unit/DecodeUnitImage.h"
#include "unit/UnitImageLayout.h"

// A unit memory image of any content: the first byte picks the main unit
// model, the rest fills the image from address 0 (the cells not given stay erased).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::vector<uint8_t> image(UnitImage::kSize, UnitImage::kErased);
    for (size_t i = 1; i < size && i - 1 < image.size(); ++i) image[i - 1] = data[i];
    ScriptedPrompter prompter;
    UnitModelAnswer model;
    model.m_nRows = (data[0] & 1) ? 2 : 1;
    prompter.m_unitModelAnswers.push_back({model, true});
    CZRTProDoc doc;
    MemoryTree tree;
    std::string password;
    DecodeUnitImage(image, doc, tree, prompter, password);
    return 0;
}

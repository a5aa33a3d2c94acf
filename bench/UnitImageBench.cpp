#include <benchmark/benchmark.h>

#include "model/CZRTProDoc.h"
#include "support/ScriptedPrompter.h"
#include "tree/BuildTree.h"
#include "tree/MemoryTree.h"
#include "unit/BuildUnitImage.h"
#include "unit/DecodeUnitImage.h"

namespace {

// The fullest image: 8 ports, 8 camera interface units, 192 inputs and 298
// unassigned numbers (490 recon records), 255 idle entries.
void BM_BuildAndDecodeLargestImage(benchmark::State& state) {
    CZRTProDoc doc;
    MemoryTree tree;
    ScriptedPrompter prompter;
    BuildTree(doc, tree, prompter, nullptr, false, 192, 1000, 8, 8);
    doc.m_nPagingSystem = 2;
    doc.m_nDialDigits = 3;
    for (int k = 0; k < 298; ++k) doc.m_zones.push_back({std::to_string(3000 + k), "Zone", k});
    doc.m_idleLoop.clear();
    for (int k = 0; k < 255; ++k) doc.m_idleLoop.push_back(std::to_string(1001 + k % 192));
    for (auto _ : state) {
        const std::vector<uint8_t> image = BuildUnitImage(doc, prompter);
        CZRTProDoc read;
        MemoryTree readTree;
        prompter.m_unitModelAnswers.push_back({{2, 0}, true});
        std::string password;
        if (!DecodeUnitImage(image, read, readTree, prompter, password))
            state.SkipWithError("the image did not decode");
    }
}
BENCHMARK(BM_BuildAndDecodeLargestImage);

}  // namespace

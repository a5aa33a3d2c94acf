#include <benchmark/benchmark.h>

#include "model/CZRTProDoc.h"
#include "model/ZrtCodec.h"
#include "support/ScriptedPrompter.h"
#include "tree/BuildTree.h"
#include "tree/MemoryTree.h"

namespace {

// The largest system: 8 ports, 8 camera interface units, 192 inputs.
void BM_SaveAndLoadLargestConfiguration(benchmark::State& state) {
    CZRTProDoc doc;
    MemoryTree tree;
    ScriptedPrompter prompter;
    BuildTree(doc, tree, prompter, nullptr, false, 192, 1000, 8, 8);
    for (auto _ : state) {
        const std::string bytes = EncodeZrt(doc);
        ZrtConfig back;
        benchmark::DoNotOptimize(DecodeZrt(bytes, back));
    }
}
BENCHMARK(BM_SaveAndLoadLargestConfiguration);

}  // namespace

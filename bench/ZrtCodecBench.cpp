#include <benchmark/benchmark.h>

#include "model/CZRTProDoc.h"
#include "model/ZrtCodec.h"
#include "tree/BuildTree.h"
#include "tree/MemoryTree.h"

namespace {

class SilentPrompter : public Prompter {
public:
    PromptAnswer Message(const std::string&, PromptButtons, PromptIcon,
                         const std::string&) override {
        return PromptAnswer::Ok;
    }
    void SetStatusText(const std::string&) override {}
    void SetProgress(int) override {}
    void Pump() override {}
    bool AskUnitModel(bool, UnitModelAnswer&) override { return true; }
    bool ChooseFile(FileChoice, std::string&) override { return false; }
};

// The largest system: 8 ports, 8 camera interface units, 192 inputs.
void BM_SaveAndLoadLargestConfiguration(benchmark::State& state) {
    CZRTProDoc doc;
    MemoryTree tree;
    SilentPrompter prompter;
    BuildTree(doc, tree, prompter, nullptr, false, 192, 1000, 8, 8);
    for (auto _ : state) {
        const std::string bytes = EncodeZrt(doc);
        CZRTConfig back;
        benchmark::DoNotOptimize(DecodeZrt(bytes, back));
    }
}
BENCHMARK(BM_SaveAndLoadLargestConfiguration);

}  // namespace

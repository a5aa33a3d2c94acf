#include <benchmark/benchmark.h>

#include "document/ConfigDiff.h"
#include "document/InputsCsv.h"
#include "support/Configs.h"

namespace {

// The largest system: 8 ports, 8 camera interface units, 192 named inputs,
// 300 spare zones.
CZRTProDoc LargestSite() {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 8, 1000);
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
        doc.m_nodes[static_cast<size_t>(i)].m_strName = "Room, \"" + std::to_string(i) + "\"";
    for (int z = 0; z < 300; ++z)
        doc.m_zones.push_back({std::to_string(3000 + z), "Zone " + std::to_string(z), z});
    return doc;
}

// Every input named differently: the longest list of differences.
void BM_CompareLargestConfigurations(benchmark::State& state) {
    const CZRTProDoc site = LargestSite();
    CZRTProDoc other = site;
    for (CConfigNode& n : other.m_nodes) n.m_strName += "x";
    for (auto _ : state) benchmark::DoNotOptimize(CompareConfigurations(site, other));
}
BENCHMARK(BM_CompareLargestConfigurations)->Unit(benchmark::kMillisecond);

void BM_ExportInputsCsvOfLargest(benchmark::State& state) {
    const CZRTProDoc site = LargestSite();
    for (auto _ : state) benchmark::DoNotOptimize(ExportInputsCsv(site));
}
BENCHMARK(BM_ExportInputsCsvOfLargest)->Unit(benchmark::kMillisecond);

// The export with every Arch Number changed, imported into a fresh copy.
void BM_ImportInputsCsvOfLargest(benchmark::State& state) {
    CZRTProDoc changed = LargestSite();
    for (int i = kFixedNodeCount; i < changed.NodeCount(); ++i)
        if (changed.IsInput(i))
            changed.m_nodes[static_cast<size_t>(i)].m_strArch = std::to_string(5000 + i);
    const std::string csv = ExportInputsCsv(changed);
    const CZRTProDoc site = LargestSite();
    for (auto _ : state) {
        CZRTProDoc doc = site;
        std::string error;
        benchmark::DoNotOptimize(ImportInputsCsv(doc, csv, error));
    }
}
BENCHMARK(BM_ImportInputsCsvOfLargest)->Unit(benchmark::kMillisecond);

}  // namespace

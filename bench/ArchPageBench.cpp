#include <benchmark/benchmark.h>

#include "pages/ArchAssign.h"
#include "pages/ArchList.h"
#include "support/Configs.h"
#include "tree/ArchRules.h"

namespace {

// The largest system: 8 ports, 8 camera interface units, 192 inputs, 300 spare zones.
struct LargestSite {
    LargestSite() {
        BuildNumbered(m_doc, m_tree, 8, 8, 1000);
        for (int z = 0; z < 300; ++z)
            m_doc.m_zones.push_back({std::to_string(3000 + z), "Zone " + std::to_string(z), z});
        m_tree.SelectItem(m_doc.m_nodes[40].m_hItem);
    }
    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
};

void BM_ArchListFillAndSort(benchmark::State& state) {
    LargestSite site;
    for (auto _ : state)
        benchmark::DoNotOptimize(FillArchList(site.m_doc, 1, !site.m_doc.m_bSortAscending));
}
BENCHMARK(BM_ArchListFillAndSort)->Unit(benchmark::kMillisecond);

// One click on a pool row: assign, then the refresh that follows every click.
void BM_ArchPageClick(benchmark::State& state) {
    LargestSite site;
    const TreeItem item = site.m_doc.m_nodes[40].m_hItem;
    int z = 0;
    for (auto _ : state) {
        const ArchRow row{std::to_string(3000 + z), "Zone", kListIconUnassigned, kListStateNone, z};
        z = (z + 1) % 300;
        ApplyArchSelection(site.m_doc, site.m_tree, site.m_prompter, item, &row);
        RefreshConflictReport(site.m_doc, site.m_tree, site.m_prompter, false);
        benchmark::DoNotOptimize(
            FillArchList(site.m_doc, site.m_doc.m_nSortColumn, site.m_doc.m_bSortAscending));
    }
}
BENCHMARK(BM_ArchPageClick)->Unit(benchmark::kMillisecond);

}  // namespace

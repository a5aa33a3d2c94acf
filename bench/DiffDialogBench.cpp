// The differences dialog on its longest list: two largest systems whose every
// input differs in number and name. Building and painting it must stay well
// under the window's 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>

#include "document/widgets/DiffDialog.h"
#include "support/Configs.h"

namespace {

void BM_DiffDialogOfLargest(benchmark::State& state) {
    CZRTProDoc site;
    MemoryTree tree;
    BuildNumbered(site, tree, 8, 8, 1000);
    CZRTProDoc other = site;
    for (int i = kFixedNodeCount; i < other.NodeCount(); ++i) {
        CConfigNode& n = other.m_nodes[static_cast<size_t>(i)];
        n.m_strArch = n.m_strOrigArch = std::to_string(5000 + i);
        n.m_strName = "Room " + std::to_string(i);
    }
    for (auto _ : state) {
        DiffDialog dialog(CompareConfigurations(site, other), "Compare", "other.zrt",
                          DiffDialog::Mode::Show, nullptr);
        dialog.show();
        dialog.repaint();
        QApplication::processEvents();
        state.counters["rows"] = dialog.Table()->rowCount();
    }
}
BENCHMARK(BM_DiffDialogOfLargest)->Unit(benchmark::kMillisecond);

}  // namespace

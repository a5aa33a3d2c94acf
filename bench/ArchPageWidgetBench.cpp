// The Arch Number page of the largest system as the user works it: every
// click and every key in the find bar must redraw within one frame (16 ms).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "app/CMainFrame.h"
#include "model/CommandIds.h"
#include "model/MemoryProfile.h"
#include "pages/widgets/CZRTForm.h"
#include "pages/widgets/PageContext.h"
#include "support/Configs.h"
#include "support/ScriptedPrompter.h"

namespace {

void AddSpareZones(CZRTProDoc& doc) {
    for (int z = 0; z < 300; ++z)
        doc.m_zones.push_back({std::to_string(3000 + z), "Zone " + std::to_string(z), z});
}

// 8 ports, 8 camera interface units, 192 inputs and 300 spare zones, with the
// page of one input shown.
struct LargestSitePage {
    LargestSitePage() {
        BuildNumbered(m_doc, m_tree, 8, 8, 1000);
        AddSpareZones(m_doc);
        m_item = m_doc.m_nodes[40].m_hItem;
        m_tree.SelectItem(m_item);
        m_page.resize(700, 560);
        m_page.show();
        m_page.LoadNode(m_item);
        QApplication::processEvents();
    }
    // Paints the list as the screen would after the click.
    void Redraw() {
        m_page.ArchList()->viewport()->repaint();
        QApplication::processEvents();
    }
    QPoint RowCentre(const QString& number) const {
        QTreeWidget* list = m_page.ArchList();
        const auto found = list->findItems(number, Qt::MatchExactly, 0);
        list->scrollToItem(found.front());
        return list->visualItemRect(found.front()).center();
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MemoryProfile m_profile;
    MainState m_main;
    PageContext m_ctx{m_doc, m_tree, m_prompter, m_profile, m_main};
    CZRTForm m_page{m_ctx};
    TreeItem m_item{};
};

void BM_ArchPageLoad(benchmark::State& state) {
    LargestSitePage site;
    for (auto _ : state) {
        site.m_page.LoadNode(site.m_item);
        site.Redraw();
    }
}
BENCHMARK(BM_ArchPageLoad)->Unit(benchmark::kMillisecond);

void BM_ArchPageHeaderClick(benchmark::State& state) {
    LargestSitePage site;
    QHeaderView* header = site.m_page.ArchList()->header();
    int column = 0;
    for (auto _ : state) {
        const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        column = 1 - column;
        site.Redraw();
    }
}
BENCHMARK(BM_ArchPageHeaderClick)->Unit(benchmark::kMillisecond);

// A click on a spare zone: the input takes it, its old number goes back to the
// pool, and the page refreshes the list and the conflict report.
void BM_ArchPageRowClick(benchmark::State& state) {
    LargestSitePage site;
    int z = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint at = site.RowCentre(QString::number(3000 + z));
        z = (z + 1) % 300;
        state.ResumeTiming();
        QTest::mouseClick(site.m_page.ArchList()->viewport(), Qt::LeftButton, {}, at);
        site.Redraw();
    }
}
BENCHMARK(BM_ArchPageRowClick)->Unit(benchmark::kMillisecond);

// One key in the find bar of the main window on the largest system: the next
// input holding it is selected, and its page replaces the one shown.
void BM_FindKeystroke(benchmark::State& state) {
    CZRTProDoc doc;
    MemoryProfile profile;
    ScriptedPrompter prompter;
    CMainFrame frame(doc, profile);
    BuildTree(doc, frame.Tree(), prompter, nullptr, false, 8 + 23 * 8, 1000, 8, 8);
    AddSpareZones(doc);
    frame.resize(1000, 700);
    frame.show();
    frame.Tree().SelectItem(doc.m_nodes[40].m_hItem);
    QApplication::processEvents();
    auto* text = frame.findChild<QLineEdit*>("findText");
    for (auto _ : state) {
        state.PauseTiming();
        // Every number holds a 1: each key moves on from the input found last.
        frame.Action(kCmdEditFind)->trigger();
        text->clear();
        state.ResumeTiming();
        QTest::keyClick(text, Qt::Key_1);
        frame.RightPane()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <map>

#include "model/CommandIds.h"
#include "model/MemoryProfile.h"
#include "pages/widgets/PagesCommandGroup.h"
#include "support/Configs.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"

namespace {

// A main window as a command group sees it, with nothing behind it but a
// document, an in-memory tree and a page that only counts its refreshes.
class FakeWindow : public MainWindow {
public:
    FakeWindow() : m_prompter(&m_window, m_profile) {
        m_actions[kCmdResetAllArch] = new QAction(&m_window);
        m_prompter.SetScripted(true);
    }
    QMainWindow& Window() override { return m_window; }
    QAction* Action(int command) const override { return m_actions.at(command); }
    CZRTProDoc& Doc() override { return m_doc; }
    MainState& State() override { return m_state; }
    TreeSink& Tree() override { return m_tree; }
    QtPrompter& Prompter() override { return m_prompter; }
    Profile& UserProfile() override { return m_profile; }
    DocumentContext DocContext() override { return {m_doc, m_tree, m_prompter, &m_state}; }
    QSplitter* Splitter() const override { return nullptr; }
    void UpdateCommands() override { ++m_nUpdates; }
    void SetStatusText(const QString&) override {}
    QWidget* CurrentPage() const override { return nullptr; }
    QWidget* PageFocusTarget() const override { return nullptr; }
    PageKind CurrentPageKind() const override { return m_shown; }
    QWidget* ShowPage(PageKind, TreeItem) override { return nullptr; }
    void ShowSelectedPage() override {}
    void RefreshPage() override { ++m_nRefreshes; }

    QMainWindow m_window;
    MemoryProfile m_profile;
    QtPrompter m_prompter;
    std::map<int, QAction*> m_actions;
    CZRTProDoc m_doc;
    MainState m_state;
    MemoryTree m_tree;
    PageKind m_shown = PageKind::CZRTForm;
    int m_nUpdates = 0;
    int m_nRefreshes = 0;
};

}  // namespace

// Reset All through the window's seam: the numbers, the tree marks, the page
// on show and the commands all follow; on another page it does nothing.
TEST(PagesCommandGroup, ResetAllRefreshesThePageShown) {
    FakeWindow window;
    BuildNumbered(window.m_doc, window.m_tree, 4, 0, 20);
    auto* group = new PagesCommandGroup(window);
    window.m_doc.m_nodes[3].m_strArch = "22";

    window.m_shown = PageKind::CSettingsForm;
    group->UpdateCommands();
    EXPECT_FALSE(window.Action(kCmdResetAllArch)->isEnabled());
    group->ResetAll();
    EXPECT_EQ(window.m_doc.m_nodes[3].m_strArch, "22");

    window.m_shown = PageKind::CZRTForm;
    group->UpdateCommands();
    ASSERT_TRUE(window.Action(kCmdResetAllArch)->isEnabled());
    window.Action(kCmdResetAllArch)->trigger();
    EXPECT_EQ(window.m_doc.m_nodes[3].m_strArch, "21");
    EXPECT_EQ(window.m_tree.Get(window.m_doc.m_nodes[3].m_hItem).m_nState, kStateClear);
    EXPECT_EQ(window.m_nRefreshes, 1);
    EXPECT_EQ(window.m_nUpdates, 1);
}

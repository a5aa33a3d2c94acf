#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "app/HelpCommandGroup.h"
#include "app/HelpPageLocation.h"
#include "app/HelpWindow.h"
#include "model/CommandIds.h"

TEST_F(AppTest, HelpPageIsFoundInTheBuildFolderAndWhereItIsInstalled) {
    struct Case {
        const char* program;  // the program's folder
        const char* page;     // where the page is put; nullptr for nowhere
        const char* found;
    };
    const Case cases[] = {
        {"build/src/app", "build/src/app/help/zrtindex.htm", "build/src/app/help/zrtindex.htm"},
        {"usr/bin", "usr/share/nexil-zrtpro/help/zrtindex.htm",
         "usr/share/nexil-zrtpro/help/zrtindex.htm"},
        {"opt/bin", nullptr, "opt/bin/help/zrtindex.htm"},
    };
    for (const Case& c : cases) {
        std::filesystem::create_directories(PathOf(c.program));
        if (c.page) {
            std::filesystem::create_directories(
                std::filesystem::path(PathOf(c.page)).parent_path());
            std::ofstream(PathOf(c.page)) << "<html></html>";
        }
        EXPECT_EQ(FindHelpPage(QString::fromStdString(PathOf(c.program))),
                  QString::fromStdString(PathOf(c.found)))
            << c.program;
    }
}

TEST_F(AppTest, HelpWithoutABrowserShowsThePageInAWindowOfItsOwn) {
    CMainFrame& frame = NewFrame();
    HelpCommandGroup* help = nullptr;
    for (QObject* child : frame.children())
        if (auto* group = dynamic_cast<HelpCommandGroup*>(child)) help = group;
    ASSERT_NE(help, nullptr);
    int abouts = 0;
    help->m_showAbout = [&] { ++abouts; };
    help->m_openFile = [](const QString&) { return false; };
    help->m_strHelpPath = QString::fromStdString(PathOf("zrtindex.htm"));
    std::ofstream(PathOf("zrtindex.htm"))
        << "<html><head><title>Tool Help</title></head><body><h1>Arch Numbers</h1></body></html>";

    QTest::keyClick(&frame, Qt::Key_F1);
    frame.Action(kCmdHelpIndex)->trigger();  // again, with the window open
    EXPECT_EQ(abouts, 0);
    const QList<HelpWindow*> windows = frame.findChildren<HelpWindow*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.front()->isVisible());
    EXPECT_TRUE(windows.front()->isWindow());
    EXPECT_EQ(windows.front()->windowTitle(), "Tool Help");
    EXPECT_TRUE(windows.front()->toPlainText().contains("Arch Numbers"));
    // Over the middle of the main window; Esc and Ctrl+W close it.
    HelpWindow& window = *windows.front();
    EXPECT_LE((window.frameGeometry().center() - frame.frameGeometry().center()).manhattanLength(),
              4);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    frame.Action(kCmdHelpIndex)->trigger();
    ASSERT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

// Every command of every menu has its place on the help page.
TEST_F(AppTest, HelpPageDescribesEveryMenuCommand) {
    CMainFrame& frame = NewFrame();
    std::ifstream in(ZRT_HELP_PAGE);
    std::stringstream html;
    html << in.rdbuf();
    QTextDocument page;
    page.setHtml(QString::fromStdString(html.str()));
    const QString text = page.toPlainText();
    std::vector<QMenu*> menus;
    for (QAction* title : frame.menuBar()->actions()) menus.push_back(title->menu());
    for (size_t m = 0; m < menus.size(); ++m) {
        for (QAction* action : menus[m]->actions()) {
            if (action->menu()) menus.push_back(action->menu());
            const int id = action->data().toInt();
            if (action->isSeparator() || action->menu() ||
                (id >= kCmdRecentFirst && id < kCmdRecentFirst + kRecentFileCount))
                continue;
            const QString name = action->text().remove('&').remove("...");
            EXPECT_TRUE(text.contains(name, Qt::CaseInsensitive)) << name.toStdString();
        }
    }
}

// The About box, --version and the package give the version the build was made as.
TEST_F(AppTest, AboutGivesTheBuildsVersion) {
    AboutDlg about(nullptr);
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(
        texts.contains(QString("NEXIL Video Switcher Programming Tool ver ") + ZRT_PROJECT_VERSION))
        << texts.join(" | ").toStdString();
}

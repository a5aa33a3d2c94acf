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
}

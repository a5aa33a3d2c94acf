#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocument>

#include "app/AboutDlg.h"
#include "app/AppFixture.h"
#include "app/HelpCommandGroup.h"
#include "app/HelpPageLocation.h"
#include "app/HelpWindow.h"
#include "lang/ProgramLanguage.h"
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

// The help page of the first of the person's languages that has one, looked for
// as the translations are; English otherwise.
TEST_F(AppTest, HelpPageIsThatOfTheFirstLanguageWithOne) {
    for (const char* page :
         {"build/help/zrtindex.htm", "build/help/zrtindex_de.htm", "only-en/help/zrtindex.htm",
          "usr/share/nexil-zrtpro/help/zrtindex.htm",
          "usr/share/nexil-zrtpro/help/zrtindex_de.htm"}) {
        std::filesystem::create_directories(std::filesystem::path(PathOf(page)).parent_path());
        std::ofstream(PathOf(page)) << "<html></html>";
    }
    std::filesystem::create_directories(PathOf("usr/bin"));
    struct Case {
        const char* program;
        QStringList languages;
        const char* found;
    };
    const Case cases[] = {
        {"build", {"de"}, "build/help/zrtindex_de.htm"},
        {"build", {"de-DE", "de-Latn-DE", "de"}, "build/help/zrtindex_de.htm"},
        {"build", {"de-CH"}, "build/help/zrtindex_de.htm"},
        {"build", {"fr", "de"}, "build/help/zrtindex_de.htm"},  // no French page: the next
        {"build", {"fr"}, "build/help/zrtindex.htm"},
        {"build", {"en", "de"}, "build/help/zrtindex.htm"},  // English first
        {"build", {"en-US", "de"}, "build/help/zrtindex.htm"},
        {"build", {"C"}, "build/help/zrtindex.htm"},
        {"build", {"en-XA", "en"}, "build/help/zrtindex.htm"},  // no pseudo page
        {"build", {}, "build/help/zrtindex.htm"},
        {"only-en", {"de"}, "only-en/help/zrtindex.htm"},
        {"usr/bin", {"de"}, "usr/share/nexil-zrtpro/help/zrtindex_de.htm"},
        {"usr/bin", {"C"}, "usr/share/nexil-zrtpro/help/zrtindex.htm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindHelpPage(QString::fromStdString(PathOf(c.program)), c.languages),
                  QString::fromStdString(PathOf(c.found)))
            << c.program << " " << c.languages.join(",").toStdString();
}

namespace {

// The folder holding help/ in the sources, standing for the program's.
QString SourcesProgramDir() {
    return QFileInfo(QStringLiteral(ZRT_HELP_PAGE)).dir().absolutePath() + "/..";
}

}  // namespace

// Help > Index shows the German page to a German person, the English one otherwise.
TEST_F(AppTest, HelpOpensInThePersonsLanguage) {
    struct Case {
        QStringList languages;
        const char* title;
        const char* heading;
    };
    const Case cases[] = {
        {{"de"}, "NEXIL Programmierwerkzeug für Videoumschalter - Hilfe", "Befehle"},
        {{"de-AT", "en"}, "NEXIL Programmierwerkzeug für Videoumschalter - Hilfe", "Befehle"},
        {{"en"}, "NEXIL Video Switcher Programming Tool - Help", "Commands"},
        {{"C"}, "NEXIL Video Switcher Programming Tool - Help", "Commands"},
    };
    CMainFrame& frame = NewFrame();
    HelpCommandGroup* help = nullptr;
    for (QObject* child : frame.children())
        if (auto* group = dynamic_cast<HelpCommandGroup*>(child)) help = group;
    ASSERT_NE(help, nullptr);
    help->m_openFile = [](const QString&) { return false; };
    for (const Case& c : cases) {
        help->m_strHelpPath = FindHelpPage(SourcesProgramDir(), c.languages);
        frame.Action(kCmdHelpIndex)->trigger();
        const QList<HelpWindow*> windows = frame.findChildren<HelpWindow*>();
        ASSERT_EQ(windows.size(), 1);
        EXPECT_EQ(windows.front()->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_TRUE(windows.front()->toPlainText().contains(c.heading)) << c.heading;
        windows.front()->close();
    }
}

// The German page names every command by its German menu text, and keeps the
// English page's anchors and links.
TEST_F(AppTest, GermanHelpPageDescribesEveryGermanMenuCommand) {
    ProgramLanguage speaks({"de"}, {ZRT_TRANSLATIONS_DIR});
    speaks.InstallInApplication();
    CMainFrame& frame = NewFrame();
    const QString path = FindHelpPage(SourcesProgramDir(), {"de"});
    ASSERT_TRUE(path.endsWith("zrtindex_de.htm")) << path.toStdString();
    const QString german = QString::fromStdString(Slurp(path.toStdString()));
    QTextDocument page;
    page.setHtml(german);
    const QString text = page.toPlainText();
    std::vector<QMenu*> menus;
    for (QAction* title : frame.menuBar()->actions()) menus.push_back(title->menu());
    for (size_t m = 0; m < menus.size(); ++m) {
        EXPECT_TRUE(text.contains(menus[m]->title().remove('&')))
            << menus[m]->title().toStdString();
        for (QAction* action : menus[m]->actions()) {
            if (action->menu()) menus.push_back(action->menu());
            const int id = action->data().toInt();
            // Undo and Redo are named by the document's history, in its words.
            if (action->isSeparator() || action->menu() || id == kCmdEditUndo ||
                id == kCmdEditRedo ||
                (id >= kCmdRecentFirst && id < kCmdRecentFirst + kRecentFileCount))
                continue;
            const QString name = action->text().remove('&').remove("...");
            EXPECT_TRUE(text.contains(name, Qt::CaseInsensitive)) << name.toStdString();
        }
    }
    const QString english = QString::fromStdString(Slurp(ZRT_HELP_PAGE));
    const QRegularExpression anchor(R"((?:id|href)="[^"]*")");
    QStringList englishAnchors, germanAnchors;
    for (const auto& m : anchor.globalMatch(english)) englishAnchors << m.captured();
    for (const auto& m : anchor.globalMatch(german)) germanAnchors << m.captured();
    EXPECT_EQ(germanAnchors, englishAnchors);
    EXPECT_TRUE(german.contains(R"(<html lang="de">)"));
}

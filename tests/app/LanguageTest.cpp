#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>

#include "app/AppFixture.h"
#include "lang/ProgramLanguage.h"
#include "model/CommandIds.h"

namespace {

bool IsRecentFile(const QAction* action) {
    const int id = action->data().toInt();
    return id >= kCmdRecentFirst && id < kCmdRecentFirst + kRecentFileCount;
}

// Every command of the menu bar's menus and their submenus, the recent files
// and separators left out, with the menu that holds it.
std::vector<std::pair<QMenu*, QAction*>> MenuCommands(QMenuBar& bar) {
    std::vector<QMenu*> menus;
    for (QAction* title : bar.actions()) menus.push_back(title->menu());
    std::vector<std::pair<QMenu*, QAction*>> commands;
    for (size_t m = 0; m < menus.size(); ++m) {
        for (QAction* action : menus[m]->actions()) {
            if (action->menu()) menus.push_back(action->menu());
            if (!action->isSeparator() && !IsRecentFile(action))
                commands.emplace_back(menus[m], action);
        }
    }
    return commands;
}

// The menu texts of `menu` (the menu bar's titles for none) that share an access key.
std::vector<std::string> SharedAccessKeys(const QList<QAction*>& actions) {
    std::map<QChar, QStringList> owners;
    for (const QAction* action : actions) {
        const QString text = action->text();
        const qsizetype amp = text.indexOf('&');
        if (action->isSeparator() || IsRecentFile(action) || amp < 0 || amp + 1 >= text.size())
            continue;
        owners[text[amp + 1].toLower()] << text;
    }
    std::vector<std::string> shared;
    for (const auto& [key, texts] : owners)
        if (texts.size() > 1) shared.push_back(texts.join(" / ").toStdString());
    return shared;
}

}  // namespace

// The window speaks the language chosen: menus, toolbar, tooltips, status bar
// and its title. English stays as written; every shortcut is the same in each
// language, and no two items of a menu share an access key.
TEST_F(AppTest, MenusToolbarAndTitleFollowTheLanguage) {
    struct Case {
        const char* language;
        QStringList menus;
        const char* titleEnd;  // the program's name after the file's
        const char* newText;
        const char* newTip;
        const char* newButton;
        const char* ready;
        const char* readUnit;
        const char* palette;
    };
    const Case cases[] = {
        {"en",
         {"&File", "&Edit", "&View", "&Help"},
         "[*] - NEXIL Video Switcher Programming Tool",
         "&New",
         "Create a new configuration with the setup wizard",
         "New",
         "Ready",
         "&Read M-4400 Unit",
         "&Palette"},
        {"de",
         {"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"},
         "[*] - NEXIL Programmierwerkzeug für Videoumschalter",
         "&Neu",
         "Eine neue Konfiguration mit dem Einrichtungsassistenten erstellen",
         "Neu",
         "Bereit",
         "Aus M-4400-Gerät &lesen",
         "&Farbschema"},
    };
    std::map<int, QList<QKeySequence>> englishKeys;
    for (const Case& c : cases) {
        ProgramLanguage speaks({c.language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        QStringList menus;
        for (QAction* title : frame.menuBar()->actions()) menus << title->text();
        EXPECT_EQ(menus, c.menus) << c.language;
        EXPECT_TRUE(frame.windowTitle().endsWith(QString::fromUtf8(c.titleEnd)))
            << c.language << ": " << frame.windowTitle().toStdString();
        QAction* create = frame.Action(kCmdFileNew);
        EXPECT_EQ(create->text(), c.newText) << c.language;
        EXPECT_EQ(create->statusTip(), QString::fromUtf8(c.newTip)) << c.language;
        EXPECT_EQ(create->iconText(), c.newButton) << c.language;
        EXPECT_EQ(frame.StatusText(), c.ready) << c.language;
        EXPECT_EQ(frame.Action(kCmdReadUnit)->text(), QString::fromUtf8(c.readUnit)) << c.language;
        bool palette = false;
        for (const auto& [menu, action] : MenuCommands(*frame.menuBar())) {
            palette = palette || action->text() == c.palette;
            const int id = action->data().toInt();
            if (!action->menu() && menu->objectName() != "paletteMenu") {
                if (englishKeys.count(id) == 0)
                    englishKeys[id] = action->shortcuts();
                else
                    EXPECT_EQ(action->shortcuts(), englishKeys[id])
                        << c.language << ": " << action->text().toStdString();
            }
        }
        EXPECT_TRUE(palette) << c.language;
        m_frames.clear();
    }
    EXPECT_EQ(englishKeys[kCmdFileNew], QList<QKeySequence>{QKeySequence("Ctrl+N")});
}

// In every language each menu, and the menu bar, gives each access key once;
// in the pseudo-language every command shows its translation (none left unmarked).
TEST_F(AppTest, MenusKeepTheirAccessKeysApartInEveryLanguage) {
    for (const char* language : {"en", "de", "en-XA"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        CMainFrame& frame = NewFrame();
        EXPECT_EQ(SharedAccessKeys(frame.menuBar()->actions()), std::vector<std::string>{})
            << language;
        std::set<QMenu*> menus;
        for (const auto& [menu, action] : MenuCommands(*frame.menuBar())) menus.insert(menu);
        for (QMenu* menu : menus)
            EXPECT_EQ(SharedAccessKeys(menu->actions()), std::vector<std::string>{})
                << language << ": " << menu->title().toStdString();
        if (speaks.Language() == "en_XA") {
            for (const auto& [menu, action] : MenuCommands(*frame.menuBar())) {
                // Undo and Redo are named by the document's history, in its words.
                const int id = action->data().toInt();
                if (id == kCmdEditUndo || id == kCmdEditRedo) continue;
                EXPECT_TRUE(action->text().startsWith('[')) << action->text().toStdString();
                if (!action->menu()) {
                    EXPECT_TRUE(action->statusTip().startsWith('['))
                        << action->statusTip().toStdString();
                }
            }
        }
        m_frames.clear();
    }
}

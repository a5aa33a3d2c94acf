#include "app/MainMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <utility>
#include <vector>

#include "app/AppMessages.h"
#include "app/AppPictures.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "model/CommandIds.h"

namespace {

struct CommandText {
    int m_nId;
    QString m_strText;    // menu text; a shortcut follows a tab
    QString m_strPrompt;  // status bar prompt; a tooltip follows a line feed
};

// Every command's words in the person's language, each text translated where
// it is named (scripts/check-texts follows every marked text to its
// translate()). A translation keeps the shortcut after the tab as it is; Undo
// and Redo are the document's words.
std::vector<CommandText> Commands() {
    namespace M = AppMessages;
    namespace D = DocumentWidgetMessages;
    return {
        {kCmdFileNew, QCoreApplication::translate("App", M::kNew),
         QCoreApplication::translate("App", M::kPromptNew)},
        {kCmdFileOpen, QCoreApplication::translate("App", M::kOpen),
         QCoreApplication::translate("App", M::kPromptOpen)},
        {kCmdImportLunetta, QCoreApplication::translate("App", M::kImportLunetta),
         QCoreApplication::translate("App", M::kPromptImportLunetta)},
        {kCmdImportM7700, QCoreApplication::translate("App", M::kImportM7700),
         QCoreApplication::translate("App", M::kPromptImportM7700)},
        {kCmdImportQuillon, QCoreApplication::translate("App", M::kImportQuillon),
         QCoreApplication::translate("App", M::kPromptImportQuillon)},
        {kCmdFileSave, QCoreApplication::translate("App", M::kSave),
         QCoreApplication::translate("App", M::kPromptSave)},
        {kCmdFileSaveAs, QCoreApplication::translate("App", M::kSaveAs),
         QCoreApplication::translate("App", M::kPromptSaveAs)},
        {kCmdCompareFile, QCoreApplication::translate("App", M::kCompareFile),
         QCoreApplication::translate("App", M::kPromptCompareFile)},
        {kCmdExportCsv, QCoreApplication::translate("App", M::kExportCsv),
         QCoreApplication::translate("App", M::kPromptExportCsv)},
        {kCmdImportCsv, QCoreApplication::translate("App", M::kImportCsv),
         QCoreApplication::translate("App", M::kPromptImportCsv)},
        {kCmdCompareUnit, QCoreApplication::translate("App", M::kCompareUnit),
         QCoreApplication::translate("App", M::kPromptCompareUnit)},
        {kCmdConfigureModem, QCoreApplication::translate("App", M::kConfigureModem),
         QCoreApplication::translate("App", M::kPromptModem)},
        {kCmdPrint, QCoreApplication::translate("App", M::kPrint),
         QCoreApplication::translate("App", M::kPromptPrint)},
        {kCmdExit, QCoreApplication::translate("App", M::kExit),
         QCoreApplication::translate("App", M::kPromptExit)},
        {kCmdEditUndo, QCoreApplication::translate("DocumentWidgets", D::kUndo),
         QCoreApplication::translate("App", M::kPromptUndo)},
        {kCmdEditRedo, QCoreApplication::translate("DocumentWidgets", D::kRedo),
         QCoreApplication::translate("App", M::kPromptRedo)},
        {kCmdEditFind, QCoreApplication::translate("App", M::kFind),
         QCoreApplication::translate("App", M::kPromptFind)},
        {kCmdViewToolbar, QCoreApplication::translate("App", M::kToolbar),
         QCoreApplication::translate("App", M::kPromptToolbar)},
        {kCmdViewStatusBar, QCoreApplication::translate("App", M::kStatusBar),
         QCoreApplication::translate("App", M::kPromptStatusBar)},
        {kCmdReadUnit, QCoreApplication::translate("App", M::kReadUnitMenu),
         QCoreApplication::translate("App", M::kPromptReadUnit)},
        {kCmdWriteUnit, QCoreApplication::translate("App", M::kWriteUnit),
         QCoreApplication::translate("App", M::kPromptWriteUnit)},
        {kCmdVerifyWrite, QCoreApplication::translate("App", M::kVerifyWrite),
         QCoreApplication::translate("App", M::kPromptVerifyWrite)},
        {kCmdKeepBeforeWrite, QCoreApplication::translate("App", M::kKeepBeforeWrite),
         QCoreApplication::translate("App", M::kPromptKeepBeforeWrite)},
        {kCmdUnitHistory, QCoreApplication::translate("App", M::kUnitHistory),
         QCoreApplication::translate("App", M::kPromptUnitHistory)},
        {kCmdSetTime, QCoreApplication::translate("App", M::kSetTimeMenu),
         QCoreApplication::translate("App", M::kPromptSetTime)},
        {kCmdLinkTrace, QCoreApplication::translate("App", M::kLinkTrace),
         QCoreApplication::translate("App", M::kPromptLinkTrace)},
        {kCmdExpandConflicts, QCoreApplication::translate("App", M::kExpandConflicts),
         QCoreApplication::translate("App", M::kPromptExpandConflicts)},
        {kCmdResetAllArch, QCoreApplication::translate("App", M::kResetAllArch),
         QCoreApplication::translate("App", M::kPromptResetAllArch)},
        {kCmdAbout, QCoreApplication::translate("App", M::kAbout),
         QCoreApplication::translate("App", M::kPromptAbout)},
        {kCmdHelpIndex, QCoreApplication::translate("App", M::kHelpIndex),
         QCoreApplication::translate("App", M::kPromptHelpIndex)},
    };
}

QAction* MakeAction(QMainWindow* window, int id, const QString& text, const QString& prompt) {
    auto* action = new QAction(window);
    action->setData(id);
    const int tab = text.indexOf('\t');
    action->setText(tab < 0 ? text : text.left(tab));
    if (tab >= 0) action->setShortcut(QKeySequence(text.mid(tab + 1), QKeySequence::PortableText));
    const int feed = prompt.indexOf('\n');
    action->setStatusTip(feed < 0 ? prompt : prompt.left(feed));
    if (feed >= 0) action->setToolTip(prompt.mid(feed + 1));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

}  // namespace

CommandActions CreateCommandActions(QMainWindow* window) {
    CommandActions actions;
    for (const CommandText& c : Commands())
        actions[c.m_nId] = MakeAction(window, c.m_nId, c.m_strText, c.m_strPrompt);
    for (int n = 0; n < kRecentFileCount; ++n) {
        QAction* recent =
            MakeAction(window, kCmdRecentFirst + n, QString(),
                       QCoreApplication::translate("App", AppMessages::kPromptRecent));
        recent->setVisible(false);
        actions[kCmdRecentFirst + n] = recent;
    }
    for (int id :
         {kCmdViewToolbar, kCmdViewStatusBar, kCmdVerifyWrite, kCmdKeepBeforeWrite, kCmdLinkTrace})
        actions[id]->setCheckable(true);
    // Keys a Linux user expects beside the ones the menu texts carry. A write
    // replaces the unit's memory, so it takes two modifiers; F3 stays free.
    const std::pair<int, QKeySequence> extraKeys[] = {
        {kCmdFileSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {kCmdExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {kCmdReadUnit, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {kCmdWriteUnit, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
    };
    for (const auto& [id, key] : extraKeys) actions[id]->setShortcut(key);
    actions[kCmdEditRedo]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (int id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdPrint, kCmdWriteUnit, kCmdReadUnit,
                   kCmdSetTime, kCmdEditUndo, kCmdEditRedo})
        actions[id]->setIcon(ToolIcon(id));
    return actions;
}

void BuildMainMenu(QMainWindow* window, const CommandActions& a) {
    QMenuBar* bar = window->menuBar();
    QMenu* file = bar->addMenu(QCoreApplication::translate("App", AppMessages::kMenuFile));
    file->addAction(a.at(kCmdFileNew));
    file->addAction(a.at(kCmdFileOpen));
    QMenu* import = file->addMenu(QCoreApplication::translate("App", AppMessages::kMenuImport));
    import->addAction(a.at(kCmdImportLunetta));
    import->addAction(a.at(kCmdImportM7700));
    import->addAction(a.at(kCmdImportQuillon));
    file->addAction(a.at(kCmdFileSave));
    file->addAction(a.at(kCmdFileSaveAs));
    file->addSeparator();
    file->addAction(a.at(kCmdCompareFile));
    file->addAction(a.at(kCmdExportCsv));
    file->addAction(a.at(kCmdImportCsv));
    file->addSeparator();
    file->addAction(a.at(kCmdConfigureModem));
    file->addSeparator();
    file->addAction(a.at(kCmdPrint));
    file->addSeparator();
    for (int n = 0; n < kRecentFileCount; ++n) file->addAction(a.at(kCmdRecentFirst + n));
    file->addSeparator();
    file->addAction(a.at(kCmdExit));

    QMenu* edit = bar->addMenu(QCoreApplication::translate("App", AppMessages::kMenuEdit));
    edit->addAction(a.at(kCmdEditUndo));
    edit->addAction(a.at(kCmdEditRedo));
    edit->addSeparator();
    edit->addAction(a.at(kCmdEditFind));

    QMenu* view = bar->addMenu(QCoreApplication::translate("App", AppMessages::kMenuView));
    view->addAction(a.at(kCmdViewToolbar));
    view->addAction(a.at(kCmdViewStatusBar));
    view->addSeparator();
    view->addAction(a.at(kCmdReadUnit));
    view->addAction(a.at(kCmdWriteUnit));
    view->addAction(a.at(kCmdVerifyWrite));
    view->addAction(a.at(kCmdKeepBeforeWrite));
    view->addAction(a.at(kCmdSetTime));
    view->addAction(a.at(kCmdCompareUnit));
    view->addAction(a.at(kCmdUnitHistory));
    view->addAction(a.at(kCmdLinkTrace));
    view->addSeparator();
    view->addAction(a.at(kCmdExpandConflicts));
    view->addAction(a.at(kCmdResetAllArch));

    QMenu* help = bar->addMenu(QCoreApplication::translate("App", AppMessages::kMenuHelp));
    help->addAction(a.at(kCmdAbout));
    help->addAction(a.at(kCmdHelpIndex));
}

QToolBar* BuildToolBar(QMainWindow* window, const CommandActions& a) {
    QToolBar* bar =
        window->addToolBar(QCoreApplication::translate("App", AppMessages::kToolbar).remove('&'));
    bar->setObjectName("mainToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    namespace M = AppMessages;
    const struct {
        int m_nId;
        QString m_strLabel;
    } buttons[] = {
        {kCmdFileNew, QCoreApplication::translate("App", M::kButtonNew)},
        {kCmdFileOpen, QCoreApplication::translate("App", M::kButtonOpen)},
        {kCmdFileSave, QCoreApplication::translate("App", M::kButtonSave)},
        {kCmdPrint, QCoreApplication::translate("App", M::kButtonPrint)},
        {kCmdWriteUnit, QCoreApplication::translate("App", M::kButtonWrite)},
        {kCmdReadUnit, QCoreApplication::translate("App", M::kButtonRead)},
        {kCmdSetTime, QCoreApplication::translate("App", M::kButtonSetTime)},
        {kCmdEditUndo, QCoreApplication::translate("App", M::kButtonUndo)},
        {kCmdEditRedo, QCoreApplication::translate("App", M::kButtonRedo)},
    };
    for (const auto& b : buttons) {
        // Undo and Redo stand apart from the file and unit commands.
        if (b.m_nId == kCmdEditUndo) bar->addSeparator();
        a.at(b.m_nId)->setIconText(b.m_strLabel);
        bar->addAction(a.at(b.m_nId));
    }
    return bar;
}

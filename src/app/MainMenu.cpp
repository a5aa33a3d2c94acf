#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <utility>

#include "app/AppMessages.h"
#include "app/AppPictures.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "model/CommandIds.h"

namespace {

struct CommandText {
    int m_nId;
    const char* m_pText;    // menu text; a shortcut follows a tab
    const char* m_pPrompt;  // status bar prompt; a tooltip follows a line feed
};

const CommandText kCommands[] = {
    {kCmdFileNew, AppMessages::kNew, AppMessages::kPromptNew},
    {kCmdFileOpen, AppMessages::kOpen, AppMessages::kPromptOpen},
    {kCmdImportLunetta, AppMessages::kImportLunetta, AppMessages::kPromptImportLunetta},
    {kCmdImportM7700, AppMessages::kImportM7700, AppMessages::kPromptImportM7700},
    {kCmdImportQuillon, AppMessages::kImportQuillon, AppMessages::kPromptImportQuillon},
    {kCmdFileSave, AppMessages::kSave, AppMessages::kPromptSave},
    {kCmdFileSaveAs, AppMessages::kSaveAs, AppMessages::kPromptSaveAs},
    {kCmdCompareFile, AppMessages::kCompareFile, AppMessages::kPromptCompareFile},
    {kCmdExportCsv, AppMessages::kExportCsv, AppMessages::kPromptExportCsv},
    {kCmdImportCsv, AppMessages::kImportCsv, AppMessages::kPromptImportCsv},
    {kCmdCompareUnit, AppMessages::kCompareUnit, AppMessages::kPromptCompareUnit},
    {kCmdConfigureModem, AppMessages::kConfigureModem, AppMessages::kPromptModem},
    {kCmdPrint, AppMessages::kPrint, AppMessages::kPromptPrint},
    {kCmdExit, AppMessages::kExit, AppMessages::kPromptExit},
    {kCmdEditUndo, DocumentWidgetMessages::kUndo, AppMessages::kPromptUndo},
    {kCmdEditRedo, DocumentWidgetMessages::kRedo, AppMessages::kPromptRedo},
    {kCmdEditFind, AppMessages::kFind, AppMessages::kPromptFind},
    {kCmdViewToolbar, AppMessages::kToolbar, AppMessages::kPromptToolbar},
    {kCmdViewStatusBar, AppMessages::kStatusBar, AppMessages::kPromptStatusBar},
    {kCmdReadUnit, AppMessages::kReadUnit, AppMessages::kPromptReadUnit},
    {kCmdWriteUnit, AppMessages::kWriteUnit, AppMessages::kPromptWriteUnit},
    {kCmdVerifyWrite, AppMessages::kVerifyWrite, AppMessages::kPromptVerifyWrite},
    {kCmdKeepBeforeWrite, AppMessages::kKeepBeforeWrite, AppMessages::kPromptKeepBeforeWrite},
    {kCmdUnitHistory, AppMessages::kUnitHistory, AppMessages::kPromptUnitHistory},
    {kCmdSetTime, AppMessages::kSetTime, AppMessages::kPromptSetTime},
    {kCmdLinkTrace, AppMessages::kLinkTrace, AppMessages::kPromptLinkTrace},
    {kCmdExpandConflicts, AppMessages::kExpandConflicts, AppMessages::kPromptExpandConflicts},
    {kCmdResetAllArch, AppMessages::kResetAllArch, AppMessages::kPromptResetAllArch},
    {kCmdAbout, AppMessages::kAbout, AppMessages::kPromptAbout},
    {kCmdHelpIndex, AppMessages::kHelpIndex, AppMessages::kPromptHelpIndex},
};

QAction* MakeAction(QMainWindow* window, int id, const QString& text, const QString& prompt) {
    auto* action = new QAction(window);
    action->setData(id);
    const int tab = text.indexOf('\t');
    action->setText(tab < 0 ? text : text.left(tab));
    if (tab >= 0) action->setShortcut(QKeySequence(text.mid(tab + 1)));
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
    for (const CommandText& c : kCommands)
        actions[c.m_nId] = MakeAction(window, c.m_nId, QString::fromLatin1(c.m_pText),
                                      QString::fromLatin1(c.m_pPrompt));
    for (int n = 0; n < kRecentFileCount; ++n) {
        QAction* recent = MakeAction(window, kCmdRecentFirst + n, QString(),
                                     QString::fromLatin1(AppMessages::kPromptRecent));
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
    QMenu* file = bar->addMenu(QString::fromLatin1(AppMessages::kMenuFile));
    file->addAction(a.at(kCmdFileNew));
    file->addAction(a.at(kCmdFileOpen));
    QMenu* import = file->addMenu(QString::fromLatin1(AppMessages::kMenuImport));
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

    QMenu* edit = bar->addMenu(QString::fromLatin1(AppMessages::kMenuEdit));
    edit->addAction(a.at(kCmdEditUndo));
    edit->addAction(a.at(kCmdEditRedo));
    edit->addSeparator();
    edit->addAction(a.at(kCmdEditFind));

    QMenu* view = bar->addMenu(QString::fromLatin1(AppMessages::kMenuView));
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

    QMenu* help = bar->addMenu(QString::fromLatin1(AppMessages::kMenuHelp));
    help->addAction(a.at(kCmdAbout));
    help->addAction(a.at(kCmdHelpIndex));
}

QToolBar* BuildToolBar(QMainWindow* window, const CommandActions& a) {
    QToolBar* bar = window->addToolBar(QString::fromLatin1(AppMessages::kToolbar).remove('&'));
    bar->setObjectName("mainToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    const struct {
        int m_nId;
        const char* m_pLabel;
    } buttons[] = {
        {kCmdFileNew, AppMessages::kButtonNew},     {kCmdFileOpen, AppMessages::kButtonOpen},
        {kCmdFileSave, AppMessages::kButtonSave},   {kCmdPrint, AppMessages::kButtonPrint},
        {kCmdWriteUnit, AppMessages::kButtonWrite}, {kCmdReadUnit, AppMessages::kButtonRead},
        {kCmdSetTime, AppMessages::kButtonSetTime}, {kCmdEditUndo, AppMessages::kButtonUndo},
        {kCmdEditRedo, AppMessages::kButtonRedo},
    };
    for (const auto& b : buttons) {
        // Undo and Redo stand apart from the file and unit commands.
        if (b.m_nId == kCmdEditUndo) bar->addSeparator();
        a.at(b.m_nId)->setIconText(QString::fromLatin1(b.m_pLabel));
        bar->addAction(a.at(b.m_nId));
    }
    return bar;
}

#include "document/widgets/CompareCommandGroup.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>

#include "document/ConfigDiff.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "document/widgets/ShowDifferences.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "model/ZrtFile.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"

CompareCommandGroup::CompareCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()), m_frame(frame) {
    connect(frame.Action(kCmdCompareFile), &QAction::triggered, this,
            [this] { CompareWithFile(); });
}

void CompareCommandGroup::UpdateCommands() {
    m_frame.Action(kCmdCompareFile)
        ->setEnabled(
            *DocumentCommandEnabled(kCmdCompareFile, m_frame.Doc(), m_frame.State().m_bBusy));
}

void CompareCommandGroup::CompareWithFile() {
    if (!*DocumentCommandEnabled(kCmdCompareFile, m_frame.Doc(), m_frame.State().m_bBusy)) return;
    std::string path;
    if (!m_frame.Prompter().ChooseFile(FileChoice::CompareZrt, path)) return;
    CZRTProDoc other;
    if (!LoadZrtFile(other, path, m_frame.Prompter())) return;
    ShowDifferences(m_frame, CompareConfigurations(m_frame.Doc(), other),
                    QString::fromLatin1(DocumentWidgetMessages::kCompareCaption),
                    QFile::decodeName(FileNameOf(path).c_str()));
}

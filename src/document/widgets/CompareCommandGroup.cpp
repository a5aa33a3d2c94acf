#include "document/widgets/CompareCommandGroup.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>

#include "document/ConfigDiff.h"
#include "document/widgets/DifferencesWindow.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "model/ZrtFile.h"
#include "window/MainWindow.h"
#include "window/QtPrompter.h"

CompareCommandGroup::CompareCommandGroup(MainWindow& frame)
    : CommandGroup(&frame.Window()),
      m_frame(frame),
      m_pDifferences(new DifferencesWindow(
          frame, [this] { return m_frame.State().m_history.Generation() == m_nGeneration; },
          [this] { Compare(m_strPath); })) {
    connect(frame.Action(kCmdCompareFile), &QAction::triggered, this,
            [this] { CompareWithFile(); });
}

bool CompareCommandGroup::Enabled() const {
    return *DocumentCommandEnabled(kCmdCompareFile, m_frame.Doc(), m_frame.State().m_bBusy);
}

void CompareCommandGroup::UpdateCommands() {
    m_frame.Action(kCmdCompareFile)->setEnabled(Enabled());
    m_pDifferences->Follow();
}

void CompareCommandGroup::CompareWithFile() {
    if (!Enabled()) return;
    std::string path;
    if (!m_frame.Prompter().ChooseFile(FileChoice::CompareZrt, path)) return;
    Compare(path);
}

void CompareCommandGroup::Compare(const std::string& path) {
    if (!Enabled()) return;
    CZRTProDoc other;
    if (!LoadZrtFile(other, path, m_frame.Prompter())) return;
    m_strPath = path;
    m_nGeneration = m_frame.State().m_history.Generation();
    m_pDifferences->Show(
        CompareConfigurations(m_frame.Doc(), other),
        QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kCompareCaption),
        QFile::decodeName(FileNameOf(path).c_str()));
}

#include "unit/widgets/CUnitCommands.h"

#include <QAction>

#include "app/CMainFrame.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "unit/UnitCommands.h"

CUnitCommands::CUnitCommands(CMainFrame& frame) : CCommandGroup(&frame), m_frame(frame) {
    connect(frame.Action(kCmdReadUnit), &QAction::triggered, this, [this] { ReadUnit(); });
    connect(frame.Action(kCmdWriteUnit), &QAction::triggered, this, [this] { WriteUnit(); });
    connect(frame.Action(kCmdVerifyWrite), &QAction::triggered, this,
            [this] { ToggleVerifyWrite(); });
    connect(frame.Action(kCmdSetTime), &QAction::triggered, this, [this] { SetUnitTime(); });
    connect(frame.Action(kCmdConfigureModem), &QAction::triggered, this,
            [this] { ConfigureRemoteModem(); });
}

void CUnitCommands::UpdateCommands() {
    const bool busy = m_frame.State().m_bBusy;
    for (int id : {kCmdReadUnit, kCmdWriteUnit})
        m_frame.Action(id)->setEnabled(*DocumentCommandEnabled(id, m_frame.Doc(), busy));
    QAction* verify = m_frame.Action(kCmdVerifyWrite);
    verify->setEnabled(!busy);
    verify->setChecked(m_frame.State().m_bEnableVerify);
    m_frame.Action(kCmdSetTime)->setEnabled(false);
    m_frame.Action(kCmdConfigureModem)->setEnabled(false);
}

void CUnitCommands::ReadUnit() {}

void CUnitCommands::WriteUnit() {}

void CUnitCommands::ToggleVerifyWrite() {
    if (m_frame.State().m_bBusy) return;
    ToggleEnableVerify(m_frame.State(), m_frame.UserProfile());
    m_frame.UpdateCommands();
}

void CUnitCommands::SetUnitTime() {}

void CUnitCommands::ConfigureRemoteModem() {}

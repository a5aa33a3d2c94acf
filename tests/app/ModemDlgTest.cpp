#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"
#include "support/SimProcess.h"
#include "unit/ModemSetup.h"
#include "unit/widgets/ModemDlg.h"

namespace {

struct StepView {
    int m_nIndicator;
    bool m_bPorts, m_bInit, m_bBack, m_bNext;
};

StepView ViewOf(const ModemDlg& dlg) {
    return {dlg.StepIndicator()->value(), dlg.PortBox()->isEnabled(),
            dlg.InitStringEdit()->isEnabled(), dlg.BackButton()->isEnabled(),
            dlg.NextButton()->isEnabled()};
}

void ExpectView(const ModemDlg& dlg, const StepView& want) {
    const StepView got = ViewOf(dlg);
    EXPECT_EQ(got.m_nIndicator, want.m_nIndicator);
    EXPECT_EQ(got.m_bPorts, want.m_bPorts) << "step " << want.m_nIndicator;
    EXPECT_EQ(got.m_bInit, want.m_bInit) << "step " << want.m_nIndicator;
    EXPECT_EQ(got.m_bBack, want.m_bBack) << "step " << want.m_nIndicator;
    EXPECT_EQ(got.m_bNext, want.m_bNext) << "step " << want.m_nIndicator;
}

using ModemDlgTest = AppTest;

// The whole wizard from the File menu, against zrtpro-unitsim answering as a
// Hayes modem on a pseudo-terminal typed into the port list.
TEST_F(ModemDlgTest, ConfiguresTheModemInFiveSteps) {
    SimProcess sim;
    ASSERT_TRUE(sim.Start({"--eeprom", PathOf("unit.bin"), "--modem"}));
    const QString port =
        QString::fromStdString(sim.Connection().substr(std::string("serial:").size()));
    CMainFrame& frame = NewFrame();
    bool ran = false;
    QString statusDuring;
    WhenShown<ModemDlg>([&](ModemDlg& dlg) {
        ran = true;
        statusDuring = frame.StatusText();
        EXPECT_EQ(dlg.windowTitle(), "Configure Remote Modem");
        ExpectView(dlg, {1, false, false, false, true});
        EXPECT_TRUE(
            dlg.InstructionsEdit()->toPlainText().startsWith("Ensure the remote modem's DIP"));
        dlg.NextButton()->click();
        ExpectView(dlg, {2, true, false, true, true});
        dlg.PortBox()->setCurrentText(port);
        dlg.NextButton()->click();
        ExpectView(dlg, {3, false, false, true, true});
        const QString checked = dlg.LogEdit()->toPlainText();
        EXPECT_TRUE(checked.contains(port + " aquired successfully.")) << checked.toStdString();
        EXPECT_TRUE(checked.contains("Modem verified successfully.")) << checked.toStdString();
        dlg.NextButton()->click();
        ExpectView(dlg, {4, false, true, true, true});
        EXPECT_EQ(dlg.InitStringEdit()->text(), "ATS0=1&M4&K0&N8&B1&H0&R1&S0");
        dlg.InitStringEdit()->setText("ATS0=2");
        dlg.NextButton()->click();
        ExpectView(dlg, {5, false, false, false, true});
        const QString log = dlg.LogEdit()->toPlainText();
        EXPECT_TRUE(log.startsWith("\n1. Set to factory (generic) defaults:\nAT&F0"))
            << log.toStdString();
        EXPECT_TRUE(log.contains("4. Send brand-specific initialization string:\nATS0=2"));
        EXPECT_TRUE(log.contains("5. Save completed configuration to NVRAM profile 0:\nAT&W0"));
        EXPECT_FALSE(log.contains("No reply from modem"));
        EXPECT_EQ(log.count("OK"), 5);
        EXPECT_TRUE(dlg.InstructionsEdit()->toPlainText().startsWith("Factory defaults have been"));
        dlg.NextButton()->click();
        EXPECT_FALSE(dlg.isVisible());
    });
    frame.Action(kCmdConfigureModem)->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(statusDuring, "Configuring M-4400 REMOTE modem");
    EXPECT_EQ(frame.StatusText(), "Remote modem set up.");
}

// A port that cannot be opened is reported in the log and keeps the wizard at step 3.
TEST_F(ModemDlgTest, APortThatCannotBeOpenedStopsAtStepThree) {
    ModemDlg dlg;
    dlg.NextButton()->click();
    dlg.PortBox()->setCurrentText("/nonexistent/ttyQ9");
    dlg.NextButton()->click();
    ExpectView(dlg, {3, false, false, true, false});
    EXPECT_TRUE(dlg.LogEdit()->toPlainText().startsWith(
        "Unable to acquire /nonexistent/ttyQ9.  Please correct the problem and go to the previous "
        "step."));
    dlg.BackButton()->click();
    ExpectView(dlg, {2, true, false, true, true});
}

}  // namespace

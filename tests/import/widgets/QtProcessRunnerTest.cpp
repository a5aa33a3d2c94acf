#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTest>

#include "import/widgets/QtProcessRunner.h"
#include "support/FakeHelper.h"
#include "support/HelperEndings.h"
#include "support/ModalAnswers.h"

namespace {

using namespace std::chrono_literals;
using Ending = ProcessOutcome::Ending;

class QtProcessRunnerTest : public ::testing::Test {
protected:
    ProcessOutcome Run(const std::string& body, std::chrono::milliseconds limit = 10s) {
        return m_runner.Run({WriteFakeHelper(m_dir, "helper", body),
                             {"a b"},
                             kHelperEndingBound,
                             limit,
                             "Reading..."});
    }

    TempDir m_dir;
    QMainWindow m_window;
    QtProcessRunner m_runner{&m_window};
};

TEST_F(QtProcessRunnerTest, EveryWayAHelperEnds) {
    for (const HelperEnding& c : HelperEndings()) {
        const ProcessOutcome run = Run(c.body, c.limit);
        EXPECT_EQ(run.m_ending, c.ending) << c.what;
        EXPECT_EQ(run.m_nExitCode, c.exitCode) << c.what;
        EXPECT_EQ(run.m_strOutput, c.output) << c.what;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.what;
        EXPECT_TRUE(m_window.statusBar()->currentMessage().isEmpty()) << c.what;
    }
    EXPECT_EQ(m_runner.Run({m_dir.PathOf("absent"), {}, 100, 10s, {}}).m_ending,
              Ending::NotStarted);
    EXPECT_EQ(Run("printf '%s' \"$1\"").m_strOutput, "a b");
}

TEST_F(QtProcessRunnerTest, ALongReadShowsItsProgressAndEscCancelsIt) {
    QString status;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    WhenShown<QProgressDialog>([&](QProgressDialog& dialog) {
        status = m_window.statusBar()->currentMessage();
        if (QApplication::overrideCursor()) cursor = QApplication::overrideCursor()->shape();
        EXPECT_EQ(dialog.labelText(), "Reading...");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    const ProcessOutcome run = Run("exec sleep 30");
    EXPECT_EQ(run.m_ending, Ending::Cancelled);
    EXPECT_EQ(status, "Reading...");
    EXPECT_EQ(cursor, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace

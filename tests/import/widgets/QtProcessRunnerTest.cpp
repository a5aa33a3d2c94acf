#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTest>

#include "import/widgets/QtProcessRunner.h"
#include "support/FakeHelper.h"
#include "support/ModalAnswers.h"

namespace {

using namespace std::chrono_literals;
using Ending = ProcessOutcome::Ending;

class QtProcessRunnerTest : public ::testing::Test {
protected:
    ProcessOutcome Run(const std::string& body, std::chrono::milliseconds limit = 10s) {
        return m_runner.Run(
            {WriteFakeHelper(m_dir, "helper", body), {"a b"}, 100, limit, "Reading..."});
    }

    TempDir m_dir;
    QMainWindow m_window;
    QtProcessRunner m_runner{&m_window};
};

TEST_F(QtProcessRunnerTest, EveryWayAHelperEnds) {
    struct Case {
        const char* what;
        std::string body;
        std::chrono::milliseconds limit;
        Ending ending;
        int exitCode;
        std::string output;
    };
    const Case cases[] = {
        {"answers", "printf '%s' \"$1\"", 10s, Ending::Exited, 0, "a b"},
        {"answers up to its bound", "printf '%0100d' 0", 10s, Ending::Exited, 0,
         std::string(100, '0')},
        {"fails", "exit 3", 10s, Ending::Exited, 3, ""},
        {"crashes", "printf 'x'; kill -SEGV $$", 10s, Ending::Crashed, -1, "x"},
        {"hangs", "printf 'x'; exec sleep 30", 300ms, Ending::TimedOut, -1, "x"},
        {"answers without end", "exec yes", 10s, Ending::TooLong, -1, YesBound()},
    };
    for (const Case& c : cases) {
        const ProcessOutcome run = Run(c.body, c.limit);
        EXPECT_EQ(run.m_ending, c.ending) << c.what;
        EXPECT_EQ(run.m_nExitCode, c.exitCode) << c.what;
        EXPECT_EQ(run.m_strOutput, c.output) << c.what;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.what;
        EXPECT_TRUE(m_window.statusBar()->currentMessage().isEmpty()) << c.what;
    }
    EXPECT_EQ(m_runner.Run({m_dir.PathOf("absent"), {}, 100, 10s, {}}).m_ending,
              Ending::NotStarted);
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

#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>

#include "app/AppFixture.h"
#include "app/CZRTProApp.h"
#include "document/RecoveryFile.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"

namespace {

QString InstanceName(const char* which) {
    return QString("ZRTProInst-test-%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(::testing::UnitTest::GetInstance()->current_test_info()->name())
        .arg(which);
}

std::string RecoveryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/" +
           kRecoveryFileName;
}

}  // namespace

// Enter or Esc on a question before work is dropped keeps the work and the window.
TEST_F(AppTest, QuestionsThatDropWorkDefaultToCancel) {
    const std::string path = WriteConfig("site.zrt", 4, 1, 100);
    for (const bool conflicts : {false, true}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            CMainFrame& frame = NewFrame();
            DocumentContext ctx = frame.DocContext();
            ASSERT_TRUE(OpenConfiguration(ctx, path));
            if (conflicts)
                m_doc.m_nodes[static_cast<size_t>(NodeLabelled(m_doc, "exp 1, inp 2"))].m_strArch =
                    "101";
            m_doc.RecheckArchConflicts();
            m_doc.SetModifiedFlag(true);
            frame.Prompter().SetScripted(false);
            bool cancelIsDefault = false;
            ModalAnswers::Add<QMessageBox>([&, key](QMessageBox& box) {
                cancelIsDefault = box.button(QMessageBox::Cancel) &&
                                  static_cast<QAbstractButton*>(box.defaultButton()) ==
                                      box.button(QMessageBox::Cancel);
                QTest::keyClick(&box, key);
            });
            frame.close();
            EXPECT_TRUE(cancelIsDefault) << conflicts << key;
            EXPECT_TRUE(frame.isVisible());
            EXPECT_TRUE(m_doc.IsModified());
            EXPECT_EQ(m_doc.GetPathName(), path);
            frame.Prompter().SetScripted(true);
            m_frames.clear();
        }
    }
}

// Work left unsaved by a run that ended without its questions comes back at
// the next start, before the wizard, under its name and unsaved; Save writes
// it to its own file. Discarded, it is gone and the start is a fresh one.
TEST_F(AppTest, AfterACrashTheNextStartOffersTheUnsavedWorkBack) {
    const std::string path = WriteConfig("plant.zrt", 8, 2, 100);
    std::string edited;
    {
        CZRTProApp crashed(InstanceName("crashed"), m_profile.get());
        crashed.m_prepareFrame = [](CMainFrame& frame) { frame.Prompter().SetScripted(true); };
        ASSERT_TRUE(crashed.InitInstance({"zrtpro", QString::fromStdString(path)}, 0));
        EXPECT_FALSE(std::filesystem::exists(RecoveryPath()));
        crashed.Doc().m_nIdleDelay = 7;
        crashed.Doc().SetModifiedFlag(true);
        edited = EncodeZrt(crashed.Doc());
        EXPECT_TRUE(QTest::qWaitFor([] { return std::filesystem::exists(RecoveryPath()); }, 5000));
    }  // ended without its questions

    CZRTProApp next(InstanceName("next"), m_profile.get());
    int wizards = 0;
    next.m_prepareFrame = [&](CMainFrame& frame) {
        frame.Prompter().SetScripted(true);
        frame.Tree().m_runWizard = [&] { ++wizards; };
    };
    ASSERT_TRUE(next.InitInstance({"zrtpro"}, 0));
    QCoreApplication::processEvents();
    CMainFrame& frame = *next.MainFrame();
    const auto& shown = frame.Prompter().ShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].m_strText.rfind("Recover the unsaved changes to plant.zrt from ", 0), 0u);
    EXPECT_EQ(shown[0].m_buttons, PromptButtons::RecoverDiscard);
    EXPECT_EQ(wizards, 0);
    EXPECT_EQ(EncodeZrt(next.Doc()), edited);
    EXPECT_TRUE(next.Doc().IsModified());
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_TRUE(frame.windowTitle().startsWith("plant.zrt"));
    EXPECT_EQ(frame.Tree().ItemText(frame.Tree().RootItem()), "plant System");

    frame.Action(kCmdFileSave)->trigger();
    EXPECT_EQ(Slurp(path), edited);
    EXPECT_TRUE(QTest::qWaitFor([] { return !std::filesystem::exists(RecoveryPath()); }, 5000));

    // Kept again, then discarded at the next start.
    next.Doc().m_nIdleDelay = 9;
    next.Doc().SetModifiedFlag(true);
    EXPECT_TRUE(QTest::qWaitFor([] { return std::filesystem::exists(RecoveryPath()); }, 5000));
    CZRTProApp discarding(InstanceName("discarding"), m_profile.get());
    int freshWizards = 0;
    discarding.m_prepareFrame = [&](CMainFrame& f) {
        f.Prompter().SetScripted(true);
        f.Prompter().SetNextAnswer(PromptAnswer::No);
        f.Tree().m_runWizard = [&] { ++freshWizards; };
    };
    ASSERT_TRUE(discarding.InitInstance({"zrtpro"}, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(freshWizards, 1);
    EXPECT_FALSE(std::filesystem::exists(RecoveryPath()));
    EXPECT_FALSE(discarding.Doc().m_bTreeBuilt);
}

// A second start naming a file that cannot be opened: the running window
// names the file and the reason, asks nothing else, and keeps its work.
TEST_F(AppTest, ASecondStartNamingABadFileKeepsTheWindowAsItWas) {
    const QString name = InstanceName("first");
    CZRTProApp first(name, m_profile.get());
    first.m_prepareFrame = [](CMainFrame& frame) {
        frame.Tree().m_runWizard = [] {};
        frame.Prompter().SetScripted(true);
    };
    const std::string path = WriteConfig("a.zrt", 4, 0, 20);
    ASSERT_TRUE(first.InitInstance({"zrtpro", QString::fromStdString(path)}, 0));
    CMainFrame& frame = *first.MainFrame();
    first.Doc().m_nIdleDelay = 4;
    first.Doc().SetModifiedFlag(true);
    frame.UpdateCommands();
    const QString title = frame.windowTitle();
    const std::string root = frame.Tree().ItemText(frame.Tree().RootItem());

    const std::string missing = PathOf("gone.zrt");
    CZRTProApp second(name, m_profile.get());
    EXPECT_FALSE(second.InitInstance({"zrtpro", QString::fromStdString(missing)}, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.Prompter().ShownTexts().empty(); }, 5000));
    EXPECT_EQ(frame.Prompter().ShownTexts(),
              std::vector<std::string>{"Failed to open document.\n\n" + missing +
                                       ": No such file or directory"});
    frame.UpdateCommands();
    EXPECT_EQ(frame.windowTitle(), title);
    EXPECT_EQ(frame.Tree().ItemText(frame.Tree().RootItem()), root);
    EXPECT_EQ(first.Doc().GetPathName(), path);
    EXPECT_TRUE(first.Doc().IsModified());
}

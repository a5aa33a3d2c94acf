#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>
#include <memory>

#include "app/AppFixture.h"
#include "app/CZRTProApp.h"
#include "document/RecoveryFile.h"
#include "document/RecoveryFolder.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"

namespace {

QString InstanceName(const char* which) {
    return QString("ZRTProInst-test-%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(::testing::UnitTest::GetInstance()->current_test_info()->name())
        .arg(which);
}

// The recovery files of every window, running or not.
std::vector<std::string> Recoveries() {
    return RecoveryFiles(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(), {});
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
        EXPECT_TRUE(Recoveries().empty());
        crashed.Doc().m_nIdleDelay = 7;
        crashed.Doc().SetModifiedFlag(true);
        edited = EncodeZrt(crashed.Doc());
        EXPECT_TRUE(QTest::qWaitFor([] { return !Recoveries().empty(); }, 5000));
    }  // ended without its questions

    auto owned = std::make_unique<CZRTProApp>(InstanceName("next"), m_profile.get());
    CZRTProApp& next = *owned;
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
    EXPECT_TRUE(QTest::qWaitFor([] { return Recoveries().empty(); }, 5000));

    // Kept again, left behind, then discarded at the next start.
    next.Doc().m_nIdleDelay = 9;
    next.Doc().SetModifiedFlag(true);
    EXPECT_TRUE(QTest::qWaitFor([] { return !Recoveries().empty(); }, 5000));
    owned.reset();
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
    EXPECT_TRUE(Recoveries().empty());
    EXPECT_FALSE(discarding.Doc().m_bTreeBuilt);
}

// Two windows side by side (their runtime folders differ) keep their work
// apart: the second start offers none of the first's live work and leaves it
// alone; once the first has crashed, the next start offers its work, and only
// its work.
TEST_F(AppTest, TwoWindowsKeepTheirOwnWorkAndNeitherTakesTheOthers) {
    const std::string path = WriteConfig("plant.zrt", 4, 1, 100);
    const auto start = [&](const char* name, const QStringList& args) {
        auto app = std::make_unique<CZRTProApp>(InstanceName(name), m_profile.get());
        app->m_prepareFrame = [](CMainFrame& frame) {
            frame.Prompter().SetScripted(true);
            frame.Tree().m_runWizard = [] {};
        };
        EXPECT_TRUE(app->InitInstance(args, 0));
        QCoreApplication::processEvents();
        return app;
    };
    auto first = start("first", {"zrtpro", QString::fromStdString(path)});
    first->Doc().m_nIdleDelay = 7;
    first->Doc().SetModifiedFlag(true);
    ASSERT_TRUE(QTest::qWaitFor([] { return Recoveries().size() == 1; }, 5000));
    const std::string firstWork = Recoveries().front();

    auto second = start("second", {"zrtpro"});
    EXPECT_TRUE(second->MainFrame()->Prompter().ShownTexts().empty());
    EXPECT_TRUE(std::filesystem::exists(firstWork));
    const std::string secondWork = WriteConfig("other.zrt", 8, 0, 200);
    DocumentContext ctx = second->MainFrame()->DocContext();
    ASSERT_TRUE(OpenConfiguration(ctx, secondWork));
    second->Doc().m_nIdleDelay = 3;
    second->Doc().SetModifiedFlag(true);
    ASSERT_TRUE(QTest::qWaitFor([] { return Recoveries().size() == 2; }, 5000));

    first.reset();  // crashed
    auto third = start("third", {"zrtpro"});
    const auto shown = third->MainFrame()->Prompter().ShownTexts();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Recover the unsaved changes to plant.zrt from ", 0), 0u);
    EXPECT_EQ(third->Doc().m_nIdleDelay, 7);
    EXPECT_FALSE(std::filesystem::exists(firstWork));
    // The second window's work is still its own, and the third keeps what it recovered.
    EXPECT_TRUE(QTest::qWaitFor([] { return Recoveries().size() == 2; }, 5000));
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

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSplitter>

#include "app/AppFixture.h"
#include "app/CZRTProApp.h"
#include "app/CZRTProView.h"
#include "app/SingleInstance.h"
#include "app/SplashDlg.h"

namespace {

QString UniqueInstanceName() {
    return QString("ZRTProInst-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(::testing::UnitTest::GetInstance()->current_test_info()->name());
}

}  // namespace

TEST_F(AppTest, FileOnTheCommandLineIsOpenedAndTheWizardStaysAway) {
    const std::string path = WriteConfig("plant.east.zrt", 8, 2, 100);
    CZRTProApp app(UniqueInstanceName(), m_profile.get());
    app.m_prepareFrame = [](CMainFrame& frame) { frame.Prompter().SetScripted(true); };
    ASSERT_TRUE(app.InitInstance({"zrtpro", QString::fromStdString(path)}, 0));
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    int wizards = 0;
    frame->Tree().m_runWizard = [&] { ++wizards; };
    QCoreApplication::processEvents();

    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(app.Doc().GetPathName(), path);
    EXPECT_EQ(frame->Tree().ItemText(frame->Tree().RootItem()), "plant.east System");
    EXPECT_EQ(frame->CurrentPageKind(), PageKind::testview);
    EXPECT_EQ(frame->TreeWidth(), frame->fontMetrics().horizontalAdvance(
                                      "some text to 1234XXX plus ext plus a little bit more") +
                                      75);
    EXPECT_EQ(wizards, 0);
    EXPECT_FALSE(app.Doc().IsModified());
}

TEST_F(AppTest, EmptyStartShowsTheStartViewAndRunsTheWizardOnce) {
    CZRTProApp app(UniqueInstanceName(), m_profile.get());
    ASSERT_TRUE(app.InitInstance({"zrtpro"}, 0));
    CMainFrame* frame = app.MainFrame();
    int wizards = 0;
    frame->Tree().m_runWizard = [&] { ++wizards; };
    EXPECT_NE(qobject_cast<CZRTProView*>(frame->RightPane()), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(wizards, 1);
}

// A double click on a damaged or missing file: its message, then the window,
// empty, as after a failed File > Open.
TEST_F(AppTest, ABadFileOnTheCommandLineLeavesTheWindowEmpty) {
    std::ofstream(PathOf("bad.zrt"), std::ios::binary) << "not a configuration";
    const std::pair<std::string, std::string> cases[] = {
        {PathOf("bad.zrt"), "Cannot open file:" + PathOf("bad.zrt") + ",version #:"},
        {PathOf("missing.zrt"), "Failed to open document."}};
    for (const auto& [path, message] : cases) {
        SCOPED_TRACE(path);
        CZRTProApp app(UniqueInstanceName(), m_profile.get());
        int wizards = 0;
        app.m_prepareFrame = [&](CMainFrame& frame) {
            frame.Prompter().SetScripted(true);
            frame.Tree().m_runWizard = [&] { ++wizards; };
        };
        ASSERT_TRUE(app.InitInstance({"zrtpro", QString::fromStdString(path)}, 0));
        QCoreApplication::processEvents();
        const auto shown = app.MainFrame()->Prompter().ShownTexts();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].rfind(message, 0), 0u) << shown[0];
        EXPECT_TRUE(app.MainFrame()->isVisible());
        EXPECT_EQ(app.MainFrame()->Tree().RootItem(), nullptr);
        EXPECT_EQ(app.Doc().GetPathName(), "");
        EXPECT_EQ(wizards, 0);
    }
}

// A double click on a file while the program runs: the running window comes
// forward and opens the file, asking first about its own unsaved edits.
TEST_F(AppTest, ASecondStartBringsTheFirstForwardOpensItsFileAndEnds) {
    const QString name = UniqueInstanceName();
    CZRTProApp first(name, m_profile.get());
    // The start-up wizard stays away: its page would wait for an answer.
    first.m_prepareFrame = [](CMainFrame& frame) {
        frame.Tree().m_runWizard = [] {};
        frame.Prompter().SetScripted(true);
    };
    ASSERT_TRUE(
        first.InitInstance({"zrtpro", QString::fromStdString(WriteConfig("a.zrt", 4, 0, 20))}, 0));
    first.Doc().SetModifiedFlag(true);
    first.MainFrame()->Prompter().SetNextAnswer(PromptAnswer::No);
    first.MainFrame()->showMaximized();
    first.MainFrame()->showMinimized();

    const std::string other = WriteConfig("x.zrt", 8, 1, 300);
    CZRTProApp second(name, m_profile.get());
    EXPECT_FALSE(second.InitInstance({"zrtpro", QString::fromStdString(other)}, 0));
    EXPECT_EQ(second.MainFrame(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !first.MainFrame()->isMinimized(); }, 5000));
    EXPECT_TRUE(first.MainFrame()->isMaximized()) << "back in the state it had";
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.Doc().GetPathName() == other; }, 5000));
    EXPECT_EQ(first.MainFrame()->Prompter().ShownTexts(),
              std::vector<std::string>{"Save changes to a.zrt?"});

    // Without a file the window only comes forward.
    first.MainFrame()->showMinimized();
    CZRTProApp third(name, m_profile.get());
    EXPECT_FALSE(third.InitInstance({"zrtpro"}, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !first.MainFrame()->isMinimized(); }, 5000));
    EXPECT_EQ(first.Doc().GetPathName(), other);
}

// The socket lives in a folder only the user may enter: the runtime folder
// when it is one, else a 0700 folder of the program's own, whatever $USER says.
TEST_F(AppTest, InstanceSocketIsPerUserInAPrivateFolder) {
    const QString socket = "/ZRTProInst-" + QString::number(::getuid());
    const QString own = QDir::tempPath() + "/zrtpro-" + QString::number(::getuid());
    const QString runtime = QString::fromStdString(PathOf("runtime"));
    const QString open = QString::fromStdString(PathOf("open"));
    ::mkdir(QFile::encodeName(runtime).constData(), 0700);
    ::mkdir(QFile::encodeName(open).constData(), 0755);
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "installer");
    const struct {
        const char* what;
        QString runtimeDir;
        QString expected;
    } cases[] = {
        {"runtime folder", runtime, runtime + socket},
        {"runtime folder others may enter", open, own + socket},
        {"runtime folder named relatively", "runtime", own + socket},
        {"no runtime folder", {}, own + socket},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.runtimeDir.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(c.runtimeDir));
        EXPECT_EQ(SingleInstance::DefaultName(), c.expected);
    }
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(own).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    if (saved.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
    qputenv("USER", user);
}

TEST_F(AppTest, StartPictureClosesAtAClick) {
    SplashDlg splash(60000);
    splash.show();
    EXPECT_EQ(splash.findChild<QLabel*>("1130")->pixmap().size(), QSize(400, 199));
    QTest::mouseClick(&splash, Qt::RightButton);
    EXPECT_TRUE(splash.isVisible());
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST_F(AppTest, StartPictureClosesByItself) {
    SplashDlg splash(10);
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
}

// The window comes back where and as large as it was left, maximized or not;
// a place on no screen now gives the centre of the screen.
TEST_F(AppTest, WindowComesBackWhereItWasLeft) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto start = [&](const char* which) {
        auto app = std::make_unique<CZRTProApp>(UniqueInstanceName() + which, m_profile.get());
        app->m_prepareFrame = [](CMainFrame& frame) {
            frame.Prompter().SetScripted(true);
            frame.Tree().m_runWizard = [] {};
        };
        EXPECT_TRUE(app->InitInstance({"zrtpro"}, 0));
        QCoreApplication::processEvents();
        return app;
    };
    const QPoint corner = screen.topLeft() + QPoint(30, 40);
    {
        auto first = start("1");
        first->MainFrame()->resize(820, 560);
        first->MainFrame()->move(corner);
        EXPECT_TRUE(first->MainFrame()->close());
    }
    {
        auto second = start("2");
        EXPECT_EQ(second->MainFrame()->size(), QSize(820, 560));
        EXPECT_EQ(second->MainFrame()->pos(), corner);
        EXPECT_FALSE(second->MainFrame()->isMaximized());
        second->MainFrame()->move(screen.right() + 4000, 100);
        EXPECT_TRUE(second->MainFrame()->close());
    }
    auto third = start("3");
    EXPECT_EQ(third->MainFrame()->size(), QSize(820, 560));
    EXPECT_LE((third->MainFrame()->geometry().center() - screen.center()).manhattanLength(), 4);
    third->MainFrame()->showMaximized();
    EXPECT_TRUE(third->MainFrame()->close());
    third.reset();
    EXPECT_TRUE(start("4")->MainFrame()->isMaximized());
}

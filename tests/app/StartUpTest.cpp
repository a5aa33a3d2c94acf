#include <unistd.h>

#include <QLabel>
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

TEST_F(AppTest, ABadFileOnTheCommandLineEndsTheStart) {
    std::ofstream(PathOf("bad.zrt"), std::ios::binary) << "not a configuration";
    CZRTProApp app(UniqueInstanceName(), m_profile.get());
    app.m_prepareFrame = [](CMainFrame& frame) { frame.Prompter().SetScripted(true); };
    EXPECT_FALSE(app.InitInstance({"zrtpro", QString::fromStdString(PathOf("bad.zrt"))}, 0));
    const auto shown = app.MainFrame()->Prompter().ShownTexts();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Cannot open file:" + PathOf("bad.zrt") + ",version #:", 0), 0u);
}

TEST_F(AppTest, ASecondStartBringsTheFirstForwardAndEnds) {
    const QString name = UniqueInstanceName();
    CZRTProApp first(name, m_profile.get());
    // The start-up wizard stays away: its page would wait for an answer.
    first.m_prepareFrame = [](CMainFrame& frame) { frame.Tree().m_runWizard = [] {}; };
    ASSERT_TRUE(first.InitInstance({"zrtpro"}, 0));
    first.MainFrame()->showMinimized();

    CZRTProApp second(name, m_profile.get());
    EXPECT_FALSE(second.InitInstance({"zrtpro", QString::fromStdString(PathOf("x.zrt"))}, 0));
    EXPECT_EQ(second.MainFrame(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !first.MainFrame()->isMinimized(); }, 5000));
}

TEST_F(AppTest, InstanceNameIsPerUserWhateverTheEnvironmentSays) {
    const QString expected = "ZRTProInst-" + QString::number(::getuid());
    const QByteArray user = qgetenv("USER");
    const QByteArray logName = qgetenv("LOGNAME");
    qputenv("USER", "installer");
    EXPECT_EQ(SingleInstance::DefaultName(), expected);
    qunsetenv("USER");
    qunsetenv("LOGNAME");
    EXPECT_EQ(SingleInstance::DefaultName(), expected);
    qputenv("USER", user);
    qputenv("LOGNAME", logName);
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

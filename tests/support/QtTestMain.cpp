#include <gtest/gtest.h>

#include "support/IsolatedProfile.h"

// The window's tests get a QApplication; the others (the link's serial port
// and sockets) the QCoreApplication of the command-line tool.
#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

// The main of every test program that runs Qt: offscreen unless told
// otherwise, one application object for the whole run, and a profile of its
// own for every test.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    IsolatedProfile profile;
    TestApplication application(argc, argv);
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(&profile);
    const int result = RUN_ALL_TESTS();
    listeners.Release(&profile);
    return result;
}

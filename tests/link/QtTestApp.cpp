#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

// Qt's serial port and sockets want an application object, as in the tool.
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "link_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QCoreApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QCoreApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace

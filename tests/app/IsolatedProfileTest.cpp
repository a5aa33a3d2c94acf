#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <string>

namespace {

// Every test of the window runs with a profile of its own (see the shared
// test main): the program's settings, its data and the home folder are in
// the running test's scratch folder, never the user's.
TEST(IsolatedProfile, SettingsDataAndHomeAreTheTestsOwn) {
    const std::string own = (std::filesystem::temp_directory_path() /
                             "zrt-IsolatedProfile-SettingsDataAndHomeAreTheTestsOwn-")
                                .string();
    const QString paths[] = {
        QSettings("NEXIL", "NEXIL").fileName(),
        QSettings(QSettings::IniFormat, QSettings::UserScope, "NEXIL", "NEXIL").fileName(),
        QSettings(QSettings::IniFormat, QSettings::SystemScope, "NEXIL", "NEXIL").fileName(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
        QDir::homePath(),
    };
    for (const QString& path : paths)
        EXPECT_EQ(path.toStdString().rfind(own, 0), 0u) << path.toStdString();
}

}  // namespace

#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <QtGlobal>
#include <filesystem>
#include <memory>

#include "support/TempDir.h"

// Points the user's home, settings, data, cache and state folders at scratch
// folders: one for the whole run, from before the application object exists,
// and a fresh one for every test. Nothing of the user's profile or data is
// read or written, no test sees what another left behind, and the programs a
// test starts inherit the same folders (which Qt's own test mode of
// QStandardPaths would not give them).
class IsolatedProfile : public ::testing::EmptyTestEventListener {
public:
    IsolatedProfile() { PointAt(m_run); }

    void OnTestStart(const ::testing::TestInfo&) override {
        m_test = std::make_unique<TempDir>();
        PointAt(*m_test);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        PointAt(m_run);
        m_test.reset();
    }

private:
    static void PointAt(const TempDir& folder) {
        const std::pair<const char*, const char*> kFolders[] = {
            {"HOME", "home"},
            {"XDG_CONFIG_HOME", "config"},
            {"XDG_DATA_HOME", "data"},
            {"XDG_CACHE_HOME", "cache"},
            {"XDG_STATE_HOME", "state"},
        };
        for (const auto& [variable, name] : kFolders) {
            std::filesystem::create_directories(folder.PathOf(name));
            qputenv(variable, QByteArray::fromStdString(folder.PathOf(name)));
        }
        // QSettings reads its folders once per run; they follow the test.
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope,
                               QString::fromStdString(folder.PathOf("config")));
            QSettings::setPath(format, QSettings::SystemScope,
                               QString::fromStdString(folder.PathOf("system")));
        }
    }

    TempDir m_run;
    std::unique_ptr<TempDir> m_test;
};

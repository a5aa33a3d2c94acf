#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

// A scratch folder of its own, named after the running test, removed with
// everything in it afterwards. Two folders are never the same, even in one
// test or in tests run side by side.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("zrt-" + TestName() + "XXXXXX")).string();
        if (!::mkdtemp(pattern.data()))
            throw std::filesystem::filesystem_error(
                "cannot make a scratch folder", pattern,
                std::error_code(errno, std::generic_category()));
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The folder with a trailing separator, as a picked path's folder reads.
    std::string Folder() const { return m_path.string() + "/"; }
    std::string PathOf(const std::string& name) const { return (m_path / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    // "Suite-Test-" of the running test, to tell its folder; empty outside a test.
    static std::string TestName() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        if (!info) return {};
        std::string name =
            (std::string(info->test_suite_name()) + "-" + info->name()).substr(0, 120) + "-";
        for (char& c : name)
            if (c == '/') c = '_';
        return name;
    }

    std::filesystem::path m_path;
};

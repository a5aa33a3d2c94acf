#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/ZrtFile.h"
#include "support/Configs.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

// zrtpro-cli run in a folder of its own, and configuration files saved there.
class CliFixture : public ::testing::Test {
protected:
    ProgramRun Cli(const std::string& args) {
        return RunProgram(std::string(ZRTPRO_CLI) + " " + args);
    }
    // The inputs and the unassigned numbers of a configuration file, as show prints them.
    std::string Inputs(const std::string& path) {
        const std::string text = Cli("show " + path).m_strOut;
        return text.substr(text.find("Inputs:"));
    }

    // Saves as `name` a configuration of `ports` ports and `ciuCount` camera
    // interface units, its inputs numbered from firstNumber + 1, after `change`.
    std::string SaveConfig(const std::string& name, int ports, int ciuCount, int firstNumber,
                           const std::function<void(CZRTProDoc&)>& change) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, ports, ciuCount, firstNumber);
        change(doc);
        const std::string path = m_dir.PathOf(name);
        ScriptedPrompter prompter;
        EXPECT_TRUE(SaveZrtFile(doc, path, prompter));
        return path;
    }

    TempDir m_dir;
};

#pragma once

#include <iostream>

#include "model/Prompter.h"

// Shows the program's messages on standard error and answers questions from
// what the command line said.
class CliPrompter : public Prompter {
public:
    PromptAnswer Message(const std::string& text, PromptButtons buttons, PromptIcon,
                         const std::string&) override {
        std::cerr << text << '\n';
        switch (buttons) {
            case PromptButtons::Ok:
            case PromptButtons::OkCancel:
                return PromptAnswer::Ok;
            case PromptButtons::YesNo:
            case PromptButtons::YesNoCancel:
                return PromptAnswer::No;
        }
        return PromptAnswer::Ok;
    }
    void SetStatusText(const std::string&) override {}
    void SetProgress(int) override {}
    void Pump() override {}
    bool AskUnitModel(bool, UnitModelAnswer& answer) override {
        answer = m_unitModel;
        return true;
    }
    bool ChooseFile(FileChoice, std::string&) override { return false; }

    UnitModelAnswer m_unitModel;
};

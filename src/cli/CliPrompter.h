#pragma once

#include <termios.h>

#include <string>

#include "model/Prompter.h"

// Shows the program's messages on standard error and answers questions from
// what the command line said. Progress of a transfer is a bar on a terminal,
// plain percentages, one a line, otherwise.
class CliPrompter : public Prompter {
public:
    CliPrompter();
    ~CliPrompter() override;

    PromptAnswer Message(const std::string& text, PromptButtons buttons, PromptIcon icon,
                         const std::string& caption) override;
    void SetStatusText(const std::string& text) override;
    void SetProgress(int percent) override;
    // Passes a Ctrl+C, or an Esc typed at the terminal, on to the transfer
    // running, through `m_pCancel`.
    void Pump() override;
    bool AskUnitModel(bool showExpansion, UnitModelAnswer& answer) override;
    bool ChooseFile(FileChoice kind, std::string& path) override;

    UnitModelAnswer m_unitModel;
    // The answer to "Save changes to %1?" and other Yes/No questions.
    PromptAnswer m_yesNoAnswer = PromptAnswer::No;
    // Where a save asked for a file name goes.
    std::string m_strSavePath;
    // The cancel request of the unit state a transfer watches.
    bool* m_pCancel = nullptr;

    // Ctrl+C from now on asks the running transfer to stop instead of ending the program.
    static void CatchInterrupt();
    // When standard input is a terminal, keys are read as typed, without echo,
    // so that Esc can stop the transfer; the terminal is set back when this ends.
    void WatchEscape();

private:
    void EndProgressLine();

    bool m_bTerminal;
    bool m_bProgressLine = false;
    int m_nLastPercent = -1;
    std::string m_strStatus;
    bool m_bWatchingKeys = false;
    termios m_savedTerminal{};
};

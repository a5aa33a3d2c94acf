#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/Prompter.h"

// A Prompter for tests: records every message in order and replays scripted answers.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        std::string m_strText;
        PromptButtons m_buttons;
        PromptIcon m_icon;
        std::string m_strCaption;
    };

    PromptAnswer Message(const std::string& text, PromptButtons buttons, PromptIcon icon,
                         const std::string& caption) override {
        m_shown.push_back({text, buttons, icon, caption});
        if (m_onMessage) m_onMessage(text);
        if (!m_answers.empty()) {
            const PromptAnswer a = m_answers.front();
            m_answers.pop_front();
            return a;
        }
        return buttons == PromptButtons::Ok || buttons == PromptButtons::OkCancel
                   ? PromptAnswer::Ok
                   : PromptAnswer::Yes;
    }
    void SetStatusText(const std::string& text) override { m_statusTexts.push_back(text); }
    void SetTransferLine(const std::string& line, const std::string& elapsed) override {
        m_statusTexts.push_back(line);
        m_transferLines.emplace_back(line, elapsed);
    }
    void SetProgress(int percent) override { m_progress.push_back(percent); }
    void Pump() override {
        ++m_nPumps;
        if (m_onPump) m_onPump(m_nPumps);
    }
    bool AskUnitModel(bool showExpansion, UnitModelAnswer& answer) override {
        m_unitModelAsks.push_back(showExpansion);
        if (m_unitModelAnswers.empty()) return false;
        const bool ok = m_unitModelAnswers.front().second;
        answer = m_unitModelAnswers.front().first;
        m_unitModelAnswers.pop_front();
        return ok;
    }
    bool ChooseFile(FileChoice kind, std::string& path) override {
        m_fileChoices.push_back(kind);
        if (m_files.empty()) return false;
        path = m_files.front();
        m_files.pop_front();
        return true;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& s : m_shown) texts.push_back(s.m_strText);
        return texts;
    }

    // Called as each message is shown, as the user would first see it.
    std::function<void(const std::string&)> m_onMessage;
    std::vector<Shown> m_shown;
    std::deque<PromptAnswer> m_answers;
    std::vector<std::string> m_statusTexts;
    // The transfer lines among them, each with the time elapsed shown beside it.
    std::vector<std::pair<std::string, std::string>> m_transferLines;
    std::vector<int> m_progress;
    int m_nPumps = 0;
    // Runs at every repaint chance, as a click of the window would.
    std::function<void(int pumps)> m_onPump;
    std::vector<bool> m_unitModelAsks;
    std::deque<std::pair<UnitModelAnswer, bool>> m_unitModelAnswers;
    std::vector<FileChoice> m_fileChoices;
    std::deque<std::string> m_files;
};

#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "model/Profile.h"
#include "model/Prompter.h"

class QMessageBox;
class QWidget;

// The window's Prompter: message boxes owned by the main window, the status
// bar, the progress page and the file dialogs. Tests queue the answers of the
// next dialogs instead of letting them show, so no test needs a timer.
class QtPrompter : public Prompter {
public:
    QtPrompter(QWidget* owner, Profile& profile);

    PromptAnswer Message(const std::string& text, PromptButtons buttons = PromptButtons::Ok,
                         PromptIcon icon = PromptIcon::None,
                         const std::string& caption = {}) override;
    // A question that lets the program go on while it is open (a transfer
    // under way): `answered` runs when the user answers. The box, or null when
    // a test's queued answer (or scripting) answered at once.
    QMessageBox* AskWithoutWaiting(const std::string& text, PromptButtons buttons, PromptIcon icon,
                                   std::function<void(PromptAnswer)> answered);
    void SetStatusText(const std::string& text) override;
    void SetTransferLine(const std::string& line, const std::string& elapsed) override;
    void SetProgress(int percent) override;
    void Pump() override;
    bool AskUnitModel(bool showExpansion, UnitModelAnswer& answer) override;
    bool ChooseFile(FileChoice kind, std::string& path) override;

    // The status text, and beside a transfer's line the time it has taken (empty otherwise).
    std::function<void(const QString& text, const QString& elapsed)> m_statusSink;
    // The main unit model dialog, over the owner of the prompter's dialogs.
    std::function<bool(bool showExpansion, UnitModelAnswer& answer)> m_askUnitModel;
    QWidget* Owner() const { return m_pOwner; }
    std::function<void(int)> m_progressSink;

    // Test hooks. The next message box is not shown but answered with
    // `answer`; the next file dialog answers `path` (empty: cancelled).
    void SetNextAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    void SetNextFile(const QString& path) { m_files.push_back(path); }
    // The next unit model dialog is not shown but answered with `answer`.
    void SetNextUnitModel(const UnitModelAnswer& answer) { m_models.push_back(answer); }
    // Dialogs and message boxes are owned by `owner` from now on (a modal
    // dialog that asks through the prompter); returns the previous owner.
    QWidget* SetOwner(QWidget* owner);

    // With scripting on, a dialog with no queued answer is not shown either:
    // a message takes its first button, a file dialog is cancelled.
    void SetScripted(bool scripted) { m_bScripted = scripted; }

    // The messages answered while scripting was on or an answer was queued,
    // in order; the program a user runs keeps none.
    struct Shown {
        std::string m_strText;
        PromptButtons m_buttons;
        PromptIcon m_icon;
        std::string m_strCaption;
    };
    const std::vector<Shown>& ShownMessages() const { return m_shown; }
    std::vector<std::string> ShownTexts() const;
    void ClearShown() { m_shown.clear(); }

private:
    QWidget* m_pOwner;
    Profile& m_profile;
    bool m_bScripted = false;
    std::deque<PromptAnswer> m_answers;
    std::deque<QString> m_files;
    std::deque<UnitModelAnswer> m_models;
    std::vector<Shown> m_shown;
};

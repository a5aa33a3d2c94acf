#pragma once

#include <string>

// RecoverDiscard is a Yes / No question whose buttons read Recover and Discard.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RecoverDiscard };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// The answer a question's box gives to Enter and Esc: the one that throws
// nothing away. Cancel where there is one, No to a question that goes on
// only with Yes, Yes (Recover) to the question that would discard kept work.
PromptAnswer SafeAnswer(PromptButtons buttons);

// What a file dialog is for; the widgets pick caption, filter and folder from it.
enum class FileChoice {
    OpenZrt,
    SaveZrt,
    OpenLunetta,
    OpenQuillon,
    OpenM7700,
    SaveReportPdf,
    // The configuration file File > Compare with File compares with.
    CompareZrt,
    // The input list as a spreadsheet file.
    OpenCsv,
    SaveCsv,
    // The setup wizard's two Browse buttons: a name is taken whether or not
    // the file exists, the wizard's checks and builds judge it.
    WizardZrt,
    WizardPagingFile,
};

// Answers of the main unit model dialog.
struct UnitModelAnswer {
    int m_nRows = 1;      // 1 = 4-port unit, 2 = 8-port unit
    int m_nCiuCount = 0;  // camera interface units
};

// Everything the core shows to the user or asks of the user. The window, the
// command-line tool and the tests each implement it.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A modal message box with the exact text; returns the button pressed.
    virtual PromptAnswer Message(const std::string& text, PromptButtons buttons = PromptButtons::Ok,
                                 PromptIcon icon = PromptIcon::None,
                                 const std::string& caption = {}) = 0;

    // The first status bar pane.
    virtual void SetStatusText(const std::string& text) = 0;
    // The line of a transfer under way and the time it has taken so far
    // ("0:42 elapsed"): the status bar shows the line, the progress page both.
    virtual void SetTransferLine(const std::string& line, const std::string& elapsed) {
        (void)elapsed;
        SetStatusText(line);
    }
    // The progress bar of the communication page, 0 to 100.
    virtual void SetProgress(int percent) = 0;
    // A chance to repaint during a long operation.
    virtual void Pump() = 0;

    // The main unit model dialog; false when it was closed other than by OK.
    virtual bool AskUnitModel(bool showExpansion, UnitModelAnswer& answer) = 0;
    // A file dialog; false when cancelled. `path` carries the proposal in and the choice out.
    virtual bool ChooseFile(FileChoice kind, std::string& path) = 0;
};

#pragma once

#include "model/ProcessRunner.h"

class QWidget;

// The window's way to run a helper program: QProcess, read as the output
// arrives, while the event loop keeps running. Meanwhile the cursor is busy
// and the status bar tells what the program waits for; a run that takes
// longer than a moment shows a small progress dialog whose Cancel (or Esc)
// ends the helper. No click reaches the window before that dialog is up.
class QtProcessRunner : public ProcessRunner {
public:
    explicit QtProcessRunner(QWidget* owner);

    ProcessOutcome Run(const ProcessCall& call) override;

    // How long a run goes before the progress dialog shows.
    static constexpr int kDialogDelayMs = 400;

private:
    QWidget* m_pOwner;
};

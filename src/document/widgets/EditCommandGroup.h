#pragma once

#include "model/TreeItem.h"
#include "window/CommandGroup.h"

class MainWindow;

// Edit > Undo and Redo over the document's edit history. Each names the step
// it takes; taking one puts the configuration back as it was and shows the
// tree item the step was made at, its page loaded afresh. Both wait while
// the window is busy with the unit.
class EditCommandGroup : public CommandGroup {
public:
    explicit EditCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void Undo();
    void Redo();

private:
    // Shows what a step back or forth changed: tree texts and marks, and the page.
    void ShowRestored(TreeItem place);

    MainWindow& m_frame;
};

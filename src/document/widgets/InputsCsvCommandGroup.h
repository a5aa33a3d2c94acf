#pragma once

#include "window/CommandGroup.h"

class MainWindow;

// File > Export Inputs as CSV... and Import Inputs from CSV...: the input list
// as a spreadsheet file and back. An import is shown in the differences dialog
// first and applied on OK as one step Edit > Undo takes back.
class InputsCsvCommandGroup : public CommandGroup {
public:
    explicit InputsCsvCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void Export();
    void Import();

private:
    bool Enabled(int command) const;

    MainWindow& m_frame;
};

#pragma once

#include <cstddef>
#include <string>

#include "window/CommandGroup.h"

class DifferencesWindow;
class MainWindow;

// File > Compare with File...: the open configuration beside a configuration
// file, in the differences dialog. Neither changes.
class CompareCommandGroup : public CommandGroup {
public:
    explicit CompareCommandGroup(MainWindow& frame);

    void UpdateCommands() override;

    void CompareWithFile();
    DifferencesWindow& Differences() { return *m_pDifferences; }

private:
    bool Enabled() const;
    void Compare(const std::string& path);

    MainWindow& m_frame;
    DifferencesWindow* m_pDifferences;
    // The file compared last, and the configuration it was compared with.
    std::string m_strPath;
    size_t m_nGeneration = 0;
};

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "unit/UnitClock.h"
#include "unit/UnitContext.h"
#include "window/CommandGroup.h"

class DifferencesWindow;
class FrameLinkUi;
class MainWindow;
class WindowUnitLink;
class QLabel;
class QPushButton;
class QWidget;
struct UnitHistoryEntry;

// The unit commands: Read, Write, Verify Write, Keep Unit Memory Before
// Write, Unit History, Set Time, Compare with Unit and Configure Remote Modem. Read, Write and
// Compare show the progress page while they run; the unit is found through the connection dialog
// (or is the built-in demonstration unit). Link Trace records the traffic of each connection in the
// user's data folder; after a failed verify, Details in the status bar lists the differing cells.
class UnitCommandGroup : public CommandGroup {
public:
    explicit UnitCommandGroup(MainWindow& frame);
    ~UnitCommandGroup() override;

    void UpdateCommands() override;

    void ReadUnit();
    // Reads the unit into a configuration of its own and shows how it differs
    // from the open one, which stays as it was.
    void CompareWithUnit();
    void WizardReadUnit();
    // The setup wizard's read-unit radio: posts one plain read to run once
    // the wizard has closed. False when one is already waiting to run.
    bool PostWizardRead();
    void WriteUnit();
    void ToggleVerifyWrite();
    // View > Keep Unit Memory Before Write, stored in the profile.
    void ToggleKeepBeforeWrite();
    // View > Unit History: the kept copies, to compare, open, restore or delete.
    void ShowUnitHistory();
    // Writes a kept copy back into a unit, as a write does; `copyName` (the
    // copy's time) names what was put back in the history.
    void RestoreToUnit(const std::vector<uint8_t>& image, const std::string& copyName = {});
    void SetUnitTime();
    void ConfigureRemoteModem();
    void ToggleLinkTrace();
    void ShowVerifyDetails();

    WindowUnitLink& Link() { return *m_link; }
    FrameLinkUi& LinkUi() { return *m_pLinkUi; }
    QPushButton* DetailsButton() const { return m_pDetails; }

    // Where Link Trace puts its files.
    static QString TraceFolder();
    // Where the unit history keeps its copies.
    static QString HistoryFolder();

private:
    UnitContext Context();
    // Runs one unit command, never inside another.
    template <typename Command>
    void Run(Command command);
    void Done(bool ok, const QString& text);
    // The progress page with its Cancel while a connection on a line is made;
    // the busy state keeps every other command from starting meanwhile.
    void ShowConnecting(bool on);
    static std::optional<std::vector<uint8_t>> LoadKept(const UnitHistoryEntry& e, QWidget* owner);

    MainWindow& m_frame;
    FrameLinkUi* m_pLinkUi;
    QPushButton* m_pDetails;
    QLabel* m_pPartly;
    DifferencesWindow* m_pDifferences;
    // Writes and restores run; what a comparison with the unit was made at.
    size_t m_nUnitWrites = 0;
    size_t m_nComparedWrites = 0;
    size_t m_nComparedGeneration = 0;
    std::unique_ptr<WindowUnitLink> m_link;
    SystemClock m_clock;
    bool m_bRunning = false;
    bool m_bWizardReadPending = false;
    bool m_bConnectingShown = false;
};

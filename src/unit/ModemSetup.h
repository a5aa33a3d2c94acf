#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class UnitLink;

// The five-step remote modem wizard without its window: which step is shown,
// what each control holds and whether it is enabled, and the talk with the
// modem through the link's raw port functions. The dialog copies the fields
// into its controls whenever the refresh callback runs (and scrolls the log
// to its end), and calls Open, Proceed, Back and Quit from its buttons.
class ModemSetup {
public:
    // Fills a buffer with NUL-separated port names; 0 on success (EnumSerialPorts).
    using PortLister = std::function<unsigned long(char* buffer, unsigned long size)>;
    // The one-second wait for the modem's answer; tests pass one that does not sleep.
    using Pause = std::function<void(int ms)>;

    ModemSetup(UnitLink& link, PortLister ports, Pause pause);

    void SetRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }

    // The dialog opens: the port list is filled and step 1 shown.
    void Open();
    void Proceed();
    void Back();
    void Quit();

    // Sends one command and collects the answer into the last reply and the log.
    uint32_t SendModemCommand(const std::string& command);
    // Step 5: factory defaults, saves and the initialization string.
    void RunModemSetup();

    // The status bar's text once the dialog has closed, in the user's language
    // (it lasts the program's run): set up only when the last step was reached
    // (`finished`) and the modem answered all of it.
    const char* StatusAfter(bool finished) const;

    // The initialization string edit (at most 80 characters are kept).
    void SetInitString(const std::string& text);
    void SelectPort(int index) { m_nSelectedPort = index; }

    int m_nStep = 1;
    std::string m_strInitString;
    std::string m_strLog;
    std::string m_strInstructions;
    std::string m_strLastReply;
    std::vector<std::string> m_ports;  // sorted
    int m_nSelectedPort = -1;
    bool m_bPortListEnabled = true;
    bool m_bInitStringEnabled = true;
    bool m_bBackEnabled = true;
    bool m_bNextEnabled = true;
    int m_nIndicator = 0;  // the step indicator, 0 to 5
    bool m_bPortListFocus = false;
    bool m_bClosed = false;  // the dialog is to close
    bool m_bSetUp = false;   // every command of step 5 was answered

private:
    void ShowStep();
    void CheckPort();
    void Refresh();
    std::string SelectedPort() const;

    UnitLink& m_link;
    PortLister m_portLister;
    Pause m_pause;
    std::function<void()> m_refresh;
};

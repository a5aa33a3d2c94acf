#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "SmallSite.h"
#include "document/MainState.h"
#include "model/Format.h"
#include "unit/UnitContext.h"
#include "unit/emulator/EmulatedLink.h"
#include "unit/emulator/EmulatedUnit.h"

// A clock that always reads the same time: no transfer takes any.
class FixedClock : public UnitClock {
public:
    std::tm LocalTime() override { return m_time; }
    TimePoint Now() override { return {}; }
    std::tm m_time{};
};

// Records what the core asks of the window.
class RecordingUi : public LinkUiHooks {
public:
    void ShowLinkPage(bool wasBusy) override {
        m_events.push_back(wasBusy ? "ShowLinkPage(busy)" : "ShowLinkPage");
    }
    void RestorePage(int nodeIndex, TreeItem) override {
        m_events.push_back(StrFormat("RestorePage(%d)", nodeIndex));
    }
    void SetWaitCursor(bool on) override { m_nWaitDepth += on ? 1 : -1; }
    bool StartRelayoutTimer() override {
        m_events.push_back("StartRelayoutTimer");
        return m_bTimerStarts;
    }

    std::vector<std::string> m_events;
    int m_nWaitDepth = 0;
    bool m_bTimerStarts = true;
};

// The window's side of the unit operations, wired to an emulated unit.
struct UnitRig {
    UnitRig() { m_unit.SetCell(0xFFFD, 0x5A); }

    // The small site, not modified, as the document in the window.
    void LoadSmallSite() {
        MakeSmallSite(m_doc, m_tree);
        m_doc.SetModifiedFlag(false);
    }

    // The next read decodes for a four-port unit.
    void AnswerFourPorts() { m_prompter.m_unitModelAnswers.push_back({{1, 0}, true}); }

    std::vector<uint16_t> WrittenAddresses() const {
        std::vector<uint16_t> addresses;
        for (const auto& s : m_link.m_sent)
            if (s.m_bytes[1] == 0x04)
                addresses.push_back(static_cast<uint16_t>(s.m_bytes[2] | (s.m_bytes[3] << 8)));
        return addresses;
    }

    CZRTProDoc m_doc;
    MemoryTree m_tree;
    ScriptedPrompter m_prompter;
    MainState m_state;
    EmulatedUnit m_unit;
    EmulatedLink m_link{m_unit};
    RecordingUi m_ui;
    FixedClock m_clock;
    UnitContext m_ctx{m_doc, m_tree, m_prompter, m_state, m_link, m_ui, m_clock};
};

using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;

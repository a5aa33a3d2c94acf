#include "unit/ModemSetup.h"

#include <algorithm>

#include "model/Translate.h"
#include "unit/LastingText.h"
#include "unit/ModemMessages.h"
#include "unit/UnitLink.h"

namespace MM = ModemMessages;

namespace {

constexpr unsigned long kPortListSize = 1024;
constexpr int kReplyWaitMs = 1000;

std::vector<std::string> SplitPortList(const std::vector<char>& buffer) {
    std::vector<std::string> names;
    size_t at = 0;
    while (at < buffer.size() && buffer[at] != '\0') {
        const auto end =
            std::find(buffer.begin() + static_cast<std::ptrdiff_t>(at), buffer.end(), '\0');
        names.emplace_back(buffer.begin() + static_cast<std::ptrdiff_t>(at), end);
        at = static_cast<size_t>(end - buffer.begin()) + 1;
    }
    return names;
}

}  // namespace

ModemSetup::ModemSetup(UnitLink& link, PortLister ports, Pause pause)
    : m_strInitString(MM::kDefaultInitString),
      m_link(link),
      m_portLister(std::move(ports)),
      m_pause(std::move(pause)) {}

void ModemSetup::Open() {
    // One byte more than the lister is told of, so a full buffer still ends in a NUL.
    std::vector<char> buffer(kPortListSize + 1, '\0');
    if (!m_portLister || m_portLister(buffer.data(), kPortListSize) != 0) {
        Refresh();
        return;
    }
    m_ports = SplitPortList(buffer);
    std::sort(m_ports.begin(), m_ports.end());
    m_nSelectedPort = m_ports.empty() ? -1 : 0;
    m_bPortListFocus = true;
    ShowStep();
}

void ModemSetup::Proceed() {
    ++m_nStep;
    ShowStep();
}

void ModemSetup::Back() {
    if (m_nStep > 1) --m_nStep;
    ShowStep();
}

void ModemSetup::Quit() {
    if (m_link.comm_GetConnectedStatus() != 0) m_link.comm_Disconnect();
    m_bClosed = true;
}

void ModemSetup::SetInitString(const std::string& text) {
    m_strInitString = text.substr(0, MM::kInitStringMax);
}

std::string ModemSetup::SelectedPort() const {
    if (m_nSelectedPort < 0 || m_nSelectedPort >= static_cast<int>(m_ports.size())) return {};
    return m_ports[static_cast<size_t>(m_nSelectedPort)];
}

void ModemSetup::ShowStep() {
    if (m_nStep >= 6) {
        Quit();
        return;
    }
    m_nIndicator = m_nStep;
    m_bPortListEnabled = m_nStep == 2;
    m_bInitStringEnabled = m_nStep == 4;
    m_bBackEnabled = m_nStep == 2 || m_nStep == 3 || m_nStep == 4;
    if (m_nStep != 1) m_bNextEnabled = true;
    switch (m_nStep) {
        case 1:
            m_strInstructions = Tr("Modem", MM::kStep1);
            break;
        case 2:
            m_strInstructions = Tr("Modem", MM::kStep2);
            break;
        case 3:
            m_strInstructions = Tr("Modem", MM::kStep3);
            CheckPort();
            break;
        case 4:
            m_strInstructions = Tr("Modem", MM::kStep4);
            break;
        default:
            // The step's text is on screen while its five commands take their
            // five seconds; the commands and their waits keep their order.
            m_strInstructions = Tr("Modem", MM::kStep5);
            Refresh();
            RunModemSetup();
            break;
    }
    Refresh();
}

void ModemSetup::CheckPort() {
    const std::string name = SelectedPort();
    if (m_link.comm_GetConnectedStatus() != 0) m_link.comm_Disconnect();
    if (m_link.comm_Connect(name, 0, 1) != 0) {
        m_strLog += Tr("Modem", MM::kUnableToAcquire) + name + Tr("Modem", MM::kCorrectAndGoBack);
        m_bNextEnabled = false;
    } else {
        m_strLog += name + Tr("Modem", MM::kAcquired) + MM::kLineEnd;
    }
    Refresh();
    SendModemCommand(MM::kAttention);
    if (m_strLastReply.find(MM::kEcho) == std::string::npos) {
        m_bNextEnabled = false;
    } else {
        m_strLog += Tr("Modem", MM::kModemVerified) + MM::kLineEnd;
        Refresh();
    }
}

uint32_t ModemSetup::SendModemCommand(const std::string& command) {
    m_strLastReply.clear();
    if (command.empty()) return 0;
    const uint32_t sent =
        m_link.comm_SendRaw({reinterpret_cast<const uint8_t*>(command.data()), command.size()});
    if (sent != 0) return sent;
    if (m_pause) m_pause(kReplyWaitMs);
    uint32_t result = 0;
    if (m_link.comm_GetRcvCount() == 0) {
        m_strLog += MM::kLineEnd + Tr("Modem", MM::kNoReply) + MM::kLineEnd;
        result = UnitLink::kTimedOut;
    } else {
        std::span<const uint8_t> received;
        result = m_link.comm_GetRcvBuff(received);
        if (result == 0 && !received.empty()) {
            m_strLastReply.append(received.begin(), received.end());
            m_link.comm_DeleteDLLBytes(received);
            m_strLog += m_strLastReply;
        }
    }
    Refresh();
    return result;
}

void ModemSetup::RunModemSetup() {
    const std::string init = m_strInitString;
    m_strLog.clear();
    const std::pair<std::string, std::string> sequence[] = {
        {Tr("Modem", MM::kLogFactory), MM::kCmdFactory},
        {Tr("Modem", MM::kLogSave), MM::kCmdSave},
        {Tr("Modem", MM::kLogPowerUp), MM::kCmdPowerUp},
        {Tr("Modem", MM::kLogInit), init + MM::kLineEnd},
        {Tr("Modem", MM::kLogSaveAll), MM::kCmdSave},
    };
    m_bSetUp = true;
    for (const auto& [line, command] : sequence) {
        m_strLog += MM::kLineEnd + line + MM::kLineEnd;
        if (SendModemCommand(command) != 0) m_bSetUp = false;
    }
}

const char* ModemSetup::StatusAfter(bool finished) const {
    if (!finished) return LastingText(Tr("Modem", MM::kStatusReady));
    return LastingText(m_bSetUp ? Tr("Modem", MM::kStatusDone) : Tr("Modem", MM::kStatusNotSetUp));
}

void ModemSetup::Refresh() {
    if (m_refresh) m_refresh();
}

#include "unit/widgets/WindowUnitLink.h"

#include <QDir>
#include <QFileInfo>

#include "unit/emulator/EepromFile.h"
#include "unit/emulator/EmulatedLink.h"
#include "unit/emulator/EmulatedUnit.h"
#include "unit/link/LinkTrace.h"
#include "unit/link/StreamUnitLink.h"

namespace {
// Often enough for the progress page to move smoothly, seldom enough to cost
// nothing. Between two turns of the event loop the window waits this long plus
// at most one wait slice of the link (or the rest of a reply arriving), which
// keeps it well under the 100 ms in which a window feels stuck, even at 9600 baud.
constexpr auto kPumpInterval = std::chrono::milliseconds(25);
}  // namespace

WindowUnitLink::WindowUnitLink(Chooser chooser, PasswordAsker password, std::string demoMemoryPath,
                               std::function<void()> pump)
    : m_chooser(std::move(chooser)),
      m_password(std::move(password)),
      m_strDemoPath(std::move(demoMemoryPath)),
      m_pump(std::move(pump)) {}

WindowUnitLink::~WindowUnitLink() { comm_Disconnect(); }

int WindowUnitLink::comm_GetConnectedStatus() {
    return m_active ? m_active->comm_GetConnectedStatus() : 0;
}

uint32_t WindowUnitLink::comm_GetUserConnection(int flags) {
    comm_Disconnect();
    const std::optional<std::string> choice = m_chooser ? m_chooser() : std::nullopt;
    if (!choice) return kUserCancelled;
    Attempting();
    if (*choice == kDemonstrationUnit) return ConnectDemo();
    const std::string connection = *choice;
    m_stream = std::make_unique<StreamUnitLink>(
        [connection]() -> std::optional<std::string> { return connection; }, m_password);
    // The window keeps turning while a slow line or a silent unit is awaited.
    m_stream->SetWaitHook([this] { PumpNow(); });
    if (!m_strTraceFolder.empty()) {
        m_trace = std::make_unique<LinkTrace>(NextTracePath(m_strTraceFolder, kTracesKept));
        if (m_trace->Ok()) m_stream->SetTrace(m_trace.get());
    }
    m_stream->SetStopCheck(m_stop);
    if (m_connecting) m_connecting(true);
    const uint32_t code = m_stream->comm_GetUserConnection(flags);
    if (m_connecting) m_connecting(false);
    if (code == kOk) m_active = m_stream.get();
    m_lastPump = std::chrono::steady_clock::now();
    return code;
}

uint32_t WindowUnitLink::ConnectDemo() {
    m_demoUnit = std::make_unique<EmulatedUnit>();
    if (EepromFile(m_strDemoPath).Load(*m_demoUnit) == EepromFile::LoadResult::Refused)
        return kHardwareUnavailable;
    m_nDemoRevision = m_demoUnit->Revision();
    m_demo = std::make_unique<EmulatedLink>(*m_demoUnit);
    // Like a real unit, the demonstration unit asks for its password only when it has one.
    if (!m_demoUnit->CheckPassword("")) {
        const std::optional<std::string> password = m_password ? m_password() : std::nullopt;
        if (!password) return kUserCancelled;
        m_demo->m_strOfferedPassword = *password;
    }
    const uint32_t code = m_demo->comm_GetUserConnection(0);
    if (code == kOk) m_active = m_demo.get();
    return code;
}

uint32_t WindowUnitLink::comm_SetProgrammingMode(int enter) {
    return m_active ? m_active->comm_SetProgrammingMode(enter) : kNoUnitFound;
}

uint32_t WindowUnitLink::comm_SendLop(std::span<const uint8_t> message, int expectReply,
                                      uint32_t timeoutMs) {
    return m_active ? m_active->comm_SendLop(message, expectReply, timeoutMs) : kNoUnitFound;
}

uint32_t WindowUnitLink::comm_GetLopData(std::span<const uint8_t>& reply) {
    // The window repaints before the reply is taken: the pump must not run
    // while the caller holds the link's bytes.
    PumpNow();
    reply = {};
    return m_active ? m_active->comm_GetLopData(reply) : kNoUnitFound;
}

uint32_t WindowUnitLink::comm_GetCurrentPword(std::string& password) {
    password.clear();
    return m_active ? m_active->comm_GetCurrentPword(password) : kNoUnitFound;
}

void WindowUnitLink::comm_Disconnect() {
    if (m_active) m_active->comm_Disconnect();
    m_active = nullptr;
    m_stream.reset();
    m_trace.reset();
    if (m_demoUnit && m_demoUnit->Revision() != m_nDemoRevision) {
        QDir().mkpath(QFileInfo(QString::fromStdString(m_strDemoPath)).absolutePath());
        EepromFile(m_strDemoPath).Save(*m_demoUnit);
    }
    m_demo.reset();
    m_demoUnit.reset();
}

std::string WindowUnitLink::ConnectProblem() const {
    return m_stream ? m_stream->ConnectProblem() : std::string();
}

void WindowUnitLink::PumpNow() {
    const auto now = std::chrono::steady_clock::now();
    if (!m_pump || now - m_lastPump < kPumpInterval) return;
    m_lastPump = now;
    m_pump();
}

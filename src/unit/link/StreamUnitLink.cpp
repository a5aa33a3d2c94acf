#include "unit/link/StreamUnitLink.h"

#include <algorithm>

#include "unit/ConnectionAddress.h"
#include "unit/UnitLink.h"
#include "unit/link/LinkProtocol.h"
#include "unit/link/ModemDial.h"
#include "unit/link/Rfc2217Transport.h"
#include "unit/link/SerialTransport.h"
#include "unit/link/TcpTransport.h"

namespace LP = LinkProtocol;

namespace {
constexpr int kRawWriteMs = 2000;
// A caller's time-out beyond this is taken as this: no wait may hang the program.
constexpr uint32_t kLongestReplyMs = 60000;
}  // namespace

StreamUnitLink::StreamUnitLink(ConnectionProvider connection, PasswordProvider password,
                               SerialOpener openSerial)
    : m_connection(std::move(connection)),
      m_password(std::move(password)),
      m_openSerial(std::move(openSerial)) {}

std::unique_ptr<LinkTransport> StreamUnitLink::OpenSerialPort(const std::string& device, int baud,
                                                              PortOpenError& error) {
    auto serial = std::make_unique<SerialTransport>();
    if (serial->Open(device, baud)) return serial;
    error = serial->OpenError();
    return nullptr;
}

StreamUnitLink::~StreamUnitLink() { comm_Disconnect(); }

int StreamUnitLink::comm_GetConnectedStatus() { return m_session || m_rawPort ? 1 : 0; }

uint32_t StreamUnitLink::comm_GetUserConnection(int) {
    comm_Disconnect();
    m_strProblem.clear();
    const std::optional<std::string> description = m_connection ? m_connection() : std::nullopt;
    if (!description) return UnitLink::kUserCancelled;
    Attempting();
    return OpenSession(*description);
}

uint32_t StreamUnitLink::OpenSession(const std::string& description) {
    m_bStopped = false;
    const uint32_t code = ConnectTo(description);
    m_pConnecting = nullptr;
    if (!m_bStopped) return code;
    // Stopped by the user: nothing is kept of the line and nothing is said of it.
    m_session.reset();
    m_strProblem.clear();
    if (m_pTrace) m_pTrace->Note("connect stopped by the user");
    return UnitLink::kUserCancelled;
}

std::function<void()> StreamUnitLink::ConnectWaitHook() {
    if (!m_waitHook && !m_stop) return {};
    return [this] {
        if (m_waitHook) m_waitHook();
        if (m_pConnecting && !m_bStopped && m_stop && m_stop()) {
            m_bStopped = true;
            m_pConnecting->Close();
        }
    };
}

uint32_t StreamUnitLink::ConnectTo(const std::string& description) {
    const std::function<void()> wait = ConnectWaitHook();
    const std::optional<ConnectionAddress> where = ParseConnectionAddress(description);
    if (!where) return UnitLink::kAddressBookError;
    std::unique_ptr<LinkTransport> line;
    if (where->m_kind == ConnectionAddress::Kind::Tcp) {
        auto tcp = std::make_unique<TcpTransport>();
        m_pConnecting = tcp.get();
        if (!tcp->Open(where->m_strHost, where->m_nPort, LP::kTcpConnectMs, wait))
            return UnitLink::kNoDialtone;
        line = std::move(tcp);
    } else if (where->m_kind == ConnectionAddress::Kind::Rfc2217) {
        auto server = std::make_unique<Rfc2217Transport>();
        m_pConnecting = server.get();
        if (!server->Open(where->m_strHost, where->m_nPort, where->m_nBaud, LP::kTcpConnectMs,
                          wait)) {
            m_strProblem = server->Problem();
            if (m_pTrace && !m_strProblem.empty()) m_pTrace->Note(m_strProblem);
            return m_strProblem.empty() ? UnitLink::kNoDialtone : UnitLink::kHardwareUnavailable;
        }
        line = std::move(server);
    } else {
        PortOpenError error = PortOpenError::Other;
        std::unique_ptr<LinkTransport> serial =
            m_openSerial ? m_openSerial(where->m_strDevice, where->m_nBaud, error) : nullptr;
        if (!serial) {
            m_strProblem = PortOpenHint(error, where->m_strDevice);
            if (m_pTrace) m_pTrace->Note("cannot open " + where->m_strDevice);
            return UnitLink::kHardwareUnavailable;
        }
        m_pConnecting = serial.get();
        if (where->m_kind == ConnectionAddress::Kind::Modem) {
            const uint32_t dialled =
                DialModem(*serial, where->m_strNumber, LP::kModemOkMs, LP::kModemDialMs, wait);
            if (dialled != UnitLink::kOk) {
                serial->HangUp();
                return dialled;
            }
        }
        line = std::move(serial);
    }
    // A unit without a password takes any, so the user is asked for one only
    // when the unit refuses to open without it. That also keeps a write from
    // placing a typed password into a unit that had none.
    auto session = std::make_unique<LinkSession>(std::move(line));
    session->SetTrace(m_pTrace);
    session->SetWaitHook(wait);
    if (m_pTrace) m_pTrace->Note("connected to " + description);
    std::string password;
    uint32_t result = session->Connect(password);
    if (result == UnitLink::kPasswordRejected) {
        const std::optional<std::string> asked = m_password ? m_password() : std::nullopt;
        if (!asked) return UnitLink::kUserCancelled;
        password = *asked;
        result = session->Connect(password);
    }
    if (result != UnitLink::kOk) return result;
    m_session = std::move(session);
    m_strPassword = password;
    return UnitLink::kOk;
}

uint32_t StreamUnitLink::comm_SetProgrammingMode(int enter) {
    if (!m_session) return UnitLink::kNoUnitFound;
    return m_session->SetProgrammingMode(enter != 0);
}

uint32_t StreamUnitLink::comm_SendLop(std::span<const uint8_t> message, int, uint32_t timeoutMs) {
    if (!m_session) return UnitLink::kNoUnitFound;
    const int wait = timeoutMs == UnitLink::kDefaultTimeout
                         ? LP::kDefaultReplyMs
                         : static_cast<int>(std::min<uint32_t>(timeoutMs, kLongestReplyMs));
    return m_session->Send(message, wait);
}

uint32_t StreamUnitLink::comm_GetLopData(std::span<const uint8_t>& reply) {
    reply = {};
    if (!m_session) return UnitLink::kNoUnitFound;
    return m_session->FetchReply(reply);
}

uint32_t StreamUnitLink::comm_GetCurrentPword(std::string& password) {
    password = m_strPassword;
    return m_session ? UnitLink::kOk : UnitLink::kNoUnitFound;
}

void StreamUnitLink::comm_Disconnect() {
    if (m_session) m_session->Close();
    m_session.reset();
    if (m_rawPort) m_rawPort->Close();
    m_rawPort.reset();
    m_raw.clear();
}

uint32_t StreamUnitLink::comm_Connect(const std::string& port, int, int) {
    comm_Disconnect();
    auto serial = std::make_unique<SerialTransport>();
    if (port.empty() || !serial->Open(port, LP::kDefaultBaud))
        return UnitLink::kHardwareUnavailable;
    m_rawPort = std::move(serial);
    return UnitLink::kOk;
}

uint32_t StreamUnitLink::comm_SendRaw(std::span<const uint8_t> bytes) {
    if (!m_rawPort) return UnitLink::kHardwareUnavailable;
    return m_rawPort->Write(bytes, kRawWriteMs) ? UnitLink::kOk : UnitLink::kTimedOut;
}

void StreamUnitLink::CollectRaw() {
    if (!m_rawPort) return;
    uint8_t buffer[1024];
    // A port that never stops sending ends the collecting too; the newest bytes are kept.
    for (size_t taken = 0; taken < LinkTransport::kDiscardLimit;) {
        size_t got = 0;
        if (m_rawPort->Read(buffer, got, 0) != LinkIo::Ok || got == 0) break;
        m_raw.insert(m_raw.end(), buffer, buffer + got);
        taken += got;
    }
    if (m_raw.size() > LinkTransport::kDiscardLimit)
        m_raw.erase(m_raw.begin(), m_raw.end() - LinkTransport::kDiscardLimit);
}

uint32_t StreamUnitLink::comm_GetRcvCount() {
    CollectRaw();
    return static_cast<uint32_t>(m_raw.size());
}

uint32_t StreamUnitLink::comm_GetRcvBuff(std::span<const uint8_t>& bytes) {
    bytes = {};
    if (!m_rawPort) return UnitLink::kHardwareUnavailable;
    CollectRaw();
    m_rawTaken = std::move(m_raw);
    m_raw.clear();
    bytes = m_rawTaken;
    return UnitLink::kOk;
}

void StreamUnitLink::comm_DeleteDLLBytes(std::span<const uint8_t>) { m_rawTaken.clear(); }

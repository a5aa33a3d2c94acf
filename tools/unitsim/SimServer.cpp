#include "SimServer.h"

#include <csignal>
#include <cstdlib>
#include <thread>

#include "SimMessages.h"
#include "model/Format.h"
#include "unit/LopMessages.h"
#include "unit/UnitImageLayout.h"
#include "unit/link/LinkFrame.h"
#include "unit/link/LinkProtocol.h"

namespace LP = LinkProtocol;

namespace {

// How long the line must be quiet, or a write go on, before changed memory is saved.
constexpr int kQuietSaveMs = 20;
constexpr auto kSaveEvery = std::chrono::milliseconds(250);
// The rate the modem reports in CONNECT when the line is not paced.
constexpr int kUnpacedConnectRate = 115200;

}  // namespace

volatile std::sig_atomic_t SimServer::s_bStop = 0;

SimServer::SimServer(const SimOptions& options)
    : m_options(options),
      m_file(options.m_strEeprom),
      m_endpoint(m_unit),
      m_pacer(options.m_nBaud),
      m_modem(options.m_nBaud > 0 ? options.m_nBaud : kUnpacedConnectRate,
              options.m_strDialResult) {}

bool SimServer::Start(std::string& error) {
    const EepromFile::LoadResult loaded = m_file.Load(m_unit);
    if (loaded == EepromFile::LoadResult::Refused) {
        error = StrFormat(Tr("Unitsim", SimMessages::kNotAUnitMemory).c_str(),
                          m_options.m_strEeprom.c_str());
        return false;
    }
    if (m_options.m_password) {
        const std::string& password = *m_options.m_password;
        for (size_t k = 0; k < UnitImage::kPasswordSize; ++k) {
            const uint8_t c = k < password.size() ? static_cast<uint8_t>(password[k]) : 0x00;
            m_unit.SetCell(static_cast<uint16_t>(UnitImage::kPassword + k), c);
        }
    }
    m_saver = std::make_unique<EepromSaver>(m_file);
    if (loaded == EepromFile::LoadResult::Missing || m_options.m_password) {
        m_saver->Submit(m_unit);
        if (!m_saver->Flush()) {
            error = StrFormat(Tr("Unitsim", SimMessages::kCannotWrite).c_str(),
                              m_options.m_strEeprom.c_str());
            return false;
        }
    }
    m_nSavedRevision = m_unit.Revision();
    return m_options.m_bTcp ? m_line.ListenTcp(m_options.m_nTcpPort, error) : m_line.OpenPty(error);
}

int SimServer::Run() {
    int status = 0;
    while (!s_bStop) {
        if (!m_line.AwaitPeer()) {
            if (!s_bStop) status = 1;
            break;
        }
        Serve();
        m_endpoint.EndSession();
        Save(true);
    }
    Save(true);
    return m_saver->Flush() ? status : 1;
}

void SimServer::Serve() {
    m_pacer.Reset();
    m_parser.Reset();
    m_modem.HangUp();
    m_endpoint.EndSession();
    const auto onFrame = [this](std::span<const uint8_t> lop) { OnFrame(lop); };
    std::vector<uint8_t> buffer(4096);
    std::vector<uint8_t> answer;
    while (!s_bStop) {
        size_t got = 0;
        const bool dirty = m_unit.Revision() != m_nSavedRevision;
        const int wait = m_parser.Kept() > 0 ? LP::kUnitQuietMs : dirty ? kQuietSaveMs : -1;
        const SimLine::ReadResult result = m_line.Read(buffer, got, wait);
        if (result == SimLine::ReadResult::Closed) return;
        if (result == SimLine::ReadResult::Quiet) {
            m_received = LinePacer::Clock::now();
            if (m_parser.Kept() > 0) m_parser.Resync(onFrame);
            Save(true);
            continue;
        }
        m_received = m_pacer.Received(got);
        for (size_t i = 0; i < got; ++i) {
            if (m_options.m_bModem && !m_modem.InCall()) {
                answer.clear();
                m_modem.Receive(buffer[i], answer);
                if (!answer.empty()) Deliver(answer);
                if (m_modem.InCall()) m_parser.Reset();
                continue;
            }
            m_parser.Feed({&buffer[i], 1}, onFrame);
        }
    }
}

const SimFault* SimServer::FaultAt(long message) const {
    for (const SimFault& fault : m_options.m_faults) {
        if (fault.m_nMessage == message) return &fault;
    }
    return nullptr;
}

void SimServer::OnFrame(std::span<const uint8_t> lop) {
    const SimFault* fault = nullptr;
    if (UnitEndpoint::IsUnitMessage(lop[1])) {
        fault = FaultAt(++m_nMessages);
        if (fault && fault->m_kind == SimFault::Kind::Die) std::raise(SIGKILL);
        if (fault && fault->m_kind == SimFault::Kind::Hangup) {
            Save(true);
            m_saver->Flush();
            std::_Exit(3);
        }
        if (fault && fault->m_kind == SimFault::Kind::Stall) m_bStalled = true;
    }
    std::vector<uint8_t> reply = m_endpoint.Handle(lop);
    if (lop[1] == Lop::kWriteCell && lop.size() >= 5 && reply.size() >= 5 &&
        reply[1] == Lop::kWriteCell) {
        const auto address = static_cast<uint16_t>(lop[2] | lop[3] << 8);
        for (uint16_t weak : m_options.m_weakCells)
            if (weak == address) m_unit.SetCell(address, static_cast<uint8_t>(~lop[4]));
    }
    const bool sessionStep = lop[1] == LP::kOpBye || lop[1] == LP::kOpProgram;
    // What the tool was told is done must be in the file once a session step is answered.
    if (sessionStep) {
        Save(true);
        m_saver->Flush();
    } else {
        Save(false);
    }
    if (m_options.m_bModem && lop[1] == LP::kOpBye) m_modem.HangUp();
    if (m_bStalled || (fault && fault->m_kind == SimFault::Kind::Drop)) return;
    if (fault && fault->m_kind == SimFault::Kind::Short && reply.size() > 2) {
        reply.pop_back();
        reply[0] = static_cast<uint8_t>(reply.size() - 1);
    } else {
        reply = UnitEndpoint::LineReply(lop, std::move(reply));
    }
    std::vector<uint8_t> frame = EncodeFrame(reply);
    if (fault && fault->m_kind == SimFault::Kind::Corrupt && !frame.empty()) frame.back() ^= 0xFF;
    if (fault && fault->m_kind == SimFault::Kind::Trickle)
        Trickle(frame);
    else
        Deliver(frame);
}

void SimServer::Trickle(const std::vector<uint8_t>& frame) {
    for (size_t i = 0; i < frame.size(); ++i) {
        if (i > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(m_options.m_nByteGapMs));
            m_received = LinePacer::Clock::now();
        }
        Deliver({frame[i]});
    }
}

void SimServer::Deliver(const std::vector<uint8_t>& bytes) {
    LinePacer::WaitUntil(m_pacer.Sent(bytes.size(), m_received));
    m_line.Write(bytes);
}

void SimServer::Save(bool now) {
    if (m_unit.Revision() == m_nSavedRevision) return;
    const auto time = LinePacer::Clock::now();
    if (!now && time - m_lastSave < kSaveEvery) return;
    m_saver->Submit(m_unit);
    m_nSavedRevision = m_unit.Revision();
    m_lastSave = time;
}

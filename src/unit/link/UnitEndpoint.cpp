#include "unit/link/UnitEndpoint.h"

#include <algorithm>
#include <string>

#include "unit/LopMessages.h"
#include "unit/emulator/EmulatedUnit.h"
#include "unit/link/LinkFrame.h"
#include "unit/link/LinkProtocol.h"

namespace LP = LinkProtocol;

namespace {

std::vector<uint8_t> Refusal(uint8_t reason) { return {2, LP::kOpRefused, reason}; }

}  // namespace

bool UnitEndpoint::IsUnitMessage(uint8_t opcode) {
    return opcode == Lop::kReadCell || opcode == Lop::kWriteCell || opcode == Lop::kReadBlock ||
           opcode == Lop::kClearBlock || opcode == Lop::kSetTime;
}

std::vector<uint8_t> UnitEndpoint::LineReply(std::span<const uint8_t> request,
                                             std::vector<uint8_t> reply) {
    if (!std::equal(reply.begin(), reply.end(), request.begin(), request.end())) return reply;
    return {2, LP::kOpEchoAck, LinkCrc8(request)};
}

void UnitEndpoint::EndSession() {
    m_bSession = false;
    m_unit.SetProgrammingMode(false);
}

std::vector<uint8_t> UnitEndpoint::Handle(std::span<const uint8_t> lop) {
    if (lop.size() < 2 || lop[0] != lop.size() - 1) return Refusal(LP::kRefusedUnknown);
    const uint8_t opcode = lop[1];
    if (opcode == LP::kOpConnect) {
        EndSession();
        if (lop.size() - 2 > LP::kMaxPassword) return {2, opcode, LP::kConnectRejected};
        m_bSession = m_unit.CheckPassword(std::string(lop.begin() + 2, lop.end()));
        return {2, opcode, m_bSession ? LP::kConnectAccepted : LP::kConnectRejected};
    }
    if (!m_bSession) return Refusal(LP::kRefusedNoSession);
    if (opcode == LP::kOpBye) {
        if (lop.size() != 2) return Refusal(LP::kRefusedUnknown);
        EndSession();
        return {1, opcode};
    }
    if (opcode == LP::kOpProgram) {
        if (lop.size() != 3 || lop[2] > 1) return Refusal(LP::kRefusedUnknown);
        m_unit.SetProgrammingMode(lop[2] == 1);
        return {2, opcode, 0};
    }
    if (!IsUnitMessage(opcode)) return Refusal(LP::kRefusedUnknown);
    if (!m_unit.InProgrammingMode()) return Refusal(LP::kRefusedNotProgramming);
    auto reply = m_unit.HandleLop(lop);
    return reply ? *reply : Refusal(LP::kRefusedUnknown);
}

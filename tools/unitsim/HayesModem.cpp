#include "HayesModem.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t kMaxCommandLine = 256;

void Put(std::vector<uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

void HayesModem::Receive(uint8_t byte, std::vector<uint8_t>& out) {
    if (m_bEcho) out.push_back(byte);
    if (byte == '\r') {
        const std::string line = m_strLine;
        m_strLine.clear();
        Execute(line, out);
        return;
    }
    if (byte == '\n') return;
    if (byte == '\b' || byte == 0x7F) {
        if (!m_strLine.empty()) m_strLine.pop_back();
        return;
    }
    if (m_strLine.size() < kMaxCommandLine) m_strLine.push_back(static_cast<char>(byte));
}

void HayesModem::Execute(const std::string& line, std::vector<uint8_t>& out) {
    const std::string command = Upper(line);
    // Modems ignore lines that do not begin with the attention code.
    if (command.rfind("AT", 0) != 0) return;
    const std::string rest = command.substr(2);
    if (rest.rfind("D", 0) == 0) {
        if (!m_strDialResult.empty()) {
            Put(out, "\r\n" + m_strDialResult + "\r\n");
            return;
        }
        Put(out, "\r\nCONNECT " + std::to_string(m_nConnectSpeed) + "\r\n");
        m_bInCall = true;
        return;
    }
    // Commands take effect in order: "ATE0&F" ends with the echo back on.
    for (size_t i = 0; i < rest.size(); ++i) {
        const char next = i + 1 < rest.size() ? rest[i + 1] : '\0';
        const bool ampersand = i > 0 && rest[i - 1] == '&';
        if (rest[i] == 'E' && !ampersand && (next == '0' || next == '1')) m_bEcho = next == '1';
        if ((rest[i] == 'F' && ampersand) || (rest[i] == 'Z' && !ampersand)) m_bEcho = true;
    }
    Put(out, "\r\nOK\r\n");
}

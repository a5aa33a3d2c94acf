#include "cli/CliPrompter.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <iostream>

namespace {

constexpr int kBarWidth = 30;
constexpr char kEscape = '\x1b';
// Clears what a longer earlier progress line left on the terminal.
constexpr const char* kClearToEnd = "\x1b[K";

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) { g_interrupted = 1; }

}  // namespace

void CliPrompter::CatchInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
}

void CliPrompter::WatchEscape() {
    if (m_bWatchingKeys || ::isatty(STDIN_FILENO) != 1) return;
    if (::tcgetattr(STDIN_FILENO, &m_savedTerminal) != 0) return;
    termios keys = m_savedTerminal;
    keys.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    keys.c_cc[VMIN] = 0;
    keys.c_cc[VTIME] = 0;
    m_bWatchingKeys = ::tcsetattr(STDIN_FILENO, TCSANOW, &keys) == 0;
}

void CliPrompter::Pump() {
    if (m_bWatchingKeys) {
        // An Esc is one that ends what was typed or is followed by another: the
        // keys that send sequences starting with it (arrows, function keys,
        // Alt with a letter) send the rest at once, and are passed over.
        char typed[64];
        const ssize_t n = ::read(STDIN_FILENO, typed, sizeof typed);
        for (ssize_t i = 0; i < n; ++i)
            if (typed[i] == kEscape && (i + 1 == n || typed[i + 1] == kEscape)) g_interrupted = 1;
    }
    if (g_interrupted && m_pCancel) *m_pCancel = true;
}

CliPrompter::CliPrompter() : m_bTerminal(::isatty(STDERR_FILENO) == 1) {}

CliPrompter::~CliPrompter() {
    EndProgressLine();
    if (m_bWatchingKeys) ::tcsetattr(STDIN_FILENO, TCSANOW, &m_savedTerminal);
}

void CliPrompter::EndProgressLine() {
    if (m_bProgressLine) std::cerr << '\n';
    m_bProgressLine = false;
}

PromptAnswer CliPrompter::Message(const std::string& text, PromptButtons buttons, PromptIcon,
                                  const std::string&) {
    EndProgressLine();
    std::cerr << text << '\n';
    switch (buttons) {
        case PromptButtons::Ok:
        case PromptButtons::OkCancel:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
        case PromptButtons::RecoverDiscard:
            return m_yesNoAnswer;
    }
    return PromptAnswer::Ok;
}

void CliPrompter::SetStatusText(const std::string& text) {
    // Progress texts carry their own figure; keep the words.
    m_strStatus = text.substr(0, text.find("  "));
}

void CliPrompter::SetProgress(int percent) {
    if (percent == m_nLastPercent) return;
    m_nLastPercent = percent;
    if (!m_bTerminal) {
        std::cerr << percent << "%\n";
        return;
    }
    const int filled = percent * kBarWidth / 100;
    std::cerr << '\r' << m_strStatus << " [" << std::string(filled, '#')
              << std::string(kBarWidth - filled, ' ') << "] " << percent << "%" << kClearToEnd
              << std::flush;
    m_bProgressLine = true;
}

bool CliPrompter::AskUnitModel(bool, UnitModelAnswer& answer) {
    answer = m_unitModel;
    return true;
}

bool CliPrompter::ChooseFile(FileChoice kind, std::string& path) {
    if (kind != FileChoice::SaveZrt || m_strSavePath.empty()) return false;
    path = m_strSavePath;
    return true;
}

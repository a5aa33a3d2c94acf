#include "unit/TransferPace.h"

#include "model/Format.h"
#include "model/Translate.h"
#include "unit/UnitMessages.h"

namespace {

constexpr auto kSettled = std::chrono::seconds(2);

}  // namespace

std::string DurationText(std::chrono::seconds time) {
    const long long s = time.count() < 0 ? 0 : time.count();
    if (s < 3600) return StrFormat("%lld:%02lld", s / 60, s % 60);
    return StrFormat("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
}

std::string ElapsedText(UnitClock::Duration elapsed) {
    return StrFormat(Tr("Unit", UnitMessages::kElapsed).c_str(),
                     DurationText(std::chrono::floor<std::chrono::seconds>(elapsed)).c_str());
}

std::string LineWithTimeLeft(const std::string& line, UnitClock::Duration elapsed, size_t done,
                             size_t total) {
    if (done == 0 || done > total || elapsed < kSettled) return line;
    const double seconds = std::chrono::duration<double>(elapsed).count() *
                           static_cast<double>(total - done) / static_cast<double>(done);
    const auto left = std::chrono::seconds(static_cast<long long>(seconds + 0.5));
    return StrFormat(Tr("Unit", UnitMessages::kTimeLeft).c_str(), line.c_str(),
                     DurationText(left).c_str());
}

TransferPace::TransferPace(Prompter& prompter, UnitClock& clock)
    : m_prompter(prompter), m_clock(clock), m_start(clock.Now()) {}

void TransferPace::Show(const std::string& line, size_t done, size_t total) {
    const UnitClock::Duration elapsed = m_clock.Now() - m_start;
    m_shownSecond = std::chrono::floor<std::chrono::seconds>(elapsed);
    m_prompter.SetTransferLine(LineWithTimeLeft(line, elapsed, done, total), ElapsedText(elapsed));
}

bool TransferPace::Due() const {
    return std::chrono::floor<std::chrono::seconds>(m_clock.Now() - m_start) != m_shownSecond;
}

#include "EepromSaver.h"

#include <csignal>
#include <iostream>

#include "SimMessages.h"
#include "model/Format.h"

EepromSaver::EepromSaver(const EepromFile& file)
    // Said from the saving thread; translated here, on the thread that owns the language.
    : m_file(file),
      m_strCannotWrite(
          StrFormat(Tr("Unitsim", SimMessages::kCannotWrite).c_str(), file.Path().c_str())) {
    // Stop signals belong to the serving thread, which saves before it ends.
    sigset_t stop, old;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, &old);
    m_thread = std::thread([this] { Work(); });
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
}

EepromSaver::~EepromSaver() {
    Flush();
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void EepromSaver::Submit(const EmulatedUnit& unit) {
    {
        std::lock_guard lock(m_mutex);
        m_pending = unit;
    }
    m_changed.notify_all();
}

bool EepromSaver::Flush() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_bWriting; });
    const bool ok = !m_bFailed;
    m_bFailed = false;
    return ok;
}

void EepromSaver::Work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_bStop; });
        if (!m_pending) return;
        EmulatedUnit unit = std::move(*m_pending);
        m_pending.reset();
        m_bWriting = true;
        lock.unlock();
        const bool saved = m_file.Save(unit);
        if (!saved) std::cerr << SimMessages::kProgram << ": " << m_strCannotWrite << '\n';
        lock.lock();
        m_bWriting = false;
        if (!saved) m_bFailed = true;
        m_changed.notify_all();
    }
}

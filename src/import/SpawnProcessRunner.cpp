#include "import/SpawnProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Ending = ProcessOutcome::Ending;

class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&m_actions);
        posix_spawnattr_init(&m_attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // Standard output into `outFd`; input and error tied to nothing; every
    // signal as a fresh program has it, whatever this program changed.
    bool Prepare(int outFd) {
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        return posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY,
                                                0) == 0 &&
               posix_spawn_file_actions_adddup2(&m_actions, outFd, STDOUT_FILENO) == 0 &&
               posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY,
                                                0) == 0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &all) == 0 &&
               posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
               posix_spawnattr_setflags(&m_attributes,
                                        POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK) == 0;
    }

    pid_t Spawn(const ProcessCall& call) {
        std::vector<std::string> words{call.m_strProgram};
        words.insert(words.end(), call.m_args.begin(), call.m_args.end());
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawn(&pid, call.m_strProgram.c_str(), &m_actions, &m_attributes, argv.data(),
                        environ) != 0)
            return -1;
        return pid;
    }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attributes;
};

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

// Reads the output until it ends, the bound is passed or the time is up.
Ending ReadOutput(int fd, size_t most, Clock::time_point deadline, std::string& output) {
    char buffer[65536];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) return Ending::TimedOut;
        if (ready < 0) return Ending::Crashed;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Ending::Exited;
        if (output.size() + static_cast<size_t>(n) > most) {
            output.append(buffer, most - output.size());
            return Ending::TooLong;
        }
        output.append(buffer, static_cast<size_t>(n));
    }
}

// Waits for the end of a program whose output has ended; false when it is
// still running at the deadline.
bool AwaitExit(pid_t pid, Clock::time_point deadline, int& status) {
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) return true;
        if (done < 0 && errno != EINTR) {
            status = -1;  // reaped elsewhere: nothing says it ended well
            return true;
        }
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void KillAndReap(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

ProcessOutcome SpawnProcessRunner::Run(const ProcessCall& call) {
    ProcessOutcome outcome;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return outcome;
    SpawnSetup setup;
    const pid_t pid = setup.Prepare(fds[1]) ? setup.Spawn(call) : -1;
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return outcome;
    }
    const Clock::time_point deadline = Clock::now() + call.m_limit;
    outcome.m_ending = ReadOutput(fds[0], call.m_nMostBytes, deadline, outcome.m_strOutput);
    ::close(fds[0]);
    int status = 0;
    if (outcome.m_ending == Ending::Exited && !AwaitExit(pid, deadline, status))
        outcome.m_ending = Ending::TimedOut;
    if (outcome.m_ending != Ending::Exited) {
        KillAndReap(pid);
        return outcome;
    }
    if (WIFEXITED(status))
        outcome.m_nExitCode = WEXITSTATUS(status);
    else
        outcome.m_ending = Ending::Crashed;
    return outcome;
}

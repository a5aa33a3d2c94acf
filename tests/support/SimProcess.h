#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

// zrtpro-unitsim run as a child process for a test; the connection it
// announces on its first output line is in Connection().
class SimProcess {
public:
    SimProcess() = default;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess() { Stop(SIGKILL); }

    // Starts the emulator with `args`; false when it announced no connection within 5 s.
    bool Start(const std::vector<std::string>& args) {
        int out[2];
        if (::pipe(out) != 0) return false;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            std::string program = ZRTPRO_UNITSIM;
            argv.push_back(program.data());
            std::vector<std::string> copy = args;
            for (std::string& a : copy) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_nOut = out[0];
        std::string line;
        while (line.empty() || line.back() != '\n') {
            pollfd pfd{m_nOut, POLLIN, 0};
            if (::poll(&pfd, 1, 5000) <= 0) return false;
            char c;
            if (::read(m_nOut, &c, 1) != 1) return false;
            line.push_back(c);
        }
        line.pop_back();
        m_strConnection = line;
        return true;
    }

    // Sends `signal` and waits for the end; the exit status, or -signal.
    int Stop(int signal = SIGTERM) {
        if (m_pid <= 0) return m_nStatus;
        ::kill(m_pid, signal);
        return Wait();
    }

    int Wait() {
        if (m_pid <= 0) return m_nStatus;
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        if (m_nOut >= 0) ::close(m_nOut);
        m_nOut = -1;
        m_nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        return m_nStatus;
    }

    const std::string& Connection() const { return m_strConnection; }

private:
    pid_t m_pid = -1;
    int m_nOut = -1;
    int m_nStatus = -1;
    std::string m_strConnection;
};

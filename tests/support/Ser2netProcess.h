#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

// ser2net, the Linux serial device server, run in the foreground for a test:
// one serial device offered on two free loopback ports, as raw TCP and as
// RFC 2217 (Telnet COM port control).
class Ser2netProcess {
public:
    Ser2netProcess() = default;
    Ser2netProcess(const Ser2netProcess&) = delete;
    Ser2netProcess& operator=(const Ser2netProcess&) = delete;
    ~Ser2netProcess() {
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }

    // The installed program, or nothing.
    static std::string Program() {
        for (const char* dir : {"/usr/sbin", "/usr/bin", "/sbin", "/bin", "/usr/local/sbin"}) {
            const std::string path = std::string(dir) + "/ser2net";
            if (::access(path.c_str(), X_OK) == 0) return path;
        }
        return {};
    }

    // Writes the configuration (YAML, as ser2net 4 reads it) into `folder` and
    // starts; false when the ports do not answer within 5 s. The short wait after
    // each character that ser2net makes to gather bytes into fewer packets is off:
    // a request and its reply would each wait up to 20 ms.
    bool Start(const std::string& device, const std::string& folder) {
        m_nRaw = FreePort();
        m_nRfc2217 = FreePort();
        const std::string config = folder + "/ser2net.yaml";
        std::ofstream(config) << "%YAML 1.1\n---\n"
                              << "connection: &raw\n"
                              << "  accepter: tcp,127.0.0.1," << m_nRaw << "\n"
                              << "  connector: serialdev," << device << ",9600n81,local\n"
                              << "  options:\n    chardelay: false\n"
                              << "connection: &rfc2217\n"
                              << "  accepter: telnet(rfc2217),tcp,127.0.0.1," << m_nRfc2217 << "\n"
                              << "  connector: serialdev," << device << ",9600n81,local\n"
                              << "  options:\n    chardelay: false\n";
        const std::string program = Program();
        const std::string pidFile = folder + "/ser2net.pid";
        // Its notes (such as "Unable to start mdns") go to a file beside the configuration.
        const int log =
            ::open((folder + "/ser2net.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        m_pid = ::fork();
        if (m_pid == 0) {
            if (log >= 0) {
                ::dup2(log, 1);
                ::dup2(log, 2);
            }
            ::execl(program.c_str(), program.c_str(), "-n", "-c", config.c_str(), "-P",
                    pidFile.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (log >= 0) ::close(log);
        for (int i = 0; i < 500; ++i) {
            if (Listening(m_nRaw) && Listening(m_nRfc2217)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::string RawConnection() const { return "tcp:127.0.0.1:" + std::to_string(m_nRaw); }
    std::string Rfc2217Connection(int baud) const {
        return "rfc2217:127.0.0.1:" + std::to_string(m_nRfc2217) + ":" + std::to_string(baud);
    }

private:
    static sockaddr_in Loopback(int port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }
    // A loopback port nobody listens on now.
    static int FreePort() {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = Loopback(0);
        socklen_t size = sizeof address;
        ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
        ::close(s);
        return ntohs(address.sin_port);
    }
    // Whether a socket listens on the port, read from the kernel's table: a trial
    // connection would make ser2net open the device, and it refuses the next
    // client until it has closed it again.
    static bool Listening(int port) {
        char local[16];
        std::snprintf(local, sizeof local, "0100007F:%04X", port);
        std::ifstream table("/proc/net/tcp");
        std::string line;
        while (std::getline(table, line)) {
            // "sl local_address rem_address st ...": state 0A is LISTEN.
            std::istringstream fields(line);
            std::string slot, address, remote, state;
            fields >> slot >> address >> remote >> state;
            if (address == local && state == "0A") return true;
        }
        return false;
    }

    pid_t m_pid = -1;
    int m_nRaw = 0;
    int m_nRfc2217 = 0;
};

#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

// A TCP server on 127.0.0.1 that stands where a unit or a serial device
// server should be and misbehaves: after accepting it sends `opening` once,
// then `flood` over and over (nothing when empty), and reads and drops what
// the program sends. It stops by itself after `lifetime`, so a program that
// does not give up is caught by its clock, not by a hung test.
class LineFloodServer {
public:
    LineFloodServer(std::vector<uint8_t> opening, std::vector<uint8_t> flood,
                    std::chrono::seconds lifetime = std::chrono::seconds(20))
        : m_opening(std::move(opening)), m_flood(std::move(flood)), m_lifetime(lifetime) {
        m_nListen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_nListen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_nListen, 4) != 0 ||
            ::getsockname(m_nListen, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_nPort = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    LineFloodServer(const LineFloodServer&) = delete;
    LineFloodServer& operator=(const LineFloodServer&) = delete;
    ~LineFloodServer() {
        m_bStop = true;
        if (m_thread.joinable()) m_thread.join();
        ::close(m_nListen);
    }

    int Port() const { return m_nPort; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_nPort); }

    // The Telnet bytes a serial device server sends to settle a line at `baud`,
    // 8N1, binary both ways: everything the program asks for, granted at once.
    static std::vector<uint8_t> Rfc2217Settled(uint32_t baud) {
        constexpr uint8_t iac = 255, will = 251, doo = 253, sb = 250, se = 240, com = 44;
        std::vector<uint8_t> bytes = {iac, will, 0,   iac, doo, 0,   iac, will,
                                      3,   iac,  doo, 3,   iac, doo, com};
        const auto answer = [&](std::vector<uint8_t> value) {
            bytes.insert(bytes.end(), {iac, sb, com});
            bytes.insert(bytes.end(), value.begin(), value.end());
            bytes.insert(bytes.end(), {iac, se});
        };
        answer({101, static_cast<uint8_t>(baud >> 24), static_cast<uint8_t>(baud >> 16),
                static_cast<uint8_t>(baud >> 8), static_cast<uint8_t>(baud)});
        answer({102, 8});
        answer({103, 1});
        answer({104, 1});
        return bytes;
    }

private:
    bool TimeLeft() const { return !m_bStop && std::chrono::steady_clock::now() < m_end; }

    void Serve() {
        m_end = std::chrono::steady_clock::now() + m_lifetime;
        std::vector<int> clients;
        std::vector<uint8_t> chunk;
        while (!m_flood.empty() && chunk.size() < 16384)
            chunk.insert(chunk.end(), m_flood.begin(), m_flood.end());
        while (TimeLeft()) {
            pollfd listen{m_nListen, POLLIN, 0};
            if (::poll(&listen, 1, 0) > 0) {
                const int client = ::accept(m_nListen, nullptr, nullptr);
                if (client >= 0) {
                    SendAll(client, m_opening);
                    clients.push_back(client);
                }
            }
            bool sent = false;
            for (int client : clients) {
                pollfd pfd{client, POLLIN | POLLOUT, 0};
                if (::poll(&pfd, 1, 0) <= 0) continue;
                if (pfd.revents & POLLIN) {
                    char sink[4096];
                    (void)::recv(client, sink, sizeof sink, MSG_DONTWAIT);
                }
                if ((pfd.revents & POLLOUT) && !chunk.empty())
                    sent =
                        ::send(client, chunk.data(), chunk.size(), MSG_DONTWAIT | MSG_NOSIGNAL) > 0;
            }
            if (!sent) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        for (int client : clients) ::close(client);
    }

    void SendAll(int client, const std::vector<uint8_t>& bytes) {
        size_t done = 0;
        while (done < bytes.size() && TimeLeft()) {
            const ssize_t n =
                ::send(client, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0) return;
            done += static_cast<size_t>(n);
        }
    }

    std::vector<uint8_t> m_opening;
    std::vector<uint8_t> m_flood;
    std::chrono::seconds m_lifetime;
    std::chrono::steady_clock::time_point m_end;
    std::atomic<bool> m_bStop{false};
    int m_nListen = -1;
    int m_nPort = 0;
    std::thread m_thread;
};

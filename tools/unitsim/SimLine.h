#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Where the emulator listens: a new pseudo-terminal whose other end the tool
// opens as a serial port, or a TCP port on 127.0.0.1 that the tool connects
// to. One computer is served at a time.
class SimLine {
public:
    enum class ReadResult { Data, Quiet, Closed };

    ~SimLine();

    // A new pseudo-terminal; its device path is in Description().
    bool OpenPty(std::string& error);
    // Listens on 127.0.0.1:port (0 picks a free port).
    bool ListenTcp(int port, std::string& error);

    // The connection the tool opens: "serial:/dev/pts/N" or "tcp:127.0.0.1:PORT".
    const std::string& Description() const { return m_strDescription; }

    // Waits for the computer (TCP: accepts the next connection; pty: at once).
    bool AwaitPeer();
    // Waits at most `ms` (-1: no limit) for bytes from the computer.
    ReadResult Read(std::span<uint8_t> buffer, size_t& got, int ms);
    bool Write(std::span<const uint8_t> bytes);
    // Ends the present connection (TCP); the next AwaitPeer takes another.
    void DropPeer();

private:
    int m_nListen = -1;    // TCP listening socket
    int m_nPeer = -1;      // TCP connection, or the pty master
    int m_nPtySlave = -1;  // held open so that the master never sees a hang-up
    bool m_bPty = false;
    std::string m_strDescription;
};

#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// Runs a shell command line; gives its exit status, standard output and standard error.
struct ProgramRun {
    int m_nStatus = -1;
    std::string m_strOut;
    std::string m_strErr;
};

inline ProgramRun RunProgram(const std::string& commandLine) {
    std::string errFile = "/tmp/zrt-stderr-XXXXXX";
    const int fd = ::mkstemp(errFile.data());
    if (fd >= 0) ::close(fd);
    ProgramRun run;
    FILE* pipe = ::popen((commandLine + " 2>" + errFile).c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.m_strOut.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.m_nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::stringstream ss;
    ss << err.rdbuf();
    run.m_strErr = ss.str();
    std::remove(errFile.c_str());
    return run;
}

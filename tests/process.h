// Helpers for tests that drive a program as a process over its standard streams.
#pragma once

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// Reads from fd into text until text ends with wanted, the stream ends, or 10 s pass.
inline bool ReadUntil(int fd, std::string& text, const std::string& wanted)
{
    const auto endsWithWanted = [&] {
        return text.size() >= wanted.size() && text.compare(text.size() - wanted.size(), wanted.size(), wanted) == 0;
    };
    while (!endsWithWanted()) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 10000) <= 0) return false;
        char chunk[4096];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0) return false;
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return true;
}

inline std::string ReadToEnd(int fd)
{
    std::string text;
    ReadUntil(fd, text, std::string(1, '\0') + "never");
    return text;
}

// Waits up to 10 s for the process to end; its exit status, 128 + signal, or -1 if still running.
inline int WaitForExit(pid_t pid)
{
    for (int tries = 0; tries < 1000; ++tries) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        usleep(10000);
    }
    return -1;
}

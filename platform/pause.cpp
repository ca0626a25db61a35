// PAUSE: the command that every run hands to the command interpreter at its end. POSIX shells
// have none, so the project brings its own. On a terminal it waits until Enter is pressed; on
// anything else (a pipe, a file, nothing) it returns at once, so scripted runs never hang.
#include <cerrno>
#include <cstddef>
#include <unistd.h>

namespace {

void Write(const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = write(STDOUT_FILENO, text, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}

// Reads until a newline or the end of the input; the terminal's own line editing stays on.
void WaitForEnter()
{
    char byte = 0;
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || byte == '\n') return;
    }
}

}  // namespace

int main()
{
    if (!isatty(STDIN_FILENO)) return 0;
    static const char prompt[] = "Press Enter to continue . . .";
    Write(prompt, sizeof prompt - 1);
    WaitForEnter();
    return 0;
}

#include "console.h"

#include "reader.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

#ifndef _WIN32
// A reader of standard output that goes away must not end the run: with SIGPIPE ignored the
// writes fail quietly instead, and the run still pauses and ends with status 0.
[[maybe_unused]] const bool kBrokenPipeIgnored = std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
#endif

unsigned char inputBuffer[1 << 16];
InputSource standardInput = SourceFromDescriptor(0, inputBuffer, sizeof inputBuffer);

void WriteText(const char* text, std::size_t length) { std::fwrite(text, 1, length, stdout); }

void EndLine()
{
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ReportIncompletePattern(const char* programName, std::size_t read, std::size_t count, int stopper)
{
    char what[24];
    if (stopper == kEndOfInput) {
        std::snprintf(what, sizeof what, "the end of input");
    } else if (stopper > ' ' && stopper < 0x7f) {
        std::snprintf(what, sizeof what, "'%c'", stopper);
    } else {
        std::snprintf(what, sizeof what, "\\x%02x", static_cast<unsigned>(stopper));
    }
    std::fprintf(stderr, "%s: read %zu of %zu integers, stopped by %s; the remaining %zu are taken as 0\n",
                 programName, read, count, what, count - read);
}

}  // namespace

void PrintHeading(const char* text)
{
    WriteText(text, std::strlen(text));
    EndLine();
}

std::size_t FormatReal(float value, char (&text)[kRealTextSize])
{
    if (value == 0.0f) {
        text[0] = '0';
        text[1] = '\0';
        return 1;
    }
    const int length = std::snprintf(text, kRealTextSize, "%g", static_cast<double>(value));
    return static_cast<std::size_t>(length);
}

void PrintRealLine(const float* values, std::size_t count, const char* separator)
{
    const std::size_t separatorLength = std::strlen(separator);
    char text[kRealTextSize];
    for (std::size_t i = 0; i < count; ++i) {
        WriteText(text, FormatReal(values[i], text));
        WriteText(separator, separatorLength);
    }
    EndLine();
}

void PrintIntegerLine(const std::int32_t* values, std::size_t count, const char* separator)
{
    const std::size_t separatorLength = std::strlen(separator);
    char text[16];
    for (std::size_t i = 0; i < count; ++i) {
        const std::to_chars_result written = std::to_chars(text, text + sizeof text, values[i]);
        WriteText(text, static_cast<std::size_t>(written.ptr - text));
        WriteText(separator, separatorLength);
    }
    EndLine();
}

std::size_t ReadIntegers(std::int32_t* values, std::size_t count, const char* programName)
{
    std::size_t read = 0;
    while (read < count && !standardInput.failed) {
        std::fflush(stdout);  // whatever was written stands on the console before we wait
        if (ReadInteger(standardInput, values[read])) ++read;
    }
    if (read < count) ReportIncompletePattern(programName, read, count, standardInput.stopper);
    return read;
}

void PauseConsole()
{
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_DFL);  // the command interpreter starts with the usual disposition
#endif
    static_cast<void>(std::system("PAUSE"));
}

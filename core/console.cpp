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

// Writes the text and the end of line: a newline, then a flush, so the line stands on the console.
void WriteLine(const char* text, std::size_t length)
{
    std::fwrite(text, 1, length, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::size_t FormatInteger(std::int32_t value, char (&text)[kNumberTextSize])
{
    return static_cast<std::size_t>(std::to_chars(text, text + kNumberTextSize, value).ptr - text);
}

// One line of values, each followed by the separator. The line is put together first and
// handed over in one piece.
template <typename Value>
void PrintValueLine(const Value* values, std::size_t count, const char* separator,
                    std::size_t (*format)(Value, char (&)[kNumberTextSize]))
{
    const std::size_t separatorLength = std::strlen(separator);
    char line[512];
    std::size_t length = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (length + kNumberTextSize + separatorLength > sizeof line) {  // longer than any line we print
            std::fwrite(line, 1, length, stdout);
            length = 0;
        }
        char text[kNumberTextSize];
        const std::size_t textLength = format(values[i], text);
        std::memcpy(line + length, text, textLength);
        length += textLength;
        std::memcpy(line + length, separator, separatorLength);
        length += separatorLength;
    }
    WriteLine(line, length);
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

void PrintHeading(const char* text) { WriteLine(text, std::strlen(text)); }

std::size_t FormatReal(float value, char (&text)[kNumberTextSize])
{
    if (value == 0.0f) {
        text[0] = '0';
        return 1;
    }
    // %g writes an integer of at most six digits as just its digits, and nearly every value the
    // programs print is one; writing those directly saves a printf call per value.
    if (value > -1e6f && value < 1e6f && value == static_cast<float>(static_cast<std::int32_t>(value))) {
        return FormatInteger(static_cast<std::int32_t>(value), text);
    }
    const int length = std::snprintf(text, kNumberTextSize, "%g", static_cast<double>(value));
    return static_cast<std::size_t>(length);
}

void PrintRealLine(const float* values, std::size_t count, const char* separator)
{
    PrintValueLine(values, count, separator, FormatReal);
}

void PrintIntegerLine(const std::int32_t* values, std::size_t count, const char* separator)
{
    PrintValueLine(values, count, separator, FormatInteger);
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

#include "reader.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

// One read() of whatever is there, at most a buffer full.
long ReadSome(int descriptor, unsigned char* buffer, std::size_t capacity)
{
#ifdef _WIN32
    return _read(descriptor, buffer, static_cast<unsigned>(capacity));
#else
    for (;;) {
        const long got = read(descriptor, buffer, capacity);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return got;
        // Left non-blocking by whoever started us: nothing is there yet, so wait for it.
        pollfd readable{descriptor, POLLIN, 0};
        poll(&readable, 1, -1);
    }
#endif
}

// Refills the buffer; false when the input has ended (or fails, which ends it too).
bool Refill(InputSource& input)
{
    if (input.descriptor < 0) return false;
    const long got = ReadSome(input.descriptor, input.buffer, input.capacity);
    if (got <= 0) {
        input.descriptor = -1;
        return false;
    }
    input.next = input.buffer;
    input.end = input.buffer + got;
    return true;
}

// The next unread byte, or kEndOfInput.
int Peek(InputSource& input)
{
    if (input.next == input.end && !Refill(input)) return kEndOfInput;
    return *input.next;
}

// Space, tab, newline, vertical tab, form feed and carriage return, as one table look-up, for the
// bytes that AllWhiteSpace below does not take eight at a time.
constexpr std::array<bool, 256> kWhiteSpace = [] {
    std::array<bool, 256> table{};
    for (char byte : {' ', '\t', '\n', '\v', '\f', '\r'}) table[static_cast<unsigned char>(byte)] = true;
    return table;
}();

// True when all eight bytes of the word are white space, tested on all eight at once: a byte is
// white space when it is 0x20, or 0x09 to 0x0d. Every step keeps to its own byte (no carries).
bool AllWhiteSpace(std::uint64_t word)
{
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fu, kHigh = 0x8080808080808080u, kOnes = 0x0101010101010101u;
    const std::uint64_t low = word & kLow7;
    const std::uint64_t notSpace = word ^ (0x20 * kOnes);                  // zero where the byte is 0x20
    const std::uint64_t isSpace = ~(((notSpace & kLow7) + kLow7) | notSpace);  // high bit where it is zero
    const std::uint64_t atLeast9 = low + (0x80 - 0x09) * kOnes;           // high bit where byte >= 0x09
    const std::uint64_t atLeast14 = low + (0x80 - 0x0e) * kOnes;          // high bit where byte >= 0x0e
    const std::uint64_t isControl = atLeast9 & ~atLeast14 & ~word;        // 0x09..0x0d, high bit clear
    return ((isSpace | isControl) & kHigh) == kHigh;
}

bool IsDigit(int byte) { return byte >= '0' && byte <= '9'; }

// Skips white space and returns the byte after it, or kEndOfInput. Long runs (a generated file,
// padding) go eight bytes a step.
int SkipWhiteSpace(InputSource& input)
{
    for (;;) {
        while (input.end - input.next >= 8) {
            std::uint64_t word;
            std::memcpy(&word, input.next, sizeof word);
            if (!AllWhiteSpace(word)) break;
            input.next += 8;
        }
        while (input.next != input.end && kWhiteSpace[*input.next]) ++input.next;
        if (input.next != input.end) return *input.next;
        if (!Refill(input)) return kEndOfInput;
    }
}

bool Fail(InputSource& input, int stopper)
{
    input.failed = true;
    input.stopper = stopper;
    return false;
}

}  // namespace

bool ReadInteger(InputSource& input, std::int32_t& value)
{
    if (input.failed) return false;

    int byte = SkipWhiteSpace(input);
    const bool negative = byte == '-';
    if (byte == '+' || byte == '-') {
        ++input.next;
        byte = SkipWhiteSpace(input);  // "- 5" is -5
    }
    if (!IsDigit(byte)) return Fail(input, byte);

    std::uint64_t magnitude = 0;  // wraps around: an out-of-range number is reduced, not refused
    while (IsDigit(byte)) {
        magnitude = magnitude * 10u + static_cast<std::uint64_t>(byte - '0');
        ++input.next;
        byte = Peek(input);
    }
    if (negative) magnitude = 0u - magnitude;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    return true;
}

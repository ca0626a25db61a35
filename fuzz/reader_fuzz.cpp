// Differential fuzzing of the integer reader. Every input is read up to 16 integers, the length
// of the longest test pattern, by ReadInteger (over the text itself, and through a pipe into a
// three-byte buffer so that numbers split across refills) and by a deliberately plain reading
// written here from the reading rules. They must agree on every value, on how many were read, on
// what stopped the reading and where; elements not read stay 0.
#include "reader.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kElements = 16;

struct Outcome {
    std::int32_t values[kElements];  // zero where nothing was read
    std::size_t read;
    bool failed;
    int stopper;
    std::size_t consumed;  // bytes taken from the input
};

bool IsSpace(std::uint8_t byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' || byte == '\r';
}

// The rules, one byte at a time over the whole text, with nothing shared with the reader.
Outcome ReadPlainly(const std::uint8_t* data, std::size_t size)
{
    Outcome out{};
    std::size_t i = 0;
    while (out.read < kElements) {
        while (i < size && IsSpace(data[i])) ++i;
        bool negative = false;
        if (i < size && (data[i] == '+' || data[i] == '-')) {
            negative = data[i] == '-';
            ++i;
            while (i < size && IsSpace(data[i])) ++i;
        }
        if (i == size || data[i] < '0' || data[i] > '9') {
            out.failed = true;
            out.stopper = i < size ? data[i] : kEndOfInput;
            break;
        }
        std::uint64_t magnitude = 0;
        while (i < size && data[i] >= '0' && data[i] <= '9') magnitude = magnitude * 10 + (data[i++] - '0');
        if (negative) magnitude = ~magnitude + 1;
        out.values[out.read++] = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude & 0xffffffffu));
    }
    out.consumed = i;
    return out;
}

Outcome ReadWithReader(InputSource& source)
{
    Outcome out{};
    while (out.read < kElements && ReadInteger(source, out.values[out.read])) ++out.read;
    out.failed = source.failed;
    out.stopper = source.failed ? source.stopper : 0;
    return out;
}

void ExpectSame(const Outcome& expected, const Outcome& actual, bool compareConsumed)
{
    if (std::memcmp(expected.values, actual.values, sizeof expected.values) != 0 || expected.read != actual.read ||
        expected.failed != actual.failed || expected.stopper != actual.stopper ||
        (compareConsumed && expected.consumed != actual.consumed)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Outcome expected = ReadPlainly(data, size);

    InputSource text = SourceFromText(data, size);
    Outcome fromText = ReadWithReader(text);
    fromText.consumed = static_cast<std::size_t>(text.next - data);
    ExpectSame(expected, fromText, true);

    int ends[2];
    if (size <= 60000 && pipe(ends) == 0) {  // a pipe holds at least 64 KiB without a reader
        if (size > 0 && write(ends[1], data, size) != static_cast<ssize_t>(size)) std::abort();
        close(ends[1]);
        unsigned char buffer[3];
        InputSource piped = SourceFromDescriptor(ends[0], buffer, sizeof buffer);
        ExpectSame(expected, ReadWithReader(piped), false);
        close(ends[0]);
    }
    return 0;
}

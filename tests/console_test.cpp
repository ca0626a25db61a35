// Number formats and the reading of integers.
#include "console.h"
#include "reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

TEST(FormatReal, WritesLikePercentGWithSixDigits)
{
    struct Case { float value; const char* text; };
    const Case cases[] = {
        {0.0f, "0"},
        {-0.0f, "0"},  // zero is written as 0, whatever its sign
        {2.0f, "2"},
        {-2.0f, "-2"},
        {8.0f, "8"},
        {-12.0f, "-12"},
        {0.5f, "0.5"},
        {0.0001f, "0.0001"},
        {0.00001f, "1e-05"},
        {999999.0f, "999999"},
        {-999999.0f, "-999999"},
        {1e6f, "1e+06"},
        {-1e6f, "-1e+06"},
        {1234567.0f, "1.23457e+06"},
        {1234565.0f, "1.23456e+06"},  // an exact tie goes to the even digit
        {3e6f, "3e+06"},
        {-2147483648.0f, "-2.14748e+09"},
        {16777216.0f, "1.67772e+07"},
    };
    for (const Case& c : cases) {
        char text[kNumberTextSize];
        const std::size_t length = FormatReal(c.value, text);
        EXPECT_EQ(std::string(text, length), c.text) << "for " << c.value;
    }
}

struct ReadCase {
    const char* input;
    std::vector<std::int32_t> values;  // what the reads yield, up to the first failure
    int stopper;                       // what stopped reading (left unread), or kEndOfInput
};

// Reads until the first failure, as a test pattern would, and checks where reading stopped.
void ExpectReads(InputSource& source, const ReadCase& c)
{
    std::vector<std::int32_t> values;
    std::int32_t value = 12345;
    while (ReadInteger(source, value)) values.push_back(value);
    EXPECT_EQ(value, values.empty() ? 12345 : values.back()) << "a failed read writes nothing";
    EXPECT_EQ(values, c.values);
    EXPECT_TRUE(source.failed);
    EXPECT_EQ(source.stopper, c.stopper);
    if (c.stopper != kEndOfInput) {
        ASSERT_NE(source.next, source.end);
        EXPECT_EQ(*source.next, c.stopper) << "the stopping byte stays unread";
    }
    EXPECT_FALSE(ReadInteger(source, value)) << "failure is sticky";
}

const ReadCase kReadCases[] = {
    {"1 1 0 0\n1 1\t0 0\n", {1, 1, 0, 0, 1, 1, 0, 0}, kEndOfInput},
    {"\n\n  7 \r\n\v\f 8", {7, 8}, kEndOfInput},  // ends right after a digit: that read succeeds
    {"+1", {1}, kEndOfInput},
    {"- 5", {-5}, kEndOfInput},
    {"-\n\t5", {-5}, kEndOfInput},
    {"010", {10}, kEndOfInput},
    {"-0", {0}, kEndOfInput},
    {"1-2", {1, -2}, kEndOfInput},
    {"12abc", {12}, 'a'},
    {"3.7", {3}, '.'},
    {"0x1", {0}, 'x'},
    {"--1", {}, '-'},
    {"1 -- 5", {1}, '-'},  // the first sign is consumed; the read after the failure does nothing
    {"+ x", {}, 'x'},
    {"4294967297", {1}, kEndOfInput},
    {"4294967295", {-1}, kEndOfInput},
    {"2147483648", {INT32_MIN}, kEndOfInput},
    {"-2147483649", {INT32_MAX}, kEndOfInput},
    {"-2147483648 2147483647", {INT32_MIN, INT32_MAX}, kEndOfInput},
    {"18446744073709551617", {1}, kEndOfInput},  // 2^64 + 1 wraps in 64 bits first
    {"", {}, kEndOfInput},
    {" \t\n", {}, kEndOfInput},
    {"5 -", {5}, kEndOfInput},
    {"5 - \n", {5}, kEndOfInput},
    // Long runs of every kind of white space, and a stop at each place in an eight-byte block.
    {"\t\t\t\t\t\t\t\t\v\v\v\v\f\f\f\f        \r\r\r\r\r\r\r\r\n\n\n\n\n\n\n\n 7", {7}, kEndOfInput},
    {"                x", {}, 'x'},
    {"               x", {}, 'x'},
    {"         \t\t  x  1", {}, 'x'},
    {"        \x08        ", {}, 0x08},
    {"        \x0e        ", {}, 0x0e},
    {"        \x1f        ", {}, 0x1f},
    {"        !        ", {}, '!'},
    {"        \x89        ", {}, 0x89},  // 0x09 with the high bit set is not white space
    {"        \xa0        ", {}, 0xa0},  // nor is 0x20 with the high bit set
    {"        \x8d\x8a\x8b\x8c ", {}, 0x8d},
    {"1       2       3       4", {1, 2, 3, 4}, kEndOfInput},
};

TEST(ReadInteger, ReadsFromText)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.input);
        const std::string text = c.input;
        InputSource source = SourceFromText(reinterpret_cast<const unsigned char*>(text.data()), text.size());
        ExpectReads(source, c);
    }
}

// Every byte value at every place of an eight-byte block among white space: only space, tab,
// newline, vertical tab, form feed and carriage return are skipped.
TEST(ReadInteger, SkipsExactlyTheSixWhiteSpaceBytes)
{
    for (int byte = 0; byte < 256; ++byte) {
        for (std::size_t place = 0; place < 8; ++place) {
            unsigned char text[24];
            std::memset(text, ' ', sizeof text);
            text[8 + place] = static_cast<unsigned char>(byte);
            InputSource source = SourceFromText(text, sizeof text);
            std::int32_t value = -1;
            const bool read = ReadInteger(source, value);
            const bool whiteSpace = std::strchr(" \t\n\v\f\r", byte) != nullptr && byte != 0;
            if (byte >= '0' && byte <= '9') {
                EXPECT_TRUE(read && value == byte - '0') << byte << " at " << place;
            } else if (whiteSpace || byte == '+' || byte == '-') {
                EXPECT_TRUE(!read && source.stopper == kEndOfInput) << byte << " at " << place;
            } else {
                EXPECT_TRUE(!read && source.stopper == byte) << byte << " at " << place;
            }
        }
    }
}

TEST(ReadInteger, StopsAtByteThatCannotStartANumber)
{
    const unsigned char text[] = {'4', ' ', 0, '5'};
    InputSource source = SourceFromText(text, sizeof text);
    ExpectReads(source, {"4 NUL 5", {4}, 0});
}

// The same cases through a descriptor and a two-byte buffer, so that numbers, signs and white
// space are split across refills.
TEST(ReadInteger, ReadsAcrossRefillsFromDescriptor)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.input);
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        const std::string text = c.input;
        ASSERT_EQ(write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
        close(ends[1]);
        unsigned char buffer[2];
        InputSource source = SourceFromDescriptor(ends[0], buffer, sizeof buffer);
        ExpectReads(source, c);
        close(ends[0]);
    }
}

}  // namespace

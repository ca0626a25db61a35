// Reading decimal integers from a byte stream, the way a test pattern is typed.
//
// An InputSource is plain data: the unread bytes are [next, end); when they run out, more come
// from the descriptor into the buffer, one read() at a time, so a reader on a terminal or an open
// pipe waits only for the bytes it needs. A source over a fixed text has no descriptor.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int kEndOfInput = -1;  // what stopped a read that met the end of the input

struct InputSource {
    int descriptor;              // where more bytes come from; -1 once there are no more
    unsigned char* buffer;       // refilled from the descriptor
    std::size_t capacity;        // size of the buffer
    const unsigned char* next;   // first unread byte
    const unsigned char* end;    // one past the last byte held
    bool failed;                 // set by the first read that yields no integer, never cleared
    int stopper;                 // after a failure: the byte that stopped it (left unread), or kEndOfInput
};

// A source that refills the given buffer from a file descriptor.
constexpr InputSource SourceFromDescriptor(int descriptor, unsigned char* buffer, std::size_t capacity)
{
    return InputSource{descriptor, buffer, capacity, buffer, buffer, false, 0};
}

// A source over a fixed text, which is all the input there is.
constexpr InputSource SourceFromText(const unsigned char* text, std::size_t size)
{
    return InputSource{-1, nullptr, 0, text, text + size, false, 0};
}

// Reads one integer: white space, an optional sign, white space, then decimal digits, which wrap
// around in 64 bits; stores the low 32 bits. The byte that ends the number stays unread. Returns
// false, leaving value untouched, on failure and on every call after one.
bool ReadInteger(InputSource& input, std::int32_t& value);

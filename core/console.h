// The console dialogue: how every line looks on standard output and how a test pattern is read.
//
// Every line ends with a newline and a flush, so all output stands on the console before the
// program waits for input or pauses. In a value line every value is followed by its separator,
// the last one included. Reals are written as printf's %g does (6 significant digits), integers
// in plain decimal; nothing is padded or aligned.
#pragma once

#include "memory.h"

#include <cstddef>
#include <cstdint>

// Writes the text as a line of its own.
void PrintHeading(const char* text);

// N lines, row 0 first; every weight followed by two spaces.
template <std::size_t N> void PrintWeightMatrix(const WeightMatrix<N>& weights);

// One line; every net input followed by one space.
template <std::size_t N> void PrintNetVector(const NetVector<N>& net);

// One line; every recalled value followed by one space.
template <std::size_t N> void PrintRecallVector(const RecallVector<N>& recalled);

// Reads N integers from standard input into elements 0 to N - 1. Elements that no read fills
// (the input ended or held something else) are 0, and one line on standard error says so.
template <std::size_t N> void ReadTestPattern(PatternVector<N>& test, const char* programName);

// Hands "PAUSE" to the command interpreter and ignores its result: the last step of every run.
void PauseConsole();

// ---------------------------------------------------------------------------------------------
// The building blocks of the operations above.

inline constexpr std::size_t kNumberTextSize = 32;

// Writes the value as printf's "%g" would, zero always as "0"; returns the length (no terminator).
std::size_t FormatReal(float value, char (&text)[kNumberTextSize]);

// One line of reals / integers, every value followed by the separator.
void PrintRealLine(const float* values, std::size_t count, const char* separator);
void PrintIntegerLine(const std::int32_t* values, std::size_t count, const char* separator);

// Reads up to count integers from standard input, flushing standard output before each read;
// returns how many were read. Stops at the first failure and reports it on standard error.
std::size_t ReadIntegers(std::int32_t* values, std::size_t count, const char* programName);

template <std::size_t N> void PrintWeightMatrix(const WeightMatrix<N>& weights)
{
    for (std::size_t r = 0; r < N; ++r) PrintRealLine(weights[r].data(), N, "  ");
}

template <std::size_t N> void PrintNetVector(const NetVector<N>& net) { PrintRealLine(net.data(), N, " "); }

template <std::size_t N> void PrintRecallVector(const RecallVector<N>& recalled)
{
    PrintIntegerLine(recalled.data(), N, " ");
}

template <std::size_t N> void ReadTestPattern(PatternVector<N>& test, const char* programName)
{
    test.fill(0);
    ReadIntegers(test.data(), N, programName);
}

// Discrete Hopfield associative memory of N neurons: the types and the arithmetic.
//
// Every vector holds element 0 first. A WeightMatrix is N rows of N, stored row-major: the weight
// from neuron c into neuron r is W[r][c], at position r * N + c. Weights and net inputs are single
// precision; every accumulation step is done exactly and only the new partial sum is rounded to
// single precision, so results follow the column order, as a float running sum would.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

template <std::size_t N> using PatternVector = std::array<std::int32_t, N>;       // a stored or test pattern
template <std::size_t N> using WeightMatrix = std::array<std::array<float, N>, N>;  // row r: weights into neuron r
template <std::size_t N> using NetVector = std::array<float, N>;                   // net input of each neuron
template <std::size_t N> using RecallVector = std::array<std::int32_t, N>;         // 1 where net input > 0, else 0

static_assert(sizeof(WeightMatrix<9>) == 81 * sizeof(float), "the rows of a WeightMatrix lie back to back");

// Turns every 0 of a 3 by 3 grid pattern into -1; every other value, 1 and -1 included, stays.
void BiPolarize(PatternVector<9>& pattern);

// Learns the stored patterns, in the order given, by the outer-product rule with a zero diagonal.
// Called as CalculateWeightMatrix({&first, &second}, weights).
template <std::size_t N, std::size_t P>
void CalculateWeightMatrix(const PatternVector<N>* const (&stored)[P], WeightMatrix<N>& weights);

// One synchronous threshold pass of the test pattern through the weights.
template <std::size_t N>
void EvaluatePattern(const WeightMatrix<N>& weights, const PatternVector<N>& test, NetVector<N>& net,
                     RecallVector<N>& recalled);

// ---------------------------------------------------------------------------------------------

// Adds an exactly computed term to a single-precision running sum. Every term and partial sum the
// programs meet is an integer below 2^53, so the double sum is exact and the one rounding is the
// store to float (to nearest, ties to even). Starting from +0, a zero result is always +0.
inline float AccumulateExactly(float sum, double term) { return static_cast<float>(static_cast<double>(sum) + term); }

template <std::size_t N, std::size_t P>
void CalculateWeightMatrix(const PatternVector<N>* const (&stored)[P], WeightMatrix<N>& weights)
{
    for (std::size_t r = 0; r < N; ++r) {
        for (std::size_t c = 0; c < N; ++c) {
            float& weight = weights[r][c];
            weight = 0.0f;
            if (r == c) continue;
            for (const PatternVector<N>* pattern : stored) {
                const std::int32_t product = (*pattern)[r] * (*pattern)[c];
                weight = AccumulateExactly(weight, static_cast<double>(product));
            }
        }
    }
}

template <std::size_t N>
void EvaluatePattern(const WeightMatrix<N>& weights, const PatternVector<N>& test, NetVector<N>& net,
                     RecallVector<N>& recalled)
{
    for (std::size_t r = 0; r < N; ++r) {
        float sum = 0.0f;
        for (std::size_t c = 0; c < N; ++c) {
            // The test value enters unrounded: a 32-bit integer times a small weight is exact in double.
            sum = AccumulateExactly(sum, static_cast<double>(test[c]) * static_cast<double>(weights[r][c]));
        }
        net[r] = sum;
        recalled[r] = sum > 0.0f ? 1 : 0;
    }
}

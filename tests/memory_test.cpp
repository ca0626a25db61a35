// The arithmetic: bipolarisation, learning and one recall pass, on the programs' own patterns.
#include "memory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr std::int32_t M = 1 << 24;  // from here on not every integer is a float

constexpr PatternVector<9> kPlus = {0, 1, 0, 1, 1, 1, 0, 1, 0};
constexpr PatternVector<9> kMinus = {0, 0, 0, 1, 1, 1, 0, 0, 0};
constexpr PatternVector<8> kStored8 = {1, 1, -1, -1, 1, 1, -1, -1};
constexpr PatternVector<16> kStored16 = {1, 1, 1, -1, -1, -1, 1, 1, 1, -1, -1, -1, 1, 1, 1, -1};

template <std::size_t N> void ExpectNoNegativeZero(const std::array<float, N>& values)
{
    for (std::size_t i = 0; i < N; ++i) EXPECT_FALSE(values[i] == 0.0f && std::signbit(values[i])) << "at " << i;
}

template <std::size_t N> void ExpectNoNegativeZero(const WeightMatrix<N>& weights)
{
    for (const std::array<float, N>& row : weights) ExpectNoNegativeZero(row);
}

WeightMatrix<9> LearnPlusAndMinus()
{
    PatternVector<9> plus = kPlus, minus = kMinus;
    BiPolarize(plus);
    BiPolarize(minus);
    WeightMatrix<9> weights;
    for (auto& row : weights) row.fill(-7.0f);  // every element must be written
    CalculateWeightMatrix({&plus, &minus}, weights);
    return weights;
}

template <std::size_t N> WeightMatrix<N> LearnOne(const PatternVector<N>& stored)
{
    WeightMatrix<N> weights;
    for (auto& row : weights) row.fill(-7.0f);
    CalculateWeightMatrix({&stored}, weights);
    return weights;
}

TEST(BiPolarize, TurnsOnlyZerosIntoMinusOne)
{
    struct Case { PatternVector<9> in, out; };
    const Case cases[] = {
        {{0, 1, 2, -3, -1, 0, 5, 1, 0}, {-1, 1, 2, -3, -1, -1, 5, 1, -1}},
        {{1, -1, 1, -1, 1, -1, 1, -1, 1}, {1, -1, 1, -1, 1, -1, 1, -1, 1}},
        {kPlus, {-1, 1, -1, 1, 1, 1, -1, 1, -1}},
        {kMinus, {-1, -1, -1, 1, 1, 1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        PatternVector<9> pattern = c.in;
        BiPolarize(pattern);
        EXPECT_EQ(pattern, c.out);
    }
}

TEST(CalculateWeightMatrix, LearnsPlusThenMinus)
{
    const WeightMatrix<9> expected = {{
        {0,  0, 2,  -2, -2, -2, 2,  0, 2},
        {0,  0, 0,  0,  0,  0,  0,  2, 0},
        {2,  0, 0,  -2, -2, -2, 2,  0, 2},
        {-2, 0, -2, 0,  2,  2,  -2, 0, -2},
        {-2, 0, -2, 2,  0,  2,  -2, 0, -2},
        {-2, 0, -2, 2,  2,  0,  -2, 0, -2},
        {2,  0, 2,  -2, -2, -2, 0,  0, 2},
        {0,  2, 0,  0,  0,  0,  0,  0, 0},
        {2,  0, 2,  -2, -2, -2, 2,  0, 0},
    }};
    const WeightMatrix<9> weights = LearnPlusAndMinus();
    EXPECT_EQ(weights, expected);
    ExpectNoNegativeZero(weights);  // rows 1 and 7 are where the two patterns cancel
}

TEST(CalculateWeightMatrix, LearnsOnePatternWithZeroDiagonal)
{
    const WeightMatrix<8> expected8 = {{
        {0,  1,  -1, -1, 1,  1,  -1, -1},
        {1,  0,  -1, -1, 1,  1,  -1, -1},
        {-1, -1, 0,  1,  -1, -1, 1,  1},
        {-1, -1, 1,  0,  -1, -1, 1,  1},
        {1,  1,  -1, -1, 0,  1,  -1, -1},
        {1,  1,  -1, -1, 1,  0,  -1, -1},
        {-1, -1, 1,  1,  -1, -1, 0,  1},
        {-1, -1, 1,  1,  -1, -1, 1,  0},
    }};
    const WeightMatrix<8> weights8 = LearnOne(kStored8);
    EXPECT_EQ(weights8, expected8);
    ExpectNoNegativeZero(weights8);

    const WeightMatrix<16> weights16 = LearnOne(kStored16);
    const float row0[16] = {0, 1, 1, -1, -1, -1, 1, 1, 1, -1, -1, -1, 1, 1, 1, -1};
    for (std::size_t c = 0; c < 16; ++c) EXPECT_EQ(weights16[0][c], row0[c]) << "column " << c;
    for (std::size_t r = 0; r < 16; ++r) {
        for (std::size_t c = 0; c < 16; ++c) {
            EXPECT_EQ(weights16[r][c], weights16[c][r]) << r << "," << c;
            EXPECT_EQ(weights16[r][c], r == c ? 0.0f : static_cast<float>(kStored16[r] * kStored16[c]));
        }
    }
    ExpectNoNegativeZero(weights16);
}

struct RecallCase {
    const char* name;
    std::vector<std::int32_t> test;
    std::vector<float> net;
    std::vector<std::int32_t> recalled;
};

template <std::size_t N>
void ExpectRecall(const WeightMatrix<N>& weights, const RecallCase& c, bool bipolarizeTest)
{
    SCOPED_TRACE(c.name);
    PatternVector<N> test;
    std::copy(c.test.begin(), c.test.end(), test.begin());
    if constexpr (N == 9) {
        if (bipolarizeTest) BiPolarize(test);
    }
    const PatternVector<N> before = test;
    NetVector<N> net;
    RecallVector<N> recalled;
    net.fill(-7.0f);
    recalled.fill(-7);
    EvaluatePattern(weights, test, net, recalled);
    EXPECT_EQ(std::vector<float>(net.begin(), net.end()), c.net);
    EXPECT_EQ(std::vector<std::int32_t>(recalled.begin(), recalled.end()), c.recalled);
    EXPECT_EQ(test, before) << "the test pattern is left as it was";
    ExpectNoNegativeZero(net);
}

TEST(EvaluatePattern, RecallsWithOneStoredPattern)
{
    const float m = static_cast<float>(M);
    const RecallCase cases[] = {
        {"stored pattern itself", {1, 1, -1, -1, 1, 1, -1, -1}, {7, 7, -7, -7, 7, 7, -7, -7}, {1, 1, 0, 0, 1, 1, 0, 0}},
        {"worked example", {1, 1, 0, 0, 1, 1, 0, 0}, {3, 3, -4, -4, 3, 3, -4, -4}, {1, 1, 0, 0, 1, 1, 0, 0}},
        {"own value only through the zero diagonal", {1, 0, 0, 0, 0, 0, 0, 0}, {0, 1, -1, -1, 1, 1, -1, -1},
         {0, 1, 0, 0, 1, 1, 0, 0}},
        {"all zero", {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"all one", {1, 1, 1, 1, 1, 1, 1, 1}, {-1, -1, -1, -1, -1, -1, -1, -1}, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"values other than 0 and 1", {2, 2, 0, 0, 2, 2, 0, 0}, {6, 6, -8, -8, 6, 6, -8, -8}, {1, 1, 0, 0, 1, 1, 0, 0}},
        // M + 1 is a tie between two floats and is held as M, so the next column cancels it.
        {"each partial sum is rounded", {0, M + 1, M, 0, 0, 0, 0, 0}, {0, -m, -m, 0, 0, 0, 0, 0},
         {0, 0, 0, 0, 0, 0, 0, 0}},
        // Rounded to float before its product, M + 1 would give 0 at neurons 0, 1 and 5.
        {"test value enters unrounded", {0, 0, M, 0, M + 1, 0, 0, 0}, {1, 1, -m, -1, -m, 1, -1, -1},
         {1, 1, 0, 0, 0, 1, 0, 0}},
    };
    const WeightMatrix<8> weights = LearnOne(kStored8);
    for (const RecallCase& c : cases) ExpectRecall(weights, c, false);
}

TEST(EvaluatePattern, RecallsWithPlusAndMinusAfterBiPolarize)
{
    const RecallCase cases[] = {
        {"plus", {0, 1, 0, 1, 1, 1, 0, 1, 0}, {-12, 2, -12, 12, 12, 12, -12, 2, -12}, {0, 1, 0, 1, 1, 1, 0, 1, 0}},
        {"minus", {0, 0, 0, 1, 1, 1, 0, 0, 0}, {-12, -2, -12, 12, 12, 12, -12, -2, -12}, {0, 0, 0, 1, 1, 1, 0, 0, 0}},
        {"plus in -1/+1 form", {-1, 1, -1, 1, 1, 1, -1, 1, -1}, {-12, 2, -12, 12, 12, 12, -12, 2, -12},
         {0, 1, 0, 1, 1, 1, 0, 1, 0}},
        {"plus with one cell changed", {0, 1, 0, 1, 1, 1, 0, 1, 1}, {-8, 2, -8, 8, 8, 8, -8, 2, -12},
         {0, 1, 0, 1, 1, 1, 0, 1, 0}},
        {"all zero: zero net inputs recall 0", {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, -2, 0, 4, 4, 4, 0, -2, 0},
         {0, 0, 0, 1, 1, 1, 0, 0, 0}},
        {"all one", {1, 1, 1, 1, 1, 1, 1, 1, 1}, {0, 2, 0, -4, -4, -4, 0, 2, 0}, {0, 1, 0, 0, 0, 0, 0, 1, 0}},
        {"2 and -3 pass unchanged", {2, 1, 0, 1, 1, 1, 0, 1, -3}, {-16, 2, -10, 10, 10, 10, -10, 2, -6},
         {0, 1, 0, 1, 1, 1, 0, 1, 0}},
    };
    const WeightMatrix<9> weights = LearnPlusAndMinus();
    for (const RecallCase& c : cases) ExpectRecall(weights, c, true);
}

TEST(EvaluatePattern, RecallsWithSixteenNeurons)
{
    const RecallCase cases[] = {
        {"worked example", {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0},
         {8, 8, 8, -9, -9, -9, 8, 8, 8, -9, -9, -9, 8, 8, 8, -9},
         {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0}},
        {"all one", std::vector<std::int32_t>(16, 1), {1, 1, 1, -3, -3, -3, 1, 1, 1, -3, -3, -3, 1, 1, 1, -3},
         {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0}},
    };
    const WeightMatrix<16> weights = LearnOne(kStored16);
    for (const RecallCase& c : cases) ExpectRecall(weights, c, false);
}

}  // namespace

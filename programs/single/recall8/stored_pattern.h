// The stored pattern of recall8, in -1/+1 form; its length is the program's neuron count.
#pragma once

#include <array>
#include <cstdint>

inline constexpr const char kProgramName[] = "recall8";
inline constexpr std::array<std::int32_t, 8> kStoredPattern = {1, 1, -1, -1, 1, 1, -1, -1};

// The stored pattern of recall16, in -1/+1 form; its length is the program's neuron count.
#pragma once

#include <array>
#include <cstdint>

inline constexpr const char kProgramName[] = "recall16";
inline constexpr std::array<std::int32_t, 16> kStoredPattern = {1, 1, 1, -1, -1, -1, 1, 1,
                                                                1, -1, -1, -1, 1, 1, 1, -1};

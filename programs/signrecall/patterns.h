// The two stored patterns of signrecall, in 0/1 form, on a 3 by 3 grid: element k is the cell in
// row k / 3 and column k % 3, rows from the top.
#pragma once

#include "memory.h"

inline constexpr PatternVector<9> PLUS = {0, 1, 0,  //
                                          1, 1, 1,  //
                                          0, 1, 0};
inline constexpr PatternVector<9> MINUS = {0, 0, 0,  //
                                           1, 1, 1,  //
                                           0, 0, 0};

#pragma once

#include "memory.h"

// Shows nine values as three lines of three, top row first; every value followed by one space.
void Display(const PatternVector<9>& grid);

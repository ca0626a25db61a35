#include "display.h"

#include "console.h"

void Display(const PatternVector<9>& grid)
{
    for (std::size_t row = 0; row < 3; ++row) PrintIntegerLine(grid.data() + 3 * row, 3, " ");
}

#include "memory.h"

void BiPolarize(PatternVector<9>& pattern)
{
    for (std::int32_t& value : pattern) {
        if (value == 0) value = -1;
    }
}

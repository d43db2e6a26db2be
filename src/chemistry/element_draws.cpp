#include "chemistry/element_draws.h"

#include "numbers/random_stream.h"

std::int32_t draw_element_of_known_mass()
{
    std::int32_t z = 0;
    do {
        z = random_int(1, 83);
        if (random_int(1, 2) == 1) z = random_int(1, 36);
    } while (z == 43);
    return z;
}

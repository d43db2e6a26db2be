#include "chemistry/true_false_kit.h"

#include "chemistry/table_fields.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"

std::int32_t draw_truth()
{
    return random_int(0, 1);
}

std::int32_t shown_number(std::int32_t& truth, std::int32_t true_value, std::int32_t lo, std::int32_t hi)
{
    if (truth != 0) return true_value;
    const std::int32_t shown = random_int(lo, hi);
    if (shown == true_value) truth = 1;
    return shown;
}

float draw_concentration()
{
    const std::int32_t e = random_int(2, 14);
    return power_of_ten(-e) * random_real(1.0f, 9.9f);
}

std::int32_t draw_compound(std::int32_t lo, std::int32_t hi, bool elements_wanted)
{
    std::int32_t k = 0;
    do {
        k = random_int(lo, hi);
    } while (!compound_present(k) || (!elements_wanted && compound_class(k) == 'e'));
    return k;
}

#include <algorithm>
#include <cmath>
#include <string>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/table_fields.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace states_of_matter {

float draw_magnitude(float top, std::int32_t lo, std::int32_t hi)
{
    const std::int32_t k = random_int(lo, hi);
    return random_real(1.0f, top) * power_of_ten(k);
}

TwoPositions draw_two_positions(std::int32_t problem, std::int32_t count,
                                const std::function<bool(std::int32_t, std::int32_t)>& allowed)
{
    TwoPositions drawn{0, 0};
    draw_until_accepted([&] {
        drawn.first = random_int(1, count);
        if (no_version_in_use() && drawn.first == state.last_draw[problem]) return false;
        drawn.second = random_int(1, count);
        return drawn.second != drawn.first && (!allowed || allowed(drawn.first, drawn.second));
    });
    state.last_draw[problem] = drawn.first;
    return drawn;
}

std::int32_t list_gas(std::span<const CompoundKey> list, std::int32_t i)
{
    return i >= 1 && static_cast<std::size_t>(i) <= list.size() ? list[static_cast<std::size_t>(i - 1)] : 0;
}

std::string gas_name(std::int32_t c, int width)
{
    return compound_columns(c, 1, width);
}

std::string articulated_gas_name(std::int32_t c)
{
    return join_article_to_name(gas_name(c));
}

std::string_view pressure_unit(std::int32_t u)
{
    return strip_trailing_blanks(record_at("atm torrkPa ", 4, u));
}

float to_atmospheres(std::int32_t u)
{
    if (u == 2) return atm_per_torr_f;
    if (u == 3) return atm_per_kilopascal_f;
    return 1.0f;
}

float from_atmospheres(std::int32_t u)
{
    if (u == 2) return torr_per_atmosphere_f;
    if (u == 3) return kilopascals_per_atmosphere_f;
    return 1.0f;
}

}  // namespace states_of_matter

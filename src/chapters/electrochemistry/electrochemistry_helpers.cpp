#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"

namespace electrochemistry {

float natural_log_of_ten()
{
    return static_cast<float>(std::log(2.0)) * static_cast<float>(std::log2(10.0));
}

float decimal_log(float x)
{
    return static_cast<float>(std::log10(static_cast<double>(x)));
}

std::string reverse_reaction_text(std::string_view reaction)
{
    const auto equals = reaction.find('=');
    if (equals == std::string_view::npos) return std::string(reaction);
    const std::string_view right = strip_trailing_blanks(reaction.substr(std::min(equals + 2, reaction.size())));
    const std::string_view left = reaction.substr(0, equals == 0 ? 0 : equals - 1);
    return std::string(right) + " = " + std::string(left);
}

float summed_relative_uncertainty(std::initializer_list<std::int32_t> data)
{
    float sum = 0.0f;
    for (const std::int32_t slot : data) sum += std::abs(relative_uncertainty(slot));
    return sum;
}

void set_slot_from_relative_uncertainties(std::int32_t slot, float value, std::initializer_list<std::int32_t> data)
{
    set_slot_uncertainty(slot, value, std::abs(value) * summed_relative_uncertainty(data));
}

void draw_concentration_pair(std::int32_t first_exponent)
{
    std::int32_t e = random_int(2, first_exponent);
    float first = random_real(1.0f, 9.9f) * power_of_ten(-e);
    e = random_int(2, 9);
    float second = random_real(1.0f, 9.9f) * power_of_ten(-e);
    if (random_int(1, 2) == 2) {
        second = first;
        e = random_int(2, 9);
        first = random_real(1.0f, 9.9f) * power_of_ten(-e);
    }
    set_slot_digits(1, first, 3);
    set_slot_digits(2, second, 3);
}

}  // namespace electrochemistry

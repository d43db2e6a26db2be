#include "chemistry/water_data.h"

#include <charconv>

double water_value(WaterFact fact)
{
    const std::string_view text = water_text(fact);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

float water_value_f(WaterFact fact)
{
    // Through the double: with the few digits of these texts, the float
    // nearest the double is the float nearest the decimal.
    return static_cast<float>(water_value(fact));
}

// Statements of group 2 on quantities: molar volume and density of gases,
// mass percentages, unit prefixes, products of numbers, unit conversions.

#include <array>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "chemistry/true_false_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace {

// A factor that makes a value plainly wrong: 1.5 to 3, or 0.3 to 0.6.
float wrong_factor()
{
    return random_int(1, 2) == 1 ? random_real(1.5f, 3.0f) : random_real(0.3f, 0.6f);
}

// A whole power of ten from 10^-5 to 10^5 other than 1.
float wrong_power_of_ten()
{
    const std::int32_t k = random_int(1, 5);
    return power_of_ten(random_int(1, 2) == 1 ? -k : k);
}

}  // namespace

Statement molar_volume_of_gas()
{
    Statement s{{}, draw_truth()};
    float p = random_real(1.0f, 50.0f);
    if (random_int(1, 2) == 1) p = random_real(0.1f, 1.0f);
    set_slot_digits(1, p, 2);
    float volume = molar_volume_short_f / slot_value(1);
    if (s.truth == 0) volume *= wrong_factor();
    set_slot_digits(3, volume, 2);
    s.text = "Il volume molare del gas ideale a 0@uo@C e " + slot_text(1) + " atm è " + slot_text(3) + " L";
    return s;
}

Statement density_of_gas()
{
    static constexpr std::array<CompoundKey, 14> gases{
        compounds::nitrogen,        compounds::oxygen,       compounds::fluorine,
        compounds::chlorine,        compounds::ammonia,      compounds::boron_trifluoride,
        compounds::carbon_monoxide, compounds::nitric_oxide, compounds::sulfur_dioxide,
        compounds::helium,          compounds::neon,         compounds::argon,
        compounds::xenon,           compounds::krypton};
    Statement s{{}, draw_truth()};
    const std::int32_t k = gases[random_int(1, 14) - 1];
    // The moles in a litre at standard conditions.
    float density = compound_molar_mass(k) * per_molar_volume_short_f;
    if (s.truth == 0) density *= wrong_factor();
    set_slot_digits(1, density, 3);
    s.text =
        "La densità d" + join_article_to_name(compound_name(k)) + " in condizioni standard è " + slot_text(1) + " g/L";
    return s;
}

Statement mass_percentage()
{
    Statement s{{}, draw_truth()};
    const std::int32_t k = draw_compound(1, 500, false);
    const std::string composition = compound_composition(k);
    const std::int32_t g = random_int(1, static_cast<std::int32_t>(composition.size() / 4));
    const std::string_view group = record_at(composition, 4, g);
    float uncertainty = 0.0f;
    const float element_mass = compute_molar_mass(group, uncertainty);
    float percent = 100.0f * element_mass / compute_molar_mass(composition, uncertainty);
    if (s.truth == 0) {
        std::int32_t side = random_int(1, 2);
        if (percent > 70.0f) side = 2;
        if (percent < 20.0f) side = 1;
        percent = side == 1 ? random_real(1.3f * percent, 100.0f) : random_real(1.0f, 0.5f * percent);
    }
    set_slot_digits(1, percent, 3);
    s.text = "La percentuale di " + element_name(symbol_search(record_columns(group, 1, 2))) + " in " +
             compound_formula(k) + " è pari a " + slot_text(1) + "%";
    return s;
}

Statement unit_prefixes()
{
    struct Prefix {
        std::string_view letter;
        std::int32_t exponent;
    };
    static constexpr std::array<Prefix, 6> prefixes{
        {{"f", -15}, {"p", -12}, {"n", -9}, {"µ", -6}, {"m", -3}, {"k", 3}}};
    Statement s{{}, draw_truth()};
    const std::int32_t a = random_int(1, 6);
    std::int32_t b = 0;
    do {
        b = random_int(1, 6);
    } while (b == a);
    std::int32_t d = prefixes[a - 1].exponent - prefixes[b - 1].exponent;
    if (s.truth == 0) {
        const std::int32_t added = random_int(-2, 2);
        d += added;
        if (added == 0) s.truth = 1;
    }
    std::string_view unit = "m";
    if (random_int(1, 2) == 1) unit = "g";
    // The extra draw is made only when neither prefix is the kilo.
    if (a != 6 && b != 6 && random_int(1, 4) == 1) unit = "s";
    s.text = "1 " + std::string(prefixes[a - 1].letter) + std::string(unit) + " è equivalente a 10@u" +
             whole_number_text(d) + "@ " + std::string(prefixes[b - 1].letter) + std::string(unit);
    return s;
}

Statement product_of_numbers()
{
    Statement s{{}, draw_truth()};
    for (std::int32_t slot = 1; slot <= 2; ++slot) {
        const std::int32_t e = random_int(-12, 12);
        set_slot_digits(slot, power_of_ten(e) * random_real(1.0f, 9.9f), 2);
    }
    float product = slot_value(1) * slot_value(2);
    if (s.truth == 0) product *= wrong_power_of_ten();
    const float relative = slot_uncertainty(2) / slot_value(2) + slot_uncertainty(1) / slot_value(1);
    set_slot_uncertainty(3, product, relative * product);
    s.text = slot_text(1) + " * " + slot_text(2) + " = " + slot_text(3);
    return s;
}

Statement unit_conversion()
{
    struct Conversion {
        std::string_view unit;
        std::string_view partner;
        float factor;  // partner units in one unit
    };
    static constexpr std::array<Conversion, 5> conversions{{
        {"L", "m@u3@", 0.001f},
        {"atm", "Pa", pascals_per_atmosphere_f},
        {"torr", "Pa", pascals_per_torr_f},
        {"cal", "J", calorie_joules_f},
        {"kcal", "J", kilocalorie_joules_f},
    }};
    Statement s{{}, draw_truth()};
    const Conversion& c = conversions[random_int(1, 5) - 1];
    set_slot_digits(1, random_real(1.0f, 9.0f), 2);
    float converted = slot_value(1) * c.factor;
    if (s.truth == 0) converted *= wrong_power_of_ten();
    set_slot_digits(2, converted, 2);
    const std::string given = slot_text(1) + " " + std::string(c.unit);
    const std::string equivalent = slot_text(2) + " " + std::string(c.partner);
    s.text = random_int(1, 2) == 1 ? given + " equivalgono a " + equivalent : equivalent + " equivalgono a " + given;
    return s;
}

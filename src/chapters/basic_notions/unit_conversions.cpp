// Section "Unità di misura", problems 12 to 20: conversions between units.
#include <array>
#include <span>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "chemistry/data_tables.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"

namespace basic_notions {

const std::array<UnitEntry, 7> mass_units = {{
    {"", 0.0f},
    {"pg", 1e-12f},
    {"ng", 1e-9f},
    {"µg", 1e-6f},
    {"mg", 1e-3f},
    {"g", 1.0f},
    {"kg", 1000.0f},
}};

const std::array<UnitEntry, 8> time_units = {{
    {"", 0.0f},
    {"ps", 1e-12f},
    {"ns", 1e-9f},
    {"µs", 1e-6f},
    {"ms", 1e-3f},
    {"s", 1.0f},
    {"min", 60.0f},
    {"ore", 3600.0f},
}};

UnitPair draw_unit_pair(std::int32_t count)
{
    UnitPair pair{};
    do {
        pair.from = random_int(1, count);
        pair.to = random_int(1, count);
    } while (pair.to == pair.from);
    return pair;
}

namespace {

constexpr std::array<UnitEntry, 8> length_units = {{
    {"", 0.0f},
    {"pm", 1e-12f},
    {"nm", 1e-9f},
    {"µm", 1e-6f},
    {"mm", 1e-3f},
    {"cm", 1e-2f},
    {"dm", 1e-1f},
    {"m", 1.0f},
}};

constexpr std::array<UnitEntry, 5> angstrom_units = {{
    {"", 0.0f},
    {"pm", 1e-12f},
    {"nm", 1e-9f},
    {"µm", 1e-6f},
    {"Å", 1e-10f},
}};

// Cubic lengths, then millilitres and litres, in cubic metres.
constexpr std::array<UnitEntry, 7> volume_units = {{
    {"", 0.0f},
    {"mm@u3@", 1e-9f},
    {"cm@u3@", 1e-6f},
    {"dm@u3@", 1e-3f},
    {"m@u3@", 1.0f},
    {"mL", 1e-6f},
    {"L", 1e-3f},
}};

// The electronvolt from the elementary charge the constants panel shows.
std::array<UnitEntry, 7> energy_units()
{
    const float electron_volt = physical_constants().elementary_charge;
    return {{
        {"", 0.0f},
        {"J", 1.0f},
        {"kJ", 1000.0f},
        {"cal", calorie_joules_f},
        {"kcal", kilocalorie_joules_f},
        {"eV", electron_volt},
        {"keV", 1000.0f * electron_volt},
    }};
}

constexpr std::array<UnitEntry, 6> pressure_units = {{
    {"", 0.0f},
    {"Pa", 1.0f},
    {"kPa", 1000.0f},
    {"atm", pascals_per_atmosphere_f},
    {"torr", pascals_per_torr_f},
    {"bar", 100000.0f},
}};

// The common scheme: the datum x1 in unit `from` with `digits` digits, and
// its value in unit `to` with the same digits.
void pose_conversion(std::string_view opening, std::span<const UnitEntry> units, UnitPair pair, float x1,
                     std::int32_t digits)
{
    set_slot_digits(1, x1, digits);
    const float factor = units[pair.from].factor / units[pair.to].factor;
    set_slot_digits(2, factor * slot_value(1), slot_digits(1));
    const std::string to_code(units[pair.to].code);
    problem_texts.problem_text =
        std::string(opening) + slot_text(1) + " " + std::string(units[pair.from].code) + " in " + to_code;
    problem_texts.answer_text = slot_text(2) + " " + to_code;
}

// A mantissa, cut to three decimals when random_int (1, cut_range) gives 1.
float draw_mantissa_maybe_cut(std::int32_t cut_range)
{
    const float x = draw_mantissa();
    return random_int(1, cut_range) == 1 ? truncate_to_thousandths(x) : x;
}

// A mantissa, cut to its whole part when random_int (1, cut_range) gives 1.
float draw_mantissa_maybe_whole(std::int32_t cut_range)
{
    const float x = draw_mantissa();
    return random_int(1, cut_range) == 1 ? truncate_to_whole(x) : x;
}

}  // namespace

void generate_problem_12()
{
    skip_random_draws(11);
    const float x = draw_mantissa_maybe_cut(6);
    const float metres = power_of_ten(random_int(-12, 1)) * x;
    const UnitPair pair = draw_unit_pair(7);
    const float x1 = metres / length_units[pair.from].factor;
    pose_conversion("Convertire una lunghezza pari a ", length_units, pair, x1, random_int(1, 6));
    draw_problem_text(200, 550, 70);
    show_chemistry_fact(220, 140, 350);
}

void generate_problem_13()
{
    skip_random_draws(1);
    const UnitPair pair = draw_unit_pair(6);
    const float x = draw_mantissa_maybe_cut(3);
    const float x1 = power_of_ten(random_int(-12, 1)) * x / mass_units[pair.from].factor;
    pose_conversion("Convertire una massa pari a ", mass_units, pair, x1, random_int(1, 3));
    draw_problem_text(160, 550, 60);
    show_chemistry_fact(160, 150, 280);
}

void generate_problem_14()
{
    skip_random_draws(5);
    const UnitPair pair = draw_unit_pair(7);
    const float x = draw_mantissa_maybe_cut(3);
    const float x1 = power_of_ten(random_int(-12, 1)) * x / time_units[pair.from].factor;
    pose_conversion("Convertire un intervallo di tempo pari a ", time_units, pair, x1, random_int(1, 4));
    draw_problem_text(160, 550, 60);
    show_chemistry_fact(270, 150, 280);
}

void generate_problem_15()
{
    skip_random_draws(1);
    UnitPair pair{};
    // One of the two units is always the ångström.
    do {
        pair = draw_unit_pair(4);
    } while (pair.from != 4 && pair.to != 4);
    const float x = draw_mantissa_maybe_whole(6);
    const float x1 = power_of_ten(random_int(-12, -6)) * x / angstrom_units[pair.from].factor;
    pose_conversion("Convertire una lunghezza pari a ", angstrom_units, pair, x1, random_int(1, 3));
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(230, 120, 280);
}

void generate_problem_16()
{
    skip_random_draws(3);
    // A temperature whose conversion its last digit leaves unknown (273 K
    // as "-0.1 °C") is drawn again.
    draw_until_accepted([] {
        const float celsius = random_real(-273.0f, 1000.0f);
        const float kelvin = random_real(0.1f, 1000.0f);
        const std::int32_t d1 = random_int(3, 5);
        const std::int32_t d3 = random_int(3, 5);
        set_slot_digits(1, celsius, d1);
        set_slot_digits(3, kelvin, d3);
        // From the temperatures as shown: the unrounded ones could put the
        // answer one unit away from what the student computes.
        set_slot_uncertainty(2, slot_value(1) + celsius_zero_f, slot_uncertainty(1) + 0.03f);
        set_slot_uncertainty(4, slot_value(3) - celsius_zero_f, slot_uncertainty(3) + 0.03f);
        return !uncertainty_exceeds_value(2) && !uncertainty_exceeds_value(4);
    });
    // Exact decimals, hundredths of a degree, rounded half up as a student
    // rounds them by hand: 1093.85 K shows 1093.9 as 259.05 °C shows 259.1.
    set_slot_to_exact_sum(2, 1, 27315);
    set_slot_to_exact_sum(4, 3, -27315);

    problem_texts.problem_text = "Esprimere in kelvin una temperatura pari a " + slot_text(1) +
                                 " gradi centigradi, e in gradi centigradi una temperatura pari a " + slot_text(3) +
                                 " K";
    problem_texts.answer_text = slot_text(2) + " K; " + slot_text(4) + "@uo@C";
    draw_problem_text(160, 540, 60);
    show_chemistry_fact(180, 140, 400);
}

void generate_problem_17()
{
    skip_random_draws(2);
    // One unit is a cubic length, the other millilitres or litres.
    UnitPair pair{};
    pair.from = random_int(1, 4);
    pair.to = random_int(5, 6);
    if (random_int(1, 2) == 1) {
        pair.from = random_int(5, 6);
        pair.to = random_int(1, 4);
    }
    const float x = draw_mantissa_maybe_whole(6);
    float x1 = power_of_ten(random_int(-7, -1)) * x / volume_units[pair.from].factor;
    if (app_state.version_number == text_version) x1 = 5443220.0f;
    pose_conversion("Convertire un volume pari a ", volume_units, pair, x1, random_int(1, 4));
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_18()
{
    skip_random_draws(2);
    std::int32_t unit = random_int(1, 6);
    // Milligrams to kilograms more often.
    if (random_int(1, 2) == 1) unit = random_int(4, 6);
    const float mass = draw_scaled_exponent_first(-3, 3);
    set_slot_digits(1, mass, random_int(2, 4));
    set_slot_digits(2, 9.807f, 4);
    const float newtons = mass_units[unit].factor * slot_value(2) * slot_value(1) * 0.001f;
    const float uncertainty = (slot_uncertainty(2) / slot_value(2) + slot_uncertainty(1) / slot_value(1)) * newtons;
    set_slot_uncertainty(3, newtons, uncertainty);

    problem_texts.problem_text = "Calcolare la forza peso che agisce su di un oggetto di massa " + slot_text(1) + " " +
                                 std::string(mass_units[unit].code);
    problem_texts.answer_text = slot_text(3) + " N";
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(180, 170, 400);
}

void generate_problem_19()
{
    skip_random_draws(1);
    UnitPair pair = draw_unit_pair(6);
    float x = draw_mantissa_maybe_whole(10);
    if (app_state.version_number == text_version) {
        x = 3.276f;
        pair = {1, 4};  // joules to kilocalories
    }
    random_int(-4, 4);  // not used, but part of every version's data
    pose_conversion("Convertire un'energia pari a ", energy_units(), pair, x, random_int(2, 4));
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(270, 130, 280);
}

void generate_problem_20()
{
    skip_random_draws(11);
    const UnitPair pair = draw_unit_pair(5);
    const float x = draw_mantissa_maybe_whole(10);
    random_int(-4, 4);  // not used, but part of every version's data
    pose_conversion("Convertire una pressione pari a ", pressure_units, pair, x, random_int(2, 4));
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(180, 140, 400);
}

}  // namespace basic_notions

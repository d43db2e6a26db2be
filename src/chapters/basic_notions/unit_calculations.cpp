// Section "Unità di misura", problems 21 to 25: calculations with units,
// data of the element and compound tables and physical constants.
#include <array>
#include <vector>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/element_draws.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/fundamental_constants.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace basic_notions {

namespace {

// Masses in kilograms, volumes in cubic metres.
constexpr std::array<UnitEntry, 8> density_units = {{
    {"", 0.0f},
    {"g", 1e-3f},
    {"kg", 1.0f},
    {"cm", 1e-6f},
    {"dm", 1e-3f},
    {"m", 1.0f},
    {"mL", 1e-6f},
    {"L", 1e-3f},
}};

// Joules into each unit.
constexpr std::array<UnitEntry, 5> energy_from_joules = {{
    {"", 0.0f},
    {"J", 1.0f},
    {"kJ", 0.001f},
    {"cal", calories_per_joule_f},
    {"kcal", 1.0f / kilocalorie_joules_f},
}};

// Volume units 3 to 5 are cubic lengths.
std::string volume_code(std::int32_t unit)
{
    return std::string(density_units[unit].code) + (unit <= 5 ? "@u3@" : "");
}

}  // namespace

void generate_problem_21()
{
    skip_random_draws(24);
    std::int32_t a = 0;  // mass unit of the density
    std::int32_t v = 0;  // volume unit of the density
    std::int32_t b = 0;  // mass unit of the sample
    std::int32_t z = 0;
    std::int32_t m = 0;  // volume unit of the answer
    const auto volume_in = [&](std::int32_t unit) {
        const float x1 = slot_value(1);
        const float x2 = slot_value(2);
        return x2 / x1 * density_units[b].factor * density_units[v].factor /
               (density_units[unit].factor * density_units[a].factor);
    };
    const auto fits = [&](std::int32_t unit) {
        const float x3 = volume_in(unit);
        return x3 >= 0.01f && x3 <= 100.0f;
    };
    draw_until_accepted([&] {
        a = random_int(1, 2);
        if (a == 1) {
            v = 3;
        } else {
            v = random_int(4, 7);
            if (v == 6) return false;
        }
        b = random_int(1, 2);
        z = random_int(1, 92);
        if (z == 3 || z == 77) return false;
        if (record_columns(element_record(z), 31, 33) != "smd") return false;
        set_slot_text(1, element_field(z, 34, 40));
        const float density = slot_value(1) * density_units[v].factor / (density_units[a].factor * 1e-6f) * 1e-3f;
        set_slot_digits(1, density, slot_digits(1));
        const float sample = random_real(0.1f, 9.99f);
        set_slot_digits(2, sample, random_int(3, 5));
        // A small sample of a dense metal fits no unit: new data then.
        bool any_unit_fits = false;
        for (std::int32_t unit = 3; unit <= 7; ++unit) any_unit_fits = any_unit_fits || fits(unit);
        if (!any_unit_fits) return false;
        do {
            m = random_int(3, 7);
        } while (!fits(m));
        return true;
    });
    const float x3 = volume_in(m);
    set_slot_uncertainty(3, x3, (slot_uncertainty(2) / slot_value(2) + slot_uncertainty(1) / slot_value(1)) * x3);

    std::string& text = problem_texts.problem_text;
    text = "Calcolare il volume in " + volume_code(m) + " occupato da " + slot_text(2) + " " +
           std::string(density_units[b].code) + " di " + element_name(z) + ", la cui densità è pari a " + slot_text(1) +
           " " + std::string(density_units[a].code) + "/" + std::string(density_units[v].code);
    // Litres carry no exponent and no full stop follows them.
    if (v <= 5) text += "@u3@.";
    problem_texts.answer_text = slot_text(3) + " " + volume_code(m);
    draw_problem_text(160, 480, 60);
    show_chemistry_fact(270, 150, 280);
}

void generate_problem_22()
{
    skip_random_draws(1);
    set_slot_digits(1, planck_constant_f, 5);
    const std::int32_t u = random_int(1, 4);
    set_slot_digits(2, energy_from_joules[u].factor * slot_value(1), 5);
    std::int32_t w = 0;
    do {
        w = random_int(1, 4);
    } while (w == u);
    const float frequency = draw_scaled_mantissa_first(12, 18);
    set_slot_digits(4, frequency, random_int(2, 5));
    const double ratio = static_cast<double>(energy_from_joules[w].factor) / energy_from_joules[u].factor;
    // With the digits the constant and the frequency carry.
    set_slot_from_data(3, {2, 4}, [ratio](const std::vector<double>& d) { return ratio * d[0] * d[1]; });

    const std::string to_code(energy_from_joules[w].code);
    problem_texts.problem_text =
        "La frequenza (@bn@) di una radiazione elettromagnetica è legata all'energia dei suoi quanti "
        "(fotoni) dalla relazione @be@ = @ih@@bn@, ove @ih@ è la costante di Planck, pari a " +
        slot_text(2) + " " + std::string(energy_from_joules[u].code) +
        "•s. Valutare l'energia dei quanti di una radiazione di frequenza pari a " + slot_text(4) +
        " s@u-1@, esprimendola in " + to_code;
    problem_texts.answer_text = slot_text(3) + " " + to_code;
    draw_problem_text(160, 575, 45);
    show_chemistry_fact(160, 180, 300);
}

void generate_problem_23()
{
    skip_random_draws(2);
    const std::int32_t g = random_int(1, 3);  // the mass shown in g, ng or pg
    set_slot_digits(1, speed_of_light_f, 7);
    const std::int32_t e = random_int(3, 20);
    set_slot_digits(3, random_real(1.0f, 9.999f) * power_of_ten(-e), 4);
    static constexpr float shown_per_gram[] = {0.0f, 1.0f, 1e9f, 1e12f};
    static constexpr const char* shown_unit[] = {"", " g", " ng", " pg"};
    set_slot_digits(2, slot_value(3) * shown_per_gram[g], 4);
    float energy = slot_value(1) * slot_value(1) * slot_value(3) * 0.001f;
    const std::int32_t u = random_int(1, 4);
    energy = energy_from_joules[u].factor * energy;
    set_slot_uncertainty(4, energy, energy * slot_uncertainty(3) / slot_value(3));

    const std::string code(energy_from_joules[u].code);
    problem_texts.problem_text =
        "Una quantità di materia di massa @im@ può essere trasformata in un'energia pari a @iE@ = "
        "@imc@@u2@, ove @ic@ = 2.997925•10@u8@ m/s è la velocità della luce nel vuoto. Esprimere in " +
        code + " l'energia liberata dalla trasformazione di " + slot_text(2) + shown_unit[g] + " di materia";
    problem_texts.answer_text = slot_text(4) + " " + code;
    draw_problem_text(160, 540, 45);
    show_chemistry_fact(220, 150, 350);
}

void generate_problem_24()
{
    skip_random_draws(2);
    random_int(1, 7);  // not used, but part of every version's data
    const float time = random_real(0.01f, 1.0f);
    const std::int32_t k = 10 * random_int(1, 10);  // how many times slower than light
    const std::int32_t t = random_int(1, 7);
    set_slot_digits(1, time, 3);
    const float q = time_units[t].factor / static_cast<float>(k);
    float distance = q * slot_value(1) * speed_of_light_f;
    float uncertainty = slot_uncertainty(1) * q * speed_of_light_f;
    const bool kilometres = t >= 4;
    if (kilometres) {
        distance = distance * 0.001f;
        uncertainty = uncertainty * 0.001f;
    }
    set_slot_uncertainty(2, distance, uncertainty);

    problem_texts.problem_text = std::string("Calcolare la distanza") + (kilometres ? " in km" : "") + " percorsa in " +
                                 slot_text(1) + " " + std::string(time_units[t].code) +
                                 " da un oggetto che si muove a velocità " + whole_number_text(k) +
                                 " volte più bassa di quella della luce nel vuoto, pari a 2.997925•10@u8@ m/s";
    problem_texts.answer_text = slot_text(2) + (kilometres ? " km" : " m");
    draw_problem_text(160, 540, 45);
    show_chemistry_fact(160, 140, 300);
}

void generate_problem_25()
{
    skip_random_draws(1);
    const std::int32_t u = random_int(1, 5);
    random_int(1, 2);  // not used, but part of every version's data
    const std::int32_t kind = random_int(1, 2);
    std::string name;
    if (kind == 1) {
        const std::int32_t z = draw_element_of_known_mass();
        set_slot_text(1, element_field(z, 21, 30));
        set_slot_uncertainty(1, slot_value(1) * atomic_mass_unit_grams_f,
                             slot_uncertainty(1) * atomic_mass_unit_grams_f);
        float x2 = random_real(1.0f, 100.0f);
        // Lanthanide samples stay below one unit.
        if (random_int(1, 2) == 1 || (z >= 57 && z <= 73)) x2 = random_real(0.001f, 1.0f);
        set_slot_digits(2, x2, random_int(2, 5));
        name = element_name(z);
        problem_texts.problem_text = "La massa di un atomo di " + name + " è pari a " + slot_text(1) +
                                     " g. Calcolare quanti atomi sono contenuti in ";
    } else {
        std::int32_t c = 0;
        draw_until_accepted([&] {
            c = random_int(1, 500);
            const CompoundRecord& record = compound_record(c);
            const bool empty = strip_blanks(record_columns(record, 81, 81)).empty();
            return !empty && record_columns(record, 71, 71) == "m";
        });
        float mass_uncertainty = 0.0f;
        const float molar_mass = compound_molar_mass(c, mass_uncertainty);
        set_slot_uncertainty(1, molar_mass * atomic_mass_unit_grams_f, mass_uncertainty * atomic_mass_unit_grams_f);
        float x2 = random_real(1.0f, 100.0f);
        if (random_int(1, 2) == 1) x2 = random_real(0.001f, 1.0f);
        set_slot_digits(2, x2, random_int(2, 5));
        name = compound_name(c);
        problem_texts.problem_text = "La massa di una molecola di " + name + " è pari a " + slot_text(1) +
                                     " g. Calcolare quante molecole sono contenute in ";
    }
    problem_texts.problem_text += slot_text(2) + " " + std::string(mass_units[u].code) + " di " + name;

    // The particle's mass as printed, a datum like the sample's: three units
    // of its last digit, whatever the table's own uncertainty.
    convert_data_slot(1, slot_digits_from_text);
    const double grams_per_unit = mass_units[u].factor;
    set_slot_from_data(3, {1, 2},
                       [grams_per_unit](const std::vector<double>& d) { return grams_per_unit / d[0] * d[1]; });
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(160, 540, 45);
    show_chemistry_fact(180, 140, 350);
}

}  // namespace basic_notions

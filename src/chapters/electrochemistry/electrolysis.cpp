// Section "Elettrolisi": problems 1 to 4.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace electrochemistry {

constexpr std::array<Resistivity, 14> resistivity_table{{
    {"Al", "2.709"},
    {"Cr", "12.5"},
    {"Cu", "1.712"},
    {"Au", "2.255"},
    {"Fe", "9.87"},
    {"Pb", "21.1"},
    {"Mn", "144."},
    {"Mo", "5.47"},
    {"Ni", "7.12"},
    {"Pt", "10.7"},
    {"Ag", "1.617"},
    {"W", "5.39"},
    {"Zn", "6.01"},
    {"V", "20.1"},
}};

namespace {

// Atomic numbers of the metals deposited: four whose ion carries charge 1,
// five charge 2 and aluminium, charge 3.
constexpr std::array<std::int32_t, 10> deposition_metal_table{3, 11, 19, 47, 12, 20, 56, 29, 30, 13};

float ion_charge_factor(std::int32_t v)
{
    if (v == 10) return 0.33333334f;
    return v >= 5 ? 0.5f : 1.0f;
}

}  // namespace

void generate_problem_1()
{
    skip_random_draws(8);
    const std::int32_t unit = pick_problem_variant(3, electrochemistry_state.last_variant[1], 3);
    value_slots[1].value = random_real(1.0f, 9.99f);
    const std::int32_t e = random_int(-2, 0);
    value_slots[2].value = random_real(1.0f, 9.0f) * power_of_ten(e);
    convert_data_slot(1, 2);
    convert_data_slot(2, 3);
    static constexpr std::array<std::string_view, 3> time_units = {" s", " min", " ore"};
    static constexpr std::array<float, 3> seconds = {1.0f, 60.0f, 3600.0f};
    problem_texts.problem_text = "@T1@@C1@Calcolare quante moli di elettroni sono trasferite in " + slot_text(1) +
                                 std::string(time_units[unit - 1]) + " da una corrente di intensità " + slot_text(2) +
                                 " A";
    const float moles = slot_value(2) * slot_value(1) * moles_per_coulomb_f * seconds[unit - 1];
    set_slot_from_relative_uncertainties(3, moles, {2, 1});
    problem_texts.answer_text = slot_text(3) + " mol";
    draw_problem_text(170, 470, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_2()
{
    skip_random_draws(6);
    const Resistivity& metal =
        resistivity_table[pick_problem_variant(14, electrochemistry_state.last_variant[2], 12) - 1];
    // The chapter's lists were written for a search of elements 1 to 100.
    const std::int32_t found = symbol_search(metal.symbol);
    const std::int32_t z = found <= 100 ? found : 0;
    const std::string name = element_name(z);
    const bool vowel = !name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos;
    const std::string of_metal = (vowel ? "d'" : "di ") + name;
    set_slot_text(1, metal.resistivity);
    value_slots[1].value *= 1e-8f;
    value_slots[1].uncertainty *= 1e-8f;
    convert_data_slot(1, slot_digits_from_uncertainty);
    set_slot_digits(2, random_real(1.0f, 9.99f) * 0.01f, 3);
    float length = random_real(1.0f, 9.99f);
    if (random_int(1, 2) == 1) length *= 10.0f;
    // A section large against the length would make a stubby wire.
    if (slot_value(2) / length > 0.001f) length *= 10.0f;
    set_slot_digits(3, length, 3);
    set_slot_digits(4, random_real(1.0f, 9.0f), 3);
    problem_texts.problem_text = "@T1@@C1@La resistività d" + join_article_to_name(name) +
                                 " a temperatura ambiente è pari a " + slot_text(1) +
                                 " ohm•m. Calcolare l'intensità della corrente in un filo " + of_metal +
                                 " di sezione " + slot_text(2) + " mm@u2@ e lungo " + slot_text(3) +
                                 " cm i cui capi si trovano alla differenza di potenziale di " + slot_text(4) + " V";
    // I = V·A/(ρ·L) with the section in m² and the length in m.
    set_slot_from_data(5, {4, 2, 3, 1}, {4},
                       [](const std::vector<double>& d) { return d[0] * d[1] / (d[2] * d[3]) * 1e-4; });
    problem_texts.answer_text = slot_text(5) + " A";
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(180, 160, 300);
}

void generate_problem_3()
{
    skip_random_draws(2);
    const std::int32_t v = pick_problem_variant(10, electrochemistry_state.last_variant[3], 2);
    const std::int32_t z = deposition_metal_table[v - 1];
    const float current = random_real(1.0f, 15.0f);
    const std::int32_t e = random_int(0, 1);
    float hours = random_real(1.0f, 9.0f) * power_of_ten(-e);
    if (random_int(1, 2) == 1) hours *= 10.0f;
    set_slot_digits(1, current, 3);
    set_slot_digits(2, hours, 3);
    problem_texts.problem_text = "@T1@@C1@Calcolare quanto " + element_name(z) +
                                 " viene depositato al catodo in un'elettrolisi con una corrente di " + slot_text(1) +
                                 " A per " + slot_text(2) + " ore";
    set_slot_text(3, element_field(z, 21, 29));
    // The atomic mass is known far better than the current and the time.
    const float grams = slot_value(2) * slot_value(3) * slot_value(1) * moles_per_ampere_hour_f * ion_charge_factor(v);
    set_slot_from_relative_uncertainties(4, grams, {2, 1});
    problem_texts.answer_text = slot_text(4) + " g";
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_4()
{
    skip_random_draws(8);
    const bool oxygen = pick_problem_variant(2, electrochemistry_state.last_variant[4], 2) == 2;
    const std::int32_t e = random_int(0, 2);
    float volume = random_real(1.0f, 15.0f) * power_of_ten(-e);
    const bool millilitres = volume < 1.0f;
    if (millilitres) volume *= 1000.0f;
    float current = random_real(1.0f, 9.0f);
    if (random_int(1, 2) == 1) current *= 0.1f;
    set_slot_digits(1, volume, 3);
    set_slot_digits(2, current, 3);
    set_slot_digits(5, static_cast<float>(random_int(10, 70)), 2);
    value_slots[6].value = kelvin(slot_value(5));
    problem_texts.problem_text =
        "@T1@@C1@Calcolare quanto tempo è necessario per sviluppare " + slot_text(1) +
        (millilitres ? " mL di" : " L di") + (oxygen ? " ossigeno" : " idrogeno") + " misurati a " + slot_text(5) +
        "@uo@C e pressione atmosferica nell'elettrolisi dell'acqua da una corrente di " + slot_text(2) + " A";
    // Moles of gas at 1 atm times 2F over the current; oxygen takes four
    // electrons a molecule. The temperature's two digits leave three kelvin,
    // about a percent.
    const double litres_per_unit = millilitres ? 0.001 : 1.0;
    const double per_molecule = oxygen ? 2.0 : 1.0;
    set_slot_from_data(3, {1, 2, 5}, {5}, [litres_per_unit, per_molecule](const std::vector<double>& d) {
        return d[0] * litres_per_unit / ((d[2] + celsius_zero_f) * d[1] * gas_constant_litre_atm_cut_f) *
               two_faraday_f * per_molecule;
    });
    const float seconds = slot_value(3);
    const float uncertainty = slot_uncertainty(3);
    float per_second = 1.0f;
    std::string_view unit = " s";
    if (seconds >= 3600.0f) {
        per_second = 0.00027777778f;
        unit = " ore";
    } else if (seconds >= 60.0f) {
        per_second = 0.016666668f;
        unit = " min";
    }
    set_slot_uncertainty(3, seconds * per_second, uncertainty * per_second);
    problem_texts.answer_text = slot_text(3) + std::string(unit);
    draw_problem_text(170, 520, 50);
    show_chemistry_fact(280, 160, 300);
}

}  // namespace electrochemistry

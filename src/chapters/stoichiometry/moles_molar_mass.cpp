// Section "Mole e massa molare": problems 1 to 10, atoms, moles and masses
// of elements (1 to 4) and of compounds (5 to 10).
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/element_draws.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace stoichiometry {
namespace {

// Metals that problems 2 to 4 weigh by the kilogram or take as the second
// element, drawn by random_int (0, 18).
constexpr std::array<std::int32_t, 19> metal_list = {12, 13, 22, 23, 24, 25, 26, 27, 28, 29,
                                                     30, 38, 40, 42, 47, 48, 79, 80, 82};

std::int32_t draw_metal()
{
    return metal_list[static_cast<std::size_t>(random_int(0, 18))];
}

struct MassUnit {
    std::string_view name;
    float grams;
};

// Units 4 to 6 of the list pg, ng, µg, mg, g, kg: the only ones drawn.
constexpr std::array<MassUnit, 3> mass_units{{{"mg", 1e-3f}, {"g", 1.0f}, {"kg", 1000.0f}}};

const MassUnit& draw_mass_unit(std::int32_t& u)
{
    u = random_int(4, 6);
    return mass_units[static_cast<std::size_t>(u - 4)];
}

// Lanthanides and the elements after them up to tantalum are rarer, so
// their samples are a hundred times smaller.
bool is_rare_heavy_element(std::int32_t z)
{
    return z > 56 && z < 74;
}

// Problems 2 and 4: a first element and its sample mass in slot 2 (in the
// drawn unit), its atomic mass in slot 1. By the kilogram the element is a
// metal of the list.
std::int32_t draw_element_and_sample(std::int32_t u, bool discard_draw)
{
    std::int32_t z = 0;
    float mass = 0.0f;
    if (u != 6) {
        z = draw_element_of_known_mass();
        // A draw that once decided the mass and is kept for the versions.
        if (discard_draw) random_real(0.0f, 1.0f);
        mass = random_real(1.0f, 100.0f);
        if (random_int(1, 2) == 1) mass *= 0.01f;
        if (is_rare_heavy_element(z)) mass *= 0.01f;
    } else {
        z = draw_metal();
        mass = random_real(0.1f, 9.0f);
    }
    value_slots[2].value = mass;
    set_slot_atomic_mass(1, z);
    convert_data_slot(2, random_int(2, 5));
    return z;
}

// --- Compounds (problems 5 to 10) ----------------------------------------

std::int32_t draw_compound(std::int32_t first)
{
    std::int32_t k = 0;
    draw_until_accepted([&] {
        k = random_int(first, compound_slots);
        return is_drawable_compound(k);
    });
    return k;
}

// A given mass or amount into slot 1, in one of two ranges.
void draw_quantity(float lo, float hi, float small_lo, float small_hi)
{
    float v = random_real(lo, hi);
    if (random_int(1, 2) == 1) v = random_real(small_lo, small_hi);
    set_slot_digits(1, v, random_int(2, 5));
}

struct CompoundElement {
    std::int32_t group = 0;
    std::int32_t element = 0;
};

CompoundElement draw_compound_element(std::int32_t k)
{
    CompoundElement e;
    e.group = random_int(1, composition_groups(k));
    e.element = group_element(k, e.group);
    return e;
}

std::string name_and_formula(std::int32_t k)
{
    return compound_name(k) + ", " + compound_formula(k);
}

struct MolarMasses {
    float compound = 0.0f;
    float compound_uncertainty = 0.0f;
    float element = 0.0f;  // the element's atoms in one mole of compound
    float element_uncertainty = 0.0f;
};

MolarMasses molar_masses(std::int32_t k, std::int32_t g)
{
    MolarMasses m;
    m.compound = compound_molar_mass(k, m.compound_uncertainty);
    m.element = compute_molar_mass(composition_group(k, g), m.element_uncertainty);
    return m;
}

// The element's mass percentage in the compound into the slot.
void set_mass_percentage(std::int32_t slot, const MolarMasses& m)
{
    const float percentage = m.element / m.compound * 100.0f;
    set_slot_uncertainty(slot, percentage,
                         (m.element_uncertainty / m.element + m.compound_uncertainty / m.compound) * percentage);
}

}  // namespace

void generate_problem_1()
{
    skip_random_draws(1);
    std::int32_t z = 0;
    draw_until_accepted([&] {
        z = random_int(1, 83);
        return z != 43;
    });
    const float mantissa = random_real(1.0f, 9.99f);
    std::int32_t e = random_int(22, 24);
    if (is_rare_heavy_element(z)) e = random_int(21, 22);
    set_slot_digits(1, mantissa * power_of_ten(e), random_int(3, 5));
    const float avogadro = physical_constants().avogadro_number;
    set_slot_uncertainty(2, slot_value(1) / avogadro, slot_uncertainty(1) / avogadro);
    set_slot_atomic_mass(3, z);
    const float mass = slot_value(2) * slot_value(3);
    set_slot_uncertainty(4, mass, (relative_uncertainty(3) + relative_uncertainty(2)) * mass);
    problem_texts.problem_text = "A quante moli di atomi di " + element_name(z) +
                                 " corrisponde un insieme costituito da " + slot_text(1) +
                                 " atomi di questo elemento? Qual è la sua massa?";
    problem_texts.answer_text = slot_text(2) + " mol; " + slot_text(4) + " g";
    draw_problem_text(160, 540, 45);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_2()
{
    skip_random_draws(2);
    std::int32_t u = 0;
    const MassUnit& unit = draw_mass_unit(u);
    std::int32_t z = 0;
    draw_until_accepted([&] {
        z = draw_element_and_sample(u, true);
        return !repeats_last_draw(2, z);
    });
    stoichiometry_state.last_draw[2] = z;
    problem_texts.problem_text = "Quante moli di atomi e quanti atomi di " + element_name(z) + " sono contenuti in " +
                                 slot_text(2) + " " + std::string(unit.name) + " di questo elemento?";
    const float moles = unit.grams / slot_value(1) * slot_value(2);
    set_slot_uncertainty(3, moles,
                         (std::fabs(relative_uncertainty(2)) + std::fabs(relative_uncertainty(1))) * std::fabs(moles));
    const float avogadro = physical_constants().avogadro_number;
    set_slot_uncertainty(4, slot_value(3) * avogadro, slot_uncertainty(3) * avogadro);
    problem_texts.answer_text = slot_text(3) + " mol di atomi; " + slot_text(4) + " atomi";
    draw_problem_text(160, 580, 55);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_3()
{
    skip_random_draws(7);
    const bool by_metal = random_int(4, 6) == 6;
    std::int32_t z1 = 0;
    std::int32_t z2 = 0;
    draw_until_accepted([&] {
        z1 = by_metal ? draw_metal() : draw_element_of_known_mass();
        set_slot_atomic_mass(1, z1);
        if (repeats_last_draw(3, z1)) return false;
        z2 = draw_metal();
        return z2 != z1;
    });
    stoichiometry_state.last_draw[3] = z1;
    const float mantissa = random_real(1.0f, 9.8f);
    const std::int32_t e = random_int(18, 24);
    const std::int32_t digits = random_int(3, 4);
    set_slot_digits(2, mantissa * power_of_ten(e), digits);
    problem_texts.problem_text = "Calcolare quanti atomi di " + element_name(z2) +
                                 " sono contenuti in un campione di massa uguale a quella di un campione di " +
                                 element_name(z1) + " contenente " + slot_text(2) + " atomi";
    set_slot_atomic_mass(4, z2);
    const float atoms = slot_value(2) / slot_value(4) * slot_value(1);
    set_slot_uncertainty(5, atoms,
                         (relative_uncertainty(2) + relative_uncertainty(4) + relative_uncertainty(1)) * atoms);
    problem_texts.answer_text = slot_text(5);
    draw_problem_text(200, 520, 45);
    show_chemistry_fact(270, 140, 280);
}

void generate_problem_4()
{
    skip_random_draws(5);
    std::int32_t u = 0;
    const MassUnit& unit = draw_mass_unit(u);
    std::int32_t z1 = 0;
    std::int32_t z2 = 0;
    draw_until_accepted([&] {
        z1 = draw_element_and_sample(u, false);
        if (repeats_last_draw(4, z1)) return false;
        z2 = draw_metal();
        return z2 != z1;
    });
    stoichiometry_state.last_draw[4] = z1;
    problem_texts.problem_text = "Quanto " + element_name(z2) +
                                 " si deve pesare per avere un numero di atomi uguale a quello presente in " +
                                 slot_text(2) + " " + std::string(unit.name) + " di " + element_name(z1) + "?";
    // The moles stay unconverted, with the mass still in the given unit.
    ValueSlot& moles = value_slots[3];
    moles.value = slot_value(2) / slot_value(1);
    moles.uncertainty = (relative_uncertainty(2) + relative_uncertainty(1)) * moles.value;
    set_slot_atomic_mass(4, z2);
    const float mass = slot_value(3) * slot_value(4);
    set_slot_uncertainty(5, mass, (relative_uncertainty(3) + relative_uncertainty(4)) * mass);
    problem_texts.answer_text = slot_text(5) + " " + std::string(unit.name);
    draw_problem_text(200, 540, 55);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_5()
{
    skip_random_draws(1);
    const std::int32_t k = draw_compound(1);
    draw_quantity(0.1f, 9.99f, 0.0001f, 0.1f);
    problem_texts.problem_text =
        "Calcolare quante moli di " + name_and_formula(k) + ", sono contenute in " + slot_text(1) + " g di sostanza.";
    float s = 0.0f;
    const float m = compound_molar_mass(k, s);
    const float moles = slot_value(1) / m;
    set_slot_uncertainty(2, moles, (relative_uncertainty(1) + s / m) * moles);
    problem_texts.answer_text = "@C1@@T1@" + slot_text(2) + " mol";
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(280, 150, 300);
}

void generate_problem_6()
{
    skip_random_draws(4);
    const std::int32_t k = draw_compound(1);
    draw_quantity(0.1f, 9.99f, 0.0001f, 0.1f);
    const CompoundElement e = draw_compound_element(k);
    problem_texts.problem_text = "Calcolare la massa di " + slot_text(1) + " mol di " + name_and_formula(k) +
                                 ", e quante moli di atomi di " + element_name(e.element) +
                                 " sono contenute in questo campione.";
    float s = 0.0f;
    const float m = compound_molar_mass(k, s);
    const float mass = m * slot_value(1);
    set_slot_uncertainty(2, mass, (relative_uncertainty(1) + s / m) * mass);
    const auto count = static_cast<float>(group_count(k, e.group));
    set_slot_uncertainty(3, count * slot_value(1), count * slot_uncertainty(1));
    problem_texts.answer_text = "@C1@@T1@" + slot_text(2) + " g; " + slot_text(3) + " mol";
    draw_problem_text(230, 550, 60);
    show_chemistry_fact(180, 170, 360);
}

void generate_problem_7()
{
    skip_random_draws(5);
    const std::int32_t k = draw_compound(11);
    const CompoundElement e = draw_compound_element(k);
    draw_quantity(1.0f, 200.0f, 0.01f, 1.0f);
    problem_texts.problem_text = "Calcolare quante moli di atomi di " + element_name(e.element) +
                                 " sono contenute in " + slot_text(1) + " g di " + name_and_formula(k);
    // The molar mass's digits count as the sample's do.
    float molar_uncertainty = 0.0f;
    const float molar = compound_molar_mass(k, molar_uncertainty);
    const float moles = static_cast<float>(group_count(k, e.group)) / molar * slot_value(1);
    set_slot_uncertainty(2, moles, moles * (relative_uncertainty(1) + molar_uncertainty / molar));
    problem_texts.answer_text = "@C1@@T1@" + slot_text(2) + " mol";
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_8()
{
    skip_random_draws(1);
    const std::int32_t k = draw_compound(11);
    const CompoundElement e = draw_compound_element(k);
    draw_quantity(1.0f, 200.0f, 0.01f, 1.0f);
    problem_texts.problem_text = "Calcolare quanto " + element_name(e.element) + " è contenuto in " + slot_text(1) +
                                 " g di " + name_and_formula(k);
    const MolarMasses m = molar_masses(k, e.group);
    const float mass = m.element / m.compound * slot_value(1);
    set_slot_uncertainty(
        2, mass,
        (relative_uncertainty(1) + m.element_uncertainty / m.element + m.compound_uncertainty / m.compound) * mass);
    problem_texts.answer_text = "@C1@@T1@" + slot_text(2) + " g";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_9()
{
    skip_random_draws(7);
    const std::int32_t k = draw_compound(11);
    const CompoundElement e = draw_compound_element(k);
    set_mass_percentage(1, molar_masses(k, e.group));
    draw_grams(2);
    const float sample = slot_value(2) / slot_value(1) * 100.0f;
    set_slot_uncertainty(3, sample, (relative_uncertainty(2) + relative_uncertainty(1)) * sample);
    problem_texts.problem_text = "Calcolare la massa di un campione di " + name_and_formula(k) + ", contenente " +
                                 slot_text(2) + " g di " + element_name(e.element);
    problem_texts.answer_text = "@C1@@T1@" + slot_text(3) + " g";
    draw_problem_text(210, 500, 50);
    show_chemistry_fact(270, 160, 280);
}

void generate_problem_10()
{
    skip_random_draws(4);
    const std::int32_t k = draw_compound(11);
    const CompoundElement e = draw_compound_element(k);
    const std::string name = compound_name(k);
    std::string& text = problem_texts.problem_text;
    text = "Calcolare la percentuale in peso di " + element_name(e.element) + " nel";
    // "nell'" before a lower-case vowel, "nel " before anything else.
    const bool vowel = !name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos;
    text += (vowel ? "l'" : " ") + name;
    text += ", " + compound_formula(k);
    set_mass_percentage(1, molar_masses(k, e.group));
    problem_texts.answer_text = "@C1@@T1@" + slot_text(1) + "%";
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(200, 160, 360);
}

}  // namespace stoichiometry

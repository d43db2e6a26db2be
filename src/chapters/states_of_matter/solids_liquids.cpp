// Section "Solidi e liquidi", problems 29 to 34: kinds of solids, crystal
// systems and the cells of cubic metals, ionic and molecular crystals.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/states_of_matter/ionic_crystals.h"
#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/cubic_cells.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "chemistry/true_false_statements.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace states_of_matter {
namespace {

// Problem 30's cell parameters for each system, from slots 1 to 6 (a, b,
// c, alpha, beta, gamma).
std::string cell_parameters(std::int32_t variant)
{
    const std::string a = slot_text(1) + " nm";
    switch (variant) {
    case 1: return " @ia@ = @ib@ = @ic@ = " + a + "; @ba@ = @bb@ = @bg@ = 90@uo@?";
    case 2: return " @ia@ = @ib@ = " + a + ", @ic@ = " + slot_text(3) + " nm; @ba@ = @bb@ = @bg@ = 90@uo@?";
    case 3:
        return " @ia@ = " + a + ", @ib@ = " + slot_text(2) + " nm, @ic@ = " + slot_text(3) +
               " nm; @ba@ = @bb@ = @bg@ = 90@uo@?";
    case 4: return " @ia@ = @ib@ = " + a + ", @ic@ = " + slot_text(3) + " nm; @ba@ = @bb@ = 90@uo@, @bg@ = 120@uo@?";
    case 5: return " @ia@ = @ib@ = @ic@ = " + a + "; @ba@ = @bb@ = @bg@ = " + slot_text(6) + "@uo@?";
    case 6:
        return " @ia@ = " + a + ", @ib@ = " + slot_text(2) + " nm, @ic@ = " + slot_text(3) +
               " nm; @ba@ = @bg@ = 90@uo@, @bb@ = " + slot_text(5) + "@uo@?";
    default:
        return " @ia@ = " + a + ", @ib@ = " + slot_text(2) + " nm, @ic@ = " + slot_text(3) +
               " nm; @ba@ = " + slot_text(4) + "@uo@, @bb@ = " + slot_text(5) + "@uo@, @bg@ = " + slot_text(6) +
               "@uo@?";
    }
}

constexpr std::array<std::string_view, 7> crystal_systems = {"Cubico",      "Tetragonale", "Rombico", "Esagonale",
                                                             "Romboedrico", "Monoclino",   "Triclino"};

// A cubic metal's position numbers the two lists as one: 1 to 25 body-centred,
// 51 to 69 face-centred, odd only.
struct CubicMetal {
    std::int32_t lattice;  // 1 body-centred, 2 face-centred
    std::int32_t position;
    std::int32_t z;
};

CubicMetal draw_cubic_metal(std::int32_t problem)
{
    CubicMetal metal{0, 0, 0};
    draw_until_accepted([&] {
        metal.lattice = random_int(1, 2);
        metal.position = metal.lattice == 1 ? 2 * random_int(1, 13) - 1 : 2 * random_int(1, 10) + 49;
        return !(no_version_in_use() && metal.position == state.last_draw[problem]);
    });
    state.last_draw[problem] = metal.position;
    const std::string_view symbol = metal.lattice == 1 ? body_centred_metals[(metal.position - 1) / 2]
                                                       : face_centred_metals[(metal.position - 51) / 2];
    const std::int32_t z = symbol_search(symbol);
    metal.z = z <= 100 ? z : 0;
    // Slot 1: the density (g/cm³), slot 2: the atomic mass, with the digits
    // of the element table.
    set_slot_text(1, element_field(metal.z, 34, 40));
    set_slot_text(2, element_field(metal.z, 21, 30));
    return metal;
}

std::string_view lattice_name(const CubicMetal& metal)
{
    return metal.lattice == 1 ? " corpo centrato" : " facce centrate";
}

// The cell edge (nm) of a cubic metal with 2 or 4 atoms per cell.
float cell_edge(const CubicMetal& metal)
{
    return cubic_cell_edge(2 * metal.lattice, slot_value(2), slot_value(1));
}

}  // namespace

// Densities between the CRC Handbook's ("Physical constants of inorganic
// compounds") and the crystal cell's, Z M / (N_A a^3), which part by 6 %
// for sodium oxide (2.27 and 2.41) and 1.3 % for nickel oxide (6.72 and
// 6.81), by 0.5 % at most for the others.
constexpr std::array<IonicCrystal, 14> ionic_crystals{{
    {compounds::sodium_chloride, '4', "2.165"},
    {compounds::silver_chloride, '4', "5.56"},
    {compounds::potassium_bromide, '4', "2.75"},
    {compounds::silver_bromide, '4', "6.47"},
    {compounds::magnesium_oxide, '4', "3.58"},
    {compounds::nickel_oxide, '4', "6.72"},
    {compounds::barium_fluoride, '4', "4.89"},
    {compounds::calcium_fluoride, '4', "3.180"},
    {compounds::sodium_oxide, '4', "2.27"},
    {compounds::potassium_oxide, '4', "2.35"},
    {compounds::sodium_sulfide, '4', "1.856"},
    {compounds::potassium_sulfide, '4', "1.805"},
    {compounds::caesium_chloride, '1', "3.988"},
    {compounds::calcium_sulfide, '4', "2.59"},
}};

void generate_problem_29()
{
    skip_random_draws(1);
    std::string& text = problem_texts.problem_text;
    std::int32_t truth = 0;
    make_true_false_statement(2, 6, text, 1000, truth);
    const std::string statement(strip_trailing_blanks(text));
    text = "Stabilire se l'affermazione @C3@''" + statement + "''@C1@ è vera o falsa";
    problem_texts.answer_text = truth != 0 ? "Vera" : "Falsa";
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_30()
{
    skip_random_draws(5);
    const std::int32_t variant = pick_problem_variant(7, state.last_draw[30], 0);
    set_slot_digits(1, random_real(0.4f, 1.0f), 3);
    set_slot_digits(3, random_real(1.5f * slot_value(1), 2.0f), 3);
    set_slot_digits(2, random_real(1.1f * slot_value(1), 0.9090909f * slot_value(3)), 3);
    for (std::int32_t slot = 4; slot <= 6; ++slot) {
        value_slots[slot].value = random_real(70.0f, 88.0f);
        if (random_int(1, 2) == 1) value_slots[slot].value = random_real(92.0f, 110.0f);
        convert_data_slot(slot, 3);
    }
    problem_texts.problem_text =
        "A quale sistema cristallino corrisponde una cella elementare individuata dai seguenti parametri:" +
        cell_parameters(variant);
    problem_texts.answer_text = std::string(crystal_systems[variant - 1]);
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(170, 160, 300);
}

void generate_problem_31()
{
    skip_random_draws(1);
    const CubicMetal metal = draw_cubic_metal(31);
    const std::string name = element_name(metal.z);
    std::string_view article = "Il ";
    if (metal.position == 53) article = "Lo ";
    if (metal.position == 57 || metal.position == 67 || metal.position == 69) article = "L'";
    problem_texts.problem_text =
        std::string(article) + name + " cristallizza nel reticolo cubico a" + std::string(lattice_name(metal)) +
        " e la sua densità è pari a " + element_field(metal.z, 34, 40) +
        " g/cm@u3@. Calcolare il lato della cella elementare e la distanza tra atomi di " + name + " a contatto";
    // A cube root: a third of the volume's relative uncertainty.
    const float relative = (relative_uncertainty(2) + relative_uncertainty(1)) / 3.0f;
    const float edge = cell_edge(metal);
    value_slots[3].value = edge;
    value_slots[3].uncertainty = relative * edge;
    const float contact = metal.lattice == 1 ? edge * 1.7320508f * 0.5f : edge * 1.4142135f * 0.5f;
    value_slots[4].value = contact;
    value_slots[4].uncertainty = relative * contact;
    convert_data_slot(3, slot_digits_from_uncertainty);
    convert_data_slot(4, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(3) + " nm; " + slot_text(4) + " nm";
    draw_problem_text(200, 535, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_32()
{
    skip_random_draws(4);
    const CubicMetal metal = draw_cubic_metal(32);
    set_slot_digits(3, cell_edge(metal), 3);
    problem_texts.problem_text = "Calcolare la densità d" + join_article_to_name(element_name(metal.z)) +
                                 ", che cristallizza in una cella cubica a" + std::string(lattice_name(metal)) +
                                 " di lato pari a " + slot_text(3) + " nm";
    const float edge = slot_value(3);
    float density = slot_value(2) / (edge * edge * edge) * physical_constants().atomic_mass_unit * 2.0f * 1.0e27f;
    if (metal.lattice == 2) density = density * 2.0f;
    set_slot_uncertainty(5, density, (3.0f * slot_uncertainty(3) / edge + relative_uncertainty(2)) * density);
    problem_texts.answer_text = slot_text(5) + " kg/m@u3@";
    draw_problem_text(160, 480, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_33()
{
    skip_random_draws(1);
    const IonicCrystal& crystal = ionic_crystals[pick_problem_variant(14, state.last_draw[33], 0) - 1];
    set_slot_text(1, crystal.density);
    const std::int32_t c = crystal.compound;
    const bool vowel = c == 21 || c == 41 || c == 275 || c == 276;
    problem_texts.problem_text =
        std::string(vowel ? "L'" : "Il ") + compound_name(c) + " cristallizza in una cella cubica con" +
        (crystal.units == '1' ? " un'" : " quattro ") + "unità di formula per cella e la sua densità è pari a " +
        slot_text(1) + " g/cm@u3@. Calcolare il lato della cella";
    float um = 0.0f;
    const float m = compound_molar_mass(c, um);
    float volume = m / slot_value(1) * physical_constants().atomic_mass_unit * 1.0e24f;
    if (crystal.units == '4') volume = volume * 4.0f;
    const float volume_uncertainty = (um / m + relative_uncertainty(1)) * volume;
    const float edge = std::cbrt(volume);
    set_slot_uncertainty(3, edge, edge / volume * volume_uncertainty / 3.0f);
    problem_texts.answer_text = slot_text(3) + " nm";
    draw_problem_text(200, 550, 50);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_34()
{
    skip_random_draws(4);
    std::int32_t variant = 0;
    std::int32_t pair = 0;
    draw_until_accepted([&] {
        variant = random_int(1, 3);
        if (no_version_in_use() && variant == state.last_draw[34]) return false;
        set_slot_digits(1, random_real(0.7f, 1.0f), 3);
        set_slot_digits(3, random_real(1.5f * slot_value(1), 2.0f), 3);
        set_slot_digits(2, random_real(1.1f * slot_value(1), 0.9090909f * slot_value(3)), 3);
        set_slot_digits(7, random_real(0.8f, 1.4f), 3);
        pair = random_int(1, 2);
        const float a = slot_value(1);
        if (variant == 1) value_slots[8].value = a * a * a;
        if (variant == 2) value_slots[8].value = a * a * slot_value(3);
        if (variant == 3) value_slots[8].value = a * slot_value(2) * slot_value(3);
        value_slots[9].value = slot_value(7) /
                               (static_cast<float>(pair) * physical_constants().atomic_mass_unit * 2000.0f) *
                               slot_value(8) * 1.0e-21f;
        return slot_value(9) >= 50.0f && slot_value(9) <= 250.0f;
    });
    state.last_draw[34] = variant;

    std::string& text = problem_texts.problem_text;
    text = "Una sostanza molecolare cristallizza allo stato solido in una cella";
    if (variant == 1) text += " cubica di lato " + slot_text(1) + " nm";
    if (variant == 2)
        text += " tetragonale di assi @ia@ = @ib@ = " + slot_text(1) + " nm e @ic@ = " + slot_text(3) + " nm";
    if (variant == 3)
        text += " rombica di assi " + slot_text(1) + " nm, " + slot_text(2) + " nm e " + slot_text(3) + " nm";
    text += pair == 1 ? " con due" : " con quattro";
    text += " molecole per cella. Qual è la massa molecolare della sostanza, se la densità dei cristalli è pari "
            "a " +
            slot_text(7) + " g/cm@u3@?";
    // Every axis the statement prints counts: a three times in a cube, twice
    // beside c in the tetragonal cell.
    float axes = 3.0f * relative_uncertainty(1);
    if (variant == 2) axes = 2.0f * relative_uncertainty(1) + relative_uncertainty(3);
    if (variant == 3) axes = relative_uncertainty(1) + relative_uncertainty(2) + relative_uncertainty(3);
    value_slots[8].uncertainty = slot_value(8) * axes;
    value_slots[9].uncertainty = (relative_uncertainty(7) + slot_uncertainty(8) / slot_value(8)) * slot_value(9);
    convert_data_slot(9, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(9) + " u.m.a.";
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(180, 170, 360);
}

}  // namespace states_of_matter

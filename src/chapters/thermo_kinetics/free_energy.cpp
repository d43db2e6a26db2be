// Section "Energia libera": problems 26 and 27, the standard free energy of
// a reaction and the temperatures at which it is spontaneous.
#include <string>
#include <string_view>
#include <vector>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/reaction_thermo.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace thermo_kinetics {
namespace {

constexpr std::string_view free_energy_reactions = "  1  2  3  4  6  9 14 15 16 18 21 22 23 33 38 46 47 57 73 74 75 76";

// Above this no compound of the table stands undissociated.
constexpr double hottest_molecules_kelvin = 3000.0;

// The temperature at which dG = dH - T dS changes sign, and whether every
// species exists there in its printed state at 1 atm (a solid below its
// melting or decomposition point, a liquid below its boiling point, water
// as vapour above 373 K).
struct SpontaneityCrossover {
    ReactionThermo thermo;
    float kelvin = 0.0f;
    bool holds = false;
};

SpontaneityCrossover spontaneity_crossover(std::int32_t n, const std::vector<ReactionSpecies>& species, std::int32_t w)
{
    SpontaneityCrossover c;
    c.thermo = compute_reaction_thermo(reaction_record(n), w, 25.0f).value_or(ReactionThermo{});
    c.kelvin = c.thermo.dH / c.thermo.dS * 1000.0f;
    c.holds = c.kelvin > 0.0f && c.kelvin <= hottest_molecules_kelvin && printed_states_hold(species, w, c.kelvin, 1.0);
    return c;
}

}  // namespace

void generate_problem_26()
{
    skip_random_draws(2);
    const std::int32_t n = pick_reaction(26, free_energy_reactions, 19);
    const std::int32_t w = random_int(1, 2);
    problem_texts.problem_text = formation_sum_statement(
        reaction_species(n), w,
        {"@T1@@C1@Il valore di @bD@@df@@iG@@u0@ a 298 K per ", "@T1@@C1@I valori di @bD@@df@@iG@@u0@ a 298 K per ",
         " è pari a", " sono pari a", 139, 146, " kJ/mol. Calcolare @bD@@iG@@u0@ a 298 K per la reazione"});
    const std::int32_t direction = draw_statement_and_reaction(n, w, 582, 50, 90, 90);
    show_chemistry_fact(280, 150, 300);
    if (direction == right_to_left) value_slots[1].value = -slot_value(1);
    convert_data_slot(1, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(1) + " kJ";
}

void generate_problem_27()
{
    skip_random_draws(2);
    const std::int32_t n = pick_reaction(27, free_energy_reactions, 22);
    // Drawn to keep the stream in step: water's state follows the crossover.
    random_int(1, 2);
    const std::vector<ReactionSpecies> species = reaction_species(n);
    // Water as vapour where the equation so printed holds at its crossover
    // (above 373 K at 1 atm), else liquid, as at 298 K.
    const SpontaneityCrossover vapour = spontaneity_crossover(n, species, water_as_vapour);
    const std::int32_t w = vapour.holds ? water_as_vapour : 1;
    const SpontaneityCrossover crossover = vapour.holds ? vapour : spontaneity_crossover(n, species, w);
    set_slot_digits(4, crossover.kelvin, 2);
    problem_texts.problem_text =
        "@T1@@C1@Utilizzando la relazione @bD@@iG@@u0@(@iT@) = @bD@@iH@@u0@(298 K) - @iT@@bD@@iS@@u0@(298 K), "
        "prevedere approssimativamente a quali temperature avviene spontaneamente a pressione atmosferica la "
        "reazione";
    const std::int32_t direction = draw_statement_and_reaction(n, w, 582, 50, 105, 100);
    show_chemistry_fact(170, 155, 300);
    const float sign = direction == right_to_left ? -1.0f : 1.0f;
    const float dh = sign * crossover.thermo.dH;
    const float ds = sign * crossover.thermo.dS;
    // Without a crossover where the printed states exist, the sign of dG
    // holds wherever they do: that of 298 K.
    if (!crossover.holds)
        problem_texts.answer_text = dh - 0.29815f * ds < 0.0f ? "Sempre" : "Mai";
    else
        problem_texts.answer_text = (dh > 0.0f ? "T > " : "T < ") + slot_text(4) + " K";
}

}  // namespace thermo_kinetics

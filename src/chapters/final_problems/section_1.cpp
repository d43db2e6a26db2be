// Section "Sezione 1": problems 1 to 8.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "chapters/final_problems/solvents.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/cubic_cells.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "chemistry/standard_potentials.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/electrochemical_constants.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace final_problems {

constexpr std::array<CombustionFuel, 7> combustion_fuels{{
    {compounds::methane, "-891"},
    {compounds::ethane, "-1561"},
    {compounds::propane, "-2219"},
    {compounds::butane, "-2878"},
    {compounds::ethylene, "-1411"},
    {compounds::acetylene, "-1301"},
    {compounds::propene, "-2058"},
}};

namespace {

// M2+/M couples in order of falling standard potential.
constexpr std::array<const StandardPotential*, 8> metals{
    potential_row("Hg@u2+@ + 2e = Hg"), potential_row("Cu@u2+@ + 2e = Cu"), potential_row("Pb@u2+@ + 2e = Pb"),
    potential_row("Sn@u2+@ + 2e = Sn"), potential_row("Ni@u2+@ + 2e = Ni"), potential_row("Cd@u2+@ + 2e = Cd"),
    potential_row("Fe@u2+@ + 2e = Fe"), potential_row("Zn@u2+@ + 2e = Zn"),
};
constexpr std::int32_t lead = 3, tin = 4, cadmium = 6, iron = 7;

}  // namespace

constexpr std::array<Solvent, 8> solvents{{
    {"Il ", "disolfuro di carbonio (CS@d2@)", compounds::carbon_disulfide},
    {"Il ", "benzene (C@d6@H@d6@)", compounds::benzene},
    {"Il ", "toluene (C@d7@H@d8@)", compounds::toluene},
    {"Il ", "cicloesano (C@d6@H@d12@)", compounds::cyclohexane},
    {"Il ", "cloroformio (CHCl@d3@)", compounds::chloroform},
    {"L'", "acetone (C@d3@H@d6@O)", compounds::acetone},
    {"L'", "anilina (C@d6@H@d7@N)", compounds::aniline},
    {"L'", "etanolo (C@d2@H@d6@O)", compounds::ethanol},
}};
static_assert(std::ranges::all_of(solvents, [](const Solvent& s) {
    return has_vapour_fit(s.compound) && !normal_boiling_point(s.compound).empty();
}));

std::string running_time_text(float seconds)
{
    if (seconds < 60.0f) {
        set_slot_digits(9, seconds, 2);
        return slot_text(9) + " s";
    }
    if (seconds < 3600.0f) {
        set_slot_digits(9, seconds / 60.0f, 2);
        return slot_text(9) + " min";
    }
    set_slot_digits(9, seconds / 3600.0f, 2);
    return slot_text(9) + " h";
}

void generate_problem_1()
{
    skip_random_draws(2);
    set_slot_digits(1, random_real(0.11f, 0.99f), 3);
    const float chromium_fraction = random_real(0.13f, 0.25f);
    value_slots[2].value = chromium_fraction;
    set_slot_digits(3, random_real(20.0f, 45.0f), 3);
    set_slot_digits(4, 3.0f * slot_value(1) * chromium_fraction / (0.051996f * slot_value(3)), 3);
    problem_texts.problem_text = "@T1@@C1@Gli acciai inossidabili contengono tra l'11% e il 30% di cromo. " +
                                 slot_text(1) +
                                 " g di un acciaio inossidabile vengono trattati in modo da trasformare "
                                 "il cromo in Cr@d2@O@d7@@u2-@, e il dicromato ottenuto ossida esattamente " +
                                 slot_text(3) + " mL di Fe@u2+@ " + slot_text(4) +
                                 " M a Fe@u3+@, riducendosi a Cr@u3+@. Calcolare la percentuale di cromo nell'acciaio";
    // Three digits, fewer where the data leave fewer.
    set_slot_from_data(
        5, {1, 3, 4}, [](const std::vector<double>& d) { return d[2] * d[1] / (3.0 * d[0]) * 5.1996; }, 3);
    problem_texts.answer_text = slot_text(5) + "%";
    pose_problem({170, 540, 50}, {270, 160, 300});
}

void generate_problem_2()
{
    skip_random_draws(2);
    // Some draws leave no NaOH after the carbon dioxide, or a negative
    // amount once rounded, or a percentage the data leave unknown: those
    // are drawn again.
    draw_until_accepted([] {
        set_slot_digits(1, random_real(20.0f, 90.0f), 3);
        set_slot_digits(2, 10.0f * static_cast<float>(random_int(20, 90)), 3);
        set_slot_digits(3, random_real(0.01f, 0.09f), 4);
        set_slot_digits(4, random_real(20.0f, 45.0f), 3);
        set_slot_digits(5, random_real(20.0f, 45.0f), 3);
        const float co2_fraction = 0.01f * random_real(0.035f, 0.1f);
        set_slot_digits(6, (slot_value(2) * slot_value(3) - 89.28571f * co2_fraction * slot_value(1)) / slot_value(2),
                        4);
        if (slot_value(6) <= 0.0f) return false;
        set_slot_digits(7, slot_value(6) / slot_value(5) * slot_value(4), 4);
        // What the carbon dioxide took is a small difference of the NaOH put
        // in and left: the digits that the data leave.
        set_slot_from_data(8, {1, 2, 3, 4, 5, 7}, [](const std::vector<double>& d) {
            return (d[2] - d[5] * d[4] / d[3]) * 0.001 * d[1] / (2.0 * d[0]) * 2240.0;
        });
        return !uncertainty_exceeds_value(8);
    });
    problem_texts.problem_text =
        slot_text(1) + " L di aria, misurati a 0@uo@C e 1 atm, vengono fatti gorgogliare lentamente in " +
        slot_text(2) + " mL di NaOH " + slot_text(3) +
        " M in modo che la CO@d2@ presente venga totalmente assorbita. Precipitati e filtrati i "
        "carbonati con un eccesso di Ba@u2+@, " +
        slot_text(4) + " mL della soluzione risultante vengono titolati da " + slot_text(5) + " mL di HCl " +
        slot_text(7) + " M. Determinare la percentuale in volume di CO@d2@ nell'aria";
    problem_texts.answer_text = slot_text(8) + "% in volume";
    pose_problem({190, 560, 40}, {260, 155, 280});
}

void generate_problem_3()
{
    skip_random_draws(4);
    std::int32_t kind = 0;
    std::int32_t position = 0;
    std::string_view symbol;
    draw_until_accepted([&] {
        kind = random_int(1, 2);
        if (kind == 1) {
            const std::int32_t i = random_int(1, 13);
            position = 2 * i - 1;
            symbol = body_centred_metals[i - 1];
        } else {
            const std::int32_t i = random_int(1, 10);
            position = 2 * i + 49;
            symbol = face_centred_metals[i - 1];
        }
        return !repeats_last_choice(3, position);
    });
    final_problems_state.last_choice[3] = position;
    const std::int32_t z = symbol_search(symbol);
    set_slot_text(1, element_field(z, 34, 40));
    set_slot_text(2, element_field(z, 21, 30));
    const float atoms = 2.0f * static_cast<float>(kind);
    set_slot_digits(3, cubic_cell_edge(2 * kind, slot_value(2), slot_value(1)), 3);
    const float density = atoms * slot_value(2) * physical_constants().atomic_mass_unit * 1.0e27f /
                          (slot_value(3) * slot_value(3) * slot_value(3));
    set_slot_uncertainty(5, density,
                         (3.0f * slot_uncertainty(3) / slot_value(3) + slot_uncertainty(2) / slot_value(2)) * density);
    // At least three digits: two leave neighbouring metals (Cr and Fe) alike.
    if (slot_digits(5) < 3) set_slot_digits(5, density, 3);
    problem_texts.problem_text = "Un elemento cristallizza in una cella cubica a" +
                                 std::string(kind == 1 ? " corpo centrato" : " facce centrate") + " con lato pari a " +
                                 slot_text(3) + " nm e densità " + slot_text(5) +
                                 " kg/m@u3@. Di quale elemento si tratta?";
    problem_texts.answer_text = element_name(z);
    pose_problem({160, 480, 50}, {200, 160, 300});
}

void generate_problem_4()
{
    skip_random_draws(2);
    const Solvent& solvent = solvents[pick_problem_variant(8, final_problems_state.last_choice[4], 1) - 1];
    draw_boiling_at_pressure(solvent.compound);
    const float span = slot_value(4) - slot_value(1);
    set_slot_digits_from(5, slot_value(1) + random_real(0.3f * span, 0.8f * span), 100.0f, 3);
    problem_texts.problem_text = std::string(solvent.article) + std::string(solvent.name) + " bolle a " + slot_text(1) +
                                 "@uo@C a pressione atmosferica e a " + slot_text(4) + "@uo@C alla pressione di " +
                                 slot_text(3) +
                                 " torr. Calcolare l'entalpia di vaporizzazione e il valore della pressione "
                                 "per cui si ha ebollizione a " +
                                 slot_text(5) + "@uo@C";
    // From two boiling points a few degrees apart: the digits that the data
    // leave.
    const auto enthalpy = [](const std::vector<double>& d) { return vaporisation_enthalpy(d[0], d[1], d[2]); };
    set_slot_from_data(7, {1, 3, 4}, {1, 4}, enthalpy);
    set_slot_from_data(8, {1, 3, 4, 5}, {1, 4, 5}, [&enthalpy](const std::vector<double>& d) {
        return vapour_pressure_at(d[0], enthalpy(d), d[3]);
    });
    problem_texts.answer_text = slot_text(7) + " kJ/mol; " + slot_text(8) + " torr";
    pose_problem({160, 480, 50}, {200, 160, 300});
}

void generate_problem_5()
{
    skip_random_draws(12);
    const std::int32_t i = pick_problem_variant(7, final_problems_state.last_choice[5], 1);
    const std::int32_t j = random_int_except(1, 7, i);
    const CombustionFuel& first = combustion_fuels[i - 1];
    const CombustionFuel& second = combustion_fuels[j - 1];
    set_slot_text(1, first.combustion_enthalpy);
    set_slot_text(2, second.combustion_enthalpy);
    set_slot_digits(4, 25.0f, 2);
    // d: the two enthalpies, the volume, the pressure and the heat as shown;
    // 25 °C is the standard temperature the enthalpies are given at.
    const auto first_share = [](const std::vector<double>& d) {
        const double moles =
            d[3] / torr_per_atmosphere / (gas_constant_litre_atm * kelvin(slot_value(4))) * d[2] * 0.001;
        return (d[4] / moles + d[1]) / (d[1] - d[0]) * 100.0;
    };
    // Fuels whose enthalpies nearly coincide can leave a share that its own
    // uncertainty exceeds, a problem with no answer: such data are drawn
    // again. The shares carry the digits the data carry.
    draw_until_accepted([&] {
        set_slot_digits(3, random_real(110.0f, 900.0f), 3);
        const float first_fraction = random_real(0.3f, 0.8f);
        set_slot_digits(5, random_real(600.0f, 900.0f), 3);
        const float moles = (slot_value(5) / torr_per_atmosphere_f) /
                            (gas_constant_litre_atm_f * kelvin(slot_value(4))) * slot_value(3) * 0.001f;
        set_slot_digits(6, -moles * (first_fraction * slot_value(1) + (1.0f - first_fraction) * slot_value(2)), 4);
        set_slot_from_data(7, {1, 2, 3, 5, 6}, first_share);
        set_slot_from_data(8, {1, 2, 3, 5, 6},
                           [&first_share](const std::vector<double>& d) { return 100.0 - first_share(d); });
        return slot_uncertainty(7) < slot_value(7) && slot_uncertainty(8) < slot_value(8);
    });
    const std::int32_t asked = random_int(1, 2);
    const std::string first_name = compound_name(first.compound);
    const std::string second_name = compound_name(second.compound);
    problem_texts.problem_text =
        "@T1@@C1@Le entalpie standard di combustione a 25@uo@C d" + join_article_to_name(first_name) + " (" +
        compound_formula(first.compound) + ") e d" + join_article_to_name(second_name) + " (" +
        compound_formula(second.compound) + ") sono pari a " + slot_text(1) + " e a " + slot_text(2) +
        " kJ/mol. Calcolare la percentuale in volume di " + (asked == 1 ? first_name : second_name) +
        " in una miscela gassosa di " + first_name + and_before(second_name) + second_name +
        " sapendo che il calore sviluppato per combustione completa di " + slot_text(3) +
        " mL di miscela, misurati a " + slot_text(4) + "@uo@C e " + slot_text(5) + " torr, è pari a " + slot_text(6) +
        " kJ";
    problem_texts.answer_text = slot_text(asked == 1 ? 7 : 8) + "%";
    pose_problem({170, 530, 50}, {280, 160, 300});
}

void generate_problem_6()
{
    skip_random_draws(8);
    const std::string equation = gas_reaction_equation(7);
    set_slot_digits(2, 5.0f * static_cast<float>(random_int(60, 140)), 3);
    set_slot_digits(5, gas_equilibrium_constant(equation, slot_value(2)), 3);
    set_slot_digits(1, random_real(2.0f, 9.0f), 2);
    set_slot_digits(6, 100.0f * static_cast<float>(random_int(10, 15)), 4);
    const std::string shown_equation = add_state_subscripts(equation, 1, water_as_vapour, 1).value_or("");
    // The displayed equation keeps its leading blank: "reazione  CO@d(g)@".
    problem_texts.problem_text = "Un reattore contenente una miscela equimolare di CO e Cl@d2@ a " + slot_text(6) +
                                 "@uo@C e " + slot_text(1) + " atm viene raffreddato a " + slot_text(2) +
                                 "@uo@C. Calcolare le pressioni parziali dei componenti la miscela di "
                                 "equilibrio a questa temperatura, sapendo che per la reazione " +
                                 shown_equation + " a " + slot_text(2) + "@uo@C @iK@ = " + slot_text(5);
    // d: the pressure, the two temperatures and K as shown.
    const auto cooled = [](const std::vector<double>& d) {
        return d[0] * (d[1] + celsius_zero) / (d[2] + celsius_zero);
    };
    const auto compound = [&cooled](const std::vector<double>& d) {
        const double b = 1.0 / d[3] + cooled(d);
        return (b - std::sqrt(b * b - cooled(d) * cooled(d))) * 0.5;
    };
    // Two digits each, as the book gives the pressures, fewer where the data
    // leave fewer.
    set_slot_from_data(3, {1, 2, 6, 5}, {2, 6}, compound, 2);
    // Equimolar: each of CO and Cl2 keeps half the pressure less what combined.
    set_slot_from_data(
        4, {1, 2, 6, 5}, {2, 6}, [&](const std::vector<double>& d) { return 0.5 * cooled(d) - compound(d); }, 2);
    problem_texts.answer_text =
        "@iP@(COCl@d2@) = " + slot_text(3) + " atm; @iP@(CO) = @iP@(Cl@d2@) = " + slot_text(4) + " atm";
    pose_problem({170, 550, 50}, {280, 160, 300});
}

void generate_problem_7()
{
    skip_random_draws(11);
    std::int32_t i = random_int(1, static_cast<std::int32_t>(weak_acids.size()));
    if (app_state.version_number == text_version) i = 2;
    const AcidBaseConstant& acid = *weak_acids[i - 1];
    const float acid_molarity = random_real(0.04f, 0.09f);
    const float volume = random_real(100.0f, 900.0f);
    const float salt_molarity = random_real(0.3f * acid_molarity, 1.2f * acid_molarity);
    const float base_fraction = random_real(0.4f, 0.6f);
    const float base_mg = base_fraction * std::min(acid_molarity, salt_molarity) * volume *
                          compound_molar_mass(compounds::sodium_hydroxide);
    set_slot_digits(1, acid_molarity, 3);
    set_slot_digits(3, volume, 3);
    set_slot_digits(2, salt_molarity, 3);
    set_slot_digits(4, base_mg, 3);
    set_slot_text(9, acid.value);
    set_slot_digits(5, slot_value(4) * 0.001f, 3);
    problem_texts.problem_text =
        "Calcolare il pH di una soluzione " + slot_text(1) + " M in " + std::string(acid.species) +
        " [@iK@@da@ = " + slot_text(9) + "] e " + slot_text(2) + " M nel suo sale sodico prima e dopo che a " +
        slot_text(3) + " mL di soluzione siano stati aggiunti" +
        (slot_value(5) < 1.0f ? " " + slot_text(4) + " mg di NaOH solido" : " " + slot_text(5) + " g di NaOH solido");
    const float kb = water_ion_product_f / slot_value(9);
    set_slot_digits(6, mixture_ph(slot_value(1), slot_value(2), slot_value(9), kb), 3);
    const float added = slot_value(4) * 0.02500175f / slot_value(3);
    set_slot_digits(7, mixture_ph(slot_value(1) - added, slot_value(2) + added, slot_value(9), kb), 3);
    problem_texts.answer_text = "@T1@@C1@" + slot_text(6) + "; " + slot_text(7);
    pose_problem({240, 560, 50}, {170, 160, 280});
}

void generate_problem_8()
{
    skip_random_draws(2);
    std::int32_t a = pick_problem_variant(8, final_problems_state.last_choice[8], 2);
    std::int32_t b = 0;
    float potential = 0.0f;
    // The anode ends as the metal lower in the table; the loop keeps that
    // metal for its next pair, as the pair is drawn again from b.
    draw_until_accepted([&] {
        b = random_int_except(1, 8, a);
        if (b > a) std::swap(a, b);
        if ((a == tin && b == lead) || (a == iron && b == cadmium)) return false;
        set_slot_digits(1, 0.001f * static_cast<float>(random_int(10, 90)), 2);
        set_slot_digits(2, 0.001f * static_cast<float>(random_int(10, 90)), 2);
        set_slot_text(3, metals[a - 1]->potential);
        set_slot_text(4, metals[b - 1]->potential);
        potential = slot_value(4) - slot_value(3) + half_nernst_slope_f * std::log10(slot_value(2) / slot_value(1));
        set_slot_digits(5, potential, 3);
        return slot_value(5) >= 0.1f;
    });
    // The metal's symbol, which its ion's formula starts with.
    const auto symbol = [](const StandardPotential* m) { return std::string(m->ion.substr(0, m->ion.find('@'))); };
    const std::string anode = symbol(metals[a - 1]);
    const std::string cathode = symbol(metals[b - 1]);
    set_slot_digits(6, 10.0f * random_real(10.0f, 90.0f), 3);
    set_slot_digits(7, 10.0f * random_real(10.0f, 90.0f), 3);
    const std::string cell = anode + " / " + anode + "@u2+@ " + slot_text(1) + " M, " + slot_text(6) + " mL // " +
                             cathode + "@u2+@ " + slot_text(2) + " M, " + slot_text(7) + " mL / " + cathode;
    set_slot_digits(8, static_cast<float>(random_int(100, 250)), 3);
    problem_texts.problem_text = "@T1@@C1@Calcolare la differenza di potenziale a 25@uo@C della pila: " + cell +
                                 ", e per quanto tempo essa potrebbe teoricamente erogare una corrente di " +
                                 slot_text(8) + " mA [@iE@@u0@(" + anode + "@u2+@/" + anode + ") = " + slot_text(3) +
                                 " V; @iE@@u0@(" + cathode + "@u2+@/" + cathode + ") = " + slot_text(4) + " V]";
    const float amperes = slot_value(8) * 0.001f;
    const float inverse_constant = std::pow(10.0f, (slot_value(3) - slot_value(4)) * twice_inverse_nernst_slope_f);
    const float millimoles =
        (slot_value(2) - inverse_constant * slot_value(1)) / (inverse_constant / slot_value(6) + 1.0f / slot_value(7));
    const float seconds = millimoles * 0.001f * two_faraday_f / amperes;
    // Two digits of the potential itself: rounding its three-digit form again
    // would turn 1.248 into 1.3.
    set_slot_digits(5, potential, 2);
    problem_texts.answer_text = slot_text(5) + " V; " + running_time_text(seconds);
    pose_problem({170, 570, 50}, {280, 160, 300});
}

}  // namespace final_problems

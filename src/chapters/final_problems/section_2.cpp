// Section "Sezione 2": problems 9 to 16.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "chapters/final_problems/stated_figures.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/gas_virial.h"
#include "chemistry/molar_mass.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/electrochemical_constants.h"
#include "numbers/formatted_conversions.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"
#include "text/ruled_table.h"

namespace final_problems {
namespace {

// Diatomic halogens: compound record, and the dissociation X2(g) = 2X(g)
// as K = A e^(-H/RT) with H in kJ/mol, a line through the measured constants
// of its range (each within 0.08 in log10 of the constants from the
// molecules' spectra between K = 0.01 and K = 1).
struct Halogen {
    CompoundKey compound;
    float enthalpy;
    float factor;
};
static_assert(!std::is_convertible_v<int, decltype(Halogen::compound)>);
constexpr std::array<Halogen, 4> halogens{{
    {compounds::fluorine, 164.4f, 3.87e6f},
    {compounds::chlorine, 256.2f, 2.42e6f},
    {compounds::bromine, 195.1f, 5.29e5f},
    {compounds::iodine, 162.8f, 8.30e5f},
}};
constexpr std::int32_t iodine = 4;

}  // namespace

float diluted_volume(float litres)
{
    return litres >= 100.0f ? std::round(litres / 10.0f) * 10.0f : litres;
}

void generate_problem_9()
{
    skip_random_draws(2);
    // The CO2 of the two carbonates, as BaCO3: b/M(BaCO3) = (m - x)/M(CaCO3)
    // + x/M(MgCO3) for x g of MgCO3 in m g of rock.
    const float calcium = compound_molar_mass(compounds::calcium_carbonate);
    const float magnesium = compound_molar_mass(compounds::magnesium_carbonate);
    const float barium = compound_molar_mass(compounds::barium_carbonate);
    // From the two masses shown, with the digits they leave: the percentage
    // is a small difference of two large terms, drawn again where they
    // leave it unknown.
    draw_until_accepted([=] {
        set_slot_digits(1, random_real(1.1f, 8.0f), 3);
        const float magnesium_fraction = random_real(0.15f, 0.45f);
        set_slot_digits(
            2, ((1.0f - magnesium_fraction) / calcium + magnesium_fraction / magnesium) * slot_value(1) * barium, 3);
        set_slot_from_data(3, {1, 2}, [=](const std::vector<double>& d) {
            return (d[1] / barium - d[0] / calcium) / (1.0 / magnesium - 1.0 / calcium) / d[0] * 100.0;
        });
        return !uncertainty_exceeds_value(3);
    });
    problem_texts.problem_text =
        "@T1@@C1@Le rocce dolomitiche sono costituite essenzialmente da carbonati di magnesio e calcio. Un frammento "
        "di roccia di " +
        slot_text(1) +
        " g viene sciolto in acidi e la CO@d2@ liberata viene fatta gorgogliare in una soluzione di "
        "Ba(OH)@d2@, dando luogo a " +
        slot_text(2) + " g di precipitato di BaCO@d3@. Calcolare la percentuale di MgCO@d3@ nel frammento";
    problem_texts.answer_text = slot_text(3) + "%";
    pose_problem({170, 540, 50}, {270, 160, 300});
}

void generate_problem_10()
{
    skip_random_draws(2);
    const auto [carbon, hydrogen, oxygen] =
        draw_organic_counts(pick_problem_variant(2, final_problems_state.last_choice[10], 0));
    const float c = static_cast<float>(carbon), h = static_cast<float>(hydrogen), o = static_cast<float>(oxygen);
    const float molar_mass = chno_molar_mass(carbon, hydrogen, 0, oxygen);
    const float oxygen_demand = c + 0.25f * h - 0.5f * o;  // mol O2 per mol
    const float pressure = random_real(0.5f, 1.5f);
    float volume = random_real(10.0f, 50.0f);
    if (random_int(1, 3) == 1) volume = random_real(2.0f, 10.0f);
    const float initial_t = random_real(20.0f, 40.0f);
    const float oxygen_moles = pressure * volume / (gas_constant_litre_atm_f * kelvin(initial_t));
    const float mass = random_real(0.4f, 0.8f) / oxygen_demand * oxygen_moles * molar_mass;
    const float final_t = random_real(70.0f, 130.0f);
    set_slot_digits(1, pressure, 3);
    set_slot_digits(2, volume, 3);
    set_slot_digits(3, mass, 3);
    set_slot_digits(5, final_t, 3);
    set_slot_digits(6, initial_t, 3);
    // The water stays vapour up to its vapour pressure at the final
    // temperature: where that decides the answer (below 100 °C, or where all
    // the water as vapour would pass it), the statement gives it, to the
    // digits 9.19 gives a vapour pressure.
    const float saturated_torr = water_vapour_pressure(kelvin(slot_value(5)));
    const double all_vapour_torr = 0.5 * h * slot_value(3) / molar_mass * gas_constant_litre_atm *
                                   kelvin(slot_value(5)) / slot_value(2) * torr_per_atmosphere;
    const bool vapour_given = slot_value(5) < 100.0f || all_vapour_torr > saturated_torr;
    if (vapour_given) set_slot_digits(7, saturated_torr, 3);
    problem_texts.problem_text =
        "@T1@@C1@" + slot_text(3) + " g di " + organic_formula({carbon, hydrogen, oxygen}) +
        " vengono introdotti in un recipiente da " + slot_text(2) + " L contenente O@d2@ alla pressione di " +
        slot_text(1) + " atm a " + slot_text(6) +
        "@uo@C. Viene quindi innescata e completata la reazione di combustione. Calcolare la pressione finale se la "
        "temperatura è pari a " +
        slot_text(5) + "@uo@C" +
        (vapour_given ? ", alla quale la tensione di vapore dell'acqua è pari a " + slot_text(7) + " torr" : "");
    // The oxygen left and the carbon dioxide, and the water as vapour up to
    // its vapour pressure at the final temperature; from the data shown,
    // with the digits they leave.
    set_slot_from_data(4, {1, 2, 3, 5, 6}, {5, 6}, [=](const std::vector<double>& d) {
        const double compound_moles = d[2] / molar_mass;
        const double dry_moles =
            d[0] * d[1] / (gas_constant_litre_atm * (d[4] + celsius_zero)) + (c - oxygen_demand) * compound_moles;
        const double rt = gas_constant_litre_atm * (d[3] + celsius_zero);
        const double saturated = water_vapour_pressure(kelvin(static_cast<float>(d[3]))) / torr_per_atmosphere;
        return dry_moles * rt / d[1] + std::min(0.5 * h * compound_moles * rt / d[1], saturated);
    });
    problem_texts.answer_text = slot_text(4) + " atm ";
    pose_problem({200, 580, 50}, {180, 150, 300});
}

void generate_problem_11()
{
    skip_random_draws(1);
    const float concentrated_ml = random_real(3.0f, 9.0f);
    value_slots[1].value = concentrated_ml;
    const std::int32_t e = random_int(3, 4);
    value_slots[2].value = power_of_ten(-e) * random_real(1.0f, 9.0f);
    set_slot_digits(4, -std::log10(slot_value(2)), 3);
    const StatedFigures& f = stated_figures;
    // The volume asked for, from the drawn millilitres, is drawn on the acid
    // that every version has been built on: 1.23 g/mL at the stated 37 %, a
    // scale and not the acid's density, which the statement gives.
    constexpr float drawn_density = 1.23f;
    const float drawn_mol_per_ml = drawn_density * (read_list_real(f.hydrochloric_percent).value_or(0.0f) / 100.0f) /
                                   compound_molar_mass(compounds::hydrogen_chloride);
    set_slot_digits(3, diluted_volume(concentrated_ml * drawn_mol_per_ml / slot_value(2)), 3);
    problem_texts.problem_text = "Calcolare il volume di HCl concentrato commerciale (" +
                                 std::string(f.hydrochloric_percent) + "% in massa, densità " +
                                 std::string(f.hydrochloric_density) + " g/mL) da diluire per preparare " +
                                 slot_text(3) + " L di una soluzione di HCl a pH " + slot_text(4);
    // The answer from the statement alone: the acid's mol of HCl a
    // millilitre.
    const float mol_per_ml = read_list_real(f.hydrochloric_density).value_or(0.0f) *
                             (read_list_real(f.hydrochloric_percent).value_or(0.0f) / 100.0f) /
                             read_list_real(f.hydrochloric_molar_mass).value_or(1.0f);
    set_slot_digits(5, std::pow(10.0f, -slot_value_as_shown(4)) * slot_value_as_shown(3) / mol_per_ml, 2);
    problem_texts.answer_text = slot_text(5) + " mL";
    pose_problem({180, 500, 50}, {280, 160, 300});
}

void generate_problem_12()
{
    skip_random_draws(1);
    const auto constant = [](float celsius) {
        return std::exp(-1000.0f * slot_value(8) / (gas_constant_joule_f * kelvin(celsius))) *
               std::exp(0.12027904f * slot_value(9));
    };
    // d: the two constants and the two temperatures (°C) as shown.
    const auto entropy = [](const std::vector<double>& d) {
        return (std::log(d[1]) * (d[3] + celsius_zero) - std::log(d[0]) * (d[2] + celsius_zero)) / (d[3] - d[2]) *
               gas_constant_joule;
    };
    // Temperatures to the degree leave ΔH° and ΔS° the digits of their
    // difference; a ΔS° that its uncertainty exceeds is drawn again.
    draw_until_accepted([&] {
        set_slot_digits(8, apply_random_sign(random_real(20.0f, 50.0f)), 3);
        set_slot_digits(9, apply_random_sign(random_real(10.0f, 30.0f)), 3);
        const float t1 = random_real(15.0f, 40.0f);
        set_slot_digits(1, t1, 2);
        set_slot_digits(2, random_real(t1 + 30.0f, 99.0f), 2);
        set_slot_digits(3, constant(slot_value(1)), 3);
        set_slot_digits(4, constant(slot_value(2)), 3);
        set_slot_from_data(6, {3, 4, 1, 2}, {1, 2}, entropy);
        set_slot_from_data(5, {3, 4, 1, 2}, {1, 2}, [&entropy](const std::vector<double>& d) {
            return (entropy(d) - gas_constant_joule * std::log(d[1])) * (d[3] + celsius_zero) * 0.001;
        });
        return !uncertainty_exceeds_value(6) && !uncertainty_exceeds_value(5);
    });
    problem_texts.problem_text = "La costante di equilibrio di una data reazione varia da";
    if (random_int(1, 2) == 1)
        problem_texts.problem_text += " " + slot_text(3) + " a " + slot_text(4) + " riscaldando il sistema da " +
                                      slot_text(1) + "@uo@C a " + slot_text(2) + "@uo@C";
    else
        problem_texts.problem_text += " " + slot_text(4) + " a " + slot_text(3) + " raffreddando il sistema da " +
                                      slot_text(2) + "@uo@C a " + slot_text(1) + "@uo@C";
    problem_texts.problem_text +=
        ". Calcolare i valori di @bD@@iH@@u0@ e di @bD@@iS@@u0@ per la reazione in questo intervallo di temperature";
    problem_texts.answer_text = "@T1@@C1@" + slot_text(5) + " kJ; " + slot_text(6) + " J/K";
    pose_problem({200, 560, 50}, {280, 140, 280});
}

void generate_problem_13()
{
    skip_random_draws(15);
    const std::int32_t order = random_int(1, 2);
    const float remaining = random_real(0.3f, 0.8f);  // of [A] after one time step
    set_slot_digits(1, random_real(0.001f, 0.009f), 3);
    float step = static_cast<float>(random_int(1, 9));
    // Both scalings count from the first coin: heads may multiply by 10,
    // tails may divide by 10 twice.
    if (random_int(1, 2) == 1) {
        if (random_int(1, 2) == 1) step *= 10.0f;
    } else {
        if (random_int(1, 2) == 1) step *= 0.1f;
        if (random_int(1, 2) == 1) step *= 0.1f;
    }
    const float initial = slot_value(1);
    set_slot_digits(6, order == 1 ? -std::log(remaining) / step : (1.0f / remaining - 1.0f) / (step * initial), 3);
    const float k = slot_value(6);
    for (std::int32_t j = 2; j <= 5; ++j) {
        const float t = static_cast<float>(j - 1) * step;
        set_slot_digits(j, order == 1 ? initial * std::exp(-k * t) : 1.0f / (t * k + 1.0f / initial), 3);
    }
    problem_texts.problem_text =
        "La tabella seguente riporta la concentrazione del reagente A osservata per una reazione del tipo A = "
        "prodotti al variare del tempo. Stabilire se la reazione è del primo o del secondo ordine e determinare il "
        "valore della velocità specifica";
    draw_problem_text_framed(160, 570, 40, 205);
    static constexpr RuledTableColumn columns[] = {{20, "@T1@@C1@@it@ (s)", 10}, {80, "@T1@[A] (mol/L)", 80}};
    std::vector<std::string> cells;
    for (std::int32_t row = 1; row <= 5; ++row) {
        const float t = static_cast<float>(row - 1) * step;
        set_slot_digits(9, t, t == 0.0f ? 1 : t < 100.0f ? 2 : 3);
        cells.push_back(slot_text(9));
        cells.push_back(slot_text(row));
    }
    draw_ruled_table(160, 122, columns, cells);
    // The constant from the first and last rows as shown (the times are
    // exact), with the digits the concentrations leave.
    const float span = 4.0f * step;
    set_slot_from_data(7, {1, 5}, [order, span](const std::vector<double>& c) {
        return order == 1 ? std::log(c[0] / c[1]) / span : (1.0 / c[1] - 1.0 / c[0]) / span;
    });
    problem_texts.answer_text =
        order == 1 ? "Primo ordine; " + slot_text(7) + " s@u-1@" : "Secondo ordine; " + slot_text(7) + " L/(mol•s)";
}

void generate_problem_14()
{
    skip_random_draws(2);
    const std::int32_t v = pick_problem_variant(4, final_problems_state.last_choice[14], iodine);
    const Halogen& halogen = halogens[v - 1];
    // The temperatures at which the constant is 0.01 and 1.
    const float exponent = 1000.0f * halogen.enthalpy / gas_constant_joule_f;
    const float t_low = exponent / std::log(100.0f * halogen.factor);
    const float t_high = exponent / std::log(halogen.factor);
    const float t = 10.0f * std::trunc(0.1f * random_real(t_low, t_high));
    set_slot_digits(1, t, t >= 1000.0f ? 4 : 3);
    set_slot_digits(2, halogen.factor * std::exp(-exponent / slot_value(1)), 3);
    // The pressure drawn again where the molecules alone would stray past
    // the ideal gas's 5 % (iodine at 59 atm and 1120 K).
    draw_until_accepted([&halogen] {
        set_slot_digits(3, random_real(1.0f, 9.0f), 2);
        set_slot_digits(3, slot_value(3) * (random_int(1, 2) == 1 ? 0.1f : 10.0f), 2);
        return near_ideal(halogen.compound, slot_value(1), slot_value(3));
    });
    problem_texts.problem_text = "@C1@@T1@A " + slot_text(1) + " K la costante di dissociazione in atomi del" +
                                 (v == iodine ? "lo " : " ") + compound_name(halogen.compound) + " è pari a " +
                                 slot_text(2) +
                                 ". Calcolare la percentuale di molecole dissociate a questa temperatura alla "
                                 "pressione di " +
                                 slot_text(3) + " atm";
    // Two digits, fewer where the pressure's two leave fewer.
    set_slot_from_data(
        4, {2, 3}, [](const std::vector<double>& d) { return 100.0 * std::sqrt(d[0] / (d[0] + 4.0 * d[1])); }, 2);
    problem_texts.answer_text = slot_text(4) + "%";
    pose_problem({170, 550, 50}, {280, 150, 280});
}

void generate_problem_15()
{
    const Hydroxide& hydroxide = draw_hydroxide(15);
    float volume = static_cast<float>(random_int(11, 89));
    if (random_int(1, 2) == 1) volume *= 10.0f;
    set_slot_digits(1, volume, 3);
    const float molar_mass = hydroxide_molar_mass(hydroxide);
    const std::int32_t e = random_int(0, 2);
    // The buffer holds the metal it dissolves as a salt of its own acid: at
    // most 1 M, within what the salts of these metals hold (iron(II) sulfate
    // saturates near 1.7 M). The grams are kept under those of 1 mol/L.
    const float top = 9.0f * power_of_ten(-e);
    set_slot_digits(2, kept_under(power_of_ten(-e) * random_real(1.0f, 9.0f), molar_mass * slot_value(1) * 0.001f, top),
                    3);
    problem_texts.problem_text = "Calcolare il pH di una soluzione tampone in grado di sciogliere fino a " +
                                 slot_text(2) + " g di " + std::string(hydroxide.formula) +
                                 " [@iK@@dps@ = " + slot_text(9) + "] in " + slot_text(1) + " mL di soluzione";
    const float metal = slot_value(2) / (molar_mass * slot_value(1) * 0.001f);
    const float hydroxide_ion = std::pow(slot_value(9) / metal, 1.0f / static_cast<float>(hydroxide.hydroxide_groups));
    value_slots[3].value = water_ion_product_f / hydroxide_ion;
    set_slot_digits(4, -std::log10(slot_value(3)), 3);
    problem_texts.answer_text = slot_text(4);
    pose_problem({200, 550, 50}, {280, 150, 280});
}

void generate_problem_16()
{
    skip_random_draws(2);
    const std::int32_t tens = pick_problem_variant(9, final_problems_state.last_choice[16], 0);
    draw_until_accepted([&] {
        set_slot_digits(1, 0.001f * static_cast<float>(random_int(11, 99)), 3);
        set_slot_digits(3, 0.001f * static_cast<float>(10 * tens + random_int(1, 9)), 3);
        set_slot_text(4, "1.67e7");
        const float complexed = random_real(0.3f * slot_value(1), 0.7f * slot_value(1));
        // ln of the ratio times ln 10: the potential shown is (ln 10)^2 times
        // the Nernst one, and the answer works back from it with the decimal
        // slope, so statement and answer agree.
        set_slot_digits(2, nernst_slope_f * std::log(10.0f) * std::log(slot_value(3) / (slot_value(1) - complexed)), 3);
        return slot_value(2) > 0.01f;
    });
    const std::string cell = "Ag / Ag@u+@ " + slot_text(1) + " M, NH@d3@ ? M // Ag@u+@ " + slot_text(3) + " M / Ag";
    problem_texts.problem_text =
        "@T1@@C1@Per la reazione Ag@u+@ + 2NH@d3@ = Ag(NH@d3@)@d2@@u+@, @iK@ = " + slot_text(4) +
        ". Calcolare la concentrazione analitica di NH@d3@ per cui la differenza di potenziale a 25@uo@C "
        "della pila: " +
        cell + " è pari a " + slot_text(2) + " V";
    // The silver bound is a difference of two near concentrations, with the
    // digits the data leave. d: the two silver concentrations, the potential
    // and K.
    set_slot_from_data(5, {1, 3, 2, 4}, {2}, [](const std::vector<double>& d) {
        const double free_silver = d[1] / std::pow(10.0, d[2] / nernst_slope);
        const double complex = d[0] - free_silver;
        return 2.0 * complex + std::sqrt(complex / (d[3] * free_silver));
    });
    problem_texts.answer_text = slot_text(5) + " M";
    pose_problem({180, 570, 50}, {280, 160, 300});
}

}  // namespace final_problems

// Section "Sezione 3": problems 17 to 24.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "chapters/final_problems/stated_figures.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace final_problems {

constexpr std::array<Liquid, 8> liquids{{
    {"pentano (C@d5@H@d12@)", compounds::pentane, "C 05H 12"},
    {"benzene (C@d6@H@d6@)", compounds::benzene, "C 06H 06"},
    {"mercurio", compounds::mercury, "Hg01"},
    {"bromo", compounds::bromine, "Br02"},
    {"cloroformio (CHCl@d3@)", compounds::chloroform, "C 01H 01Cl03"},
    {"idrazina (N@d2@H@d4@)", compounds::hydrazine, "N 02H 04"},
    {"etere etilico (C@d4@H@d10@O)", compounds::diethyl_ether, "C 04H 10O 01"},
    {"acqua", compounds::liquid_water, "H 02O 01"},
}};
static_assert(std::ranges::all_of(liquids, [](const Liquid& l) {
    return has_vapour_fit(l.compound) && !normal_boiling_point(l.compound).empty();
}));

constexpr std::array<Fuel, 16> fuels{{
    {compounds::benzene, 6, 3, 'l', "49.1"},
    {compounds::toluene, 7, 4, 'l', "12.4"},
    {compounds::methane, 1, 2, 'g', ""},
    {compounds::ethane, 2, 3, 'g', ""},
    {compounds::propane, 3, 4, 'g', ""},
    {compounds::butane, 4, 5, 'g', "-125.7"},
    {compounds::hexane, 6, 7, 'l', "-198.7"},
    {compounds::heptane, 7, 8, 'l', "-224.2"},
    {compounds::cyclohexane, 6, 6, 'l', "-156.4"},
    {compounds::methanol, 1, 2, 'l', ""},
    {compounds::ethanol, 2, 3, 'l', "-277.6"},
    {compounds::formic_acid, 1, 1, 'l', "-425.0"},
    {compounds::acetic_acid, 2, 2, 'l', "-484.3"},
    {compounds::benzoic_acid, 7, 3, 's', "-385.2"},
    {compounds::acetone, 3, 3, 'l', "-248.4"},
    {compounds::diethyl_ether, 4, 5, 'l', "-279.5"},
}};

namespace {

// Metals that dissolve in acids, with the moles of hydrogen a mole releases.
struct AcidMetal {
    std::int32_t z;
    float hydrogen;
};
constexpr std::array<AcidMetal, 7> acid_metals{{
    {28, 1.0f},
    {30, 1.0f},
    {13, 1.5f},
    {12, 1.0f},
    {20, 1.0f},
    {48, 1.0f},
    {3, 0.5f},
}};

// A standard enthalpy of formation as the thermochemical rows write it.
std::string formation_enthalpy_text(std::int32_t compound)
{
    return std::string(strip_blanks(compound_columns(compound, 131, 138)));
}

// The formation data of CO and CO2 at 25 °C from the compound table.
constexpr std::int32_t carbon_monoxide = 23;
constexpr std::int32_t carbon_dioxide = 24;

}  // namespace

float radiocarbon_age(float ratio)
{
    const float years = -carbon_14_half_life_years * std::log(ratio) / std::log(2.0f);
    return 100.0f * std::round(years * 0.01f);
}

void generate_problem_17()
{
    skip_random_draws(2);
    const AcidMetal* first = nullptr;
    const AcidMetal* second = nullptr;
    float m1 = 0.0f, m2 = 0.0f;
    bool first_named = false;
    // d: the mass, the litres, the temperature and the pressure shown.
    const auto percent_of = [&](const std::vector<double>& d) {
        const double h1 = first->hydrogen, h2 = second->hydrogen;
        const double hydrogen_moles =
            d[3] / torr_per_atmosphere * d[1] / (gas_constant_litre_atm * (d[2] + celsius_zero));
        const double second_percent = 100.0 * (d[0] - hydrogen_moles * m1 / h1) / (1.0 - h2 * m1 / (h1 * m2)) / d[0];
        return first_named ? 100.0 - second_percent : second_percent;
    };
    // A composition the data leave unknown is drawn again.
    draw_until_accepted([&] {
        const std::int32_t e1 = pick_problem_variant(7, final_problems_state.last_choice[17], 3);
        std::int32_t last_second = e1;
        std::int32_t e2 = pick_problem_variant(7, last_second, 0);
        if (e2 == e1) e2 = random_int_except(1, 7, e1);
        first = &acid_metals[e1 - 1];
        second = &acid_metals[e2 - 1];
        set_slot_digits(1, random_real(1.1f, 8.0f), 3);
        set_slot_digits(2, static_cast<float>(random_int(15, 40)), 2);
        set_slot_digits(3, random_real(600.0f, 900.0f), 3);
        const float x = random_real(0.05f, 0.95f);
        m1 = element_molar_mass(first->z);
        m2 = element_molar_mass(second->z);
        set_slot_digits(
            4,
            (first->hydrogen * x * slot_value(1) / m1 + second->hydrogen * (1.0f - x) * slot_value(1) / m2) *
                kelvin(slot_value(2)) * gas_constant_litre_atm_f / (slot_value(3) * atm_per_torr_f),
            3);
        if (slot_value(4) < 1.0f || slot_value(4) > 10.0f) return false;
        first_named = random_int(1, 2) == 2;
        set_slot_from_data(5, {1, 4, 2, 3}, {2}, percent_of);
        return !uncertainty_exceeds_value(5);
    });
    problem_texts.problem_text = "@T1@@C1@" + slot_text(1) + " g di una miscela di " + element_name(first->z) + " e " +
                                 element_name(second->z) + " liberano, sciogliendosi in acidi, " + slot_text(4) +
                                 " L di idrogeno misurati a " + slot_text(2) + "@uo@C e " + slot_text(3) +
                                 " torr. Determinare la composizione della miscela";
    const AcidMetal* named = first_named ? first : second;
    problem_texts.answer_text = element_symbol(named->z) + " " + slot_text(5) + "%";
    pose_problem({170, 540, 50}, {270, 160, 300});
}

void generate_problem_18()
{
    skip_random_draws(2);
    set_slot_digits(1, random_real(10.0f, 30.0f), 3);
    set_slot_digits(2, random_real(0.01f, 0.025f), 3);
    set_slot_digits(4, random_real(3.0f * slot_value(2), 0.2f), 3);
    set_slot_digits(3, random_real(3.0f, 5.0f) / slot_value(4) * slot_value(2) * slot_value(1), 3);
    set_slot_digits(5, random_real(15.0f, 35.0f), 3);
    set_slot_digits(6, (slot_value(3) * slot_value(4) - slot_value(2) * slot_value(1)) / slot_value(5), 3);
    problem_texts.problem_text =
        "Il metodo di Volhard per la determinazione dei cloruri consiste nella precipitazione di AgCl con un "
        "eccesso di Ag@u+@ e nella titolazione dell'Ag@u+@ in eccesso con SCN@u-@ a dare AgSCN@d(s)@. Un "
        "campione di " +
        slot_text(1) + " mL di soluzione di cloruri viene trattato con " + slot_text(3) + " mL di Ag@u+@ " +
        slot_text(4) + " M e filtrato; la titolazione dell'Ag@u+@ in eccesso richiede " + slot_text(5) +
        " mL di SCN@u-@ " + slot_text(6) + " M. Calcolare la concentrazione di Cl@u-@ nella soluzione iniziale";
    // The concentration drawn is not what the volumes and molarities shown
    // give; the silver left is a difference of two near amounts, with the
    // digits that the data leave.
    set_slot_from_data(7, {1, 3, 4, 5, 6},
                       [](const std::vector<double>& d) { return (d[1] * d[2] - d[3] * d[4]) / d[0]; });
    problem_texts.answer_text = slot_text(7) + " M ";
    pose_problem({170, 560, 45}, {180, 180, 280});
}

void generate_problem_19()
{
    skip_random_draws(2);
    const std::int32_t v = pick_problem_variant(8, final_problems_state.last_choice[19], 3);
    const Liquid& liquid = liquids[v - 1];
    draw_boiling_at_pressure(liquid.compound);
    set_slot_digits_from(5, (slot_value(4) + slot_value(1)) * 0.5f, 100.0f, 3);
    set_slot_digits(8, static_cast<float>(antoine_vapour_pressure_torr(liquid.compound, kelvin(slot_value(5)))), 3);
    set_slot_digits(9, random_real(3.0f, 9.0f), 3);
    const float excess = random_real(2.0f, 5.0f);
    const float moles = excess / (kelvin(slot_value(5)) * gas_constant_litre_atm_f) * slot_value(8) * slot_value(9) /
                        torr_per_atmosphere_f;
    float molar_mass_uncertainty = 0.0f;
    const float molar_mass = compute_molar_mass(liquid.composition, molar_mass_uncertainty);
    set_slot_uncertainty(11, molar_mass, molar_mass_uncertainty);
    const float mass = slot_value(11) * moles;
    set_slot_digits(10, mass, mass < 100.0f ? 3 : 4);
    const std::string short_name(strip_trailing_blanks(liquid.name.substr(0, liquid.name.find('('))));
    problem_texts.problem_text = (v <= 5 ? "@T1@@C1@La tensione di vapore del " : "La tensione di vapore dell'") +
                                 std::string(liquid.name) + " è pari a " + slot_text(8) + " torr a " + slot_text(5) +
                                 "@uo@C. Calcolare la quantità che resta allo stato liquido se un recipiente di " +
                                 slot_text(9) + " L contenente " + slot_text(10) + " g di " + short_name +
                                 " viene portato a questa temperatura";
    // What stays liquid is the mass less the vapour's, with the digits the
    // data leave. d: pressure, temperature, litres, grams and molar mass.
    set_slot_from_data(1, {8, 5, 9, 10, 11}, {5}, [](const std::vector<double>& d) {
        return (d[3] / d[4] - d[0] * d[2] / torr_per_atmosphere / ((d[1] + celsius_zero) * gas_constant_litre_atm)) *
               d[4];
    });
    problem_texts.answer_text = slot_text(1) + " g ";
    pose_problem({200, 560, 50}, {200, 160, 300});
}

void generate_problem_20()
{
    skip_random_draws(12);
    std::int32_t v = pick_problem_variant(16, final_problems_state.last_choice[20], 0);
    if (app_state.version_number == text_version) v = 2;
    const Fuel& fuel = fuels[v - 1];
    const std::string name = compound_name(fuel.compound);
    float mass = random_real(1.0f, 9.0f);
    const std::int32_t scale = random_int(1, 3);
    if (scale == 1) mass *= 10.0f;
    if (scale == 3) mass *= 0.1f;
    set_slot_digits(1, mass, 3);
    set_slot_text(3, fuel.formation_enthalpy.empty() ? formation_enthalpy_text(fuel.compound)
                                                     : std::string(fuel.formation_enthalpy));
    const std::string water_text = formation_enthalpy_text(compounds::liquid_water);
    const std::string carbon_dioxide_text = formation_enthalpy_text(compounds::carbon_dioxide);
    const char* state = fuel.state == 's' ? " solido" : fuel.state == 'l' ? " liquido" : " gassoso";
    problem_texts.problem_text = "@T1@@C1@Calcolare il calore sviluppato nella combustione completa a 25@uo@C di " +
                                 slot_text(1) + " g di " + name + " (" + compound_formula(fuel.compound) +
                                 "), sapendo che le entalpie standard di formazione a 25@uo@C d" +
                                 join_article_to_name(name) + state +
                                 ", di H@d2@O@d(l)@ e di CO@d2(g)@ sono pari rispettivamente a " + slot_text(3) + ", " +
                                 water_text + " e " + carbon_dioxide_text + " kJ/mol";
    // Three digits, two where a mass such as 1.02 g leaves two.
    const double molar_mass = compound_molar_mass(fuel.compound);
    const double water = fuel.water * std::stod(water_text);
    const double carbon_dioxide = fuel.carbon_dioxide * std::stod(carbon_dioxide_text);
    set_slot_from_data(
        4, {1, 3}, [=](const std::vector<double>& d) { return -(water + carbon_dioxide - d[1]) * d[0] / molar_mass; },
        3);
    problem_texts.answer_text = slot_text(4) + " kJ";
    pose_problem({170, 530, 50}, {280, 160, 300});
}

void generate_problem_21()
{
    skip_random_draws(3);
    set_slot_digits(1, random_real(0.55f, 0.80f), 2);
    problem_texts.problem_text = "@T1@@C1@Il @u14@C decade per emissione @bb@ con tempo di dimezzamento pari a " +
                                 std::string(carbon_14_half_life) +
                                 " anni. Calcolare l'età di un manufatto in legno la cui radioattività @bb@ è " +
                                 slot_text(1) + " volte quella di un campione di legno odierno";
    // Two digits, as the ratio has.
    set_slot_digits(2, radiocarbon_age(slot_value(1)), 2);
    problem_texts.answer_text = slot_text(2) + " anni";
    pose_problem({180, 540, 50}, {290, 150, 280});
}

void generate_problem_22()
{
    skip_random_draws(10);
    set_slot_digits(1, random_real(50.0f, 80.0f), 2);
    set_slot_digits(1, slot_value(1) * 10.0f, 3);
    // The data at 25 °C, with ΔH° and ΔS° taken as independent of the
    // temperature, as the page says: the reaction's heat capacities nearly
    // cancel, and the tables give no data at t.
    set_slot_text(2, compound_columns(carbon_monoxide, 131, 138));
    set_slot_text(3, compound_columns(carbon_dioxide, 131, 138));
    set_slot_text(4, compound_columns(carbon_monoxide, 147, 152));
    set_slot_text(5, compound_columns(carbon_dioxide, 147, 152));
    set_slot_text(6, stated_figures.graphite_entropy);
    problem_texts.problem_text =
        "@T1@@C1@Sapendo che i valori di @bD@@iH@@u0@@df@ per CO e CO@d2@ a 25@uo@C sono pari a " + slot_text(2) +
        " e " + slot_text(3) +
        " kJ/mol, e che le entropie standard di CO, di CO@d2@ e della grafite alla stessa temperatura sono pari a " +
        slot_text(4) + ", " + slot_text(5) + " e " + slot_text(6) +
        " J/(K•mol), calcolare la pressione parziale di equilibrio di CO in presenza di grafite e CO@d2@ a " +
        slot_text(1) +
        "@uo@C se la pressione totale è quella atmosferica, supponendo @bD@@iH@@u0@ e @bD@@iS@@u0@ indipendenti "
        "dalla temperatura";
    // With the digits the data leave.
    set_slot_from_data(7, {1, 2, 3, 4, 5, 6}, {1}, [](const std::vector<double>& d) {
        const double enthalpy = (2.0 * d[1] - d[2]) * 1000.0;
        const double entropy = 2.0 * d[3] - d[4] - d[5];
        const double k =
            std::exp(-enthalpy / (gas_constant_joule * (d[0] + celsius_zero)) + entropy / gas_constant_joule);
        return 0.5 * (std::sqrt(k * (k + 4.0)) - k);
    });
    problem_texts.answer_text = slot_text(7) + " atm";
    pose_problem({170, 520, 50}, {300, 160, 280});
}

void generate_problem_23()
{
    skip_random_draws(11);
    const std::int32_t v = pick_problem_variant(3, final_problems_state.last_choice[23], 2);
    set_slot_constant(5, conjugate_constant("HCN", 3));
    set_slot_text(6, stated_figures.dicyanoargentate_formation);
    float cyanide = random_real(0.1f, 0.3f);
    if (v == 2) cyanide = random_real(0.01f, 0.1f);
    if (v == 3) cyanide = random_real(0.001f, 0.01f);
    set_slot_digits(1, cyanide, 3);
    set_slot_digits(2, random_real(30.0f, 80.0f), 3);
    set_slot_digits(3, random_real(30.0f, 80.0f), 3);
    // A little short of the silver that binds all the cyanide.
    const float binding = slot_value(2) / (2.0f * slot_value(3)) * slot_value(1);
    set_slot_digits(4, random_real(0.9f * binding, 0.98f * binding), 3);
    problem_texts.problem_text =
        "Ag@u+@ forma con cianuri lo ione complesso Ag(CN)@d2@@u-@, molto stabile (per la reazione Ag@u+@ + 2CN@u-@ "
        "= Ag(CN)@d2@@u-@, @iK@ = " +
        slot_text(6) + "). Calcolare il pH di una soluzione " + slot_text(1) +
        " M di KCN [@iK@@db@(CN@u-@) = " + slot_text(5) + "] prima e dopo che a " + slot_text(2) +
        " mL di soluzione siano stati aggiunti " + slot_text(3) + " mL di AgNO@d3@ " + slot_text(4) + " M";
    set_slot_digits(6, mixture_ph(1e-10f, slot_value(1), 1e-10f, slot_value(5)), 3);
    // The cyanide left is a few hundredths of what was put in: the pH after
    // keeps three digits, fewer where the data leave fewer (none past the
    // first where they do not even tell that cyanide is left).
    set_slot_from_data(
        7, {1, 2, 3, 4, 5},
        [](const std::vector<double>& d) {
            const double free_cyanide = (d[1] * d[0] - 2.0 * d[2] * d[3]) / (d[1] + d[2]);
            if (free_cyanide <= 0.0) return std::numeric_limits<double>::quiet_NaN();
            return static_cast<double>(
                mixture_ph(1e-10f, static_cast<float>(free_cyanide), 1e-10f, static_cast<float>(d[4])));
        },
        3);
    problem_texts.answer_text = "@T1@@C1@" + slot_text(6) + "; " + slot_text(7);
    pose_problem({180, 560, 50}, {170, 160, 280});
}

void generate_problem_24()
{
    skip_random_draws(2);
    draw_until_accepted([] {
        set_slot_digits(1, random_real(10.0f, 60.0f), 2);
        set_slot_digits(2, slot_value(1) * 7.6248f / static_cast<float>(random_int(10, 200)), 3);
        if (slot_value(2) < 2.0f) return false;
        set_slot_digits(3, -std::log10(slot_value(2) * 0.031476233f / slot_value(1)), 3);
        // Only "Nessuna Versione" avoids the previous pH: a version number
        // poses the same problem every time.
        return app_state.version_number != no_version ||
               std::fabs(slot_value(3) - final_problems_state.last_ph) >= 0.5f;
    });
    final_problems_state.last_ph = slot_value(3);
    // The pH's decimals from the two-digit volume and the mass, three digits
    // at most as the book gives it.
    set_slot_from_data(
        3, {1, 2}, [](const std::vector<double>& d) { return -std::log10(d[1] * 0.031476233 / d[0]); }, 3);
    problem_texts.answer_text = slot_text(3);
    problem_texts.problem_text = "@T1@@C1@" + slot_text(1) +
                                 " L di una soluzione acquosa di CuSO@d4@ vengono sottoposti ad elettrolisi "
                                 "fino a depositare " +
                                 slot_text(2) + " g di rame. Calcolare il pH della soluzione restante";
    pose_problem({220, 570, 50}, {280, 160, 300});
}

}  // namespace final_problems

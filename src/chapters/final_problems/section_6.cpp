// Section "Sezione 6": problems 41 to 48.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/galvanic_cells.h"
#include "chemistry/molar_mass.h"
#include "chemistry/solubility_products.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/electrochemical_constants.h"
#include "numbers/fixed_width.h"
#include "numbers/fundamental_constants.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace final_problems {

// Krypton 81's half-life: NUBASE2020 (2.29·10^5 years).
constexpr std::array<RadioactiveIsotope, 6> long_lived_isotopes{{
    {"36", "Cl", "3.0e5"},
    {"14", "C ", carbon_14_half_life},
    {"79", "Se", "2.9e5"},
    {"126", "Sn", "2.3e5"},
    {"81", "Kr", "2.3e5"},
    {"93", "Mo", "3.5e3"},
}};

// The potassium salt that brings each pair's anion.
constexpr std::array<Reagent, 3> reagents{
    {{"KIO@d3@", "K 01I 01O 03"}, {"KF", "K 01F 01"}, {"K@d2@SO@d4@", "K 02S 01O 04"}}};

namespace {

constexpr std::int32_t krypton = 5;

// Salts in pairs with a common anion: formula and cation; the solubility
// product from chapter 7's table.
struct SparinglySoluble {
    const SolubilityProduct* salt;
    std::string_view cation;
};
constexpr std::array<SparinglySoluble, 6> selective_pairs{{
    {&solubility_product("Pb(IO@d3@)@d2@"), "Pb@u2+@"},
    {&solubility_product("Cu(IO@d3@)@d2@"), "Cu@u2+@"},
    {&solubility_product("MgF@d2@"), "Mg@u2+@"},
    {&solubility_product("BaF@d2@"), "Ba@u2+@"},
    {&solubility_product("PbSO@d4@"), "Pb@u2+@"},
    {&solubility_product("CaSO@d4@"), "Ca@u2+@"},
}};
constexpr std::int32_t sulfates = 3;

// Problem 48's cells, chapter 8's but that of tin and hydrogen.
constexpr std::array<const GalvanicCell*, 6> cells{
    galvanic_cell("Zn + Cu@u2+@ = Zn@u2+@ + Cu"),    galvanic_cell("Pb + Zn@u2+@ = Pb@u2+@ + Zn"),
    galvanic_cell("Sn + 2Ag@u+@ = Sn@u2+@ + 2Ag"),   galvanic_cell("Zn + 2H@u+@ = Zn@u2+@ + H@d2@"),
    galvanic_cell("2Ag + 2H@u+@ = 2Ag@u+@ + H@d2@"), galvanic_cell("Cu + 2H@u+@ = Cu@u2+@ + H@d2@"),
};

// A subscript count of the empirical formula: none for 1.
std::string count_text(std::int32_t n)
{
    return n > 1 ? whole_number_text(n) : std::string();
}

// Problem 43's liquids: carbon tetrachloride, benzene, toluene.
constexpr std::array<const VapourPressureFit*, 3> organic_liquids{&vapour_pressure_fit(compounds::carbon_tetrachloride),
                                                                  &vapour_pressure_fit(compounds::benzene),
                                                                  &vapour_pressure_fit(compounds::toluene)};

}  // namespace

void generate_problem_41()
{
    skip_random_draws(8);
    std::int32_t x = 0, y = 0, z = 0;
    draw_until_accepted([&] {
        x = random_int(4, 12);
        y = random_int(x, 2 * x + 2);
        z = random_int(0, 3);
        if (z == 0) {
            y = 2 * x + 2;
            const float u = random_real(0.0f, 1.0f);
            if (u < 0.1f) y = 2 * x;
            if (u < 0.05f) y = x;
            for (std::int32_t d = x; d >= 2; --d) {
                if (x % d == 0 && y % d == 0) {
                    x /= d;
                    y /= d;
                }
            }
        } else {
            for (std::int32_t d = z; d >= 2; --d) {
                if (x % d == 0 && y % d == 0 && z % d == 0) {
                    x /= d;
                    y /= d;
                    z /= d;
                }
            }
        }
        return !repeats_last_choice(41, z);
    });
    final_problems_state.last_choice[41] = z;
    const float molar_mass = chno_molar_mass(x, y, 0, z);
    float sample = random_real(1.0f, 9.99f);
    sample *= power_of_ten(random_int(-2, 1));
    set_slot_digits(1, sample, 3);
    value_slots[2].value = static_cast<float>(y) / (2.0f * molar_mass) * water_molar_mass() * slot_value(1);
    const float dioxide_molar_mass = composition_molar_mass("C 01O 02");
    value_slots[3].value = static_cast<float>(x) / molar_mass * dioxide_molar_mass * slot_value(1);
    set_slot_digits(4, static_cast<float>(random_int(20, 90)), 2);
    set_slot_digits(5, random_real(600.0f, 920.0f), 3);
    const float volume = slot_value(3) * kelvin(slot_value(4)) / (dioxide_molar_mass * slot_value(5) * atm_per_torr_f) *
                         gas_constant_litre_atm_rounded_f;
    set_slot_uncertainty(2, slot_value(2), slot_value(2) / slot_value(1) * slot_uncertainty(1));
    set_slot_uncertainty(6, volume, volume / slot_value(1) * slot_uncertainty(1));
    problem_texts.problem_text =
        "Determinare la formula minima di un composto organico sapendo che per combustione completa di " +
        slot_text(1) + " g di composto si producono unicamente " + slot_text(2) + " g di H@d2@O e " + slot_text(6) +
        " L di CO@d2@ misurati a " + slot_text(4) + "@uo@C e " + slot_text(5) + " torr";
    // A count of 1 leaves its subscript code empty ("C@d@H@d@" for CH).
    std::string formula = "C@d" + count_text(x) + "@H@d" + count_text(y) + "@";
    if (z > 0) formula += "O";
    if (z > 1) formula += "@d" + whole_number_text(z) + "@";
    problem_texts.answer_text = formula;
    pose_problem({160, 580, 50}, {180, 180, 380});
}

void generate_problem_42()
{
    skip_random_draws(2);
    // Each with the digits that the volumes, the molarity and the mass
    // leave; a concentration that they leave unknown is drawn again.
    const auto bromide = [](const std::vector<double>& d) {
        const double total = d[1] / d[0] * d[2];
        const double halides = d[4] / (d[3] * 0.001);
        return (halides - 143.323 * total) / (187.779 - 143.323);
    };
    draw_until_accepted([&] {
        float hcl = random_real(20.0f, 90.0f) * 0.001f;
        const float factor = random_real(2.0f, 5.0f);
        float hbr = random_int(1, 2) == 1 ? factor * hcl : hcl / factor;
        if (random_int(1, 2) == 1) std::swap(hcl, hbr);
        set_slot_digits(3, static_cast<float>(random_int(200, 450)) * 0.1f, 3);
        set_slot_digits(4, static_cast<float>(random_int(200, 450)) * 0.1f, 3);
        set_slot_digits(5, (hbr + hcl) / slot_value(4) * slot_value(3), 4);
        set_slot_digits(6, static_cast<float>(random_int(500, 990)) * 0.1f, 3);
        // Molar masses of silver bromide and silver chloride.
        set_slot_digits(7, (hbr * 187.779f + hcl * 143.323f) * slot_value(6) * 0.001f, 3);
        set_slot_from_data(9, {3, 4, 5, 6, 7}, bromide);
        set_slot_from_data(8, {3, 4, 5, 6, 7},
                           [&](const std::vector<double>& d) { return d[1] / d[0] * d[2] - bromide(d); });
        return !uncertainty_exceeds_value(8) && !uncertainty_exceeds_value(9);
    });
    problem_texts.problem_text =
        slot_text(3) + " mL di una soluzione contenente HCl e HBr vengono titolati da " + slot_text(4) +
        " mL di NaOH " + slot_text(5) + " M. " + slot_text(6) +
        " mL della soluzione iniziale, trattati con un eccesso di AgNO@d3@, danno " + slot_text(7) +
        " g di precipitato di alogenuri di argento. Calcolare le concentrazioni di HCl e HBr nella soluzione "
        "iniziale";
    problem_texts.answer_text = "HCl " + slot_text(8) + " M; HBr " + slot_text(9) + " M";
    pose_problem({170, 560, 45}, {260, 150, 280});
}

void generate_problem_43()
{
    skip_random_draws(11);
    std::int32_t liquid = 0;
    draw_until_accepted([&] {
        liquid = random_int(1, 3);
        draw_until_accepted([&] {
            if (!repeats_last_choice(43, liquid)) return true;
            liquid = random_int(1, 3);
            return false;
        });
        std::int32_t t = random_int(15, 99);
        if (liquid == 2) t = random_int(15, 65);
        set_slot_digits(1, static_cast<float>(t), 2);
        value_slots[3].value = vapour_pressure_torr(*organic_liquids[liquid - 1], kelvin(slot_value(1)));
        return slot_value(3) <= 999.0f;
    });
    final_problems_state.last_choice[43] = liquid;
    const float t = kelvin(slot_value(1));
    set_slot_digits_from(2, water_vapour_pressure(t), 100.0f, 2);
    convert_data_slot(2, slot_digits_from_text);
    set_slot_digits_from(3, slot_value(3), 100.0f, 2);
    convert_data_slot(3, slot_digits_from_text);
    value_slots[4].value = compound_molar_mass(organic_liquids[liquid - 1]->compound);
    const char* name = liquid == 1 ? " tetracloruro di carbonio" : liquid == 2 ? " benzene" : " toluene";
    problem_texts.problem_text =
        "Le tensioni di vapore a " + slot_text(1) + "@uo@C dell'acqua e del" + name +
        ", praticamente insolubili tra loro, sono pari a " + slot_text(2) + " e " + slot_text(3) +
        " torr. Calcolare la percentuale in peso di acqua nel vapore in equilibrio a questa temperatura con una "
        "miscela dei due liquidi";
    set_slot_digits(5, 100.0f / (1.0f + slot_value(3) * slot_value(4) / (slot_value(2) * water_molar_mass())), 2);
    problem_texts.answer_text = slot_text(5) + "%";
    pose_problem({170, 560, 45}, {260, 150, 280});
}

void generate_problem_44()
{
    skip_random_draws(11);
    const std::int32_t a = random_int(20, 60);
    const std::int32_t b = random_int(a + 10, a + 39);
    set_slot_digits(2, static_cast<float>(a), 2);
    set_slot_digits(3, static_cast<float>(b), 2);
    const bool grows = random_int(1, 2) == 1;
    set_slot_digits(1, random_real(50.0f, 95.0f), 2);
    std::string& text = problem_texts.problem_text;
    text = "Calcolare il valore di @bD@@iH@@u0@ per una reazione la cui costante di equilibrio";
    append_piece(text, grows ? " aumenta" : " diminuisce");
    append_piece(text, " " + article_before_number("de", slot_text(1)) + slot_text(1) + "%");
    const bool heating = random_int(1, 2) == 1;
    if (heating)
        append_piece(text, " riscaldando il sistema da " + slot_text(2) + " a " + slot_text(3) + "@uo@C");
    else
        append_piece(text, " raffreddando il sistema da " + slot_text(3) + " a " + slot_text(2) + "@uo@C");
    const float l = grows ? -std::log(1.0f + slot_value(1) * 0.01f) : -std::log(1.0f - slot_value(1) * 0.01f);
    float enthalpy = l / (1.0f / kelvin(slot_value(3)) - 1.0f / kelvin(slot_value(2))) * gas_constant_joule_f * 0.001f;
    if (!heating) enthalpy = -enthalpy;
    set_slot_digits(4, enthalpy, 2);
    problem_texts.answer_text = slot_text(4) + " kJ";
    pose_problem({170, 560, 45}, {260, 150, 280});
}

void generate_problem_45()
{
    skip_random_draws(5);
    const std::int32_t v = pick_problem_variant(6, final_problems_state.last_choice[45], 4);
    const RadioactiveIsotope& isotope = long_lived_isotopes[v - 1];
    set_slot_digits(1, random_real(5.0f, 20.0f), 3);
    const std::int32_t z = symbol_search(isotope.symbol);
    set_slot_text(2, isotope.half_life);
    // Seconds, while the text still shows years.
    value_slots[2].value = slot_value(2) * 31536000.0f;
    set_slot_digits(6, random_real(100.0f, 300.0f), 3);
    const float molar_mass = element_molar_mass(z);
    const std::int32_t r = random_int(1, 2);
    set_slot_digits(3, random_real(0.2f, 0.9f) * power_of_ten(r), 3);
    const std::string element = element_name(z);
    problem_texts.problem_text =
        "Da un campione di " + slot_text(6) + " mg di una miscela" + (v == krypton ? " gassosa" : "") +
        " radioattiva si hanno " + slot_text(3) + " decadimenti per secondo dovuti alla presenza di @u" +
        std::string(isotope.mass_number) + "@" + std::string(strip_trailing_blanks(isotope.symbol)) +
        " (@it@@d1/2@ = " + slot_text(2) + " anni). Calcolare la frazione di atomi di " + element +
        " radioattivi sapendo che il contenuto totale di " + element + " nella miscela è " + slot_text(1) +
        "% in massa";
    const float radioactive = slot_value(2) / std::log(2.0f) * slot_value(3);
    const float atoms = slot_value(1) * 0.01f * slot_value(6) * 0.001f / molar_mass * avogadro_number_f;
    set_slot_digits(4, radioactive / atoms, 2);
    problem_texts.answer_text = slot_text(4);
    pose_problem({180, 560, 50}, {290, 150, 280});
}

void generate_problem_46()
{
    skip_random_draws(11);
    std::int32_t j = random_int(1, static_cast<std::int32_t>(weak_acids.size()));
    if (app_state.version_number == text_version) j = 2;
    const AcidBaseConstant& acid = *weak_acids[j - 1];
    const float ca = random_real(0.01f, 0.03f);
    const float va = random_real(10.0f, 30.0f);
    const float cb = random_real(0.3f * ca, 1.2f * ca);
    const float vb = random_real(0.5f * va, 1.2f * va);
    set_slot_digits(1, ca, 4);
    set_slot_digits(2, cb, 4);
    set_slot_digits(3, va, 4);
    set_slot_digits(4, vb, 4);
    set_slot_text(9, acid.value);
    const bool acid_first = random_int(1, 2) == 1;
    set_slot_constant(5, own_constant("NH@d3@"));
    const std::string acid_part = slot_text(3) + " mL di " + std::string(acid.species) + " " + slot_text(1) +
                                  " M [@iK@@da@ = " + slot_text(9) + "]";
    const std::string base_part =
        slot_text(4) + " mL di NH@d3@ " + slot_text(2) + " M [@iK@@db@ = " + slot_text(5) + "]";
    problem_texts.problem_text = "Calcolare il pH della soluzione ottenuta mescolando " +
                                 (acid_first ? acid_part + " e " + base_part : base_part + " e " + acid_part);
    // From the volumes, molarities and constants shown, with the digits they
    // leave: near equivalence the pH turns on the last digits of the data.
    set_slot_from_data(10, {3, 1, 4, 2, 9, 5}, [](const std::vector<double>& d) {
        const double total = d[0] + d[2];
        return mixture_ph(static_cast<float>(d[0] * d[1] / total), static_cast<float>(d[2] * d[3] / total),
                          static_cast<float>(d[4]), static_cast<float>(d[5]));
    });
    problem_texts.answer_text = "@T1@@C1@" + slot_text(10);
    pose_problem({240, 560, 50}, {170, 160, 280});
}

void generate_problem_47()
{
    skip_random_draws(7);
    const std::int32_t v = pick_problem_variant(3, final_problems_state.last_choice[47], sulfates);
    const SparinglySoluble& first = selective_pairs[2 * v - 2];
    const SparinglySoluble& second = selective_pairs[2 * v - 1];
    const Reagent& reagent = reagents[v - 1];
    set_slot_text(9, first.salt->value);
    set_slot_text(10, second.salt->value);
    const auto concentration = [] {
        const float m = static_cast<float>(random_int(10, 80));
        return m * std::pow(10.0f, -static_cast<float>(random_int(3, 4)));
    };
    value_slots[1].value = concentration();
    value_slots[2].value = concentration();
    for (std::int32_t slot = 1; slot <= 2; ++slot) convert_data_slot(slot, 3);
    for (std::int32_t slot = 1; slot <= 2; ++slot) convert_data_slot(slot, slot_digits_from_text);
    set_slot_digits(3, static_cast<float>(random_int(20, 50)) * 10.0f, 3);
    problem_texts.problem_text =
        "Del " + std::string(reagent.formula) + " solido viene aggiunto lentamente a " + slot_text(3) +
        " mL di una soluzione " + slot_text(1) + " M in " + std::string(first.cation) + " e " + slot_text(2) +
        " M in " + std::string(second.cation) + " in modo da precipitare la massima quantità di " +
        std::string(first.salt->formula) + " [@iK@@dps@ = " + slot_text(9) + "] senza che precipiti " +
        std::string(second.salt->formula) + " [@iK@@dps@ = " + slot_text(10) + "]. Calcolare la quantità di " +
        std::string(reagent.formula) + " richiesta e la concentrazione di " + std::string(first.cation) +
        " che resta in soluzione";
    // The anion concentration at which the second salt would start to
    // precipitate, from its solubility product and cation (d[0], d[1]);
    // each answer with the digits that its data leave.
    const double anions_per_cation = v == sulfates ? 1.0 : 2.0;
    const double reagent_molar_mass = composition_molar_mass(reagent.composition);
    const auto anion = [=](double ksp, double cation) { return std::pow(ksp / cation, 1.0 / anions_per_cation); };
    const auto left = [=](const std::vector<double>& d) {
        return d[2] / std::pow(anion(d[0], d[1]), anions_per_cation);
    };
    set_slot_from_data(4, {10, 2, 9}, left);
    set_slot_from_data(5, {10, 2, 9, 1, 3}, [&](const std::vector<double>& d) {
        return ((d[3] - left(d)) * anions_per_cation + anion(d[0], d[1])) * d[4] * 0.001 * reagent_molar_mass;
    });
    problem_texts.answer_text = slot_text(5) + " g; " + slot_text(4) + " M";
    pose_problem({170, 520, 40}, {280, 150, 280});
}

void generate_problem_48()
{
    skip_random_draws(8);
    const std::int32_t v = pick_problem_variant(6, final_problems_state.last_choice[48], 1);
    const GalvanicCell& cell = *cells[v - 1];
    std::int32_t direction = random_int(1, 2);
    if (app_state.version_number == text_version) direction = 2;
    std::string reaction(cell.reaction);
    set_slot_text(1, cell.free_energy);
    if (direction == 2) {
        const std::size_t k = reaction.find('=');
        reaction = std::string(strip_trailing_blanks(reaction.substr(k + 2))) + " = " + reaction.substr(0, k - 1);
        set_slot_uncertainty(1, -slot_value(1), slot_uncertainty(1));
    }
    const std::int32_t r = random_int(-4, -2);
    value_slots[2].value = random_real(1.0f, 9.9f) * power_of_ten(r);
    const std::int32_t r2 = random_int(-4, -2);
    value_slots[3].value = random_real(1.0f, 9.9f) * power_of_ten(r2);
    const bool hydrogen_electrode = v > 3;
    if (hydrogen_electrode) value_slots[3].value = random_real(3.0f, 6.0f);
    convert_data_slot(2, 3);
    convert_data_slot(3, 3);
    convert_data_slot(3, slot_digits_from_text);
    const float asked = slot_value(2), other = slot_value(3);
    float ln_q = 0.0f;
    switch (v) {
    case 1:
    case 2: ln_q = std::log(other / asked); break;
    case 3: ln_q = std::log(other / (asked * asked)); break;
    case 5: ln_q = std::log(asked * asked * std::pow(10.0f, 2.0f * other)); break;
    default: ln_q = std::log(asked * std::pow(10.0f, 2.0f * other)); break;
    }
    if (direction == 2) ln_q = -ln_q;
    set_slot_digits(
        4, std::fabs(slot_value(1) * -volts_per_kilojoule_f - nernst_slope_f / (2.0f * std::log(10.0f)) * ln_q), 4);
    convert_data_slot(4, slot_digits_from_text);
    problem_texts.problem_text = "@T1@@C1@La differenza di potenziale a 25@uo@C di una data pila basata sulla "
                                 "reazione " +
                                 reaction + " (@bD@@iG@@u0@ = " + slot_text(1) + " kJ/mol) è pari a " + slot_text(4) +
                                 " V. Calcolare la concentrazione di " + std::string(cell.ion);
    if (hydrogen_electrode)
        problem_texts.problem_text += " se all'elettrodo a idrogeno il pH è " + slot_text(3) + " e @iP@(H@d2@) = 1 atm";
    else
        problem_texts.problem_text +=
            " se quella di " + std::string(cell.other_ion) + " all'altro elettrodo è " + slot_text(3) + " M";
    // From the free energy, the voltage and the other electrode (d[0] to
    // d[2]), with the digits that they leave: a concentration varies as a
    // power of ten of the voltage.
    set_slot_from_data(6, {1, 4, 3}, {4}, [v](const std::vector<double>& d) {
        const double q = std::pow(10.0, (d[1] + std::fabs(d[0]) * -volts_per_kilojoule) * -twice_inverse_nernst_slope);
        const double hydrogen_term = std::pow(10.0, -2.0 * d[2]);
        switch (v) {
        case 1: return d[2] / q;
        case 2: return q * d[2];
        case 3: return std::sqrt(d[2] / q);
        case 4: return hydrogen_term * q;
        case 5: return std::sqrt(hydrogen_term / q);
        default: return hydrogen_term / q;
        }
    });
    problem_texts.answer_text = slot_text(6) + " M ";
    pose_problem({220, 570, 50}, {170, 160, 280});
}

}  // namespace final_problems

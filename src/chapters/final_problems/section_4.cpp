// Section "Sezione 4": problems 25 to 32.
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
#include "chemistry/equation_text.h"
#include "chemistry/equilibrium_extent.h"
#include "chemistry/gas_virial.h"
#include "chemistry/heat_lines.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/reacting_gases.h"
#include "chemistry/solubility_products.h"
#include "chemistry/table_fields.h"
#include "chemistry/water_data.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace final_problems {
namespace {

constexpr std::array<CompoundKey, 13> gases{
    compounds::helium,       compounds::neon,           compounds::argon,           compounds::nitrogen,
    compounds::oxygen,       compounds::ammonia,        compounds::carbon_monoxide, compounds::carbon_dioxide,
    compounds::nitric_oxide, compounds::sulfur_dioxide, compounds::methane,         compounds::ethane,
    compounds::xenon};
static_assert(std::ranges::all_of(gases, has_phase_points));
static_assert(!std::is_convertible_v<int, decltype(gases)::value_type>);

// Salts whose ions per gram differ enough for a freezing point to tell
// them apart in a mixture: compound record and ions per formula unit.
struct Salt {
    CompoundKey compound;
    std::int32_t ions;
};
static_assert(!std::is_convertible_v<int, decltype(Salt::compound)>);
constexpr std::array<Salt, 8> salts{{
    {compounds::sodium_chloride, 2},
    {compounds::potassium_chloride, 2},
    {compounds::sodium_bromide, 2},
    {compounds::potassium_bromide, 2},
    {compounds::calcium_chloride, 3},
    {compounds::barium_chloride, 3},
    {compounds::copper_ii_chloride, 3},
    {compounds::zinc_chloride, 3},
}};

// Pairs of list entries (either order) that a problem must not mix.
template <typename Entry>
struct Pair {
    Entry a, b;
    bool matches(std::int32_t x, std::int32_t y) const { return (x == a && y == b) || (x == b && y == a); }
};
template <typename Entry, std::size_t count>
bool among(const std::array<Pair<Entry>, count>& pairs, std::int32_t x, std::int32_t y)
{
    return std::ranges::any_of(pairs, [&](const Pair<Entry>& p) { return p.matches(x, y); });
}
// Gases of equal molar mass within a part in a thousand: a density cannot
// tell their proportions.
constexpr std::array<Pair<CompoundKey>, 2> alike_gases{
    {{compounds::nitrogen, compounds::carbon_monoxide}, {compounds::nitric_oxide, compounds::ethane}}};
static_assert(!std::is_convertible_v<int, decltype(Pair<CompoundKey>::a)>);
// Salts with ions per gram within 2 % (entries of the salt list).
constexpr std::array<Pair<std::int32_t>, 2> alike_salts{{{2, 5}, {7, 8}}};

// Change in moles of gas of each gas reaction.
constexpr std::array<std::int32_t, 8> gas_mole_change{-2, -1, -1, -1, 0, -1, -1, -1};
// The range of random_int (lo, hi) whose 5-fold is each reaction's temperature (°C).
struct Range {
    std::int32_t lo, hi;
};
constexpr std::array<Range, 8> reaction_temperatures{{
    {20, 160},
    {80, 160},
    {120, 180},
    {100, 160},
    {20, 160},
    {100, 180},
    {20, 160},
    {20, 160},
}};

// A salt added to a cation that it precipitates: the salt's compound
// record, the precipitate, the cation and the anions per cation in the
// precipitate, whose solubility product chapter 7's table gives.
struct Precipitation {
    CompoundKey salt;
    const SolubilityProduct* precipitate;
    std::string_view cation;
    std::int32_t anions;
};
static_assert(!std::is_convertible_v<int, decltype(Precipitation::salt)>);
constexpr std::array<Precipitation, 8> precipitations{{
    {compounds::potassium_iodide, &solubility_product("PbI@d2@"), "Pb@u2+@", 2},
    {compounds::potassium_iodate, &solubility_product("Pb(IO@d3@)@d2@"), "Pb@u2+@", 2},
    {compounds::potassium_iodate, &solubility_product("Cu(IO@d3@)@d2@"), "Cu@u2+@", 2},
    {compounds::sodium_fluoride, &solubility_product("MgF@d2@"), "Mg@u2+@", 2},
    {compounds::sodium_fluoride, &solubility_product("BaF@d2@"), "Ba@u2+@", 2},
    {compounds::sodium_sulfate, &solubility_product("PbSO@d4@"), "Pb@u2+@", 1},
    {compounds::sodium_sulfate, &solubility_product("CaSO@d4@"), "Ca@u2+@", 1},
    {compounds::potassium_iodate, &solubility_product("Cr(IO@d3@)@d3@"), "Cr@u3+@", 3},
}};
// CuCl was member 8: aqueous Cu+ disproportionates, so no solution is
// "M in Cu+"; it is left out of the draw.
constexpr std::array<std::int32_t, 1> copper_i_chloride{8};

// Metals deposited by electrolysis: atomic number and ion charge. Oxygen
// at the anode means water or a molten hydroxide is split: the alkali
// metals come from the hydroxide, the others from an aqueous salt, which
// deposits no magnesium, calcium or barium (nickel, cobalt and cadmium
// take their places).
struct DepositedMetal {
    std::int32_t z;
    std::int32_t charge;
};
constexpr std::array<DepositedMetal, 10> deposited_metals{{
    {3, 1},
    {11, 1},
    {19, 1},
    {47, 1},
    {28, 2},
    {27, 2},
    {48, 2},
    {29, 2},
    {30, 2},
    {13, 3},
}};

// The total pressure at which the gas C, dissociating as n3 C = n1 A + n2 B
// (nu: n1, n2, -, n3) with the constant k in atm, or in mol/L when
// per_litre, is dissociated by the fraction a at celsius degrees:
// k = P^dn x_A^n1 x_B^n2 / x_C^n3, with the mole fractions of one mole of C.
double dissociation_pressure(const SpeciesValues& nu, bool per_litre, double k, double a, double celsius)
{
    const double n1 = nu[0], n2 = nu[1], n3 = nu[3];
    const double dn = n1 + n2 - n3;
    const double total = 1.0 - a + a * (n1 + n2) / n3;
    const double x_a = a * n1 / n3 / total;
    const double x_b = a * n2 / n3 / total;
    const double x_c = (1.0 - a) / total;
    const double kp = per_litre ? k * std::pow(gas_constant_litre_atm_cut * (celsius + celsius_zero), dn) : k;
    return std::pow(kp * std::pow(x_c, n3) / (std::pow(x_a, n1) * std::pow(x_b, n2)), 1.0 / dn);
}

}  // namespace

void generate_problem_25()
{
    skip_random_draws(3);
    std::int32_t i1 = 0, i2 = 0;
    draw_until_accepted([&] {
        i1 = random_int(1, 13);
        if (repeats_last_choice(25, i1)) return false;
        i2 = random_int(1, 13);
        return i2 != i1 && !among(alike_gases, gases[i1 - 1], gases[i2 - 1]) &&
               !gases_react(gases[i1 - 1], gases[i2 - 1]);
    });
    final_problems_state.last_choice[25] = i1;
    const std::int32_t first = gases[i1 - 1];
    const std::int32_t second = gases[i2 - 1];
    const float m1 = compound_molar_mass(first);
    const float m2 = compound_molar_mass(second);
    bool swapped = false;
    std::int32_t asked = 0;
    double ma = 0.0;
    double mb = 0.0;
    // Drawn again where a gas would condense at its partial pressure, the
    // mixture stray past the ideal gas's 5 % (ammonia at 7.7 atm and 23 °C
    // among xenon), or where the data leave the percentage unknown.
    draw_until_accepted([&] {
        set_slot_digits(1, random_real(10.0f, 90.0f), 3);
        swapped = random_int(1, 2) == 2;
        random_int(1, 2);  // drawn and never used: it keeps the later data of every version in place
        asked = swapped ? second : first;
        ma = swapped ? m2 : m1;
        mb = swapped ? m1 : m2;
        float pressure = random_real(1.0f, 9.9f);
        if (random_int(1, 2) == 1) pressure *= 0.1f;
        set_slot_digits(2, pressure, 3);
        set_slot_digits(3, random_real(15.0f, 80.0f), 2);
        const float w = slot_value(1);
        set_slot_digits(
            4,
            100.0f / (((100.0f - w) / m2 + w / m1) * kelvin(slot_value(3)) / slot_value(2) * gas_constant_litre_atm_f),
            3);
        const double x1 = w / m1 / (w / m1 + (100.0f - w) / m2);
        const double t = kelvin(slot_value_as_shown(3));
        const GasShare shares[] = {{first, x1 * slot_value_as_shown(2)}, {second, (1.0 - x1) * slot_value_as_shown(2)}};
        if (gas_condenses(first, t, shares[0].partial_atm) || gas_condenses(second, t, shares[1].partial_atm) ||
            !near_ideal(shares, t))
            return false;
        // With the digits that the density, the temperature and the pressure leave.
        set_slot_from_data(5, {4, 3, 2}, {3}, [&](const std::vector<double>& d) {
            const double mixture = d[0] * gas_constant_litre_atm * (d[1] + celsius_zero) / d[2];
            return 100.0 * (1.0 / mixture - 1.0 / mb) / (1.0 / ma - 1.0 / mb);
        });
        return !uncertainty_exceeds_value(5);
    });
    problem_texts.problem_text = "Calcolare la percentuale in peso di " + compound_name(asked) + " in una miscela di " +
                                 compound_name(first) + and_before(compound_name(second)) + compound_name(second) +
                                 " di densità " + slot_text(4) + " g/L a " + slot_text(3) + "@uo@C e " + slot_text(2) +
                                 " atm";
    problem_texts.answer_text = slot_text(5) + "%";
    pose_problem({200, 520, 45}, {260, 160, 300});
}

void generate_problem_26()
{
    skip_random_draws(2);
    set_slot_digits(1, random_real(60.0f, 90.0f), 3);
    const float nitrate = random_real(0.01f, 0.09f);
    set_slot_digits(3, random_real(30.0f, 70.0f), 3);
    set_slot_digits(2, random_real(1.5f, 2.5f) / slot_value(3) * nitrate * slot_value(1), 4);
    set_slot_digits(4, random_real(25.0f, 40.0f), 3);
    set_slot_digits(5, (slot_value(2) * slot_value(3) - nitrate * slot_value(1)) / slot_value(4), 4);
    problem_texts.problem_text =
        slot_text(1) +
        " mL di una soluzione contenente nitrati vengono trattati con un eccesso di zinco in ambiente basico (Zn + "
        "NO@d3@@u-@ = Zn(OH)@d4@@u2-@ + NH@d3@); l'ammoniaca prodotta è fatta assorbire in " +
        slot_text(3) + " mL di HCl " + slot_text(2) + " M, e l'eccesso di HCl viene titolato usando " + slot_text(4) +
        " mL di NaOH " + slot_text(5) + " M. Calcolare la concentrazione di nitrati nella soluzione iniziale";
    // A difference of acid and base: the digits that the data leave.
    set_slot_from_data(6, {2, 3, 4, 5, 1},
                       [](const std::vector<double>& d) { return (d[0] * d[1] - d[2] * d[3]) / d[4]; });
    problem_texts.answer_text = slot_text(6) + " M";
    pose_problem({170, 560, 45}, {260, 160, 280});
}

void generate_problem_27()
{
    skip_random_draws(5);
    const std::int32_t e1 = pick_problem_variant(8, final_problems_state.last_choice[27], 2);
    std::int32_t last_second = e1;
    std::int32_t e2 = pick_problem_variant(8, last_second, 0);
    // A salt too like the first is drawn again as a repeated one is.
    draw_until_accepted([&] {
        if (e2 != e1 && !among(alike_salts, e1, e2)) return true;
        e2 = random_int(1, 8);
        return false;
    });
    const Salt& first = salts[e1 - 1];
    const Salt& second = salts[e2 - 1];
    const float m1 = compound_molar_mass(first.compound);
    const float m2 = compound_molar_mass(second.compound);
    const float i1 = static_cast<float>(first.ions), i2 = static_cast<float>(second.ions);
    set_slot_digits(1, random_real(1.0f, 5.0f), 3);
    const float x = random_real(0.1f, 0.9f);
    const float ions = i1 / m1 * x * slot_value(1) + (1.0f - x) / m2 * i2 * slot_value(1);
    set_slot_digits(2, ions / random_real(0.1f, 0.5f) * 1000.0f, 3);
    set_slot_digits(3, ions / slot_value(2) * (water_value_f(WaterFact::cryoscopic_constant) * 1000.0f), 3);
    // The cryoscopic constant is printed, so its digits count as a datum's.
    set_slot_text(6, water_text(WaterFact::cryoscopic_constant));
    problem_texts.problem_text = "Determinare la composizione di una miscela di " + compound_name(first.compound) +
                                 " e " + compound_name(second.compound) +
                                 " sapendo che la soluzione ottenuta sciogliendo " + slot_text(1) +
                                 " g di miscela in " + slot_text(2) + " g di acqua gela a -" + slot_text(3) +
                                 "@uo@C (@ik@@df@(H@d2@O) = " + slot_text(6) + " kg•K/mol) ";
    // The salts' masses from the freezing point, the water, the mixture and
    // the constant shown.
    const auto first_mass = [=](const std::vector<double>& d) {
        return (d[0] / d[3] * d[1] * 0.001 - d[2] * i2 / m2) / (i1 / m1 - i2 / m2);
    };
    const double first_grams = first_mass({slot_value(3), slot_value(2), slot_value(1), slot_value(6)});
    const bool first_larger = first_grams >= slot_value(1) - first_grams;
    const std::int32_t slot = first_larger ? 4 : 5;
    // A difference: the digits that the data leave.
    set_slot_from_data(slot, {3, 2, 1, 6}, {3}, [&](const std::vector<double>& d) {
        return first_larger ? first_mass(d) : d[2] - first_mass(d);
    });
    problem_texts.answer_text =
        compound_formula(first_larger ? first.compound : second.compound) + ": " + slot_text(slot) + " g";
    pose_problem({230, 560, 50}, {180, 150, 300});
}

void generate_problem_28()
{
    skip_random_draws(10);
    std::int32_t kind = random_int(1, 2);
    if (app_state.version_number == text_version) kind = 1;
    const auto [carbon, hydrogen, oxygen] = draw_organic_counts(kind);
    const std::string formula = organic_formula({carbon, hydrogen, oxygen});
    set_slot_digits(3, random_real(20.0f, 140.0f), 3);
    set_slot_digits(2, -draw_combustion_heat({carbon, hydrogen, oxygen}, slot_value(3)), 4);
    set_slot_digits(6, heat_lines.carbon_monoxide_combustion.at(slot_value(3)), 4);
    // k compound + a O2 = b CO + c H2O in whole numbers.
    std::int32_t k = 1, b = carbon, c = hydrogen / 2;
    std::int32_t a = c - k * oxygen + b;
    if (a % 2 != 0) {
        k *= 2;
        b *= 2;
        c *= 2;
        a = c - k * oxygen + b;
    }
    a /= 2;
    const auto coefficient = [](std::int32_t n) { return n == 1 ? std::string() : whole_number_text(n); };
    const std::string equation = coefficient(k) + formula + " + " + coefficient(a) + "O@d2@ = " + coefficient(b) +
                                 "CO + " + coefficient(c) + "H@d2@O";
    problem_texts.problem_text =
        "@T1@@C1@L'entalpia di combustione di " + formula + " a 1 atm e " + slot_text(3) + "@uo@C è pari a " +
        slot_text(2) + " kJ/mol, mentre @bD@@iH@ per la reazione 2CO + O@d2@ = 2CO@d2@ è pari a " + slot_text(6) +
        " kJ. Calcolare il valore di @bD@@iH@ nelle stesse condizioni per la reazione ";
    const float kf = static_cast<float>(k), half_carbon = 0.5f * static_cast<float>(carbon);
    set_slot_uncertainty(5, kf * (slot_value(2) - half_carbon * slot_value(6)),
                         kf * (half_carbon * slot_uncertainty(6) + slot_uncertainty(2)));
    problem_texts.answer_text = slot_text(5) + " kJ";
    // The export carries the equation that the page centres below the text.
    draw_problem_text_and_equation(160, 582, 45, 100, equation, 100);
    show_chemistry_fact(160, 160, 280);
}

void generate_problem_29()
{
    skip_random_draws(1);
    std::int32_t v = pick_problem_variant(8, final_problems_state.last_choice[29], 2);
    // Reaction 5 keeps its moles of gas: no pressure changes its dissociation.
    if (v == 5) {
        v = 6;
        final_problems_state.last_choice[29] = 6;
    }
    const std::string equation = gas_reaction_equation(v);
    EquationTerms terms;
    parse_equation_terms(equation, terms);
    const Range range = reaction_temperatures[v - 1];
    const std::int32_t mole_change = gas_mole_change[v - 1];
    const SpeciesValues nu{static_cast<float>(terms.coefficient[1]),
                           static_cast<float>(terms.coefficient[2]),
                           0.0f,
                           static_cast<float>(terms.coefficient[3]),
                           0.0f,
                           0.0f};
    std::int32_t kind = 0;
    // Each gas at equilibrium at its partial pressure, from the share
    // dissociated: the gas dissociating holds 1 - α of a mole, the others
    // α of it times their coefficients over its own.
    const auto holds = [&](float kelvin, float share, float total) {
        const double per_mole[] = {share * nu[0] / nu[3], share * nu[1] / nu[3], 1.0 - share};
        const double sum = per_mole[0] + per_mole[1] + per_mole[2];
        std::vector<FormulaShare> gases;
        for (std::int32_t j = 1; j <= 3; ++j) {
            const std::string_view formula = terms.species_text(equation, j);
            const double atm = total * per_mole[j - 1] / sum;
            if (gas_of_formula_condenses(formula, kelvin, atm)) return false;
            gases.push_back({formula, atm});
        }
        return formulas_near_ideal(gases, kelvin);
    };
    // A pressure that its uncertainty exceeds answers nothing, and one that
    // condenses a gas (phosgene at its saturation, 15.4 atm at 105 °C) or
    // takes the mixture past the ideal gas's 5 % is no state of it: drawn
    // again.
    draw_until_accepted([&] {
        set_slot_digits(7, 5.0f * static_cast<float>(random_int(range.lo, range.hi)), 3);
        const float t = kelvin(slot_value(7));
        set_slot_digits(5, gas_equilibrium_constant(equation, slot_value(7)), 3);
        kind = random_int(1, 2);
        const float kc = slot_value(5) / std::pow(gas_constant_litre_atm_cut_f * t, static_cast<float>(mole_change));
        set_slot_digits(12, 1.0f / (kind == 1 ? slot_value(5) : kc), 3);
        set_slot_digits(1, 0.0f, 3);
        set_slot_digits(2, 0.0f, 3);
        const std::int32_t e = random_int(1, 2);
        float product = random_real(1.0f, 9.9f) * power_of_ten(-e);
        if (product > 0.5f) product *= 0.5f;
        set_slot_digits(3, product, 3);
        const SpeciesValues initial{0.0f, 0.0f, 0.0f, slot_value(3), 0.0f, 0.0f};
        SpeciesValues c{};
        (void)solve_equilibrium_extent(nu, initial, c, kc);
        // A degree of dissociation shown as 100 % would leave no pressure to
        // find: it takes the digits that keep it below.
        const float percent = (slot_value(3) - c[3]) / slot_value(3) * 100.0f;
        std::int32_t percent_digits = 3;
        set_slot_digits(8, percent, percent_digits);
        while (slot_value(8) >= 100.0f && percent_digits < 7) set_slot_digits(8, percent, ++percent_digits);
        // From the constant, the degree of dissociation and the temperature
        // as shown, with the digits they leave.
        set_slot_from_data(6, {12, 8, 7}, {7}, [&](const std::vector<double>& d) {
            return dissociation_pressure(nu, kind == 2, d[0], 0.01 * d[1], d[2]);
        });
        return !uncertainty_exceeds_value(6) && holds(t, 0.01f * slot_value(8), slot_value(6));
    });
    const std::string shown_equation = add_state_subscripts(equation, 1, water_as_vapour, right_to_left).value_or("");
    const std::string gas(terms.species_text(equation, 3));
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Un recipiente contenente " + gas + " viene portato a " + slot_text(7) + "@uo@C, ove";
    append_piece(text, kind == 1 ? " @iK@ " : " @iK@@dc@");
    // The displayed equation keeps its leading blank.
    append_piece(text, " per la reazione " + shown_equation + " vale " + slot_text(12));
    if (kind == 2) {
        if (mole_change == -1)
            append_piece(text, " mol/L");
        else if (mole_change == 1)
            append_piece(text, " (mol/L)@u-1@");
        else
            append_piece(text, " (mol/L)@u" + whole_number_text(-mole_change) + "@");
    }
    append_piece(text, ". Calcolare quale deve essere la pressione totale perché il grado di dissociazione di " + gas +
                           " sia pari a " + slot_text(8) + "%");
    problem_texts.answer_text = slot_text(6) + " atm";
    pose_problem({170, 550, 50}, {280, 150, 280});
}

void generate_problem_30()
{
    skip_random_draws(2);
    std::int32_t v = 0;
    draw_until_accepted([&] {
        v = random_int(1, 5);
        if (repeats_last_choice(30, v)) return false;
        if (app_state.version_number == text_version) v = 5;
        set_slot_digits(1, static_cast<float>(random_int(200, 800)) * 0.1f, 3);
        set_slot_digits(2, static_cast<float>(random_int(100, 900)) * 0.0001f, 3);
        set_slot_uncertainty(3, buffer_pka(buffer_pairs[v - 1]), 0.03f);
        const bool above = random_int(1, 2) == 1;
        const float shift = static_cast<float>(random_int(20, 100)) * 0.01f;
        set_slot_uncertainty(4, above ? slot_value(3) + shift : slot_value(3) - shift, 0.03f);
        // Neither [H+] nor [OH-] may reach 0.5 % of the concentration.
        const float h = std::pow(10.0f, -slot_value(4));
        return !(0.005f * slot_value(2) < h || water_ion_product_f / h > 0.005f * slot_value(2));
    });
    final_problems_state.last_choice[30] = v;
    const BufferPair& buffer = buffer_pairs[v - 1];
    const float ratio =
        std::pow(10.0f, buffer.base_partner ? slot_value(3) - slot_value(4) : slot_value(4) - slot_value(3));
    set_slot_digits(5, slot_value(2) * ratio * slot_value(1) * buffer.salt_molar_mass * 0.001f, 2);
    set_slot_digits(7, std::pow(10.0f, -slot_value(3)), 2);
    problem_texts.problem_text = "Calcolare il pH della soluzione ottenuta aggiungendo " + slot_text(5) + " g di " +
                                 std::string(buffer.salt) + " a " + slot_text(1) + " mL di " +
                                 std::string(buffer.partner) + " " + slot_text(2) + " M" + " [@iK@@da@(" +
                                 std::string(buffer.acid) + ") = " + slot_text(7) + "]";
    const float salt = slot_value(5) / (slot_value(1) * buffer.salt_molar_mass * 0.001f);
    const float ka = slot_value(7);
    set_slot_digits(8,
                    buffer.base_partner ? mixture_ph(salt, slot_value(2), ka, water_ion_product_f / ka)
                                        : mixture_ph(slot_value(2), salt, ka, water_ion_product_f / ka),
                    3);
    problem_texts.answer_text = slot_text(8);
    pose_problem({170, 500, 50}, {290, 160, 280});
}

void generate_problem_31()
{
    skip_random_draws(2);
    const std::int32_t v = pick_kept_variant(9, final_problems_state.last_choice[31], 3, copper_i_chloride);
    const Precipitation& p = precipitations[v - 1];
    set_slot_text(9, p.precipitate->value);
    set_slot_digits(1, 10.0f * static_cast<float>(random_int(20, 99)), 3);
    set_slot_digits(2, random_real(2.0f, 9.9f) * 0.001f, 3);
    problem_texts.problem_text = "Calcolare quanto " + compound_formula(p.salt) + " si può aggiungere a " +
                                 slot_text(1) + " mL di una soluzione " + slot_text(2) + " M in " +
                                 std::string(p.cation) + " senza iniziare la precipitazione di " +
                                 std::string(p.precipitate->formula) + " [@iK@@dps@ = " + slot_text(9) + "]";
    const double molar_mass = compound_molar_mass(p.salt);
    const auto grams = [&](const std::vector<double>& d) {
        return molar_mass * std::pow(d[0] / d[1], 1.0 / static_cast<double>(p.anions)) * d[2] * 0.001;
    };
    // With the digits that the solubility product, the molarity and the
    // volume leave.
    const bool milligrams = grams({slot_value(9), slot_value(2), slot_value(1)}) < 0.1;
    const double unit = milligrams ? 1000.0 : 1.0;
    set_slot_from_data(3, {9, 2, 1}, [&](const std::vector<double>& d) { return unit * grams(d); });
    problem_texts.answer_text = slot_text(3) + (milligrams ? " mg" : " g");
    pose_problem({170, 520, 50}, {280, 150, 280});
}

void generate_problem_32()
{
    skip_random_draws(2);
    const DepositedMetal& metal =
        deposited_metals[pick_problem_variant(10, final_problems_state.last_choice[32], 2) - 1];
    set_slot_digits(1, random_real(1.0f, 15.0f), 3);
    const std::int32_t e = random_int(0, 1);
    float hours = random_real(1.0f, 9.0f) * power_of_ten(-e);
    if (random_int(1, 2) == 2) hours *= 10.0f;
    set_slot_digits(2, hours, 3);
    set_slot_text(3, element_field(metal.z, 21, 29));
    set_slot_digits(6, random_real(20.0f, 50.0f), 2);
    set_slot_digits(7, random_real(500.0f, 900.0f), 3);
    set_slot_digits(5,
                    slot_value(2) * slot_value(1) * 0.0093278745f / (slot_value(7) * atm_per_torr_f) *
                        kelvin(slot_value(6)) * gas_constant_litre_atm_f,
                    3);
    problem_texts.problem_text = "@T1@@C1@Calcolare quanto " + element_name(metal.z) +
                                 " è stato depositato al catodo in un'elettrolisi se all'anodo sono stati "
                                 "sviluppati " +
                                 slot_text(5) + " L di O@d2@ misurati a " + slot_text(6) + "@uo@C e " + slot_text(7) +
                                 " torr";
    // From the oxygen as shown: four electrons per O2, then the metal's charge.
    const float oxygen =
        slot_value(5) * slot_value(7) * atm_per_torr_f / (kelvin(slot_value(6)) * gas_constant_litre_atm_f);
    // Three digits, as the volume, the pressure and the kelvin temperature shown have.
    const float mass = 4.0f * oxygen / static_cast<float>(metal.charge) * slot_value(3);
    set_slot_digits(4, mass, 3);
    problem_texts.answer_text = slot_text(4) + " g";
    pose_problem({220, 570, 50}, {280, 160, 300});
}

}  // namespace final_problems

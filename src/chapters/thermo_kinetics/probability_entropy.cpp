// Section "Probabilità ed Entropia": problems 16 to 25, microstates and
// Boltzmann populations, entropy changes of heating, thermal contact and
// ideal gases, and entropies of reaction.
#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_virial.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace thermo_kinetics {
namespace {

// Populations (c, b, a) of the levels 0, E0 and m E0.
struct Distribution {
    std::int32_t c = 0, b = 0, a = 0;
    friend bool operator==(const Distribution&, const Distribution&) = default;
};

// A whole number into the slot's value and, as written, its input_text.
void set_slot_count(std::int32_t slot, std::int32_t n)
{
    value_slots[slot].value = static_cast<float>(n);
    value_slots[slot].input_text = std::to_string(n);
}

std::string count_text(std::int32_t slot)
{
    return value_slots[slot].input_text;
}

// "Dato un sistema di N enti ... (c, b, a) e (c2, b2, a2) ...", with the
// numbers of slots 1-3 and 11-16 as shown(slot) gives them.
template <typename Shown>
std::string microstate_statement(Shown shown)
{
    return "Dato un sistema di " + shown(1) + " enti con energie possibili 0, @iE@@d0@ e " + shown(2) +
           "@iE@@d0@ e con energia totale pari a " + shown(3) +
           "@iE@@d0@, confrontare il numero di modi di realizzare le distribuzioni (" + shown(11) + ", " + shown(12) +
           ", " + shown(13) + ") e (" + shown(14) + ", " + shown(15) + ", " + shown(16) +
           ") e determinarne la probabilità relativa";
}

// N!/(c! b! a!) in REAL arithmetic, the products and quotients in turn.
float ways(std::int32_t n, const Distribution& d)
{
    float w = 1.0f;
    for (std::int32_t k = 1; k <= n; ++k) w *= static_cast<float>(k);
    for (const std::int32_t part : {d.c, d.b, d.a})
        for (std::int32_t k = 1; k <= part; ++k) w /= static_cast<float>(k);
    return w;
}

std::int32_t digits_of_count(float w)
{
    if (w < 10.0f) return 1;
    if (w < 100.0f) return 2;
    return w < 1000.0f ? 3 : 4;
}

// Stirling's ln W = N ln N - sum n ln n, from the slots of N and of the populations.
double log_ways(std::int32_t first_population)
{
    const auto x_ln_x = [](double x) { return x * std::log(x); };
    return x_ln_x(slot_value(1)) - x_ln_x(slot_value(first_population)) - x_ln_x(slot_value(first_population + 1)) -
           x_ln_x(slot_value(first_population + 2));
}

// The whole power of ten nearest e^ln_value.
std::int32_t decimal_exponent(double ln_value)
{
    return static_cast<std::int32_t>(std::lround(ln_value / std::log(10.0)));
}

// What problems 17 and 18 count W with.
constexpr std::string_view stirling_approximation =
    ", calcolando @iW@ con l'approssimazione di Stirling ln @iW@ = @iN@ ln @iN@ - @bS@@in@@di@ ln @in@@di@";

// nint: halves away from zero.
std::int32_t nearest(float x)
{
    return static_cast<std::int32_t>(x >= 0.0f ? x + 0.5f : x - 0.5f);
}

// The Boltzmann populations of N entities at kT = t E0.
Distribution boltzmann(std::int32_t n, std::int32_t m, std::int32_t t)
{
    const auto kt = static_cast<float>(t);
    const float top = std::exp(-static_cast<float>(m) / kt);
    const float z = 1.0f + std::exp(-1.0f / kt) + top;
    Distribution d;
    d.c = nearest(static_cast<float>(n) / z);
    d.a = nearest(static_cast<float>(n) * top / z);
    d.b = n - d.c - d.a;
    return d;
}

constexpr std::array<CompoundKey, 11> gases{
    compounds::helium,          compounds::neon,         compounds::argon,         compounds::xenon,
    compounds::krypton,         compounds::nitrogen,     compounds::oxygen,        compounds::hydrogen,
    compounds::carbon_monoxide, compounds::nitric_oxide, compounds::sulfur_dioxide};
// The noble gases, the first five of the gases.
constexpr std::span<const CompoundKey> noble_gases{gases.data(), 5};

// The list's ith entry, from 1.
std::int32_t candidate(std::span<const CompoundKey> list, std::int32_t i)
{
    return list[static_cast<std::size_t>(i - 1)];
}

constexpr std::string_view entropy_reactions = "  1  2  3  4  6  9 15 16 18 21 22 23 46 47 57 73 74 75 76";

// Reaction, water state and species of problems 24 and 25; the caller
// draws the water state next.
struct EntropyReaction {
    std::int32_t number = 0;
    std::int32_t w = 1;
    std::vector<ReactionSpecies> species;
};
EntropyReaction pick_entropy_reaction(std::int32_t problem, std::int32_t textbook_entry)
{
    EntropyReaction r;
    r.number = pick_reaction(problem, entropy_reactions, textbook_entry);
    r.species = reaction_species(r.number);
    return r;
}

bool water_as_gas(const ReactionSpecies& s, std::int32_t w)
{
    return s.compound == compounds::liquid_water && w == water_as_vapour;
}

// Standard entropy (slot 19) and heat capacity (slot 20) as the table writes
// them; water as vapour w takes the vapour's.
void convert_entropy_and_heat_capacity(const ReactionSpecies& s, std::int32_t w)
{
    const std::int32_t k = water_as_gas(s, w) ? compounds::water_vapour : s.compound;
    convert_compound_field(19, k, 147, 152);
    convert_compound_field(20, k, heat_capacity_first, heat_capacity_last);
}

// Slot 1 := slot 1 -/+ coefficient · entropy, slot 19's uncertainty added
// as many times.
void add_to_reaction_entropy(const ReactionSpecies& s, float entropy)
{
    const auto coefficient = static_cast<float>(s.coefficient);
    value_slots[1].value += s.reactant ? -coefficient * entropy : coefficient * entropy;
    value_slots[1].uncertainty += coefficient * slot_uncertainty(19);
}

// The reaction drawn under the statement of problems 24 and 25, at the foot
// of its box, forwards or backwards; the answer is slot 1, negated for the
// backward reaction.
void draw_reaction_and_answer(const EntropyReaction& r, std::int32_t x_right, std::int32_t top, std::int32_t bottom)
{
    const std::int32_t direction = draw_statement_and_reaction(r.number, r.w, x_right, top, bottom, bottom);
    if (direction == right_to_left) value_slots[1].value = -slot_value(1);
    convert_data_slot(1, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(1) + " J/K";
}

}  // namespace

void generate_problem_16()
{
    skip_random_draws(3);
    std::int32_t n = 0, m = 0, e = 0;
    Distribution d1, d2;
    draw_until_accepted([&] {
        n = random_int(4, 9);
        d1.a = random_int(1, 2);
        d1.b = random_int(0, n - d1.a);
        d1.c = n - d1.a - d1.b;
        m = random_int(2, 5);
        e = d1.a * m + d1.b;
        d2.a = random_int(0, 2);
        d2.b = random_int(0, n - d2.a);
        d2.c = n - d2.a - d2.b;
        return !repeats_last_draw(16, m) && d2.a * m + d2.b == e && d2 != d1;
    });
    thermo_kinetics_state.last_draw[16] = m;

    set_slot_digits(1, static_cast<float>(n), 1);
    set_slot_digits(2, static_cast<float>(m), 1);
    set_slot_digits(3, static_cast<float>(e), e <= 9 ? 1 : 2);
    const std::int32_t populations[] = {d1.c, d1.b, d1.a, d2.c, d2.b, d2.a};
    for (std::int32_t i = 0; i < 6; ++i) set_slot_digits(11 + i, static_cast<float>(populations[i]), 1);
    problem_texts.problem_text = microstate_statement(slot_text);

    const float w1 = ways(n, d1);
    const float w2 = ways(n, d2);
    set_slot_digits(8, w1, digits_of_count(w1));
    set_slot_digits(7, w2, digits_of_count(w2));
    set_slot_digits(9, w1 / w2, 2);
    // A whole ratio is exact: written whole where two digits would round it.
    if (std::fmod(w1, w2) == 0.0f && slot_value(9) != w1 / w2) set_slot_digits(9, w1 / w2, digits_of_count(w1 / w2));
    problem_texts.answer_text =
        "@T1@@C1@@iW@@d1@ = " + slot_text(8) + "; @iW@@d2@ = " + slot_text(7) + "; @iP@@d1@/@iP@@d2@ = " + slot_text(9);
    draw_problem_text(170, 490, 50);
    show_chemistry_fact(270, 150, 300);
}

void generate_problem_17()
{
    skip_random_draws(6);
    std::int32_t n = 0, m = 0, e = 0;
    Distribution d1, d2;
    draw_until_accepted([&] {
        n = 50 * random_int(10, 19);
        m = random_int(2, 5);
        d1.a = random_int(30, n / (3 * m));
        d1.b = random_int(1, n - d1.a);
        d1.c = n - d1.b - d1.a;
        e = d1.a * m + d1.b;
        d2.a = random_int(30, n / (3 * m));
        d2.b = random_int(1, n - d2.a);
        d2.c = n - d2.b - d2.a;
        return d1.c > 0 && d2.c > 0 && !repeats_last_draw(17, m) && d2.a * m + d2.b == e && d2 != d1;
    });
    thermo_kinetics_state.last_draw[17] = m;

    set_slot_count(1, n);
    set_slot_count(2, m);
    set_slot_count(3, e);
    const std::int32_t populations[] = {d1.c, d1.b, d1.a, d2.c, d2.b, d2.a};
    for (std::int32_t i = 0; i < 6; ++i) set_slot_count(11 + i, populations[i]);
    problem_texts.problem_text = microstate_statement(count_text) + std::string(stirling_approximation);

    const std::int32_t e1 = decimal_exponent(log_ways(11));
    const std::int32_t e2 = decimal_exponent(log_ways(14));
    const double log_ratio = log_ways(11) - log_ways(14);
    std::string& answer = problem_texts.answer_text;
    answer = "@T1@@C1@@iW@@d1@ = 10@u" + std::to_string(e1) + "@; @iW@@d2@ = 10@u" + std::to_string(e2) +
             "@; @iP@@d1@/@iP@@d2@ =";
    // A ratio within a hundredfold either way shows its two digits; a
    // power of ten alone would round 2.7 to 1.
    if (std::abs(log_ratio) < std::log(100.0))
        append_piece(answer, " " + significant_markup(std::exp(log_ratio), 2));
    else
        append_piece(answer, " 10@u" + std::to_string(decimal_exponent(log_ratio)) + "@");
    draw_problem_text(170, 570, 45);
    show_chemistry_fact(200, 150, 300);
}

void generate_problem_18()
{
    skip_random_draws(4);
    const std::int32_t m = draw_unrepeated(18, 2, 5);
    thermo_kinetics_state.last_draw[18] = m;
    const std::int32_t n = 100 * random_int(5 * m, 10 * m);
    const Distribution low = boltzmann(n, m, 1);
    const std::int32_t t = random_int(2, 9);
    const Distribution high = boltzmann(n, m, t);

    set_slot_count(1, n);
    set_slot_count(2, m);
    set_slot_count(3, t);
    const std::int32_t populations[] = {low.c, low.b, low.a, high.c, high.b, high.a};
    for (std::int32_t i = 0; i < 6; ++i) set_slot_count(11 + i, populations[i]);
    problem_texts.problem_text =
        "Confrontare la distribuzione di Boltzmann, il corrispondente valore di @iW@ e l'energia totale di un "
        "sistema di " +
        count_text(1) + " enti con energie possibili 0, @iE@@d0@ e " + count_text(2) +
        "@iE@@d0@ alle temperature @iT@ = @iE@@d0@/@ik@ e @iT@ = " + count_text(3) + "@iE@@d0@/@ik@" +
        std::string(stirling_approximation);

    const auto distribution = [](std::int32_t first) {
        return "(" + count_text(first) + ", " + count_text(first + 1) + ", " + count_text(first + 2) + ")";
    };
    const auto energy = [m](const Distribution& d) { return std::to_string(d.a * m + d.b); };
    problem_texts.answer_text = "@T1@@C1@Per @iT@ = @iE@@d0@/@ik@: " + distribution(11) + "; @iW@ = 10@u" +
                                std::to_string(decimal_exponent(log_ways(11))) + "@; @iE@ = " + energy(low) +
                                "@iE@@d0@; per @iT@ = " + count_text(3) + "@iE@@d0@/@ik@: " + distribution(14) +
                                "; @iW@ = 10@u" + std::to_string(decimal_exponent(log_ways(14))) +
                                "@; @iE@ = " + energy(high) + "@iE@@d0@";
    draw_problem_text(170, 570, 40);
    show_chemistry_fact(170, 130, 300);
}

void generate_problem_19()
{
    skip_random_draws(4);
    const std::int32_t k = draw_unrepeated(19, 2, 4);
    thermo_kinetics_state.last_draw[19] = k;
    const std::int32_t x = random_int(-3, 1);
    set_slot_digits(1, random_real(1.0f, 9.0f) * power_of_ten(x), 2);

    constexpr std::array<std::string_view, 3> levels = {" secondo livello sia ", " terzo livello sia",
                                                        " quarto livello sia"};
    std::string& text = problem_texts.problem_text;
    text = "Le energie elettroniche dell'atomo di idrogeno sono date da @iE@@dk@ = @iE@@d1@/k@u2@, dove "
           "@iE@@d1@ = -2.17987•10@u-18@ J. Ricordando che nel livello k-esimo vi sono k@u2@ orbitali "
           "isoenergetici, calcolare quale deve essere la temperatura perché la popolazione del";
    append_piece(text, levels[k - 2]);
    append_piece(text, " " + article_before_number("", slot_text(1)) + slot_text(1) + "% di quella del primo");

    // P/100 = g exp(-(E_k - E_1)/kT) with g = k^2 orbitals, E_k - E_1 = -E_1 (1 - 1/g).
    const auto g = static_cast<float>(k * k);
    const float boltzmann_constant = physical_constants().boltzmann_constant;
    set_slot_digits(
        2, -2.17987e-18f * (1.0f - 1.0f / g) / (boltzmann_constant * std::log(slot_value(1) / (100.0f * g))), 3);
    problem_texts.answer_text = slot_text(2) + " K";
    draw_problem_text(170, 570, 45);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_20()
{
    skip_random_draws(1);
    std::int32_t i = 0;
    float t1 = 0.0f, t2 = 0.0f;
    draw_until_accepted([&] {
        i = draw_unrepeated(20, 1, 8);
        t1 = random_real(20.0f, 90.0f);
        t2 = random_real(20.0f, 90.0f);
        return std::abs(t1 - t2) >= 10.0f;
    });
    thermo_kinetics_state.last_draw[20] = i;
    set_slot_digits(5, t1, 3);
    set_slot_digits(6, t2, 3);
    const std::int32_t c = candidate(compounds::metal_samples, i);
    convert_compound_field(1, c, heat_capacity_first, heat_capacity_last);
    float m = random_real(10.0f, 99.0f);
    if (random_int(1, 2) == 1) m *= 10.0f;
    set_slot_digits(3, m, 3);

    std::string& text = problem_texts.problem_text;
    text = "Calcolare la variazione di entropia nel";
    if (slot_value(6) < slot_value(5)) append_piece(text, " raffreddamento");
    if (slot_value(6) > slot_value(5)) append_piece(text, " riscaldamento");
    append_piece(text, " di " + slot_text(3) + " g di " + compound_name(c) + " (@iC@@dp@ = " + slot_text(1) +
                           " J/(K•mol)) da " + slot_text(5) + "@uo@C a " + slot_text(6) + "@uo@C");
    const double molar_mass = compound_molar_mass(c);
    set_slot_from_data(8, {1, 3, 5, 6}, [molar_mass](const std::vector<double>& d) {
        return std::log((d[3] + celsius_zero) / (d[2] + celsius_zero)) * (d[1] / molar_mass) * d[0];
    });
    problem_texts.answer_text = slot_text(8) + " J/K";
    draw_problem_text(180, 520, 50);
    show_chemistry_fact(165, 130, 280);
}

void generate_problem_21()
{
    skip_random_draws(10);
    const ContactSamples samples = draw_contact_samples(21);
    problem_texts.problem_text = contact_statement_head(samples) +
                                 "Sapendo che i valori di @iC@@dp@ sono pari "
                                 "rispettivamente a " +
                                 slot_text(1) + " e " + slot_text(2) +
                                 " J/(K•mol), calcolare la variazione di entropia dei due campioni e quella "
                                 "complessiva";
    value_slots[7].value = contact_temperature(samples) - celsius_zero_f;
    // Each with the digits the data carry; the total's uncertainty is not
    // the sum of the parts', whose errors in a temperature offset each other.
    const auto entropy = [&samples](bool first) {
        return [&samples, first](const std::vector<double>& d) { return contact_entropy(samples, d, first); };
    };
    set_slot_from_data(8, {1, 2, 3, 4, 5, 6}, entropy(true));
    set_slot_from_data(9, {1, 2, 3, 4, 5, 6}, entropy(false));
    set_slot_from_data(10, {1, 2, 3, 4, 5, 6}, [&samples](const std::vector<double>& d) {
        return contact_entropy(samples, d, true) + contact_entropy(samples, d, false);
    });
    problem_texts.answer_text =
        slot_text(8) + " J/K; " + slot_text(9) + " J/K; @bD@@iS@@dcompl@ = " + slot_text(10) + " J/K";
    draw_problem_text(170, 520, 50);
    show_chemistry_fact(300, 160, 280);
}

void generate_problem_22()
{
    skip_random_draws(12);
    const std::int32_t c = candidate(gases, pick_problem_variant(11, thermo_kinetics_state.last_draw[22], 0));
    const float molar_mass = compound_molar_mass(c);
    value_slots[1].value = random_real(0.1f, 0.9f) * molar_mass;
    const float v1 = random_real(5.0f, 15.0f);
    value_slots[2].value = v1;
    value_slots[3].value = random_real(1.1f * v1, 2.0f * v1);
    // Pressures in atm one time in two, a tenth of the volumes.
    const bool volumes = random_int(1, 2) == 1;
    if (!volumes) {
        value_slots[2].value *= 0.1f;
        value_slots[3].value *= 0.1f;
    }
    const bool compression = random_int(1, 2) == 1;
    if (compression) std::swap(value_slots[2].value, value_slots[3].value);
    for (std::int32_t slot = 1; slot <= 3; ++slot) convert_data_slot(slot, 3);

    std::string& text = problem_texts.problem_text;
    text = "Calcolare la variazione di entropia";
    append_piece(text, compression ? " nella compressione" : " nell'espansione");
    append_piece(text, " isoterma di " + slot_text(1) + " g di " + compound_name(c));
    if (volumes)
        append_piece(text, " da " + slot_text(2) + " L a " + slot_text(3) + " L ");
    else
        append_piece(text, " da " + slot_text(3) + " atm a " + slot_text(2) + " atm");
    // n R ln(V2/V1), which for pressures is n R ln(p1/p2).
    set_slot_from_data(5, {1, 2, 3}, [molar_mass](const std::vector<double>& d) {
        return std::log(d[2] / d[1]) * (d[0] / molar_mass) * gas_constant_joule;
    });
    problem_texts.answer_text = slot_text(5) + " J/K";
    draw_problem_text(220, 580, 60);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_23()
{
    skip_random_draws(3);
    std::int32_t i = 0;
    float t = 0.0f;
    draw_until_accepted([&] {
        i = draw_unrepeated(23, 1, 5);
        t = random_real(5.0f, 90.0f);
        return std::abs(t - 25.0f) >= 10.0f;
    });
    thermo_kinetics_state.last_draw[23] = i;
    const std::int32_t c = candidate(noble_gases, i);
    const float molar_mass = compound_molar_mass(c);
    float m = random_real(1.0f, 9.0f);
    if (random_int(1, 2) == 1) m *= 0.1f;
    // The pressure drawn again where the gas would stray past the ideal
    // gas's 5 % (xenon at 7.9 atm and 7.5 °C), read at the colder of the two
    // temperatures, as a reader pairing them unknowingly would.
    float p = 0.0f;
    draw_until_accepted([&] {
        p = random_real(2.0f, 8.0f);
        if (random_int(1, 2) == 1) p *= 0.1f;
        return near_ideal(c, kelvin(std::min(t, 25.0f)), p);
    });
    set_slot_digits(1, m, 3);
    set_slot_digits(2, t, 2);
    set_slot_digits(3, p, 3);
    problem_texts.problem_text = "Calcolare la variazione di entropia nel processo in cui " + slot_text(1) + " g di " +
                                 compound_name(c) + " sono portati da 25@uo@C e 1.00 atm a " + slot_text(2) +
                                 "@uo@C e " + slot_text(3) + " atm";
    // n R (5/2 ln(T / standard_kelvin) + ln(1 atm / p)) for a monatomic gas.
    set_slot_from_data(5, {1, 2, 3}, [molar_mass](const std::vector<double>& d) {
        return d[0] / molar_mass * gas_constant_joule *
               (2.5 * std::log((d[1] + celsius_zero) / standard_kelvin) - std::log(d[2]));
    });
    problem_texts.answer_text = slot_text(5) + " J/K";
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(290, 130, 280);
}

void generate_problem_24()
{
    skip_random_draws(4);
    EntropyReaction r = pick_entropy_reaction(24, 9);
    r.w = random_int(1, 2);
    // A temperature drawn again where a solid would melt; where a gas would
    // condense at 1 atm the entropies are those of the standard state.
    float t = 0.0f;
    draw_until_accepted([&] {
        t = random_real(30.0f, 80.0f);
        return printed_states_hold(r.species, r.w, t + celsius_zero, std::nan(""));
    });
    set_slot_digits(1, t, 3);
    const bool standard = !printed_states_hold(r.species, r.w, t + celsius_zero, 1.0);
    const auto count = static_cast<std::int32_t>(r.species.size());
    std::string& text = problem_texts.problem_text;
    text = standard ? "@T1@@C1@Nello stato standard a " + slot_text(1) + "@uo@C"
                    : "@T1@@C1@A pressione atmosferica e " + slot_text(1) + "@uo@C";
    append_piece(text, count == 1 ? " l'entropia di una mole di" : " le entropie di una mole di");
    const auto separator = [count](std::int32_t j) -> std::string_view {
        if (j == 1) return " ";
        return j == count ? " e " : ", ";
    };
    for (std::int32_t j = 1; j <= count; ++j) {
        const ReactionSpecies& s = r.species[j - 1];
        append_piece(text, std::string(separator(j)) + compound_formula(s.compound));
        append_piece(text, state_subscript(s, r.w));
    }
    append_piece(text, count == 1 ? " è pari a" : " sono pari a");

    const float kelvin = t + celsius_zero_f;
    value_slots[1].value = 0.0f;
    value_slots[1].uncertainty = 0.0f;
    for (std::int32_t j = 1; j <= count; ++j) {
        const ReactionSpecies& s = r.species[j - 1];
        convert_entropy_and_heat_capacity(s, r.w);
        set_slot_uncertainty(19, slot_value(19) + slot_value(20) * std::log(kelvin * reciprocal_standard_kelvin_f),
                             slot_uncertainty(19));
        append_piece(text, std::string(separator(j)) + slot_text(19));
        // The entropy as the statement shows it.
        add_to_reaction_entropy(s, slot_value_as_shown(19));
    }
    append_piece(text, " J/K. Calcolare la variazione di entropia nelle stesse condizioni per la reazione");
    draw_reaction_and_answer(r, 575, 45, 105);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_25()
{
    skip_random_draws(10);
    EntropyReaction r = pick_entropy_reaction(25, 13);
    // Products less reactants of the table's S° (slot 1), of Cp and of the
    // moles of gas, carried to the temperature and pressure as printed
    // (slots 19 and 20), whose digits count too, as the table's Cp do.
    const auto set_reaction_entropy = [&r](float t, float p) {
        value_slots[1].value = 0.0f;
        value_slots[1].uncertainty = 0.0f;
        double heat_capacity = 0.0, moles_of_gas = 0.0, capacity_uncertainty = 0.0;
        for (const ReactionSpecies& s : r.species) {
            convert_entropy_and_heat_capacity(s, r.w);
            const double side = s.reactant ? -s.coefficient : s.coefficient;
            heat_capacity += side * slot_value(20);
            capacity_uncertainty += s.coefficient * slot_uncertainty(20);
            if (record_columns(compound_record(s.compound), 159, 159) == "g" || water_as_gas(s, r.w))
                moles_of_gas += side;
            add_to_reaction_entropy(s, slot_value(19));
        }
        const double standard = slot_value(1);
        const float table_uncertainty = slot_uncertainty(1);
        set_slot_digits(19, t, 3);
        set_slot_digits(20, p, 2);
        set_slot_from_data(1, {19, 20}, [=](const std::vector<double>& d) {
            return standard + heat_capacity * std::log((d[0] + celsius_zero) / standard_kelvin) -
                   moles_of_gas * gas_constant_joule * std::log(d[1]);
        });
        value_slots[1].uncertainty +=
            table_uncertainty +
            static_cast<float>(capacity_uncertainty *
                               std::abs(std::log((slot_value(19) + celsius_zero) / standard_kelvin)));
    };
    // Water's state, temperature and pressure drawn again where a species
    // could not be in its printed state (a solid melted, a gas condensed:
    // phosphoric acid solid and water vapour have no temperature in common),
    // or where the entropy is lost in its uncertainty. Water drawn liquid
    // above its boiling point at the pressure printed is the vapour.
    draw_until_accepted([&] {
        r.w = random_int(1, 2);
        const float t = random_real(30.0f, 90.0f);
        const float p = 0.1f * static_cast<float>(random_int(1, 20));
        set_slot_digits(19, t, 3);
        if (state_at(compounds::water_vapour, slot_value_as_shown(19) + celsius_zero, p) == 'g') r.w = water_as_vapour;
        if (!printed_states_hold(r.species, r.w, t + celsius_zero, p)) return false;
        set_reaction_entropy(t, p);
        return !uncertainty_exceeds_value(1);
    });
    problem_texts.problem_text = "@T1@@C1@Calcolare la variazione di entropia a " + slot_text(19) + "@uo@C e " +
                                 slot_text(20) + " atm per la reazione";
    draw_reaction_and_answer(r, 582, 60, 80);
    show_chemistry_fact(170, 140, 280);
}

}  // namespace thermo_kinetics

// Section "Probabilità ed Entropia", problems 16 to 19: the microstates of
// a distribution over three levels, Stirling's count of them, and
// Boltzmann populations.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/data_tables.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
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

}  // namespace thermo_kinetics

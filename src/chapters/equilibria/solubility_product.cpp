// Section "Prodotto di solubilità": problems 39 to 43, solubilities in water,
// with a common ion, after mixing, of hydroxides in acid, base or a buffer,
// and of carbonates with the hydrolysis of the carbonate ion.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/hydroxide_solubilities.h"
#include "chemistry/ph_solvers.h"
#include "chemistry/solubility_products.h"
#include "frame/fact_box.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace equilibria {
namespace {

// A salt of problems 39 and 40, its anions per cation and its ions; its
// solubility product from the table that chapter 9 shares.
struct Salt {
    const SolubilityProduct* product;
    std::int32_t anions;
    std::string_view cation;
    std::string_view anion;
};
constexpr Salt salts[] = {
    {&solubility_product("BaSO@d4@"), 1, "Ba@u2+@", "SO@d4@@u2-@"},
    {&solubility_product("Pb(IO@d3@)@d2@"), 2, "Pb@u2+@", "IO@d3@@u-@"},
    {&solubility_product("PbSO@d4@"), 1, "Pb@u2+@", "SO@d4@@u2-@"},
    {&solubility_product("PbI@d2@"), 2, "Pb@u2+@", "I@u-@"},
    {&solubility_product("HgBr@d2@"), 2, "Hg@u2+@", "Br@u-@"},
    {&solubility_product("HgI@d2@"), 2, "Hg@u2+@", "I@u-@"},
    {&solubility_product("AgBr"), 1, "Ag@u+@", "Br@u-@"},
    {&solubility_product("AgCl"), 1, "Ag@u+@", "Cl@u-@"},
    {&solubility_product("AgI"), 1, "Ag@u+@", "I@u-@"},
};
constexpr std::int32_t lead_iodide = 4;

// HgBr2 and HgI2 dissolve in excess halide as HgX4(2-): a draw of them is
// drawn again.
bool mercury_halide(std::int32_t n)
{
    return n == 5 || n == 6;
}

// AgBr and AgI dissolve in excess of their own halide as AgX2-, which the
// solubility product alone leaves out: their common ion is Ag+.
bool complexed_by_own_anion(std::int32_t n)
{
    return n == 7 || n == 9;
}

// Where its anion takes over in the hydroxide's own saturated solution
// (Sn(OH)2, Ga(OH)3 and Sc(OH)3), the page's solubility in pure water from the
// product alone would be false: such a draw is drawn again. The product
// stands in slot 9.
bool anion_in_water(const Hydroxide& h)
{
    const float oh = solved_or_nan(solve_ph_solubility(h.hydroxide_groups, slot_value(9)));
    return water_ion_exponent_f + std::log10(oh) > h.anion_ph;
}

// Base constants of the carbonate and hydrogen carbonate ions, from carbonic
// acid's second and first steps.
constexpr ShownConstant carbonate_kb = conjugate_constant("H@d2@CO@d3@", 3, 2);
constexpr ShownConstant hydrogen_carbonate_kb = conjugate_constant("H@d2@CO@d3@", 3, 1);

float whole_power(float x, std::int32_t m)
{
    return std::pow(x, static_cast<float>(m));
}

// [M] once a volume d[0] of the cation at d[2] and a volume d[1] of the
// anion at d[3] are mixed and MXm has come down to its solubility product
// K = d[4]: y (m (y - y0))^m = K, where y0 is what the anion used up to the
// last would leave; y lies between y0 (or 0) and the mixed cation a, and
// the ion product rises with it.
double cation_left(const std::vector<double>& d, std::int32_t m)
{
    const double total = d[0] + d[1];
    const double a = d[2] * d[0] / total;
    const double b = d[3] * d[1] / total;
    const double K = d[4];
    if (a * std::pow(b, m) <= K) return a;
    const double y0 = a - b / m;
    double lo = std::max(0.0, y0);
    double hi = a;
    for (std::int32_t step = 0; step < 200; ++step) {
        const double y = 0.5 * (lo + hi);
        (y * std::pow(m * (y - y0), m) > K ? hi : lo) = y;
    }
    return 0.5 * (lo + hi);
}

// Slot 2 := the solubility of the hydroxide in pure water, K / [OH-]^m, the
// product's uncertainty carried through the solver: near the (m+1)-th root
// of K, a share 1/(m+1) of its relative uncertainty.
void solubility_in_water(std::int32_t m)
{
    set_slot_from_data(2, {9}, [m, near = std::optional<float>()](const std::vector<double>& d) mutable {
        const auto K = static_cast<float>(d[0]);
        near = solve_ph_solubility(m, K, near);
        return K / whole_power(solved_or_nan(near), m);
    });
}

// The acid h left in a strong acid at c saturated with M(OH)m: it fixes
// [OH-] = Kw / h, so the solubility s = a h^m with a = K / Kw^m, and
// c = h + m s. Newton on h + m a h^m - c from h = c: that function rises and
// is convex, so the steps fall towards the root without passing it.
double acid_left(std::int32_t m, double a, double c)
{
    double h = c;
    for (std::int32_t step = 0; step < 200; ++step) {
        const double slope = a * std::pow(h, m - 1);
        const double next = h - (h + m * slope * h - c) / (1.0 + m * m * slope);
        if (!(next < h)) break;
        h = next;
    }
    return h;
}

// Slot 3 := the solubility of the hydroxide in the strong acid of slot 1,
// with the digits its two data leave. Where the acid is used up (the root
// within 0.01 % of c/m) the answer is c/m exactly.
void solubility_in_acid(std::int32_t m)
{
    set_slot_from_data(3, {1, 9}, [m](const std::vector<double>& d) {
        const double c = d[0];
        const double a = d[1] / std::pow(water_ion_product, m);
        const double s = a * std::pow(acid_left(m, a, c), m);
        return s >= (1.0 - 1e-4) * c / m ? c / m : s;
    });
}

}  // namespace

void generate_problem_39()
{
    skip_random_draws(2);
    std::int32_t n = 0;
    do n = pick_problem_variant(9, equilibria_state.last_draw[39], lead_iodide);
    while (mercury_halide(n));
    const Salt& salt = salts[n - 1];
    std::int32_t w = random_int(1, 2);
    if (complexed_by_own_anion(n)) w = 1;
    float c = random_real(0.001f, 0.0099f);
    if (n == lead_iodide) c *= 10.0f;
    set_slot_digits(1, c, 3);
    set_slot_text(2, salt.product->value);
    problem_texts.problem_text = "Calcolare la solubilità di " + std::string(salt.product->formula) +
                                 " a 25@uo@C [@iK@@dps@ = " + slot_text(2) + "] in" + " acqua e in una soluzione " +
                                 slot_text(1) + " M di " + std::string(w == 1 ? salt.cation : salt.anion) + ".";
    const std::int32_t m = salt.anions;
    const float K = slot_value(2);
    // The (m+1)-th root of K/m^m: a share 1/(m+1) of K's relative uncertainty.
    set_slot_from_data(5, {2}, [m](const std::vector<double>& d) {
        const auto k = static_cast<float>(d[0]);
        return std::pow(k / whole_power(static_cast<float>(m), m), 1.0f / static_cast<float>(m + 1));
    });
    const float ion = slot_value(1);
    const float with_ion = w == 1 ? 1.0f / static_cast<float>(m) * std::pow(K / ion, 1.0f / static_cast<float>(m))
                                  : K / whole_power(ion, m);
    // Each datum's relative uncertainty through its power, to first order.
    const float k_power = w == 1 ? 1.0f / static_cast<float>(m) : 1.0f;
    const float ion_power = w == 1 ? 1.0f / static_cast<float>(m) : static_cast<float>(m);
    const float relative = k_power * slot_uncertainty(2) / K + ion_power * slot_uncertainty(1) / ion;
    set_slot_uncertainty(6, with_ion, relative * with_ion);
    problem_texts.answer_text = slot_text(5) + " mol/L; " + slot_text(6) + " mol/L";
    draw_problem_text(170, 540, 50);
    show_chemistry_fact(200, 150, 360);
}

void generate_problem_40()
{
    skip_random_draws(2);
    std::int32_t w = draw_new_record(40, 1, 2);
    std::int32_t n = 0;
    do n = random_int(1, 9);
    while (mercury_halide(n));
    if (app_state.version_number == text_version) {
        n = 8;
        w = 2;
    }
    equilibria_state.last_draw[40] = w;
    const Salt& salt = salts[n - 1];
    const std::int32_t m = salt.anions;
    set_slot_text(9, salt.product->value);
    const float v1 = random_real(10.0f, 90.0f);
    const float v2 = random_real(10.0f, 90.0f);
    const float c1 = random_real(0.001f, 0.009f);
    value_slots[1].value = v1;
    value_slots[2].value = v2;
    value_slots[5].value = c1;
    const float x = static_cast<float>(m) * c1 * v1 / v2;
    value_slots[6].value = x * (w == 1 ? random_real(0.2f, 0.7f) : random_real(1.5f, 3.0f));
    for (std::int32_t s : {1, 2, 5, 6}) convert_data_slot(s, 4);
    const std::string cation(salt.cation);
    problem_texts.problem_text = "Il prodotto di solubilità di " + std::string(salt.product->formula) + " è pari a " +
                                 slot_text(9) + " a 25@uo@C. " + "Calcolare [" + cation +
                                 "] nella soluzione ottenuta mescolando " + slot_text(1) + " mL di " + cation + " " +
                                 slot_text(5) + " M con " + slot_text(2) + " mL di " + std::string(salt.anion) + " " +
                                 slot_text(6) + " M";
    set_slot_from_data(5, {1, 2, 5, 6, 9}, [m](const std::vector<double>& d) { return cation_left(d, m); });
    problem_texts.answer_text = slot_text(5) + " mol/L";
    draw_problem_text(170, 530, 45);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_41()
{
    skip_random_draws(2);
    const Hydroxide* chosen = nullptr;
    do {
        chosen = &hydroxides[pick_problem_variant(9, equilibria_state.last_draw[41], 9) - 1];
        set_slot_text(9, chosen->solubility_product);
    } while (anion_in_water(*chosen));
    const Hydroxide& hydroxide = *chosen;
    std::int32_t w = random_int(1, 2);
    if (app_state.version_number == text_version) w = 1;
    set_slot_digits(1, random_real(0.001f, 0.0095f), 3);
    reread_slot(1);
    // An amphoteric hydroxide dissolves in the strong base as its anion:
    // it is posed in the acid instead.
    if (water_ion_exponent_f + std::log10(slot_value(1)) > hydroxide.anion_ph) w = 1;
    problem_texts.problem_text = "Calcolare la solubilità di " + std::string(hydroxide.formula) +
                                 " [@iK@@dps@ = " + slot_text(9) + " a 25@uo@C] in " +
                                 "acqua pura e in una soluzione " + slot_text(1) + " F di " +
                                 (w == 1 ? "un acido forte HX" : "una base forte YOH");
    const std::int32_t m = hydroxide.hydroxide_groups;
    solubility_in_water(m);
    if (w == 1) {
        solubility_in_acid(m);
    } else {
        const float K = slot_value(9);
        const float c = slot_value(1);
        const float s = K / whole_power(c, m);
        // The base's uncertainty counts through its power.
        const float relative = slot_uncertainty(9) / K + static_cast<float>(m) * slot_uncertainty(1) / c;
        set_slot_uncertainty(3, s, relative * s);
    }
    problem_texts.answer_text = slot_text(2) + " mol/L; " + slot_text(3) + " mol/L";
    draw_problem_text(170, 480, 50);
    show_chemistry_fact(280, 150, 280);
}

void generate_problem_42()
{
    skip_random_draws(2);
    std::int32_t n = 0;
    float lowest_ph = 0.0f;
    draw_until_accepted([&] {
        n = draw_new_record(42, 1, 9);
        // Sc(OH)3, the textbook's, dissolves as its anion at pH 7: zinc, as 7.41's.
        if (app_state.version_number == text_version) n = 9;
        const Hydroxide& h = hydroxides[n - 1];
        set_slot_text(9, h.solubility_product);
        // The pH at which the solubility is 0.001 mol/L.
        lowest_ph = minus_log10(Kw / std::pow(1000.0f * slot_value(9), 1.0f / static_cast<float>(h.hydroxide_groups)));
        return lowest_ph <= std::min(11.0f, h.anion_ph) && !anion_in_water(h);
    });
    equilibria_state.last_draw[42] = n;
    const Hydroxide& hydroxide = hydroxides[n - 1];
    // A buffer where an amphoteric hydroxide's anion takes over is drawn
    // again, and so is a pH that rounds up to 10, as when it showed one
    // decimal there: the versions keep their draws.
    draw_until_accepted([&] {
        const float ph = random_real(lowest_ph, 11.0f);
        set_slot_uncertainty(1, ph, 0.03f);
        reread_slot(1);
        return slot_value(1) <= hydroxide.anion_ph && !(ph < 10.0f && slot_value(1) >= 10.0f);
    });
    problem_texts.problem_text = "Confrontare le solubilità di " + std::string(hydroxide.formula) +
                                 " [@iK@@dps@ = " + slot_text(9) + " a 25@uo@C] in " +
                                 "acqua pura e in una soluzione tampone a pH " + slot_text(1);
    const std::int32_t m = hydroxide.hydroxide_groups;
    solubility_in_water(m);
    // K/[OH-]^m with [OH-] from the pH as printed, never rounded first; the
    // pH's two decimals count.
    set_slot_from_data(3, {1, 9}, [m](const std::vector<double>& d) {
        return d[1] / std::pow(std::pow(10.0, d[0] - water_ion_exponent), m);
    });
    const float s = slot_value(3);
    problem_texts.answer_text = slot_text(2) + " mol/L; " + (s < 1.0f ? slot_text(3) + " mol/L" : "solubile");
    draw_problem_text(170, 520, 50);
    show_chemistry_fact(200, 150, 300);
}

void generate_problem_43()
{
    skip_random_draws(2);
    std::int32_t n = draw_new_record(43, 1, 6);
    if (app_state.version_number == text_version) n = 1;
    equilibria_state.last_draw[43] = n;
    const SolubilityProduct& carbonate = carbonate_products[n - 1];
    set_slot_text(9, carbonate.value);
    // A pH shown nowhere, drawn to keep the stream in step.
    set_slot_uncertainty(1, random_real(7.0f, 11.0f), 0.03f);
    reread_slot(1);
    set_slot_constant(8, carbonate_kb);
    set_slot_constant(10, hydrogen_carbonate_kb);
    problem_texts.problem_text = "Calcolare la solubilità di " + std::string(carbonate.formula) +
                                 " in acqua a 25@uo@C e la concentrazione di ioni " +
                                 "carbonato nella soluzione satura [@iK@@dps@ = " + slot_text(9) +
                                 "; @iK@@db@(CO@d3@@u2-@) = " + slot_text(8) +
                                 "; @iK@@db@(HCO@d3@@u-@) = " + slot_text(10) + "] ";
    set_slot_digits(5, solved_or_nan(solve_ph_solubility_quartic(slot_value(9), slot_value(8))), 4);
    // [CO3 2-] and the solubility, near the root of K: the data's
    // uncertainties carried through the solver.
    const auto carbonate_ion_or_solubility = [](bool solubility) {
        return [solubility, near = std::optional<float>()](const std::vector<double>& d) mutable {
            const auto K = static_cast<float>(d[0]);
            const auto kb = static_cast<float>(d[1]);
            near = solve_ph_solubility_quartic(K, kb, near);
            const float x = solved_or_nan(near);
            const float carbonate_ion = (x * x - Kw) / kb;
            return solubility ? carbonate_ion - Kw / x + x : carbonate_ion;
        };
    };
    set_slot_from_data(4, {9, 8}, carbonate_ion_or_solubility(false));
    set_slot_from_data(2, {9, 8}, carbonate_ion_or_solubility(true));
    problem_texts.answer_text = slot_text(2) + " mol/L; " + slot_text(4) + " mol/L";
    draw_problem_text(170, 540, 50);
    show_chemistry_fact(170, 150, 300);
}

}  // namespace equilibria

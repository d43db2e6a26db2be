// Statements on acids and bases: acidity of a solution, ion concentrations of
// strong electrolytes, pH from concentrations, conjugate pairs, pH of weak
// acids, weak bases and buffers.

#include <array>
#include <cmath>
#include <string_view>

#include "chemistry/acid_base_constants.h"
#include "chemistry/true_false_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace {

// The constants the statements on weak acids, bases and buffers work with,
// as chapter 7's pages show them.
constexpr ShownConstant hypochlorous = own_constant("HClO");
constexpr ShownConstant acetic = own_constant("CH@d3@COOH");
constexpr ShownConstant acetate = conjugate_constant("CH@d3@COOH", 2);
constexpr ShownConstant ammonia = own_constant("NH@d3@");
constexpr ShownConstant ammonium = conjugate_constant("NH@d3@", 2);

enum class Acidity { acid, neutral, alkaline };

std::string_view acidity_word(Acidity a)
{
    switch (a) {
    case Acidity::acid: return " acida";
    case Acidity::neutral: return " neutra";
    case Acidity::alkaline: return " basica";
    }
    return {};
}

// Another class than the solution's own.
Acidity wrong_acidity(Acidity a)
{
    switch (a) {
    case Acidity::acid: return random_int(3, 5) == 3 ? Acidity::neutral : Acidity::alkaline;
    case Acidity::alkaline: return random_int(1, 3) == 3 ? Acidity::neutral : Acidity::acid;
    case Acidity::neutral: break;
    }
    return random_int(1, 2) == 2 ? Acidity::alkaline : Acidity::acid;
}

// pH of the true statement shifted by 3 to 11 units, folded back below 14.
float shifted_ph(float ph)
{
    float shifted = ph + random_real(3.0f, 11.0f);
    if (shifted > 14.0f) shifted -= 14.0f;
    return shifted;
}

}  // namespace

Statement acid_neutral_or_alkaline()
{
    static constexpr std::array<std::string_view, 4> quantities{"pH", "pOH", "[H@u+@]", "[OH@u-@]"};
    Statement s{{}, draw_truth()};
    const std::int32_t q = random_int(1, 4);
    const bool concentration = q >= 3;
    float v = 0.0f;
    Acidity acidity = Acidity::neutral;
    if (!concentration) {
        v = random_real(1.0f, 14.0f);
        const Acidity low = q == 1 ? Acidity::acid : Acidity::alkaline;
        const Acidity high = q == 1 ? Acidity::alkaline : Acidity::acid;
        acidity = v < 6.99f ? low : v < 7.01f ? Acidity::neutral : high;
        // Draws that once chose among words of the mild ranges: the stream keeps them.
        if (v >= 4.0f && v < 6.99f) random_int(1, 2);
        if (v >= 7.01f && v < 10.0f) random_int(1, 2);
    } else {
        v = draw_concentration();
        acidity = (v > 1e-7f) == (q == 3) ? Acidity::acid : Acidity::alkaline;
        if (v > 1e-7f && v <= 1e-4f) random_int(1, 2);
        if (v > 1e-10f && v <= 1e-7f) random_int(1, 2);
    }
    if (random_int(1, 5) == 1) {
        v = concentration ? 1e-7f : 7.0f;
        acidity = Acidity::neutral;
    }
    set_slot_digits(1, v, 3);
    if (s.truth == 0) acidity = wrong_acidity(acidity);
    // Neutral at pH 7 with Kw = 1.0e-14, which holds at 25 °C.
    s.text = "Una soluzione a 25@uo@C con " + std::string(quantities[q - 1]) + " = " + slot_text(1) +
             (concentration ? " mol/L" : "") + " è" + std::string(acidity_word(acidity));
    return s;
}

Statement strong_electrolyte_ions()
{
    static constexpr std::array<std::array<std::string_view, 3>, 2> formulas{{
        {"HNO@d3@", "HCl", "HClO@d4@"},
        {"NaOH", "KOH", "Ba(OH)@d2@"},
    }};
    Statement s{{}, draw_truth()};
    const std::int32_t a = random_int(1, 2);  // 1 acid, 2 base
    const std::int32_t j = random_int(1, 3);
    const float c = static_cast<float>(random_int(10, 30)) * 0.01f;
    const bool dihydroxide = a == 2 && j == 3;
    set_slot_digits(1, c, 2);
    set_slot_digits(2, dihydroxide ? 2.0f * c : c, 2);
    const std::int32_t q = random_int(1, 2);
    bool acid_ion = a == 1;
    if (s.truth == 0 && q == 1) {
        convert_data_slot(1, 2);
        set_slot_digits(2, dihydroxide ? c : 2.0f * c, 2);
    }
    if (s.truth == 0 && q == 2) acid_ion = !acid_ion;
    s.text = "In soluzione di " + std::string(formulas[a - 1][j - 1]) + " " + slot_text(1) + " F, [" +
             (acid_ion ? "H@u+@] =" : "OH@u-@] =") + " " + slot_text(2) + " M";
    return s;
}

Statement ph_and_concentrations()
{
    Statement s{{}, draw_truth()};
    const std::int32_t q = random_int(1, 4);
    set_slot_digits(1, q <= 2 ? draw_concentration() : random_real(1.0f, 14.0f), 3);
    const float x = slot_value(1);
    const float u = slot_uncertainty(1);
    if (q <= 2) {
        float ph = q == 1 ? -std::log10(x) : -std::log10(water_ion_product_f / x);
        if (s.truth == 0) ph = shifted_ph(ph);
        set_slot_uncertainty(2, ph, u / (2.3f * x));
        s.text = std::string(q == 1 ? "Una soluzione con [H@u+@] = " : "Una soluzione con [OH@u-@] = ") + slot_text(1) +
                 " mol/L ha pH = " + slot_text(2);
    } else {
        const float p = s.truth == 0 ? shifted_ph(x) : x;
        const float h = q == 3 ? std::pow(10.0f, -p) : std::pow(10.0f, p - water_ion_exponent_f);
        set_slot_uncertainty(2, h, h * u * 2.3f);
        s.text = std::string(q == 3 ? "Una soluzione con pH = " : "Una soluzione con pOH = ") + slot_text(1) +
                 " ha [H@u+@] = " + slot_text(2) + " mol/L";
    }
    return s;
}

Statement conjugate_acid_and_base()
{
    static constexpr std::array<std::string_view, 14> bases{
        "H@d2@O",      "NH@d3@",      "OH@u-@", "NH@d2@@u-@", "HS@u-@",      "S@u2-@",     "SO@d3@@u2-@",
        "HSO@d3@@u-@", "PO@d4@@u3-@", "CN@u-@", "ClO@u-@",    "CO@d3@@u2-@", "NO@d2@@u-@", "ClO@d4@@u-@"};
    static constexpr std::array<std::string_view, 14> acids{
        "H@d3@O@u+@",  "NH@d4@@u+@",   "H@d2@O", "NH@d3@", "H@d2@S",      "HS@u-@",  "HSO@d3@@u-@",
        "H@d2@SO@d3@", "HPO@d4@@u2-@", "HCN",    "HClO",   "HCO@d3@@u-@", "HNO@d2@", "HClO@d4@"};
    // A partner that is not the conjugate of either.
    static constexpr std::array<std::string_view, 14> wrong{
        "OH@u-@",      "NH@d2@@u-@",  "H@d3@O@u+@", "NH@d4@@u+@", "S@u2-@", "H@d2@S", "H@d2@SO@d3@",
        "SO@d3@@u2-@", "H@d3@PO@d4@", "HOCN",       "HCl",        "CO@d2@", "NO@d2@", "HClO@d2@"};
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 14);
    const std::string partner_if_wrong(wrong[i - 1]);
    if (random_int(1, 2) == 1) {
        s.text = std::string(bases[i - 1]) + " è la base coniugata di " +
                 (s.truth == 1 ? std::string(acids[i - 1]) : partner_if_wrong);
    } else {
        s.text = std::string(acids[i - 1]) + " è l'acido coniugato di " +
                 (s.truth == 1 ? std::string(bases[i - 1]) : partner_if_wrong);
    }
    return s;
}

Statement ph_of_solution_or_buffer()
{
    struct Solution {
        std::string_view text;  // after "Una soluzione " and the concentration
        float (*ph)(float c);
    };
    static constexpr std::array<Solution, 6> solutions{{
        {" F di HCl ha pH = ", [](float c) { return -std::log10(c); }},
        {" F di NaOH ha pH = ", [](float c) { return -std::log10(water_ion_product_f / c); }},
        {" F di HClO ha pH = ", [](float c) { return -std::log10(std::sqrt(shown_constant(hypochlorous) * c)); }},
        {" M di NH@d3@ ha pH = ",
         [](float c) { return -std::log10(water_ion_product_f / std::sqrt(shown_constant(ammonia) * c)); }},
        {" F di NH@d4@Cl ha pH = ", [](float c) { return -std::log10(std::sqrt(shown_constant(ammonium) * c)); }},
        {" M di AcNa ha pH = ",
         [](float c) { return -std::log10(water_ion_product_f / std::sqrt(shown_constant(acetate) * c)); }},
    }};
    Statement s{{}, draw_truth()};
    random_int(1, 2);  // a draw whose value is never used: the stream keeps it
    const std::int32_t q = random_int(1, 8);
    float ph = 0.0f;
    if (q <= 6) {
        set_slot_digits(1, random_real(0.001f, 0.0099f), 2);
        ph = solutions[q - 1].ph(slot_value(1));
    } else {
        set_slot_constant(1, q == 7 ? ammonium : acetic);
        ph = -std::log10(slot_value(1));
    }
    set_slot_digits(2, ph, 3);
    if (s.truth == 0) {
        const std::string true_ph = slot_text(2);
        float wrong_ph = 0.0f;
        switch (q) {
        case 1: wrong_ph = ph + random_real(4.0f, 10.0f); break;
        case 2: wrong_ph = ph - random_real(4.0f, 10.0f); break;
        case 3: wrong_ph = random_real(0.0f, ph); break;
        case 4: wrong_ph = random_real(ph, 14.0f); break;
        case 5: wrong_ph = random_real(8.0f, 12.0f); break;
        case 6: wrong_ph = random_real(2.0f, 6.0f); break;
        case 7: wrong_ph = random_real(2.0f, 7.0f); break;
        default: wrong_ph = random_real(7.0f, 12.0f); break;
        }
        set_slot_digits(2, wrong_ph, 3);
        // A wrong pH drawn close to the true one can show the same digits.
        if (slot_text(2) == true_ph) s.truth = 1;
    }
    if (q <= 6) {
        s.text = "Una soluzione " + slot_text(1) + std::string(solutions[q - 1].text) + slot_text(2);
    } else if (q == 7) {
        s.text = "Un tampone equimolare NH@d4@@u+@/NH@d3@ [@iK@@da@ = " + slot_text(1) + "] ha pH = " + slot_text(2);
    } else {
        s.text = "Un tampone equimolare AcH/NaAc [@iK@@da@ = " + slot_text(1) + "] ha pH = " + slot_text(2);
    }
    return s;
}

// Section "Titolazioni acido-base": problems 31 to 38, neutralisation
// volumes and concentrations, the pH of mixtures, at the equivalence point
// and 0.05 mL before and after it.
#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <string_view>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/ph_solvers.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/table_fields.h"
#include "frame/fact_box.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "text/drawing_kit.h"

namespace equilibria {
namespace {

constexpr StrongElectrolyte acids_a[] = {{compounds::sulfuric_acid, 2},
                                         {compounds::nitric_acid, 1},
                                         {compounds::perchloric_acid, 1},
                                         {compounds::hydrogen_chloride, 1}};
constexpr StrongElectrolyte acids_b[] = {{compounds::nitric_acid, 1},
                                         {compounds::nitric_acid, 1},
                                         {compounds::perchloric_acid, 1},
                                         {compounds::hydrogen_chloride, 1}};
constexpr StrongElectrolyte acids_c[] = {{compounds::perchloric_acid, 1},
                                         {compounds::nitric_acid, 1},
                                         {compounds::perchloric_acid, 1},
                                         {compounds::hydrogen_chloride, 1}};
constexpr StrongElectrolyte acids_d[] = {
    {compounds::nitric_acid, 1}, {compounds::perchloric_acid, 1}, {compounds::hydrogen_chloride, 1}};
constexpr StrongElectrolyte bases[] = {
    {compounds::potassium_hydroxide, 1}, {compounds::sodium_hydroxide, 1}, {compounds::barium_hydroxide, 2}};

constexpr WeakElectrolyte titrated_weak_acids[] = {
    {"HF", 1, own_constant("HF")},
    {"CH@d3@COOH", 1, own_constant("CH@d3@COOH")},
    {"HClO", 1, own_constant("HClO")},
    {"HCN", 1, own_constant("HCN")},
    {"NH@d4@Cl", 1, conjugate_constant("NH@d3@", 2)},
    {"(NH@d4@)@d2@SO@d4@", 2, conjugate_constant("NH@d3@", 2)},
    {"HCOOH", 1, own_constant("HCOOH")},
};
constexpr WeakElectrolyte titrated_weak_bases[] = {
    {"NH@d3@", 1, own_constant("NH@d3@")},
    {"CH@d3@COONa", 1, conjugate_constant("CH@d3@COOH", 2)},
    {"KCN", 1, conjugate_constant("HCN", 3)},
    {"NaF", 1, conjugate_constant("HF", 3)},
    {"NaClO", 1, conjugate_constant("HClO", 2)},
    {"NaNO@d2@", 1, conjugate_constant("HNO@d2@", 2)},
    {"NaHCO@d3@", 1, conjugate_constant("H@d2@CO@d3@", 2)},
    {"NaHS", 1, conjugate_constant("H@d2@S", 3)},
};

// Barium fluoride would come down (its solubility product 1.84e-7, which
// chapter 9 prints): hydrofluoric acid meets one of the other bases, drawn
// only for such pages.
const StrongElectrolyte* other_than_barium_with_fluoride(const StrongElectrolyte* base, const WeakElectrolyte& acid)
{
    if (base->compound != compounds::barium_hydroxide || acid.formula != "HF") return base;
    return &bases[random_int(1, 2) - 1];
}

std::string formula(const StrongElectrolyte& r)
{
    return compound_formula(r.compound);
}

void set_slots_4_digits(float c1, float c2, float v3, float v4)
{
    set_slot_digits(1, c1, 4);
    set_slot_digits(2, c2, 4);
    set_slot_digits(3, v3, 4);
    set_slot_digits(4, v4, 4);
}

void reread_data_slots()
{
    for (std::int32_t s = 1; s <= 4; ++s) reread_slot(s);
}

// Slot 5 := the mixed volume, slots 6 and 7 := the acid and base
// equivalents after mixing, with the uncertainty of four digits but their
// values unrounded: rounded first, their difference near the equivalence
// moves the pH past its last digit.
void mix(float acid_moles, float base_moles)
{
    set_slot_uncertainty(5, slot_value(3) + slot_value(4), 0.03f);
    reread_slot(5);
    set_slot_digits(6, acid_moles / slot_value(5), 4);
    value_slots[6].value = acid_moles / slot_value(5);
    set_slot_digits(7, base_moles / slot_value(5), 4);
    value_slots[7].value = base_moles / slot_value(5);
}

// [H+] into slot 8 with its relative spread, the pH into slot 10 with two
// decimals.
void hydrogen_and_ph(float h, float relative)
{
    set_slot_spread(8, h, relative * h);
    set_slot_uncertainty(10, minus_log10(slot_value(8)), 0.03f);
}

// The pH 0.05 mL before and after the equivalence volume (slots 8 and 9, one
// decimal) for a titrant added to the titrated volume; the titrant is the
// base when base_is_titrant.
struct Titration {
    float acid_equivalents_per_ml;  // titrated acid, or titrant acid per mL
    float base_equivalents_per_ml;
    float titrated_volume;
    bool base_is_titrant;
    float ka, kb;
};
void ph_around_equivalence(const Titration& t, float equivalence_volume)
{
    set_slot_digits(10, equivalence_volume, 5);
    const float steps[] = {-0.05f, 0.05f};
    for (std::int32_t i = 0; i < 2; ++i) {
        const float added = slot_value(10) + steps[i];
        const float total = added + t.titrated_volume;
        const float acid = t.acid_equivalents_per_ml * (t.base_is_titrant ? t.titrated_volume : added) / total;
        const float base = t.base_equivalents_per_ml * (t.base_is_titrant ? added : t.titrated_volume) / total;
        set_slot_uncertainty(8 + i, minus_log10(solved_or_nan(solve_ph_mixture(acid, base, t.ka, t.kb))), 0.3f);
    }
}

constexpr std::string_view closing_before_after = ". Calcolare il pH della soluzione 0.05 mL prima e 0.05 mL ";

}  // namespace

void generate_problem_31()
{
    skip_random_draws(1);
    const StrongElectrolyte& acid = acids_a[pick_problem_variant(4, equilibria_state.last_draw[31], 1) - 1];
    const StrongElectrolyte& base = bases[random_int(1, 3) - 1];
    const float ca = random_real(0.01f, 0.3f);
    const float cb = kept_under(random_real(0.3f * ca, 3.0f * ca), saturated_formality(base.compound), 3.0f * ca);
    const float volume = random_real(10.0f, 200.0f);
    set_slot_digits(1, ca, random_int(3, 4));
    set_slot_digits(2, cb, random_int(3, 4));
    set_slot_digits(3, volume, 3);
    const std::int32_t o = random_int(1, 2);
    set_slot_uncertainty(5, volume * 0.001f, slot_uncertainty(3) * 0.001f);
    const std::int32_t w = random_int(1, 2);
    // From the concentrations and the volume as shown, in mL or in L.
    const float shown_volume = w == 1 ? slot_value(3) : 1000.0f * slot_value_as_shown(5);
    const float shown_ca = slot_value(1);
    const float shown_cb = slot_value(2);
    const float titrant = o == 1 ? acid.ions * shown_ca * shown_volume / (base.ions * shown_cb)
                                 : base.ions * shown_cb * shown_volume / (acid.ions * shown_ca);
    const float relative =
        slot_uncertainty(2) / slot_value(2) + slot_uncertainty(3) / slot_value(3) + slot_uncertainty(1) / slot_value(1);
    set_slot_uncertainty(4, titrant, relative * titrant);
    const std::string volume_piece = w == 1 ? " " + slot_text(3) + " mL di" : " " + slot_text(5) + " L di";
    const std::string acid_piece = formula(acid) + " " + slot_text(1) + " F";
    const std::string base_piece = formula(base) + " " + slot_text(2) + " F";
    problem_texts.problem_text = "@T1@@C1@Calcolare il volume di " + (o == 1 ? base_piece : acid_piece) +
                                 " necessario per neutralizzare" + volume_piece + " " +
                                 (o == 1 ? acid_piece : base_piece);
    problem_texts.answer_text = "@T1@@C1@" + slot_text(4) + " mL";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(280, 140, 280);
}

void generate_problem_32()
{
    skip_random_draws(1);
    const StrongElectrolyte* acid = nullptr;
    const StrongElectrolyte* base = nullptr;
    // Slots 5 to 8 from the data in slots 1 to 4 as they stand.
    auto mixture_ph = [&](float ca, float cb, float va, float vb) {
        mix(acid->ions * ca * va, base->ions * cb * vb);
        // The excess of acid over base and its spread to first order over
        // the four data. Printed data that may be those of the equivalence
        // (the excess within that spread) leave the mixture neutral, one
        // digit; otherwise the pH, a logarithm of the excess, carries log10 e
        // times its relative spread.
        const double excess = acid->ions * static_cast<double>(ca) * va - base->ions * static_cast<double>(cb) * vb;
        const double spread =
            acid->ions *
                (static_cast<double>(slot_uncertainty(1)) * va + static_cast<double>(ca) * slot_uncertainty(3)) +
            base->ions *
                (static_cast<double>(slot_uncertainty(2)) * vb + static_cast<double>(cb) * slot_uncertainty(4));
        if (std::abs(excess) <= spread) {
            set_slot_digits(8, 7.0f, 1);
            return;
        }
        const float h = solved_or_nan(solve_ph_mixture(slot_value(6), slot_value(7), strong, strong));
        set_slot_spread(8, minus_log10(h), static_cast<float>(std::numbers::log10e * spread / std::abs(excess)));
    };
    draw_until_accepted([&] {
        acid = &acids_a[pick_problem_variant(4, equilibria_state.last_draw[32], 0) - 1];
        base = &bases[random_int(1, 3) - 1];
        const bool equivalent = random_int(1, 8) == 1;
        float ca = random_real(0.1f, 0.3f);
        if (random_int(1, 2) == 1) ca = random_real(0.01f, 0.09f);
        const float va = random_real(10.0f, 30.0f);
        const float x = acid->ions * ca / base->ions;
        const float cb = kept_under(random_real(0.3f * x, 1.66f * x), saturated_formality(base->compound), 1.66f * x);
        const float y = acid->ions * ca * va / (base->ions * cb);
        float vb = random_real(0.9f * y, 1.1f * y);
        if (equivalent) vb = y;
        set_slots_4_digits(ca, cb, va, vb);
        mixture_ph(ca, cb, va, vb);
        return !(acid->compound == compounds::sulfuric_acid && slot_value(8) <= 6.0f);
    });
    problem_texts.problem_text = "Calcolare il pH della soluzione ottenuta mescolando " + slot_text(3) + " mL di " +
                                 formula(*acid) + " " + slot_text(1) + " M e " + slot_text(4) + " mL di " +
                                 formula(*base) + " " + slot_text(2) + " F";
    reread_data_slots();
    mixture_ph(slot_value(1), slot_value(2), slot_value(3), slot_value(4));
    problem_texts.answer_text = slot_text(8);
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_33()
{
    skip_random_draws(4);
    const StrongElectrolyte* acid = nullptr;
    const StrongElectrolyte* base = nullptr;
    std::int32_t i = 0;
    std::int32_t o = 0;
    draw_until_accepted([&] {
        i = random_int(1, 4);
        if (repeats_last_draw(33, i)) return false;
        acid = &acids_b[i - 1];
        std::int32_t j = random_int(1, 3);
        if (app_state.version_number == text_version) j = 3;
        base = &bases[j - 1];
        const std::int32_t k = random_int(1, 2);
        const float drawn_c1 = random_real(1.0f, 3.0f) * power_of_ten(-k);
        const float c2 = random_real(0.3f * drawn_c1, 3.0f * drawn_c1);
        const float volume = random_real(10.0f, 40.0f);
        set_slot_digits(1, drawn_c1, random_int(3, 4));
        set_slot_digits(2, c2, random_int(3, 4));
        set_slot_uncertainty(3, volume, 0.03f);
        o = random_int(1, 2);
        // The base's formality c1 is printed where the acid's is asked;
        // where the base's is asked it comes out no higher than c1.
        const float c1 = o == 2 ? kept_under(drawn_c1, saturated_formality(base->compound), 0.3f) : drawn_c1;
        if (c1 != drawn_c1) set_slot_digits(1, c1, slot_digits(1));
        const float titrant =
            o == 1 ? acid->ions * c1 * volume / (base->ions * c2) : base->ions * c2 * volume / (acid->ions * c1);
        set_slot_uncertainty(4, titrant, 0.03f);
        return slot_value(4) >= 10.0f && slot_value(4) <= 50.0f;
    });
    equilibria_state.last_draw[33] = i;
    const std::string acid_formula = formula(*acid);
    const std::string base_formula = formula(*base);
    const std::string head = "@T1@@C1@Calcolare la concentrazione di una soluzione di ";
    const std::string middle =
        " sapendo che " + slot_text(3) + " mL di essa vengono neutralizzati da " + slot_text(4) + " mL di ";
    // From the volumes and the concentration as printed.
    const float ratio =
        static_cast<float>(o == 1 ? acid->ions : base->ions) / static_cast<float>(o == 1 ? base->ions : acid->ions);
    if (o == 1)
        problem_texts.problem_text = head + base_formula + middle + acid_formula + " " + slot_text(2) + " M";
    else
        problem_texts.problem_text = head + acid_formula + middle + base_formula + " " + slot_text(1) + " F";
    set_slot_from_data(8, {o == 1 ? 2 : 1, 4, 3},
                       [ratio](const std::vector<double>& d) { return ratio * d[0] * d[1] / d[2]; });
    problem_texts.answer_text = "@T1@@C1@" + slot_text(8) + (o == 1 ? " F" : " M");
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_34()
{
    skip_random_draws(9);
    const StrongElectrolyte* acid = nullptr;
    const StrongElectrolyte* base = nullptr;
    std::int32_t i = 0;
    draw_until_accepted([&] {
        i = draw_new_record(34, 1, 4);
        acid = &acids_c[i - 1];
        base = &bases[random_int(1, 3) - 1];
        random_int(1, 8);  // a draw the data do not use, kept for the versions
        float ca = random_real(0.1f, 0.3f);
        if (random_int(1, 2) == 1) ca = random_real(0.01f, 0.09f);
        const float va = random_real(10.0f, 30.0f);
        const float x = acid->ions * ca / base->ions;
        const float cb = random_real(0.3f * x, 1.66f * x);
        set_slot_digits(1, ca, 4);
        set_slot_digits(2, cb, 4);
        set_slot_digits(3, va, 4);
        const float y = acid->ions * ca * va / (base->ions * cb);
        const float vb = random_real(0.9f * y, 1.1f * y);
        set_slot_digits(4, vb, 4);
        return vb >= 10.0f && vb <= 50.0f;
    });
    equilibria_state.last_draw[34] = i;
    const std::int32_t o = random_int(1, 2);
    const std::string acid_formula = formula(*acid);
    const std::string base_formula = formula(*base);
    if (o == 1)
        problem_texts.problem_text = slot_text(3) + " mL di " + acid_formula + " " + slot_text(1) +
                                     " M vengono titolati con una " + "soluzione " + slot_text(2) + " F di " +
                                     base_formula;
    else
        problem_texts.problem_text = slot_text(4) + " mL di " + base_formula + " " + slot_text(2) +
                                     " F vengono titolati con una " + "soluzione " + slot_text(1) + " M di " +
                                     acid_formula;
    problem_texts.problem_text += std::string(closing_before_after) + "dopo il punto equivalente";
    reread_data_slots();
    const float acid_equivalents = acid->ions * slot_value(1);
    const float base_equivalents = base->ions * slot_value(2);
    if (o == 1)
        ph_around_equivalence({acid_equivalents, base_equivalents, slot_value(3), true, strong, strong},
                              acid_equivalents * slot_value(3) / base_equivalents);
    else
        ph_around_equivalence({acid_equivalents, base_equivalents, slot_value(4), false, strong, strong},
                              base_equivalents * slot_value(4) / acid_equivalents);
    problem_texts.answer_text = slot_text(8) + "; " + slot_text(9);
    draw_problem_text(220, 560, 50);
    show_chemistry_fact(170, 160, 300);
}

void generate_problem_35()
{
    skip_random_draws(1);
    const StrongElectrolyte* acid = nullptr;
    const WeakElectrolyte* base = nullptr;
    auto mixture_ph = [&] {
        mix(acid->ions * slot_value(3) * slot_value(1), base->units * slot_value(2) * slot_value(4));
        const float h = solved_or_nan(solve_ph_mixture(slot_value(6), slot_value(7), 1e10f, slot_value(9)));
        hydrogen_and_ph(h, excess_spread(slot_uncertainty(9) / slot_value(9)));
    };
    draw_until_accepted([&] {
        acid = &acids_a[pick_problem_variant(4, equilibria_state.last_draw[35], 0) - 1];
        base = &titrated_weak_bases[random_int(1, 8) - 1];
        const float ca = random_real(0.01f, 0.03f);
        const float va = random_real(10.0f, 30.0f);
        const float x = acid->ions * ca / base->units;
        const float cb = random_real(0.8f * x, 1.66f * x);
        const float vb = random_real(0.8f * va, 1.5f * va);
        set_slots_4_digits(ca, cb, va, vb);
        set_slot_constant(9, base->constant);
        mixture_ph();
        return !(acid->compound == compounds::sulfuric_acid && slot_value(10) <= 6.0f);
    });
    const std::int32_t o = random_int(1, 2);
    const std::string head = "Calcolare il pH della soluzione ottenuta mescolando ";
    const std::string acid_piece = slot_text(3) + " mL di " + formula(*acid) + " " + slot_text(1) + " M";
    const std::string base_piece = slot_text(4) + " mL di " + std::string(base->formula) + " " + slot_text(2) + " M";
    const std::string constant = " [@iK@@db@ = " + slot_text(9) + "]";
    problem_texts.problem_text =
        o == 1 ? head + acid_piece + " e " + base_piece + constant : head + base_piece + constant + " e " + acid_piece;
    reread_data_slots();
    mixture_ph();
    problem_texts.answer_text = "@T1@@C1@" + slot_text(10);
    draw_problem_text(170, 525, 50);
    show_chemistry_fact(280, 150, 280);
}

void generate_problem_36()
{
    skip_random_draws(11);
    const StrongElectrolyte* base = &bases[pick_problem_variant(3, equilibria_state.last_draw[36], 0) - 1];
    std::int32_t i = random_int(1, 7);
    if (app_state.version_number == text_version) i = 7;
    const WeakElectrolyte& acid = titrated_weak_acids[i - 1];
    base = other_than_barium_with_fluoride(base, acid);
    const float ca = random_real(0.01f, 0.03f);
    const float va = random_real(10.0f, 30.0f);
    const float x = acid.units * ca / base->ions;
    const float cb = random_real(0.3f * x, 1.2f * x);
    const float vb = random_real(0.5f * va, 1.2f * va);
    set_slots_4_digits(ca, cb, va, vb);
    set_slot_constant(9, acid.constant);
    const std::int32_t o = random_int(1, 2);
    const std::string head = "Calcolare il pH della soluzione ottenuta mescolando ";
    const std::string acid_piece = slot_text(3) + " mL di " + std::string(acid.formula) + " " + slot_text(1) + " M " +
                                   "[@iK@@da@ = " + slot_text(9) + "]";
    if (o == 1)
        problem_texts.problem_text =
            head + acid_piece + " e " + slot_text(4) + " mL di " + formula(*base) + " " + slot_text(2) + " M";
    else
        problem_texts.problem_text =
            head + slot_text(4) + " mL di " + formula(*base) + " " + slot_text(2) + " M e " + acid_piece;
    reread_data_slots();
    mix(acid.units * slot_value(3) * slot_value(1), base->ions * slot_value(2) * slot_value(4));
    const float h = solved_or_nan(solve_ph_mixture(slot_value(6), slot_value(7), slot_value(9), strong));
    hydrogen_and_ph(h, excess_spread(slot_uncertainty(9) / slot_value(9)));
    problem_texts.answer_text = "@T1@@C1@" + slot_text(10);
    draw_problem_text(240, 560, 50);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_37()
{
    skip_random_draws(11);
    const std::int32_t variant = pick_problem_variant(2, equilibria_state.last_draw[37], 0);
    const bool weak_acid = variant == 1;
    const StrongElectrolyte* titrant = &(weak_acid ? std::span<const StrongElectrolyte>(bases)
                                                   : std::span<const StrongElectrolyte>(acids_d))[random_int(1, 3) - 1];
    std::int32_t i = random_int(1, weak_acid ? 7 : 8);
    if (app_state.version_number == text_version) i = weak_acid ? 4 : 7;
    const WeakElectrolyte& weak = weak_acid ? titrated_weak_acids[i - 1] : titrated_weak_bases[i - 1];
    titrant = other_than_barium_with_fluoride(titrant, weak);
    const float cw = random_real(0.01f, 0.03f);
    const float vw = random_real(10.0f, 30.0f);
    const float ct = random_real(1.2f * cw, 0.08f);
    const float v = random_real(0.5f * vw, 1.2f * vw);
    set_slots_4_digits(cw, ct, vw, v);
    set_slot_constant(9, weak.constant);
    problem_texts.problem_text = "Calcolare il pH al punto equivalente nella titolazione di " +
                                 std::string(weak.formula) + " " + slot_text(1) + " M " +
                                 (weak_acid ? "[@iK@@da@ = " : "[@iK@@db@ = ") + slot_text(9) + "] con " +
                                 formula(*titrant) + " " + slot_text(2) + " M";
    reread_data_slots();
    set_slot_uncertainty(5, 1.0f + weak.units * slot_value(1) / (titrant->ions * slot_value(2)), 0.03f);
    reread_slot(5);
    set_slot_digits(6, weak.units * slot_value(1) / slot_value(5), 4);
    reread_slot(6);
    const float c = slot_value(6);
    const float k = slot_value(9);
    const float h = solved_or_nan(weak_acid ? solve_ph_mixture(c, c, k, strong) : solve_ph_mixture(c, c, strong, k));
    hydrogen_and_ph(h, slot_uncertainty(6) / slot_value(6) + slot_uncertainty(9) / slot_value(9));
    problem_texts.answer_text = "@T1@@C1@" + slot_text(10);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(280, 150, 280);
    draw_hint_balloon(160, 100, "Set. 06");
}

void generate_problem_38()
{
    skip_random_draws(10);
    const std::int32_t variant = pick_problem_variant(2, equilibria_state.last_draw[38], 0);
    const bool weak_acid = variant == 1;
    // Only the volume of the titrated solution is drawn; the other volume
    // slot is left as it is.
    const std::int32_t volume_slot = weak_acid ? 3 : 4;
    if (weak_acid) {
        value_slots[1].value = random_real(0.01f, 0.09f);
        value_slots[2].value = random_real(0.05f, 0.099f);
    } else {
        value_slots[2].value = random_real(0.01f, 0.09f);
        value_slots[1].value = random_real(0.05f, 0.099f);
    }
    value_slots[volume_slot].value = random_real(10.0f, 30.0f);
    for (std::int32_t s : {1, 2, volume_slot}) convert_data_slot(s, 4);
    const std::int32_t n = random_int(4, 7);
    set_slot_digits(11, random_real(1.0f, 9.9f) * power_of_ten(-n), 3);
    if (weak_acid)
        problem_texts.problem_text = slot_text(3) + " mL di un acido debole HX " + slot_text(1) +
                                     " F [@iK@@da@ = " + slot_text(11) + "] vengono titolati con " + "NaOH " +
                                     slot_text(2) + " F" + std::string(closing_before_after) +
                                     "dopo il punto di equivalenza";
    else
        problem_texts.problem_text = slot_text(4) + " mL di una base debole " + slot_text(2) +
                                     " F [@iK@@db@ = " + slot_text(11) + "] vengono titolati con " + "HCl " +
                                     slot_text(1) + " F" + std::string(closing_before_after) +
                                     "dopo il punto equivalente";
    for (std::int32_t s : {1, 2, volume_slot}) reread_slot(s);
    const float k = slot_value(11);
    if (weak_acid)
        ph_around_equivalence({slot_value(1), slot_value(2), slot_value(3), true, k, strong},
                              slot_value(1) * slot_value(3) / slot_value(2));
    else
        ph_around_equivalence({slot_value(1), slot_value(2), slot_value(4), false, strong, k},
                              slot_value(2) * slot_value(4) / slot_value(1));
    problem_texts.answer_text = slot_text(8) + "; " + slot_text(9);
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(180, 150, 280);
}

}  // namespace equilibria

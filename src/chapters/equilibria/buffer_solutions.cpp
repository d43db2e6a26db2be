// Section "Soluzioni tampone": problems 28 to 30, buffers made by mixing, the
// salt to add for a target pH, and a buffer before and after a strong
// acid or base.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/acid_base_constants.h"
#include "frame/fact_box.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace equilibria {
namespace {

// " [pKa(acid) = 4.76]" after a buffer pair's acid or salt.
std::string pka_note(const BufferPair& pair)
{
    return " [p@iK@@da@(" + std::string(pair.acid) + ") = " + buffer_pka_text(pair) + "]";
}

// The positive root of x^2 + b x - c = 0, written so that no digits cancel
// when c is small beside b^2.
float positive_root(float b, float c)
{
    return 2.0f * c / (std::sqrt(b * b + 4.0f * c) + b);
}

}  // namespace

void generate_problem_28()
{
    skip_random_draws(4);
    const std::int32_t q = pick_problem_variant(4, equilibria_state.last_draw[28], 2);
    value_slots[1].value = static_cast<float>(random_int(200, 800)) * 0.1f;
    value_slots[2].value = static_cast<float>(random_int(100, 900)) * 0.0001f;
    convert_data_slot(1, 3);
    convert_data_slot(2, 3);
    value_slots[3].value = static_cast<float>(random_int(200, 800)) * 0.1f;
    const float r = random_real(0.3f, 3.0f);
    value_slots[4].value = r / slot_value(3) * slot_value(2) * slot_value(1);
    convert_data_slot(3, 3);
    convert_data_slot(4, 3);
    const std::int32_t n = random_int(4, 11);
    const std::int32_t m = random_int(101, 999);
    set_slot_digits(5, static_cast<float>(m) * 0.01f * power_of_ten(-n), 3);
    constexpr std::string_view asked[] = {" [H@u+@] e [HA]", " [OH@u-@] e [HA]", " [H@u+@] e [A@u-@]",
                                          " [OH@u-@] e [A@u-@]"};
    problem_texts.problem_text = "@T1@@C1@Calcolare" + std::string(asked[q - 1]) +
                                 " in una soluzione tampone preparata mescolando " + slot_text(1) +
                                 " mL di un acido debole HA " + slot_text(2) + " M [@iK@@da@ = " + slot_text(5) +
                                 "] e " + slot_text(3) + " mL di NaA " + slot_text(4) + " F";

    const float ka = slot_value(5);
    const float volume = slot_value(1) + slot_value(3);
    const float acid = slot_value(2) * slot_value(1) / volume;
    const float salt = slot_value(3) / volume * slot_value(4);
    float h = 0.0f;
    float oh = 0.0f;
    if (ka * acid / salt >= 1e-7f) {
        h = positive_root(ka + salt, ka * acid);
        oh = Kw / h;
    } else {
        const float kb = Kw / ka;
        oh = positive_root(kb + acid, Kw * salt / ka);
        h = Kw / oh;
    }
    const float anion = salt + h - oh;
    const float undissociated = acid - h + oh;
    set_slot_digits(11, q % 2 == 1 ? h : oh, 2);
    set_slot_digits(12, q <= 2 ? undissociated : anion, 3);
    problem_texts.answer_text = slot_text(11) + " M; " + slot_text(12) + " M";
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(180, 150, 300);
}

void generate_problem_29()
{
    skip_random_draws(2);
    std::int32_t pair = 0;
    draw_until_accepted([&] {
        pair = draw_new_record(29, 1, 5);
        if (app_state.version_number == text_version) pair = 4;
        set_slot_digits(1, static_cast<float>(random_int(200, 800)) * 0.1f, 3);
        set_slot_digits(2, static_cast<float>(random_int(100, 900)) * 0.0001f, 3);
        const float pka = buffer_pka(buffer_pairs[pair - 1]);
        const std::int32_t q = random_int(1, 2);
        const float d = static_cast<float>(random_int(20, 100)) * 0.01f;
        set_slot_uncertainty(3, pka, 0.03f);
        set_slot_uncertainty(4, q == 1 ? pka + d : pka - d, 0.03f);
        const float h = std::pow(10.0f, -slot_value(4));
        return h <= 0.005f * slot_value(2) && Kw / h <= 0.005f * slot_value(2);
    });
    equilibria_state.last_draw[29] = pair;
    const BufferPair& p = buffer_pairs[pair - 1];
    problem_texts.problem_text = "Calcolare la quantità di " + std::string(p.salt) + " solido da aggiungere a " +
                                 slot_text(1) + " mL di " + std::string(p.partner) + " " + slot_text(2) +
                                 " M per avere una soluzione tampone a pH = " + slot_text(4) + pka_note(p);
    // The mass follows from the pH as shown.
    const float d = slot_value(3) - slot_value_as_shown(4);
    const float ratio = p.base_partner ? std::pow(10.0f, d) : std::pow(0.1f, d);
    set_slot_digits(5, ratio * slot_value(2) * slot_value(1) * p.salt_molar_mass * 0.001f, 2);
    problem_texts.answer_text = slot_text(5) + " g";
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(290, 160, 280);
}

void generate_problem_30()
{
    skip_random_draws(1);
    const std::int32_t pair = pick_problem_variant(5, equilibria_state.last_draw[30], 5);
    const BufferPair& p = buffer_pairs[pair - 1];
    std::int32_t q = random_int(1, 4);
    if (app_state.version_number == text_version) q = 4;
    // Barium carbonate would come down in the carbonate buffer: the other
    // base, which keeps its cation in solution.
    if (q == 4 && p.salt == "Na@d2@CO@d3@") q = 3;
    set_slot_digits(1, static_cast<float>(random_int(100, 900)) * 0.0001f, 3);
    set_slot_digits(2, random_real(0.2f, 3.0f) * slot_value(1), 3);
    const float m = std::min(slot_value(1), slot_value(2));
    set_slot_digits(3, random_real(0.01f * m, 0.3f * m), 3);
    constexpr std::string_view reagents[] = {" HCl", " H@d2@SO@d4@", " NaOH", " Ba(OH)@d2@"};
    problem_texts.problem_text = "Calcolare il pH di una soluzione tampone contenente " + std::string(p.partner) + " " +
                                 slot_text(1) + " M" + pka_note(p) + " e " + std::string(p.salt) + " " + slot_text(2) +
                                 " F prima e dopo l'aggiunta di " + slot_text(3) + " mol/L di" +
                                 std::string(reagents[q - 1]);
    const float x = (q == 2 || q == 4) ? 2.0f * slot_value(3) : slot_value(3);
    // Henderson-Hasselbalch with the acid of the pair over its base; a
    // strong acid turns base into acid, a strong base the reverse.
    const float acid = p.base_partner ? slot_value(2) : slot_value(1);
    const float base = p.base_partner ? slot_value(1) : slot_value(2);
    const float shift = q <= 2 ? x : -x;
    const float pka = buffer_pka(p);
    set_slot_uncertainty(5, pka - std::log10(acid / base), 0.03f);
    set_slot_uncertainty(6, pka - std::log10((acid + shift) / (base - shift)), 0.03f);
    problem_texts.answer_text = slot_text(5) + "; " + slot_text(6);
    draw_problem_text(210, 570, 50);
    show_chemistry_fact(170, 150, 280);
}

}  // namespace equilibria

// Section "Relazioni tra grandezze": problems 26 to 31.
#include <cmath>
#include <vector>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace basic_notions {

namespace {

// Slots 1 to 5 hold the x values of problem 28, slots 6 to 10 the y values.
void set_linear_column(std::int32_t first_slot, float start, float step, std::int32_t digits)
{
    for (std::int32_t i = 1; i <= 5; ++i)
        set_slot_digits(first_slot + i - 1, start + static_cast<float>(i - 1) * step, digits);
}

}  // namespace

void generate_problem_26()
{
    skip_random_draws(1);
    set_slot_digits(1, draw_scaled_exponent_first(-2, 1, 9.9f), 3);
    const float m = slot_value(1);
    set_slot_digits(2, m * 0.0029285715f, 3);
    set_slot_digits(3, m * 0.79993927f, 3);
    set_slot_digits(4, random_real(10.0f, 99.0f), 3);
    const float slope_term = slot_value(2) * slot_value(4);
    set_slot_uncertainty(5, slot_value(3) + slope_term,
                         slope_term * (slot_uncertainty(2) / slot_value(2) + slot_uncertainty(4) / slot_value(4)) +
                             slot_uncertainty(3));
    set_slot_digits(7, random_real(10.0f, 99.0f) * slot_value(2) + slot_value(3), 4);
    const float rise = slot_value(7) - slot_value(3);
    const float t = rise / slot_value(2);
    set_slot_uncertainty(
        8, t, ((slot_uncertainty(7) + slot_uncertainty(3)) / rise + slot_uncertainty(2) / slot_value(2)) * t);

    problem_texts.problem_text =
        "Il volume @iV@ in litri occupato a pressione atmosferica da " + slot_text(1) +
        " g di azoto è funzione della temperatura @it@ in gradi centigradi secondo la semplice equazione di "
        "primo grado @iV@ = " +
        slot_text(2) + "@it@ + " + slot_text(3) + ". Calcolare il volume occupato a " + slot_text(4) +
        "@uo@C, ed a quale temperatura deve essere portato il campione perché il volume occupato sia pari a " +
        slot_text(7) + " L";
    problem_texts.answer_text = slot_text(5) + " L; " + slot_text(8) + "@uo@C";
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(160, 160, 350);
}

void generate_problem_27()
{
    skip_random_draws(2);
    set_slot_digits(1, draw_scaled_exponent_first(-1, 2, 9.9f), 4);
    set_slot_digits(2, draw_scaled_exponent_first(1, 2, 9.9f), 3);
    const float m1 = slot_value(1);
    float m2 = random_real(0.1f, 0.8f) * m1;
    if (random_int(1, 2) == 1) m2 = random_real(1.2f, 2.0f) * m1;
    value_slots[3].value = m2;
    set_slot_digits(4, std::fabs(m2 - m1), 4);
    const bool added = m2 > m1;
    // The first mass enters twice, once in each term of the ratio: its
    // uncertainty counts as it moves the answer, not twice over.
    set_slot_from_data(6, {1, 2, 4}, [added](const std::vector<double>& d) {
        return d[1] * (added ? d[0] + d[2] : d[0] - d[2]) / d[0];
    });

    std::string& text = problem_texts.problem_text;
    text = "La pressione in un dato recipiente contenente un gas a una data temperatura è direttamente "
           "proporzionale alla massa del gas. Se con " +
           slot_text(1) + " g di gas essa è pari a " + slot_text(2) + " torr, quanto diverrà se ";
    if (added)
        append_piece(text, " si aggiungono altri " + slot_text(4) + " g dello stesso gas?");
    else
        append_piece(text, " vengono fatti fuoriuscire " + slot_text(4) + " g di gas?");
    problem_texts.answer_text = slot_text(6) + " torr";
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(160, 160, 350);
}

void generate_problem_28()
{
    problem_texts.problem_printable = false;
    skip_random_draws(4);
    std::int32_t series_case = 1;
    if (random_real(0.0f, 1.0f) < 0.4f) series_case = 2;  // not linear

    float y_step = 0.0f;
    std::int32_t n = 0;
    // A slope that the table's first and last rows, each moved by its
    // uncertainty, leave less than that uncertainty says nothing: both
    // columns are drawn again (slot 15 holds the slope meanwhile).
    draw_until_accepted([&] {
        std::int32_t e = random_int(-1, 1);
        const float x1 = random_real(1.0f, 9.99f) * power_of_ten(e);
        // Ten to the power e + 1 as whole numbers: e + 1 is never negative here.
        const float xe = random_real(1.0f, 9.99f) * static_cast<float>(std::lround(std::pow(10.0, e + 1)));
        const float x_step = (xe - x1) * 0.2f;
        set_linear_column(1, x1, x_step, random_int(3, 4));

        e = random_int(-1, 1);
        const float y1 = random_real(1.0f, 9.99f) * power_of_ten(e);
        const float ye = random_real(1.0f, 9.99f) * static_cast<float>(std::lround(std::pow(10.0, e + 1)));
        float d = ye - y1;
        if (random_int(1, 2) == 1) d = -d;
        y_step = ((d + y1) - y1) * 0.2f;
        n = random_int(3, 4);
        set_linear_column(6, y1, y_step, n);
        if (series_case == 2) return true;
        set_slot_from_data(15, {1, 5, 6, 10},
                           [](const std::vector<double>& ends) { return (ends[3] - ends[2]) / (ends[1] - ends[0]); });
        return !uncertainty_exceeds_value(15);
    });

    if (series_case == 2) {
        const std::int32_t j = random_int(2, 3);
        for (std::int32_t i = j + 1; i <= 5; ++i) {
            const float fi = static_cast<float>(i);
            set_slot_digits(5 + i, slot_value(5 + i) * (1.0f + -0.02f * fi * (y_step * fi)), n);
        }
        problem_texts.answer_text = "No";
    } else {
        set_slot_uncertainty(11, slot_value(10) - slot_value(6), slot_uncertainty(10) + slot_uncertainty(6));
        set_slot_uncertainty(12, slot_value(5) - slot_value(1), slot_uncertainty(5) + slot_uncertainty(1));
        const float slope = slot_value(11) / slot_value(12);
        set_slot_uncertainty(
            13, slope,
            (slot_uncertainty(12) / std::fabs(slot_value(12)) + slot_uncertainty(11) / std::fabs(slot_value(11))) *
                std::fabs(slope));
        const float b = slot_value(10) - slot_value(13) * slot_value(5);
        set_slot_uncertainty(14, std::fabs(b),
                             (slot_uncertainty(13) / std::fabs(slot_value(13)) + slot_uncertainty(5) / slot_value(5)) *
                                     std::fabs(slot_value(13) * slot_value(5)) +
                                 slot_uncertainty(10));
        std::string& answer = problem_texts.answer_text;
        answer = "Sì; @iy@ = " + slot_text(13) + "@ix@";
        if (b > 0.0f) answer += " +";
        if (b < 0.0f) answer += " -";
        answer += " " + slot_text(14);
    }

    problem_texts.problem_text =
        "La tabella seguente riporta i valori misurati per la grandezza @iy@ al variare della grandezza @ix@ "
        "per un dato sistema. È ragionevole assumere che @iy@ e @ix@ siano collegate da un'equazione di "
        "primo grado? In caso affermativo, determinare la relazione tra le due grandezze";
    // A statement that wraps to a fifth line pushes the table, and the
    // frame's foot with it, down by a line.
    const std::int32_t push = table_push_below_statement(160, 580, 40, 105);
    draw_problem_text_framed(160, 580, 40, 190 + push);
    constexpr std::int32_t x0 = 160;
    const std::int32_t y0 = 105 + push;
    draw_value_table_frame(x0, y0, {180, "@T1@@C1@@ix@", 100, "@T1@@iy@"});
    for (std::int32_t i = 1; i <= 5; ++i) draw_value_table_row(x0, y0, i, i, 5 + i);
    show_chemistry_fact(300, 140, 280);
}

void answer_problem_28()
{
    problem_texts.problem_printable = false;
    draw_answer_text(300, 550, 270);
}

void generate_problem_29()
{
    skip_random_draws(1);
    set_slot_digits(1, draw_scaled_exponent_first(-2, 1, 9.9f), 3);
    set_slot_digits(2, 1761.4641f * std::exp(-14.289081f), 3);
    set_slot_digits(3, slot_value(1) / (slot_value(2) * 254.0f) * 4.0f, 3);
    set_slot_digits(4, random_real(0.1f, 0.5f), 2);
    // Both answers with the digits the coefficient, alpha and V carry.
    set_slot_from_data(5, {3, 4}, [](const std::vector<double>& d) { return d[1] * d[1] * d[0] / (1.0 - d[1]); });
    set_slot_digits(6, random_real(1.0f, 40.0f), 3);
    set_slot_from_data(7, {3, 6}, [](const std::vector<double>& d) {
        const double c = d[0] / d[1];
        return (std::sqrt(4.0 * c + 1.0) - 1.0) / (c * 2.0);
    });

    problem_texts.problem_text =
        "Ad alte temperature lo iodio, I@d2@, è parzialmente dissociato in atomi. Se " + slot_text(1) +
        " g di iodio sono riscaldati a 1000@uo@C in un recipiente di volume pari a @iV@ litri, la frazione @ba@ "
        "di molecole dissociate dipende da @iV@ secondo l'equazione " +
        slot_text(3) + "@ba@@u2@/@iV@ + @ba@ - 1 = 0. Quale deve essere @iV@ perché @ba@ sia eguale a " + slot_text(4) +
        "? Quanto vale @ba@ se @iV@ = " + slot_text(6) + " L?";
    problem_texts.answer_text = slot_text(5) + " L; " + slot_text(7);
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(160, 160, 350);
}

void generate_problem_30()
{
    skip_random_draws(1);
    std::int32_t e = random_int(0, 3);
    set_slot_digits(1, random_real(1.0f, 9.9f) * power_of_ten(e - 2), 3);
    e = random_int(0, 1);
    set_slot_digits(2, random_real(1.0f, 9.9f) * power_of_ten(e - 2), 3);
    const float m0 = slot_value(1);
    set_slot_digits(3, random_real(m0 * 0.1f, m0 * 0.9f), 3);
    const float k = slot_value(2);
    set_slot_digits(4, random_real(0.1f / k, 2.0f / k), 3);
    // With the digits the data carry: the exponent weighs their errors.
    set_slot_from_data(5, {1, 2, 4}, [](const std::vector<double>& d) { return d[0] * std::exp(-d[1] * d[2]); });
    set_slot_from_data(6, {1, 2, 3}, [](const std::vector<double>& d) { return std::log(d[0] / d[2]) / d[1]; });

    problem_texts.problem_text =
        "Quando " + slot_text(1) +
        " g di una data sostanza R vengono posti a reagire in opportune condizioni, si osserva che la massa in "
        "grammi di R presente nel recipiente varia con il tempo di reazione (in secondi) secondo la relazione "
        "esponenziale @iM@@dR@ = " +
        slot_text(1) + "exp(-" + slot_text(2) +
        "@it@). Calcolare la massa di R presente nel recipiente quando @it@ = " + slot_text(4) +
        " s, e quanto tempo deve trascorrere dall'inizio della reazione perché la massa di R si riduca da " +
        slot_text(1) + " g a " + slot_text(3) + " g";
    problem_texts.answer_text = slot_text(5) + " g; " + slot_text(6) + " s";
    draw_problem_text(160, 560, 35);
    show_chemistry_fact(155, 173, 300);
}

void generate_problem_31()
{
    skip_random_draws(9);
    const float b = random_real(-273.0f, 1000.0f);
    set_slot_digits(1, b, random_int(3, 5));
    const std::int32_t ratio_case = random_int(1, 2);  // 1 a percentage, 2 a ratio
    if (ratio_case == 1) {
        set_slot_digits(2, random_real(10.0f, 90.0f), 3);
        value_slots[3].value = std::log(slot_value(2) * 0.01f);
    } else {
        set_slot_digits(2, random_real(2.0f, 9.0f), 3);
        value_slots[3].value = std::log(slot_value(2));
    }
    set_slot_uncertainty(3, slot_value(3), slot_uncertainty(2) / std::fabs(slot_value(2)));
    const float t = -(slot_value(1) / slot_value(3));
    set_slot_uncertainty(
        4, t, (slot_uncertainty(3) / std::fabs(slot_value(3)) + slot_uncertainty(1) / std::fabs(slot_value(1))) * t);

    std::string& text = problem_texts.problem_text;
    text = "Alcune grandezze importanti nello studio della Chimica dipendono dalla temperatura assoluta secondo "
           "una relazione del tipo @iQ@ = @iQ@@d0@exp(-B/@iT@) o, in forma logaritmica, "
           "ln(@iQ/Q@@d0@) = -B/@iT@. Se B è pari a " +
           slot_text(1) + " K, quale deve essere la temperatura perché";
    if (ratio_case == 1)
        text += " @iQ@ sia pari " + article_before_number("a", slot_text(2)) + slot_text(2) + "% di @iQ@@d0@?";
    else
        text += " @iQ@ sia " + slot_text(2) + " volte maggiore di @iQ@@d0@?";

    std::string& answer = problem_texts.answer_text;
    answer = slot_text(4) + " K";
    if (t < 0.0f && slot_value(1) > 0.0f) answer = "Mai; @iQ@ è sempre minore di @iQ@@d0@";
    if (t < 0.0f && slot_value(1) < 0.0f) answer = "Mai; @iQ@ è sempre maggiore di @iQ@@d0@";
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(170, 180, 400);
}

}  // namespace basic_notions

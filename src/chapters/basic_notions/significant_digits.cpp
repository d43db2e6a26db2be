// Section "Cifre significative": problems 5 to 11.
#include <algorithm>
#include <cmath>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "platform/graphics.h"
#include "text/justified_text.h"
#include "text/page_regions.h"

namespace basic_notions {

namespace {

constexpr const char* operation_symbols[] = {"", "+", "-", "×", "/"};

constexpr const char* expression_opening =
    "Esprimere con il numero di cifre significative appropriato il risultato dell'espressione";

constexpr const char* note_problem_8 =
    "@C2@@T2@N.B. Il programma assume che ogni dato, qui e nel seguito, sia affetto da un errore "
    "assoluto pari a 3 unità sull'ultima cifra significativa";

constexpr const char* note_problem_11 =
    "@C2@@T2@N.B. Il numero di cifre significative espresse nel risultato, valutato nel programma "
    "secondo la teoria degli errori, può differire di un'unità da quello ottenuto con i metodi "
    "approssimati esposti nel testo.";

// The grey note that stands where other problems show a fact box. It grows
// to hold its text, upward where it would leave the problem area.
void draw_note_box(std::int32_t right, std::int32_t bottom, std::string_view note)
{
    constexpr std::int32_t left = 165;
    constexpr std::int32_t margin = 5;
    std::int32_t top = 195;
    const std::int32_t height = measure_justified_text(left + margin, right - margin, 0, note).y + 16 + 2 * margin;
    bottom = std::max(bottom, top + height);
    const std::int32_t rise = std::max(0, bottom - (problem_area.y2 - margin));
    top -= rise;
    bottom -= rise;
    occupy_page_region(PageElement::statement, {left, top, right, bottom});
    qw_set_color_rgb(0xDDDDE8);
    qw_rectangle(QwControl::filled, left, top, right, bottom);
    draw_justified_text(left + margin, right - margin, top + margin, note);
}

// A number of problem 5: a mantissa of either sign, sometimes cut to three
// decimals, times a power of ten that is mostly far from 1.
float draw_number_to_count()
{
    float x = random_real(-9.99f, -1.0f);
    x = apply_random_sign(x);
    if (random_int(1, 3) == 1) x = truncate_to_thousandths(x);
    std::int32_t e = random_int(-24, -1);
    if (random_int(1, 2) == 1) e = random_int(2, 23);
    if (random_int(1, 2) == 1) e = random_int(-3, 1);
    return power_of_ten(e) * x;
}

// x in [-9.99, -1] or [1, 9], and an exponent that is small half of the time.
float draw_signed_mantissa()
{
    const float x = random_real(-9.99f, -1.0f);
    return random_int(1, 2) == 1 ? random_real(1.0f, 9.0f) : x;
}

std::int32_t draw_small_or_large_exponent()
{
    const std::int32_t e = random_int(-24, 23);
    return random_int(1, 2) == 1 ? random_int(-3, 3) : e;
}

// The first operand of problems 7 and 8, into slot 1 with its drawn digits.
struct FirstOperand {
    std::int32_t exponent;
    std::int32_t digits;
};
FirstOperand draw_first_operand()
{
    const float x = draw_signed_mantissa();
    FirstOperand first{draw_small_or_large_exponent(), 0};
    first.digits = random_int(2, 5);
    set_slot_digits(1, power_of_ten(first.exponent) * x, first.digits);
    return first;
}

// "... dell'espressione x1 op x2"; true when a power of ten shows in it.
bool pose_two_operands(std::int32_t op)
{
    problem_texts.problem_text =
        std::string(expression_opening) + " " + slot_text(1) + " " + operation_symbols[op] + " " + slot_text(2);
    return contains_power_of_ten(problem_texts.problem_text);
}

}  // namespace

void generate_problem_5()
{
    skip_random_draws(6);
    const std::int32_t n = pick_problem_variant(6, basic_notions_state.last_variant_5, 0);
    set_slot_digits(1, draw_number_to_count(), n);
    // A second number, never shown, keeps the data of every version.
    const float hidden = draw_number_to_count();
    set_slot_digits(2, hidden, random_int(1, 6));

    problem_texts.problem_text =
        "Valutare il numero di cifre significative in un dato sperimentale espresso numericamente come " + slot_text(1);
    problem_texts.answer_text = whole_number_text(slot_digits(1));
    draw_problem_text(160, 520, 60);
    show_chemistry_fact(160, 150, 280);
}

void generate_problem_6()
{
    skip_random_draws(7);
    const std::int32_t n = random_int(3, 6);
    const float m = draw_mantissa();
    std::int32_t e = random_int(-24, 23);
    if (random_int(1, 2) == 1) e = random_int(-3, 3);
    set_slot_digits(1, power_of_ten(e) * m, n);
    // Nudged up by one unit of a REAL so that a half rounds away from zero.
    const float x2 = slot_value(1) * 1.0000001f;
    const std::int32_t r = random_int(2, n - 1);
    set_slot_digits(2, x2, r);
    // Values never shown, drawn to keep every version's data.
    const std::int32_t i = random_int(111, 998);
    const std::int32_t j = random_int(6, 9);
    set_slot_digits(3, 0.01f * static_cast<float>(i), 3);
    set_slot_digits(4, 0.01f * static_cast<float>(i + 1), 3);
    set_slot_digits(5, 0.001f * static_cast<float>(10 * i + j), 4);

    problem_texts.problem_text =
        "Arrotondare il numero " + slot_text(1) + " a " + whole_number_text(r) + " cifre significative";
    problem_texts.answer_text = slot_text(2);
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(160, 170, 380);
}

void generate_problem_7()
{
    skip_random_draws(7);
    std::int32_t op = 0;
    draw_until_accepted([&] {
        op = random_int(1, 2);
        const FirstOperand first = draw_first_operand();
        const float y = draw_mantissa();
        draw_small_or_large_exponent();  // replaced below, drawn all the same
        const std::int32_t p2 = random_int(2, 5);
        const std::int32_t d = random_int(-2, 2);
        // The last digit of x2 lies within two places of that of x1.
        const std::int32_t e2 = first.exponent - first.digits + d + p2;
        if (first.digits == p2) return false;
        const float x2 = power_of_ten(e2) * y;
        if (slot_value(1) == 0.0f || x2 == 0.0f) return false;
        set_slot_digits(2, x2, p2);
        // Draws of numbers this problem no longer shows.
        random_int(11, 99);
        if (random_int(1, 3) == 2) random_int(1, 9);
        random_int(11, 99);
        if (random_int(1, 3) == 2) random_int(1, 9);
        random_int(111, 999);
        const std::int32_t t = random_int(1, 3);
        if (t == 2) random_int(11, 99);
        if (t == 1) random_int(1, 9);
        random_int(static_cast<std::int32_t>(std::lround(std::pow(10.0, t + 1))),
                   static_cast<std::int32_t>(std::lround(std::pow(10.0, t + 2))));
        if (!pose_two_operands(op)) return false;
        // A result its own uncertainty exceeds (a difference of equal
        // numbers) says nothing: drawn again.
        const float x3 = op == 1 ? slot_value(1) + slot_value(2) : slot_value(1) - slot_value(2);
        set_slot_uncertainty(3, x3, slot_uncertainty(2) + slot_uncertainty(1));
        return !uncertainty_exceeds_value(3);
    });
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(160, 490, 60);
    show_chemistry_fact(160, 150, 280);
}

void generate_problem_8()
{
    skip_random_draws(1);
    std::int32_t op = 0;
    float x3 = 0.0f;
    draw_until_accepted([&] {
        op = random_int(3, 4);
        draw_first_operand();
        const float y = draw_mantissa();
        const std::int32_t e2 = draw_small_or_large_exponent();
        const std::int32_t p2 = random_int(2, 5);
        const float x2 = power_of_ten(e2) * y;
        if (slot_value(1) == 0.0f || x2 == 0.0f) return false;
        set_slot_digits(2, x2, p2);
        set_slot_digits(3, 0.01f * static_cast<float>(random_int(10, 25)), 2);
        set_slot_digits(4, 0.01f * static_cast<float>(random_int(75, 99)), 2);
        if (!pose_two_operands(op)) return false;
        x3 = op == 3 ? slot_value(1) * slot_value(2) : slot_value(1) / slot_value(2);
        // Exponents up to 23 apart can leave the range of a REAL: draw again.
        return std::isnormal(x3);
    });
    const float u3 = (std::fabs(slot_uncertainty(2) / slot_value(2)) + std::fabs(slot_uncertainty(1) / slot_value(1))) *
                     std::fabs(x3);
    set_slot_uncertainty(3, x3, u3);
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(160, 490, 60);
    draw_note_box(365, 270, note_problem_8);
}

void generate_problem_9()
{
    skip_random_draws(4);
    std::int32_t f = 0;
    // A logarithm near zero that its argument's last digit leaves unknown
    // (log(1.2)) is drawn again.
    draw_until_accepted([&f] {
        // "Versione Testo" asks for the natural logarithm without a draw.
        f = app_state.version_number == text_version ? 1 : random_int(1, 2);
        const float m = draw_mantissa();
        const std::int32_t e = random_int(-24, 23);
        const std::int32_t n = random_int(2, 5);
        set_slot_digits(1, power_of_ten(e) * m, n);
        const float x1 = slot_value(1);
        const float u1 = slot_uncertainty(1);
        const float ln10 = std::log(10.0f);
        if (f == 1)
            set_slot_uncertainty(3, std::log(x1), u1 / x1);
        else
            set_slot_uncertainty(3, std::log(x1) / ln10, u1 / (x1 * ln10));
        return !uncertainty_exceeds_value(3);
    });

    problem_texts.problem_text = std::string(expression_opening) + (f == 1 ? " ln" : " log") + "(" + slot_text(1) + ")";
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(160, 490, 60);
    show_chemistry_fact(160, 150, 280);
}

void generate_problem_10()
{
    skip_random_draws(9);
    // An exponent whose last digit leaves the exponential unknown (as
    // "exp(-30)" does) is drawn again.
    draw_until_accepted([] {
        float x = random_real(-30.0f, -1.0f);
        if (random_int(1, 2) == 1) x = random_real(-1.0f, -0.001f);
        x = apply_random_sign(x);
        const std::int32_t n = random_int(2, 5);
        set_slot_digits(2, x, n);
        // The larger side of the exponential's spread: x3 times the
        // exponent's uncertainty understates it where that uncertainty is
        // not small.
        const float x3 = std::exp(slot_value(2));
        set_slot_uncertainty(3, x3, std::exp(slot_value(2) + slot_uncertainty(2)) - x3);
        return !uncertainty_exceeds_value(3);
    });

    std::string& text = problem_texts.problem_text;
    text = "Esprimere con il numero di cifre significative appropriato il risultato";
    append_piece(text, " dell'espressione ");
    append_piece(text, " exp(" + slot_text(2) + ")");
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(160, 490, 60);
    show_chemistry_fact(270, 150, 280);
}

void generate_problem_11()
{
    skip_random_draws(1);
    const TwoTermExpression expression = draw_two_term_expression();
    const std::int32_t n_a = random_int(3, 5);
    convert_data_slot(3, random_int(3, 5));
    convert_data_slot(4, random_int(3, 5));
    convert_data_slot(5, n_a);
    convert_data_slot(6, random_int(3, 5));
    set_slot_digits(7, std::fabs(slot_value(5)), n_a);

    const float x8 = first_term_value(expression);
    const float u8 = (slot_uncertainty(3) / std::fabs(slot_value(3)) + slot_uncertainty(4) / std::fabs(slot_value(4))) *
                     std::fabs(x8);
    set_slot_uncertainty(8, x8, u8);
    const float x9 = second_term_value(expression);
    const float u9 = (slot_uncertainty(6) / std::fabs(slot_value(6)) + slot_uncertainty(5) / std::fabs(slot_value(5))) *
                     std::fabs(x9);
    set_slot_uncertainty(9, x9, u9);
    set_slot_uncertainty(10, slot_value(8) + slot_value(9), slot_uncertainty(8) + slot_uncertainty(9));

    constexpr std::string_view opening =
        "Esprimere con il numero di cifre significative appropriato il risultato dell'espressione: ";
    std::string shown = "(";
    append_two_term_expression(shown, expression);
    problem_texts.problem_text = std::string(opening) + "@y20@@x-160@" + shown;
    problem_texts.answer_text = slot_text(10);
    // As wide as problem 4's: the longest expressions need the room.
    draw_statement_with_expression(160, 580, 60, opening, {-160, 20}, shown);
    draw_note_box(385, 285, note_problem_11);
}

}  // namespace basic_notions

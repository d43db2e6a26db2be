// Section "Notazione scientifica": problems 1 to 4.
#include <cmath>
#include <cstdlib>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "text/drawing_kit.h"

namespace basic_notions {

void generate_problem_1()
{
    skip_random_draws(2);
    std::int32_t k = 0;
    draw_until_accepted([&] {
        const std::int32_t n = random_int(2, 5);
        // Two digits survive only half of their draws.
        if (n < 3 && random_int(1, 2) == 1) return false;
        const float m = draw_mantissa();
        const std::int32_t e = random_int(-24, 23);
        set_slot_digits(1, m * power_of_ten(e), n);
        std::int32_t d = 1;
        if (n > 2) {
            d = random_int(1 - n, n - 1);
            if (std::abs(d) <= 1) return false;
        }
        if (random_int(1, 3) == 1) d = -d;
        k = e + d;
        if (k == 0 || k == 1) return false;
        set_slot_digits(2, m / power_of_ten(d), n);
        return !contains_power_of_ten(slot_text(2));
    });
    const std::string power = whole_number_text(k);
    problem_texts.problem_text = "@T1@@C1@Convertire " + slot_text(1) + " in multiplo di 10@u" + power + "@";
    problem_texts.answer_text = slot_text(2) + power_of_ten_markup(k);
    draw_problem_text(180, 200, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_2()
{
    skip_random_draws(3);
    std::int32_t n = 0;
    std::int32_t op = 0;
    std::int32_t e1 = 0;
    std::int32_t e2 = 0;
    do {
        n = random_int(2, 5);
        op = random_int(1, 2);
        e1 = random_int(-24, 23);
        e2 = random_int(-24, 23);
    } while (std::abs(op == 1 ? e1 + e2 : e1 - e2) > 24);
    set_slot_digits(1, apply_random_sign(draw_mantissa() * power_of_ten(e1)), n);
    set_slot_digits(2, apply_random_sign(draw_mantissa() * power_of_ten(e2)), n);
    const float x1 = slot_value(1);
    const float x2 = slot_value(2);
    set_slot_digits(3, op == 1 ? x2 * x1 : x1 / x2, n);

    std::string& text = problem_texts.problem_text;
    text = std::string("@T1@@C1@Calcolare il") + (op == 1 ? " prodotto" : " rapporto");
    text += " " + slot_text(1) + (op == 1 ? " ×" : " /");
    const bool negative = std::signbit(x2) && x2 != 0.0f;
    text += negative ? " (" + slot_text(2) + ")" : " " + slot_text(2);
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(200, 500, 70);
    show_chemistry_fact(300, 140, 250);
}

void generate_problem_3()
{
    skip_random_draws(4);
    std::int32_t op = 0;
    std::int32_t e = 0;
    do {
        op = random_int(1, 2);
        e = random_int(-24, 23);
    } while (std::abs(e) < 5);
    float x1 = draw_mantissa() * power_of_ten(e);
    float x2 = draw_mantissa() * x1 * 100.0f;
    if (random_int(1, 2) == 2) x2 = x2 * 0.0001f;
    // Numbers of similar size get more digits; the first count is drawn anyway.
    std::int32_t n = random_int(4, 5);
    const float ratio = x1 / x2;
    if (!(ratio > 0.01f && ratio < 100.0f)) n = random_int(2, 3);
    x1 = apply_random_sign(x1);
    set_slot_digits(1, x1, n);
    set_slot_uncertainty(2, x2, slot_uncertainty(1));
    const float sum = op == 1 ? slot_value(2) + slot_value(1) : slot_value(1) - slot_value(2);
    set_slot_uncertainty(3, sum, slot_uncertainty(2) + slot_uncertainty(1));

    problem_texts.problem_text = std::string("@T1@@C1@Calcolare la") + (op == 1 ? " somma" : " differenza") + " " +
                                 slot_text(1) + (op == 1 ? " +" : " -") + " " + slot_text(2);
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(160, 500, 60);
    show_chemistry_fact(160, 150, 280);
}

TwoTermExpression draw_two_term_expression()
{
    random_int(1, 4);  // not used, but part of every version's data
    float a = draw_scaled_exponent_first(-12, 12);
    float b = random_real(0.1f, 0.9f) * a;
    const std::int32_t s = random_int(1, 2);
    b = (s == 1 ? random_real(0.01f, 0.1f) : random_real(0.9f, 0.99f)) * a;
    b = apply_random_sign(b, 2);
    a = b + a;

    TwoTermExpression expression;
    const float x4 = draw_scaled_exponent_first(-12, 12);
    float x3 = x4 * a;
    expression.op1 = random_int(1, 2);
    if (expression.op1 == 2) x3 = a / x4;
    const float x6 = draw_scaled_exponent_first(-12, 12);
    float x5 = x6 * b;
    expression.op2 = random_int(1, 2);
    if (expression.op2 == 2) x5 = b / x6;

    value_slots[3].value = x3;
    value_slots[4].value = x4;
    value_slots[5].value = x5;
    value_slots[6].value = x6;
    return expression;
}

void append_two_term_expression(std::string& text, const TwoTermExpression& expression)
{
    const auto operation = [](std::int32_t op) { return op == 1 ? "/" : "×"; };
    text += slot_text(3) + operation(expression.op1) + slot_text(4) + ")";
    append_piece(text, slot_value(5) < 0.0f ? " - " : " + ");
    append_piece(text, " (" + slot_text(7) + operation(expression.op2) + slot_text(6) + ")");
}

float first_term_value(const TwoTermExpression& expression)
{
    return expression.op1 == 1 ? slot_value(3) / slot_value(4) : slot_value(3) * slot_value(4);
}

float second_term_value(const TwoTermExpression& expression)
{
    return expression.op2 == 1 ? slot_value(5) / slot_value(6) : slot_value(6) * slot_value(5);
}

void generate_problem_4()
{
    skip_random_draws(8);
    const TwoTermExpression expression = draw_two_term_expression();
    for (std::int32_t slot = 3; slot <= 6; ++slot) convert_data_slot(slot, 4);
    set_slot_digits(7, std::fabs(slot_value(5)), 4);
    const float first = first_term_value(expression);
    const float second = second_term_value(expression);
    set_slot_digits(8, first, 4);
    set_slot_digits(9, second, 4);
    // The sum of the terms as rounded could miss the value of the shown
    // expression by one in its fourth digit.
    set_slot_digits(10, first + second, 4);

    constexpr std::string_view opening = "@T1@@C1@Calcolare il valore dell'espressione seguente: ";
    std::string shown = "(";
    append_two_term_expression(shown, expression);
    problem_texts.problem_text = std::string(opening) + "@y26@@x-180@" + shown;
    problem_texts.answer_text = slot_text(10);
    draw_statement_with_expression(160, 580, 60, opening, {-180, 26}, shown);
    show_chemistry_fact(300, 140, 280);
}

}  // namespace basic_notions

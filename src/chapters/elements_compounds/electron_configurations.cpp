// Section "Config. elettroniche": problems 6 to 9, and the diagonal filling
// scheme drawn beside problems 8 and 9.
#include <array>
#include <string>
#include <string_view>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "platform/graphics.h"
#include "text/markup_text.h"

namespace elements_compounds {
namespace {

constexpr std::string_view subshell_letters = "spdfg";

// Transition metals that problem 9 poses in a third of its draws; all but
// technetium break the diagonal scheme.
constexpr std::array<std::int32_t, 10> irregular_elements = {24, 29, 42, 43, 44, 45, 46, 47, 78, 79};

// Chromium, copper, niobium, molybdenum and ruthenium to silver fill their
// shells otherwise than the scheme says, so problem 8 never poses them;
// technetium between them is left out with them.
bool breaks_diagonal_scheme(std::int32_t z)
{
    return z == 24 || z == 29 || (z >= 41 && z <= 47);
}

struct QuantumNumbers {
    std::int32_t n, l, m;
};

// "a) n = 2, l = 1, m = -1"
std::string quantum_numbers(std::string_view label, const QuantumNumbers& q)
{
    return std::string(label) + " n = " + whole_number_text(q.n) + ", l = " + whole_number_text(q.l) +
           ", m = " + whole_number_text(q.m);
}

// The filling order as a student draws it: the subshells of each shell in a
// row, red arrows down the diagonals.
void draw_diagonal_scheme()
{
    constexpr std::int32_t x0 = 200;
    qw_set_color_rgb(qw_rgb(228, 217, 217));
    qw_rectangle(QwControl::filled, 190, 150, 310, 260);

    struct Stroke {
        std::int32_t x1, y1, x2, y2;
    };
    constexpr Stroke strokes[] = {{x0 + 50, 170, x0, 205},
                                  {x0 + 60, 178, x0, 221},
                                  {x0 + 75, 185, x0, 237},
                                  {x0 + 80, 198, x0, 253},
                                  {x0 + 90, 205, x0 + 20, 253}};
    qw_set_color_rgb(qw_rgb(255, 0, 0));
    for (const Stroke& s : strokes) {
        qw_move_to(s.x1, s.y1);
        qw_line_to(s.x2, s.y2);
        qw_ellipse(QwControl::filled, s.x2 - 2, s.y2 - 1, s.x2 + 2, s.y2 + 1);
    }

    constexpr std::string_view rows[] = {"@T4@1s",         "2s  2p",         "3s  3p  3d",
                                         "4s  4p  4d  4f", "5s  5p  5d  5f", "6s  6p  6d  6f"};
    qw_set_color_rgb(qw_rgb(80, 80, 80));
    std::int32_t y = 155;
    for (std::string_view row : rows) {
        draw_markup_text(x0 + 10, y, row);
        y += 16;
    }
}

}  // namespace

void generate_problem_6()
{
    skip_random_draws(1);
    const std::int32_t n = pick_problem_variant(5, elements_compounds_state.last_draw[6], 0);
    const std::int32_t l = random_int(0, n - 1);
    const QuantumNumbers right{n, l, random_int(-l, l)};
    QuantumNumbers wrong;
    wrong.n = random_int(1, 5);
    wrong.l = random_int(0, wrong.n - 1);
    wrong.m = random_int(-wrong.l, wrong.l);
    // The second set is spoiled in one of four ways.
    switch (random_int(1, 4)) {
    case 1: wrong.n = 0; break;
    case 2: wrong.l = random_int(wrong.n, wrong.n + 2); break;
    case 3: wrong.l = random_int(-wrong.n, -1); break;
    default:
        wrong.m = random_int(wrong.l + 1, wrong.l + 3);
        if (random_int(1, 2) == 1) wrong.m = -wrong.m;
        break;
    }
    const bool wrong_second = random_int(1, 2) == 1;
    problem_texts.problem_text =
        "Quale delle due terne seguenti non è coerente con le regole di selezione per i numeri quantici? " +
        quantum_numbers("a)", wrong_second ? right : wrong) + "; " +
        quantum_numbers("b)", wrong_second ? wrong : right);
    problem_texts.answer_text = wrong_second ? "La seconda" : "La prima";
    draw_problem_text(180, 555, 50);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_7()
{
    skip_random_draws(1);
    const std::int32_t n = pick_problem_variant(5, elements_compounds_state.last_draw[7], 0);
    const std::int32_t l = random_int(0, n - 1);
    random_int(-l, l);  // a magnetic number that is never asked, drawn all the same
    const std::int32_t j = random_int(1, 5);
    const std::int32_t nq = random_int(j, 5);
    const auto letter = [](std::int32_t k) { return std::string(1, subshell_letters[k - 1]); };
    problem_texts.problem_text = "Con quale simbolo viene indicato il sottolivello con n = " + std::to_string(n) +
                                 ", l = " + std::to_string(l) + "? Quali sono i valori di n e l per un orbitale " +
                                 std::to_string(nq) + letter(j) + "?";
    problem_texts.answer_text =
        std::to_string(n) + letter(l + 1) + "; n = " + std::to_string(nq) + " e l = " + std::to_string(j - 1);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_8()
{
    skip_random_draws(1);
    const std::int32_t z = draw_without_repeat(8, [] {
        std::int32_t drawn = 0;
        do drawn = random_int(3, 54);
        while (breaks_diagonal_scheme(drawn));
        return drawn;
    });
    problem_texts.problem_text = "Utilizzare lo schema diagonale per scrivere la configurazione elettronica d" +
                                 articulated_element_name(z) + " (@iZ@ = " + std::to_string(z) + ").";
    problem_texts.answer_text = electron_configuration(z);
    draw_problem_text(180, 560, 50);
    draw_diagonal_scheme();
}

void generate_problem_9()
{
    skip_random_draws(9);
    const std::int32_t z = draw_without_repeat(9, [] {
        const std::int32_t kind = random_int(1, 3);
        std::int32_t drawn = random_int(3, 92);
        if (kind == 2) drawn = random_int(54, 92);
        if (kind == 3) drawn = irregular_elements[random_int(0, 9)];
        return drawn;
    });
    problem_texts.problem_text = "Confrontare la configurazione elettronica effettiva d" + articulated_element_name(z) +
                                 " (Z = " + std::to_string(z) +
                                 ") con quella prevista sulla base dello schema diagonale e delle note "
                                 "irregolarità";
    problem_texts.answer_text = "Effettiva: " + electron_configuration(z);
    draw_problem_text(170, 580, 50);
    draw_diagonal_scheme();
}

}  // namespace elements_compounds

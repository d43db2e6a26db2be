// Section "Reazioni chimiche": problems 25 to 29, coefficients of a
// molecular reaction of the table checked, completed or found.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "text/markup_text.h"

namespace stoichiometry {
namespace {

struct BalancingProblem {
    std::int32_t first_reaction;
    std::int32_t last_reaction;
    std::int32_t excluded;  // 0: none
    std::string_view first_line;
};

// Reaction 82, the longest, does not fit the lines of 25 and 26.
constexpr std::array<BalancingProblem, 5> balancing_problems{{
    {1, 100, 82, "@T1@@C1@Controllare se la seguente equazione è bilanciata@y20@@X100@"},
    {1, 100, 82, "@T1@@C1@Determinare il coefficiente mancante nell'equazione@y20@@X100@"},
    {1, 80, 0, "@T1@@C1@Determinare i due coefficienti mancanti nell'equazione@y20@@X100@"},
    {1, 80, 0, "@T1@@C1@Bilanciare l'equazione seguente @y20@@X100@"},
    {81, 100, 0, "@T1@@C1@Bilanciare l'equazione seguente @y20@@X100@"},
}};

const BalancingProblem& balancing_problem(std::int32_t problem)
{
    return balancing_problems[static_cast<std::size_t>(problem - 25)];
}

std::int32_t draw_balancing_reaction(std::int32_t problem)
{
    const BalancingProblem& b = balancing_problem(problem);
    std::int32_t k = 0;
    draw_until_accepted([&] {
        k = random_int(b.first_reaction, b.last_reaction);
        return k != b.excluded && occurs_as_written(k) && !repeats_last_draw(problem, k) &&
               record_columns(reaction_record(k), 1, 1) == "s";
    });
    stoichiometry_state.last_draw[problem] = k;
    return k;
}

// The question mark that replaces a coefficient.
constexpr std::string_view question_marker = "@T4@@C4@?@C1@@T1@";

std::int32_t trimmed_length(std::string_view text)
{
    return static_cast<std::int32_t>(strip_trailing_blanks(text).size());
}

// The column (from 1) where the species chosen by a random column p starts:
// the one after the first separator from p on, or the first species.
std::int32_t choose_species(std::string_view work, std::int32_t length)
{
    const std::int32_t p = random_int(1, length);
    const std::size_t separator = work.find_first_of("&=", static_cast<std::size_t>(p - 1));
    if (separator == std::string_view::npos) return 11;
    return static_cast<std::int32_t>(separator) + 3;
}

bool has_coefficient_field(std::string_view work, std::int32_t s)
{
    return record_columns(work, s, s) == "$";
}

void mark_species(std::string& work, std::int32_t s)
{
    const auto at = static_cast<std::size_t>(s - 1);
    if (has_coefficient_field(work, s))
        work.replace(at, 3, question_marker);
    else
        work.insert(at, question_marker);
}

// Changes one coefficient of the work text as a careless student would.
void spoil_coefficient(std::string& work)
{
    const std::int32_t s = choose_species(work, trimmed_length(work));
    const auto at = static_cast<std::size_t>(s - 1);
    if (!has_coefficient_field(work, s)) work.insert(at, "$" + format_i(random_int(2, 5), 2));
    const std::int32_t c = read_i(record_columns(work, s + 1, s + 2)).value_or(2);
    std::int32_t d = random_int(1, c - 1);
    if (random_int(1, 2) == 1) d = -d;
    // Two columns hold at most 99.
    work.replace(at + 1, 2, format_i(std::min(c + d, 99), 2));
    if (record_columns(work, s, s + 2) == "$ 1") work.erase(at, 3);
}

// The statement: the problem's first line, then e centred 20 pixels below.
void set_equation_statement(std::int32_t problem, std::string_view e, std::int32_t band_left)
{
    std::string line(balancing_problem(problem).first_line);
    const std::string_view trimmed = strip_trailing_blanks(e);
    line.replace(line.size() - 4, 3, format_i((420 - markup_line_width(trimmed)) / 2 + band_left, 3));
    problem_texts.problem_text = line + std::string(trimmed);
}

// The statement as one markup line; an equation too wide for the box goes
// on two lines under the first, and the box grows by one.
void draw_equation_statement(std::int32_t problem, std::int32_t y_top, std::int32_t y_bottom)
{
    constexpr std::int32_t x_right = 582;
    const std::string_view text = problem_texts.problem_text;
    const std::string_view first_line = balancing_problem(problem).first_line;
    const std::vector<std::string> lines = equation_lines(text.substr(first_line.size()), x_right - 160);
    if (lines.size() == 1) {
        draw_problem_statement_in_box(160, x_right, y_top, y_bottom, text, selected_problem_level());
        return;
    }
    draw_problem_statement_in_box(160, x_right, y_top, y_bottom + 16, first_line.substr(0, first_line.find("@y")),
                                  selected_problem_level());
    draw_equation_lines(lines, x_right, y_bottom);
}

// Problems 28 and 29: the equation without coefficients, to balance.
void pose_balancing(std::int32_t problem, std::int32_t skipped, std::int32_t band_left)
{
    skip_random_draws(skipped);
    const ReactionRecord& record = reaction_record(draw_balancing_reaction(problem));
    set_equation_statement(problem, strip_blanks(format_equation_text(0, record)), band_left);
    problem_texts.answer_text = format_equation_text(1, record);
}

}  // namespace

void generate_problem_25()
{
    skip_random_draws(5);
    const ReactionRecord& record = reaction_record(draw_balancing_reaction(25));
    std::string& work = problem_texts.table_buffer;
    work = record;
    const bool spoiled = random_int(0, 1) == 1;
    if (spoiled) {
        const std::int32_t changes = random_int(1, 4);
        for (std::int32_t n = 0; n < changes; ++n) spoil_coefficient(work);
    }
    const std::string shown = format_equation_text(1, work);
    const std::string balanced = format_equation_text(1, record);
    set_equation_statement(25, shown, 154);
    // Changes can cancel out (a coefficient put in and taken down to 1, or
    // raised and lowered again): the equation shown is then balanced.
    problem_texts.answer_text = "Bilanciata";
    if (shown != balanced) {
        problem_texts.answer_text = "No:";
        append_after_one_blank(problem_texts.answer_text, balanced);
    }
    draw_equation_statement(25, 60, 80);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_26()
{
    skip_random_draws(1);
    const ReactionRecord& record = reaction_record(draw_balancing_reaction(26));
    std::string& work = problem_texts.table_buffer;
    work = record;
    mark_species(work, choose_species(work, trimmed_length(work)));
    set_equation_statement(26, format_equation_text(1, work), 154);
    problem_texts.answer_text = format_equation_text(1, record);
    draw_equation_statement(26, 50, 70);
    show_chemistry_fact(180, 160, 380);
}

void generate_problem_27()
{
    skip_random_draws(3);
    const ReactionRecord& record = reaction_record(draw_balancing_reaction(27));
    std::string& work = problem_texts.table_buffer;
    work = record;
    mark_species(work, choose_species(work, trimmed_length(work)));
    const std::int32_t length = trimmed_length(work);
    std::int32_t s = 0;
    draw_until_accepted([&] {
        s = choose_species(work, length);
        // A marked species shows the question mark 8 columns on.
        return record_columns(work, s + 8, s + 8) != "?";
    });
    mark_species(work, s);
    set_equation_statement(27, format_equation_text(1, work), 154);
    problem_texts.answer_text = format_equation_text(1, record);
    draw_equation_statement(27, 60, 80);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_28()
{
    pose_balancing(28, 8, 154);
    draw_equation_statement(28, 50, 70);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_29()
{
    pose_balancing(29, 4, 160);
    draw_equation_statement(29, 60, 80);
    show_chemistry_fact(180, 170, 380);
}

}  // namespace stoichiometry

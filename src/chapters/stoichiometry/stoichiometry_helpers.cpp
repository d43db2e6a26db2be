#include <algorithm>
#include <string>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/table_fields.h"
#include "frame/statement_equation.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "text/markup_text.h"

namespace stoichiometry {

bool is_filled_compound(std::int32_t k)
{
    const std::string_view column = record_columns(compound_record(k), 81, 81);
    return !column.empty() && column != " ";
}

bool is_drawable_compound(std::int32_t k)
{
    return is_filled_compound(k) && compound_class(k) != 'e';
}

std::int32_t composition_groups(std::int32_t k)
{
    return static_cast<std::int32_t>(compound_composition(k).size() / 4);
}

std::string composition_group(std::int32_t k, std::int32_t g)
{
    return std::string(record_columns(compound_record(k), 77 + 4 * g, 80 + 4 * g));
}

std::int32_t group_count(std::int32_t k, std::int32_t g)
{
    return read_i(record_columns(compound_record(k), 79 + 4 * g, 80 + 4 * g)).value_or(0);
}

std::int32_t group_element(std::int32_t k, std::int32_t g)
{
    return symbol_search(record_columns(compound_record(k), 77 + 4 * g, 78 + 4 * g));
}

void append_after_one_blank(std::string& text, std::string_view piece)
{
    append_piece(text, " ");
    text += strip_blanks(piece);
}

namespace {

constexpr const char* body_font = "@T1@@C1@";

}  // namespace

std::vector<std::string> equation_lines(std::string_view equation, std::int32_t room)
{
    const std::string_view e = strip_trailing_blanks(equation);
    const auto width_of = [](std::string_view line) { return markup_line_width(body_font + std::string(line)); };
    if (width_of(e) <= room) return {std::string(e)};
    std::vector<std::string> best{std::string(e)};
    std::int32_t best_width = 0;
    for (std::size_t i = 1; i + 1 < e.size(); ++i) {
        if (e[i] != ' ' || (e[i + 1] != '+' && e[i + 1] != '=')) continue;
        std::vector<std::string> split{std::string(strip_trailing_blanks(e.substr(0, i))),
                                       std::string(e.substr(i + 1))};
        const std::int32_t width = std::max(width_of(split[0]), width_of(split[1]));
        if (width <= room && (best_width == 0 || width < best_width)) {
            best = std::move(split);
            best_width = width;
        }
    }
    return best;
}

void draw_equation_lines(const std::vector<std::string>& lines, std::int32_t x_right, std::int32_t y)
{
    constexpr std::int32_t column_left = 160;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string line = body_font + lines[k];
        const std::int32_t x = std::min(centred_line_x(line), x_right - markup_line_width(line));
        draw_markup_text(std::max(column_left, x), y + 16 * static_cast<std::int32_t>(k), line);
    }
}

void draw_grams(std::int32_t slot)
{
    const float grams = draw_scaled_exponent_first(-2, 2);
    const std::int32_t digits = random_int(3, 4);
    set_slot_digits(slot, grams, digits);
}

}  // namespace stoichiometry

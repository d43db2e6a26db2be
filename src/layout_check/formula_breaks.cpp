// Formulas parted by a line's end where a student reads them as finished or
// loses the term that follows: "x =" above its value, an operator ending
// a line or starting the next, where the line could have held the formula.
#include <algorithm>
#include <string>

#include "layout_check/item_checks.h"
#include "text/line_breaks.h"

namespace layout_check {

namespace {

bool is_operator(const LineWord& w)
{
    return is_operator_word(w.text);
}

// The formula (terms joined by operators) that the end of one line and the
// start of the next part, as the width it would take on one line; 0 when
// the lines part no formula.
std::int32_t parted_formula_width(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower)
{
    if (upper.empty() || lower.empty() || is_operator(upper.back()) == is_operator(lower.front())) return 0;
    std::vector<LineWord> words = upper;
    words.insert(words.end(), lower.begin(), lower.end());
    const std::size_t parting = upper.size();
    // Terms and operators alternate from the parting both ways; the formula
    // starts and ends with a term.
    std::size_t first = parting - 1;
    while (first > 0 && is_operator(words[first - 1]) != is_operator(words[first])) --first;
    std::size_t last = parting;
    while (last + 1 < words.size() && is_operator(words[last + 1]) != is_operator(words[last])) ++last;
    if (is_operator(words[first])) ++first;
    if (is_operator(words[last])) --last;
    if (first >= parting || last < parting) return 0;
    constexpr std::int32_t blank = 4;
    return upper.back().x2 - words[first].x1 + 1 + blank + words[last].x2 - lower.front().x1 + 1;
}

}  // namespace

LayoutRect covering(const LineWord& a, const LineWord& b)
{
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

std::vector<Fault> equals_at_line_end(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower)
{
    if (upper.empty() || lower.empty() || !upper.back().text.ends_with('=')) return {};
    return {
        {FaultKind::equals_parted, covering(upper.back(), lower.front()), {}, {upper.back().text, lower.front().text}}};
}

std::vector<Fault> parted_formula(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower)
{
    const std::int32_t width = parted_formula_width(upper, lower);
    if (width == 0 || width > upper.back().x2 - upper.front().x1 + 1) return {};
    return {{FaultKind::formula_parted,
             covering(upper.back(), lower.front()),
             {},
             {upper.back().text, lower.front().text}}};
}

}  // namespace layout_check

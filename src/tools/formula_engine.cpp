#include "tools/formula_engine.h"

#include <algorithm>
#include <optional>

#include "chemistry/molar_mass.h"
#include "numbers/fixed_width.h"
#include "numbers/value_slots.h"
#include "tools/character_classes.h"
#include "tools/composition_form.h"
#include "tools/equation_balancer.h"
#include "tools/tool_messages.h"

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ(+=)[]-abcdefghijklmnopqrstuvwxyz 1234567890";
constexpr std::size_t work_text_length = 200;
constexpr std::int32_t molar_mass_slot = 16;

struct Tag {
    std::string_view ending;
    bool electrons;
    bool basic;
};
// Compared in this order, so that " ae" is not taken for " e".
constexpr Tag tags[] = {
    {" ae", true, false}, {" be", true, true}, {" e", true, false}, {" a", false, false}, {" b", false, true},
};

// Cuts a closing tag off text and sets the flags it stands for.
void take_tag(std::string& text, FormulaRequest& request)
{
    const std::string_view trimmed = strip_trailing_blanks(text);
    for (const Tag& tag : tags) {
        if (!trimmed.ends_with(tag.ending)) continue;
        request.ionic = true;
        request.electrons = tag.electrons;
        request.basic = tag.basic;
        text.resize(trimmed.size() - tag.ending.size());
        return;
    }
}

bool brackets_pair_without_nesting(std::string_view text)
{
    int parentheses = 0;
    int brackets = 0;
    for (const char c : text) {
        parentheses += (c == '(') - (c == ')');
        brackets += (c == '[') - (c == ']');
        if (parentheses < 0 || parentheses > 1 || brackets < 0 || brackets > 1) return false;
    }
    return parentheses == 0 && brackets == 0;
}

// The rules on each character and the one after it (and, for a closing
// bracket, the ones before it); next is a blank past the end.
bool neighbours_allowed(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : ' ';
        if (is_one_of(c, "=+") && is_one_of(next, "=+)[-")) return false;
        if (is_one_of(c, "([") && is_one_of(next, "=()[]")) return false;
        if (is_one_of(c, ")]") && is_one_of(next, ")]-")) return false;
        if (is_one_of(c, "=+()[]-") && is_lower(next)) return false;
        if (is_lower(c) && is_lower(next)) return false;
        if (c == '-' && next != ']') return false;
        if (c != ']') continue;
        if (i < 2 || !is_one_of(text[i - 1], "+-")) return false;
        const bool sign_only = text[i - 2] == '[';
        const bool digit_and_sign = i >= 3 && text[i - 3] == '[';
        if (!sign_only && !digit_and_sign) return false;
        if (digit_and_sign && !is_digit(text[i - 2])) return false;
    }
    return true;
}

bool three_digits_in_a_row(std::string_view text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        if (is_digit(text[i]) && is_digit(text[i + 1]) && is_digit(text[i + 2])) return true;
    return false;
}

bool passes_checks(std::int32_t mode, std::string_view text)
{
    if (text.empty() || text.find_first_not_of(alphabet) != std::string_view::npos) return false;
    if (mode == molar_mass_mode && text.find_first_of("[]+-=") != std::string_view::npos) return false;
    if (!is_capital(text.front()) && text.front() != '(') return false;
    if (is_one_of(text.back(), "+=([-")) return false;
    const auto equals = std::count(text.begin(), text.end(), '=');
    if ((mode == balance_mode && equals == 0) || equals > 1) return false;
    return brackets_pair_without_nesting(text) && neighbours_allowed(text) && !three_digits_in_a_row(text);
}

std::string molar_mass_answer(std::string_view text, bool ionic)
{
    const std::optional<std::string> composition = to_composition_form(text, ionic);
    if (!composition || !is_composition_groups(*composition)) return std::string(syntax_error_text);
    float uncertainty = 0.0f;
    const float mass = compute_molar_mass(*composition, uncertainty);
    if (uncertainty < 0.0f) return std::string(syntax_error_text);
    ValueSlot& slot = value_slots[molar_mass_slot];
    slot.value = mass;
    slot.uncertainty = uncertainty;
    convert_data_slot(molar_mass_slot, slot_digits_from_uncertainty);
    return std::string(strip_trailing_blanks(slot.display_text)) + " g";
}

}  // namespace

std::string analyse_formula_text(std::int32_t mode, std::string_view typed)
{
    // A text cut to the work text's length would be answered as if whole.
    if (strip_trailing_blanks(typed).size() > work_text_length) return std::string(syntax_error_text);
    std::string text(typed);
    FormulaRequest request;
    request.ionic = text.find('[') != std::string::npos;
    take_tag(text, request);
    std::erase(text, ' ');
    if (!passes_checks(mode, text)) return std::string(syntax_error_text);
    if (mode == molar_mass_mode) return molar_mass_answer(text, request.ionic);
    return balance_equation(text, request);
}

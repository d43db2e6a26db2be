#include <cstdint>
#include <string>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/table_fields.h"
#include "chemistry/true_false_statements.h"
#include "frame/app_state.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"

namespace elements_compounds {

std::int32_t element_of_symbol(std::string_view symbol)
{
    // The chapter's lists were written for a search of elements 1 to 100.
    const std::int32_t z = symbol_search(symbol);
    return z <= 100 ? z : 0;
}

std::string count_subscript(char count)
{
    return count == '1' ? std::string() : "@d" + std::string(1, count) + "@";
}

void discard_coin_tosses(std::int32_t n)
{
    for (std::int32_t k = 0; k < n; ++k) random_int(1, 2);
}

void pose_true_false_statement(std::int32_t type)
{
    std::string& text = problem_texts.problem_text;
    std::int32_t& truth = elements_compounds_state.truth;
    make_true_false_statement(2, type, text, 1000, truth);
    // The statement is written where the question goes: copy it before
    // the question is built around it.
    const std::string statement(strip_trailing_blanks(text));
    text = "Stabilire se l'affermazione @C3@''" + statement + "''@C1@ è vera o falsa";
    problem_texts.answer_text = truth != 0 ? "Vera" : "Falsa";
}

}  // namespace elements_compounds

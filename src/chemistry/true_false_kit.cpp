#include "chemistry/true_false_kit.h"

#include "chemistry/data_tables.h"
#include "frame/article_name.h"
#include "frame/fixed_width.h"
#include "frame/generator_kit.h"
#include "frame/random_stream.h"

std::int32_t draw_truth() { return random_int(0, 1); }

std::int32_t shown_number(std::int32_t& truth, std::int32_t true_value, std::int32_t lo, std::int32_t hi) {
    if (truth != 0) return true_value;
    const std::int32_t shown = random_int(lo, hi);
    if (shown == true_value) truth = 1;
    return shown;
}

float draw_concentration() {
    const std::int32_t e = random_int(2, 14);
    return power_of_ten(-e) * random_real(1.0f, 9.9f);
}

std::string element_name(std::int32_t z) {
    return std::string(strip_trailing_blanks(record_columns(element_record(z), 1, 15)));
}

std::string element_symbol(std::int32_t z) {
    return std::string(record_columns(element_record(z), 16, 17));
}

std::string articulated_element_name(std::int32_t z) { return join_article_to_name(element_name(z)); }

std::int32_t symbol_search(std::string_view symbol) {
    // Element 0 is a blank record: a symbol outside the table names nothing.
    return find_element_by_symbol(symbol).value_or(0);
}

std::string electron_configuration(std::int32_t z) {
    const std::string_view record = element_record(z);
    std::string text(strip_trailing_blanks(record_columns(record, 51, 54)));
    const std::string_view shells = strip_trailing_blanks(record_columns(record, 55, 70));
    for (std::size_t g = 0; g + 4 <= shells.size(); g += 4) {
        text += std::string(shells.substr(g, 2)) + "@u" + std::string(strip_blanks(shells.substr(g + 2, 2))) + "@";
    }
    return text;
}

bool compound_present(std::int32_t k) { return !strip_blanks(record_columns(compound_record(k), 1, 1)).empty(); }

std::string compound_name(std::int32_t k) {
    return std::string(strip_trailing_blanks(record_columns(compound_record(k), 1, 40)));
}

std::string compound_formula(std::int32_t k) {
    return std::string(strip_trailing_blanks(record_columns(compound_record(k), 41, 70)));
}

char compound_class(std::int32_t k) {
    const std::string_view column = record_columns(compound_record(k), 71, 71);
    return column.empty() ? ' ' : column.front();
}

std::string compound_composition(std::int32_t k) {
    return std::string(strip_trailing_blanks(record_columns(compound_record(k), 81, 100)));
}

std::int32_t draw_compound(std::int32_t lo, std::int32_t hi, bool elements_wanted) {
    std::int32_t k = 0;
    do {
        k = random_int(lo, hi);
    } while (!compound_present(k) || (!elements_wanted && compound_class(k) == 'e'));
    return k;
}

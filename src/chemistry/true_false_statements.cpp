#include "chemistry/true_false_statements.h"

#include <array>
#include <span>
#include <string_view>

#include "chemistry/true_false_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "text/markup_text.h"

namespace {

// One digit per type, type 1 first: the lowest chapter that can answer it.
constexpr std::string_view group_1_codes = "21212223172788";
constexpr std::string_view group_2_codes = "22222424473777111";
static_assert(group_1_codes.size() == true_false_group_1_types);
static_assert(group_2_codes.size() == true_false_group_2_types);

std::string_view chapter_codes(std::int32_t group)
{
    if (group == 1) return group_1_codes;
    if (group == 2) return group_2_codes;
    return {};
}

using StatementType = Statement (*)();

constexpr std::array<StatementType, true_false_group_1_types> group_1{
    protons_in_nucleus,
    significant_digits,
    element_symbol_of_name,
    function_and_curve,
    electronegativity_order,
    a_metal,
    a_non_metal,
    moles_of_atoms,
    density_of_metal,
    acid_neutral_or_alkaline,
    electron_configuration_of_element,
    strong_or_weak_acid,
    oxidant_or_reductant,
    metal_oxidised_by_acid,
};

constexpr std::array<StatementType, true_false_group_2_types> group_2{
    neutrons_in_nucleus,     configuration_of_heavier_element,
    hybridisation_of_centre, shape_of_molecule,
    oxidation_number,        kind_of_solid,
    formula_of_compound,     molar_volume_of_gas,
    density_of_gas,          strong_electrolyte_ions,
    mass_percentage,         ph_and_concentrations,
    conjugate_acid_and_base, ph_of_solution_or_buffer,
    unit_prefixes,           product_of_numbers,
    unit_conversion,
};

std::span<const StatementType> statement_types(std::int32_t group)
{
    if (group == 1) return group_1;
    if (group == 2) return group_2;
    return {};
}

}  // namespace

std::int32_t statement_chapter_code(std::int32_t group, std::int32_t type)
{
    const std::string_view codes = chapter_codes(group);
    if (type < 1 || static_cast<std::size_t>(type) > codes.size()) return 0;
    return codes[type - 1] - '0';
}

void make_true_false_statement(std::int32_t group, std::int32_t type, std::string& text, std::size_t length,
                               std::int32_t& truth)
{
    const std::span<const StatementType> types = statement_types(group);
    if (type < 1 || static_cast<std::size_t>(type) > types.size()) return;
    const Statement statement = types[type - 1]();
    text = std::string(first_characters(strip_trailing_blanks(statement.text), length));
    truth = statement.truth;
}

void pick_game_question(std::int32_t group, std::int32_t chapter, std::string& text, std::size_t length,
                        std::int32_t& truth, std::int32_t& type)
{
    const std::string_view codes = chapter_codes(group);
    // Every chapter from 1 up has a type of code 1; below that none would end the draw.
    if (codes.empty() || chapter < 1) return;
    const auto count = static_cast<std::int32_t>(codes.size());
    do {
        type = random_int(1, count);
    } while (statement_chapter_code(group, type) > chapter);
    make_true_false_statement(group, type, text, length, truth);
}

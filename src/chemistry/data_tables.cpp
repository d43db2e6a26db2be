#include "chemistry/data_tables.h"

#include <algorithm>
#include <string>

#include "chemistry/table_rows.h"
#include "numbers/fixed_width.h"

namespace {

DataTables tables;
PhysicalConstants constants;

// Writes text into columns first..last of record, left- or right-aligned; a
// longer text is cut rather than spilling into the next field.
void put_left(std::string& record, std::size_t first, std::size_t last, std::string_view text)
{
    const std::size_t width = last - first + 1;
    record.replace(first - 1, std::min(width, text.size()), text.substr(0, width));
}

void put_right(std::string& record, std::size_t first, std::size_t last, std::string_view text)
{
    const std::size_t width = last - first + 1;
    if (text.size() > width) text = text.substr(0, width);
    record.replace(last - text.size(), text.size(), text);
}

void put_char(std::string& record, std::size_t column, char c)
{
    record[column - 1] = c;
}

ElementRecord element_from(const ElementRow& row)
{
    ElementRecord r(element_record_length, ' ');
    put_left(r, 1, 15, row.name);
    put_left(r, 16, 17, row.symbol);
    put_left(r, 21, 30, row.atomic_mass);
    put_char(r, 31, row.state);
    if (row.metal) put_char(r, 32, 'm');
    if (row.density_statement) put_char(r, 33, 'd');
    put_left(r, 34, 40, row.density);
    put_left(r, 41, 45, row.ionisation_energy);
    put_left(r, 46, 50, row.electron_affinity);
    put_left(r, 51, 54, row.core);
    put_left(r, 55, 70, row.subshells);
    put_left(r, 71, 73, row.electronegativity);
    put_right(r, 74, 76, row.radius);
    return r;
}

CompoundRecord compound_from(const CompoundRow& row)
{
    CompoundRecord r(compound_record_length, ' ');
    put_left(r, 1, 40, row.name);
    put_left(r, 41, 70, row.formula);
    put_char(r, 71, row.compound_class);
    put_left(r, 81, 100, row.composition);
    put_left(r, 101, 130, row.alternative_name);
    return r;
}

void add_thermo(CompoundRecord& r, const CompoundThermoRow& row)
{
    put_right(r, 131, 138, row.enthalpy);
    put_right(r, 139, 146, row.free_energy);
    put_right(r, 147, 152, row.entropy);
    put_right(r, 153, 158, row.heat_capacity);
    put_char(r, 159, row.state);
}

// The potential is written with its decimal point in column 6.
ReactionRecord reaction_from(const ReactionRow& row)
{
    ReactionRecord r(reaction_record_length, ' ');
    put_char(r, 1, row.kind);
    if (!row.potential.empty()) {
        const std::size_t point = row.potential.find('.');
        const std::size_t first = point == std::string_view::npos || point > 4 ? 2 : 6 - point;
        put_left(r, first, 10, row.potential);
    }
    put_left(r, 11, reaction_record_length, row.equation);
    return r;
}

// What a reader gets for an index outside a table, or before the tables are
// filled.
static_assert(compound_record_length == element_record_length);
const std::string blank_200(element_record_length, ' ');
const std::string blank_130(reaction_record_length, ' ');

}  // namespace

void init_data_tables()
{
    tables.elements.fill(ElementRecord(element_record_length, ' '));
    tables.compounds.fill(CompoundRecord(compound_record_length, ' '));
    tables.reactions.fill(ReactionRecord(reaction_record_length, ' '));

    std::int32_t z = 1;
    for (const ElementRow& row : element_rows()) tables.elements[z++] = element_from(row);

    for (auto rows : {inorganic_compound_rows(), further_compound_rows(), organic_compound_rows()})
        for (const CompoundRow& row : rows) tables.compounds[row.index] = compound_from(row);
    for (const CompoundThermoRow& row : compound_thermo_rows()) add_thermo(tables.compounds[row.compound], row);

    std::int32_t k = 1;
    for (const ReactionRow& row : reaction_rows()) tables.reactions[k++] = reaction_from(row);

    constants = tabulated_physical_constants();
}

const DataTables& data_tables()
{
    return tables;
}
const PhysicalConstants& physical_constants()
{
    return constants;
}

const ElementRecord& element_record(std::int32_t z)
{
    if (z < 1 || z > element_slots || tables.elements[z].empty()) return blank_200;
    return tables.elements[z];
}

const CompoundRecord& compound_record(std::int32_t k)
{
    if (k < 1 || k > compound_slots || tables.compounds[k].empty()) return blank_200;
    return tables.compounds[k];
}

const ReactionRecord& reaction_record(std::int32_t k)
{
    if (k < 1 || k > reaction_slots || tables.reactions[k].empty()) return blank_130;
    return tables.reactions[k];
}

std::optional<std::int32_t> find_element_by_symbol(std::string_view symbol)
{
    if (symbol.empty() || symbol.size() > 2 || symbol[0] == ' ') return std::nullopt;
    const char second = symbol.size() == 2 ? symbol[1] : ' ';
    for (std::int32_t z = 1; z <= element_count; ++z) {
        const std::string_view field = record_columns(element_record(z), 16, 17);
        if (field[0] == symbol[0] && field[1] == second) return z;
    }
    return std::nullopt;
}

std::optional<std::int32_t> find_compound_by_formula(std::string_view formula)
{
    const std::string_view key = strip_trailing_blanks(formula);
    if (key.empty()) return std::nullopt;
    for (std::int32_t k = 1; k <= compound_slots; ++k) {
        if (strip_trailing_blanks(record_columns(compound_record(k), 41, 70)) == key) return k;
    }
    return std::nullopt;
}

#include "chemistry/reaction_thermo.h"

#include <cmath>
#include <string>
#include <vector>

#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "numbers/fixed_width.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"

namespace {

struct SpeciesData {
    float weight;  // the coefficient, negative for a reactant
    float enthalpy;
    float entropy;
    float heat_capacity;
};

// A blank field counts 0.
float read_field(const CompoundRecord& record, int first, int last)
{
    const std::string_view field = record_columns(record, first, last);
    if (strip_blanks(field).empty()) return 0.0f;
    set_slot_text(20, field);
    return slot_value(20);
}

bool has_thermo_data(const CompoundRecord& record)
{
    return record[158] != ' ';
}

}  // namespace

std::optional<ReactionThermo> compute_reaction_thermo(std::string_view equation, std::int32_t water_state, float t)
{
    EquationTerms terms;
    if (!parse_equation_terms(equation, terms)) return std::nullopt;

    std::vector<SpeciesData> species;
    for (std::int32_t j = 1; j <= terms.species_count(); ++j) {
        const std::optional<std::int32_t> k = find_compound_by_formula(terms.species_text(equation, j));
        if (!k || !has_thermo_data(compound_record(*k))) return std::nullopt;
        // An equation writes water alike in both states; the state says
        // which row it reads.
        const bool vapour = *k == compounds::liquid_water && water_state == water_as_vapour;
        const CompoundRecord& record = compound_record(vapour ? compounds::water_vapour : *k);
        const float sign = j <= terms.reactant_count ? -1.0f : 1.0f;
        species.push_back({sign * static_cast<float>(terms.coefficient[j]), read_field(record, 131, 138),
                           read_field(record, 148, 152), read_field(record, 153, 158)});
    }

    // Separate passes in this order, single precision, as the results are
    // shown to the digits these sums give.
    ReactionThermo result;
    for (const SpeciesData& s : species) result.dH += s.weight * s.enthalpy;
    for (const SpeciesData& s : species) result.dS += s.weight * s.entropy;
    float cH = 0.0f;
    float cS = 0.0f;
    for (const SpeciesData& s : species) {
        cH += s.weight * s.heat_capacity * (t - 25.0f) * 0.001f;
        cS += s.weight * s.heat_capacity * std::log((t + celsius_zero_f) * reciprocal_standard_kelvin_f);
    }
    result.dH += cH;
    result.dS += cS;

    const float kelvin = t + celsius_zero_f;
    result.dG = result.dH - 0.001f * kelvin * result.dS;
    const float x = -1000.0f * result.dG / (gas_constant_joule_f * kelvin);
    result.equilibrium_constant = x < 70.0f ? std::exp(x) : constant_overflow;
    return result;
}

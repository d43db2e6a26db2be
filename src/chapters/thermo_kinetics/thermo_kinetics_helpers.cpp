// Helpers that several sections of chapter 6 share.
#include <cmath>
#include <string>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace thermo_kinetics {

std::int32_t draw_unrepeated(std::int32_t problem, std::int32_t lo, std::int32_t hi)
{
    std::int32_t draw = 0;
    draw_until_accepted([&] {
        draw = random_int(lo, hi);
        return !repeats_last_draw(problem, draw);
    });
    return draw;
}

void convert_compound_field(std::int32_t slot, std::int32_t k, int first, int last)
{
    set_slot_text(slot, record_columns(compound_record(k), first, last));
}

// --- Two samples in thermal contact --------------------------------------------

namespace {

std::int32_t metal_sample(std::int32_t i)
{
    return compounds::metal_samples.at(static_cast<std::size_t>(i - 1));
}

}  // namespace

ContactSamples draw_contact_samples(std::int32_t problem)
{
    std::int32_t i1 = 0, i2 = 0;
    float t1 = 0.0f, t2 = 0.0f;
    // Any rejection starts the choice again from the first sample.
    draw_until_accepted([&] {
        i1 = random_int(1, 8);
        if (repeats_last_draw(problem, i1)) return false;
        i2 = random_int(1, 8);
        if (i2 == i1) return false;
        t1 = random_real(20.0f, 90.0f);
        t2 = random_real(20.0f, 90.0f);
        return std::abs(t1 - t2) >= 10.0f;
    });
    thermo_kinetics_state.last_draw[problem] = i1;
    value_slots[5].value = t1;
    value_slots[6].value = t2;

    ContactSamples s;
    s.first = metal_sample(i1);
    s.second = random_int(0, 1) == 1 ? compounds::liquid_water : metal_sample(i2);
    convert_compound_field(1, s.first, heat_capacity_first, heat_capacity_last);
    convert_compound_field(2, s.second, heat_capacity_first, heat_capacity_last);

    float m1 = random_real(1.0f, 9.9f);
    if (random_int(1, 2) == 1) m1 *= 10.0f;
    if (random_int(1, 2) == 1) m1 *= 10.0f;
    value_slots[3].value = m1;
    value_slots[4].value = random_real(0.5f * m1, 2.0f * m1);
    for (std::int32_t slot = 3; slot <= 6; ++slot) convert_data_slot(slot, 3);

    s.moles_first = slot_value(3) / compound_molar_mass(s.first);
    s.moles_second = slot_value(4) / compound_molar_mass(s.second);
    return s;
}

std::string contact_statement_head(const ContactSamples& s)
{
    return "Un campione di " + slot_text(3) + " g di " + compound_name(s.first) + " a " + slot_text(5) +
           "@uo@C è posto in contatto con un campione di " + slot_text(4) + " g di " + compound_name(s.second) + " a " +
           slot_text(6) + "@uo@C. ";
}

float contact_temperature(const ContactSamples& s)
{
    const float c1 = s.moles_first * slot_value(1);
    const float c2 = s.moles_second * slot_value(2);
    return (c1 * (kelvin(slot_value(5))) + c2 * (kelvin(slot_value(6)))) / (c2 + c1);
}

ContactData contact_data(const ContactSamples& s, const std::vector<double>& d)
{
    return {d[2] / compound_molar_mass(s.first) * d[0], d[3] / compound_molar_mass(s.second) * d[1],
            d[4] + celsius_zero, d[5] + celsius_zero};
}

double contact_heat(const ContactSamples& s, const std::vector<double>& d)
{
    const ContactData c = contact_data(s, d);
    return std::abs(c.t1 - c.t2) * c.c1 * c.c2 / (c.c1 + c.c2);
}

double contact_entropy(const ContactSamples& s, const std::vector<double>& d, bool first)
{
    const ContactData c = contact_data(s, d);
    const double final_t = (c.c1 * c.t1 + c.c2 * c.t2) / (c.c1 + c.c2);
    return first ? c.c1 * std::log(final_t / c.t1) : c.c2 * std::log(final_t / c.t2);
}

// --- Reactions -----------------------------------------------------------------

std::int32_t pick_reaction(std::int32_t problem, std::string_view list, std::int32_t textbook_entry)
{
    const auto entries = static_cast<std::int32_t>(list.size() / 3);
    std::int32_t j = 0, n = 0;
    draw_until_accepted([&] {
        j = draw_unrepeated(problem, 1, entries);
        if (app_state.version_number == text_version) j = textbook_entry;
        n = read_i(record_at(list, 3, j)).value_or(0);
        return record_columns(reaction_record(n), 1, 1) == "s";
    });
    thermo_kinetics_state.last_draw[problem] = j;
    return n;
}

std::vector<ReactionSpecies> reaction_species(std::int32_t n)
{
    const std::string_view record = reaction_record(n);
    EquationTerms terms;
    parse_equation_terms(record, terms);
    std::vector<ReactionSpecies> species;
    for (std::int32_t j = 1; j <= terms.species_count(); ++j) {
        const std::string_view text = terms.species_text(record, j);
        species.push_back({find_compound_by_formula(text).value_or(0), terms.coefficient[j], j <= terms.reactant_count,
                           std::string(text)});
    }
    return species;
}

std::string state_subscript(const ReactionSpecies& s, std::int32_t w)
{
    if (s.compound == compounds::liquid_water && w == water_as_vapour) return "@d(g)@";
    return "@d(" + std::string(record_columns(compound_record(s.compound), 159, 159)) + ")@";
}

bool printed_states_hold(const std::vector<ReactionSpecies>& species, std::int32_t w, double kelvin, double atm)
{
    for (const ReactionSpecies& s : species) {
        const bool vapour = s.compound == compounds::liquid_water && w == water_as_vapour;
        const std::int32_t k = vapour ? compounds::water_vapour : s.compound;
        const char state = vapour ? 'g' : record_columns(compound_record(k), 159, 159).front();
        if (state == 's' && (kelvin >= melting_point_kelvin(k) || kelvin >= boiling_point_kelvin(k))) return false;
        if (state == 'l' && (kelvin < melting_point_kelvin(k) || kelvin >= boiling_point_kelvin(k))) return false;
        if (state == 'l' && !std::isnan(atm) && liquid_boils(k, kelvin, atm)) return false;
        if (state == 'g' && !std::isnan(atm) && gas_condenses(k, kelvin, atm)) return false;
    }
    return true;
}

namespace {

// " " before the first of count, " e " before the last, ", " between.
std::string_view list_separator(std::size_t m, std::size_t count)
{
    if (m == 0) return " ";
    return m + 1 == count ? " e " : ", ";
}

}  // namespace

std::string formation_sum_statement(const std::vector<ReactionSpecies>& species, std::int32_t w,
                                    const FormationStatement& kind)
{
    // The value of every species, converted as the table writes it.
    std::vector<std::string> shown;
    std::vector<const ReactionSpecies*> named;
    value_slots[1].value = 0.0f;
    value_slots[1].uncertainty = 0.0f;
    for (const ReactionSpecies& s : species) {
        const bool vapour = s.compound == compounds::liquid_water && w == water_as_vapour;
        convert_compound_field(19, vapour ? compounds::water_vapour : s.compound, kind.first, kind.last);
        if (slot_value(19) == 0.0f) continue;
        named.push_back(&s);
        shown.push_back(slot_text(19));
        const float term = static_cast<float>(s.coefficient) * slot_value(19);
        value_slots[1].value += s.reactant ? -term : term;
        value_slots[1].uncertainty += static_cast<float>(s.coefficient) * slot_uncertainty(19);
    }

    const bool one = named.size() == 1;
    std::string text(one ? kind.head_one : kind.head_many);
    for (std::size_t m = 0; m < named.size(); ++m)
        append_piece(text, std::string(list_separator(m, named.size())) + compound_formula(named[m]->compound) +
                               state_subscript(*named[m], w));
    append_piece(text, one ? kind.verb_one : kind.verb_many);
    for (std::size_t m = 0; m < shown.size(); ++m)
        append_piece(text, std::string(list_separator(m, shown.size())) + shown[m]);
    append_piece(text, kind.tail);
    return text;
}

std::string reaction_with_states(std::int32_t n, std::int32_t mode, std::int32_t w, std::int32_t direction)
{
    return add_state_subscripts(reaction_record(n), mode, w, direction).value_or(std::string());
}

std::int32_t draw_statement_and_reaction(std::int32_t n, std::int32_t w, std::int32_t x_right, std::int32_t y_top,
                                         std::int32_t y_bottom, std::int32_t equation_y)
{
    const std::int32_t direction = random_int(1, 2);
    problem_texts.table_buffer = reaction_with_states(n, 1, w, direction);
    draw_problem_text_and_equation(160, x_right, y_top, y_bottom, problem_texts.table_buffer, equation_y);
    return direction;
}

}  // namespace thermo_kinetics

// Section "Rapporti di reazione": problems 30 to 33, masses of reactants
// and products of a reaction of the table, the reactant in defect among them.
#include <string>
#include <string_view>
#include <vector>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "text/markup_text.h"

namespace stoichiometry {
namespace {

// The reactions of "Versione Testo"; problem 32 has none.
constexpr std::int32_t textbook_reaction_30 = 24;
constexpr std::int32_t textbook_reaction_31 = 49;
constexpr std::int32_t textbook_reaction_33 = 86;

struct Reaction {
    std::int32_t number = 0;
    EquationTerms terms;
    std::string species(std::int32_t s) const { return std::string(terms.species_text(reaction_record(number), s)); }
    std::int32_t reactants() const { return terms.reactant_count; }
    std::int32_t products() const { return terms.product_count; }
};

// The molar mass of species s and its uncertainty.
struct SpeciesMass {
    float molar = 0.0f;
    float uncertainty = 0.0f;
};

SpeciesMass species_mass(const Reaction& r, std::int32_t s)
{
    SpeciesMass m;
    const std::int32_t k = find_compound_by_formula(r.species(s)).value_or(0);
    m.molar = compound_molar_mass(k, m.uncertainty);
    return m;
}

// Draws a reaction until `accept` takes it; the memory keeps it from
// repeating under "Nessuna Versione", and "Versione Testo" replaces the
// draw (which is still made) by the textbook's reaction.
template <typename Accept>
Reaction draw_reaction(std::int32_t memory, std::int32_t textbook, Accept accept)
{
    Reaction r;
    draw_until_accepted([&] {
        r.number = random_int(1, 100);
        if (repeats_last_draw(memory, r.number)) return false;
        if (app_state.version_number == text_version && textbook != 0) r.number = textbook;
        if (record_columns(reaction_record(r.number), 1, 1) != "s" || !occurs_as_written(r.number)) return false;
        parse_equation_terms(reaction_record(r.number), r.terms);
        return accept(r);
    });
    stoichiometry_state.last_draw[memory] = r.number;
    return r;
}

Reaction draw_reaction(std::int32_t memory, std::int32_t textbook)
{
    return draw_reaction(memory, textbook, [](const Reaction&) { return true; });
}

// The mass of the asked species a that goes with the mass in slot 1 of the
// given species g, into slot 2.
void set_related_mass(const Reaction& r, std::int32_t given, std::int32_t asked)
{
    const SpeciesMass mg = species_mass(r, given);
    const SpeciesMass ma = species_mass(r, asked);
    const float g = static_cast<float>(r.terms.coefficient[given]) * mg.molar;
    const float a = static_cast<float>(r.terms.coefficient[asked]) * ma.molar;
    const float mass = a * slot_value(1) / g;
    // A coefficient is exact: each molar mass adds its own relative
    // uncertainty, whatever the coefficient.
    set_slot_uncertainty(
        2, mass, mass * (slot_uncertainty(1) / slot_value(1) + mg.uncertainty / mg.molar + ma.uncertainty / ma.molar));
}

// A mass of 0.01 to 99 g into slot 1, the exponent drawn first.
void draw_given_mass()
{
    const std::int32_t e = random_int(-2, 1);
    const float mass = random_real(1.0f, 9.9f) * power_of_ten(e);
    const std::int32_t digits = random_int(3, 5);
    set_slot_digits(1, mass, digits);
}

// Problems 32 and 33: every reactant's mass in its slot and listed in the
// statement; the one drawn in defect gets just what f moles of reaction
// consume, the others 1 to 2 times their share.
struct ReactantMasses {
    std::int32_t defect = 0;
};

ReactantMasses draw_reactant_masses(const Reaction& r)
{
    ReactantMasses d;
    const float f = random_real(0.1f, 2.0f);  // moles of reaction
    d.defect = random_int(1, r.reactants());
    const std::int32_t defect_digits = random_int(3, 5);
    std::string& text = problem_texts.problem_text;
    for (std::int32_t s = 1; s <= r.reactants(); ++s) {
        ValueSlot& slot = value_slots[s];
        slot.value = species_mass(r, s).molar * static_cast<float>(r.terms.coefficient[s]) * f;
        if (s != d.defect) slot.value *= random_real(1.0f, 2.0f);
        convert_data_slot(s, random_int(3, 5));
        if (s == d.defect) convert_data_slot(s, defect_digits);
        const char* separator = s == 1 ? " " : s < r.reactants() ? ", " : " e ";
        append_piece(text, separator);
        text += slot_text(s) + " g di " + r.species(s);
    }
    return d;
}

// The reactant that the shown masses leave in defect: the least mass per
// coefficient and molar mass, the drawn one on a tie.
std::int32_t reactant_in_defect(const Reaction& r, std::int32_t drawn)
{
    const auto moles_of_reaction = [&](std::int32_t s) {
        return static_cast<double>(slot_value(s)) /
               (r.terms.coefficient[s] * static_cast<double>(species_mass(r, s).molar));
    };
    std::int32_t defect = drawn;
    for (std::int32_t s = 1; s <= r.reactants(); ++s)
        if (moles_of_reaction(s) < moles_of_reaction(defect)) defect = s;
    return defect;
}

// Whether the masses as shown decide the reactant in defect: every other
// reactant allows more moles of reaction than it, even with each mass moved
// by its uncertainty towards the other.
bool defect_decided(const Reaction& r, std::int32_t defect)
{
    const auto moles_of_reaction = [&](std::int32_t s, float moved_by) {
        return static_cast<double>(slot_value(s) + moved_by * slot_uncertainty(s)) /
               (r.terms.coefficient[s] * static_cast<double>(species_mass(r, s).molar));
    };
    for (std::int32_t s = 1; s <= r.reactants(); ++s)
        if (s != defect && moles_of_reaction(s, -1.0f) <= moles_of_reaction(defect, 1.0f)) return false;
    return true;
}

// Problems 32 and 33: the reactants' masses, listed after the statement so
// far, and the reactant they leave in defect. Masses too near each other's
// share leave it undecided, and the products with it: they are drawn again.
std::int32_t draw_masses_deciding_defect(const Reaction& r)
{
    const std::string asked = problem_texts.problem_text;
    std::int32_t defect = 0;
    draw_until_accepted([&] {
        problem_texts.problem_text = asked;
        defect = reactant_in_defect(r, draw_reactant_masses(r).defect);
        return defect_decided(r, defect);
    });
    return defect;
}

// The statement's frame and text, the reaction without coefficients centred
// below it, and the fact box; the balanced reaction goes into table_buffer.
struct StatementPlace {
    std::int32_t x_right;
    std::int32_t y_top;
    std::int32_t y_bottom;  // also where the reaction is drawn
    std::int32_t fact_x;
    std::int32_t fact_y;
    std::int32_t fact_width;
};

void draw_reaction_statement(const Reaction& r, const StatementPlace& at)
{
    const ReactionRecord& record = reaction_record(r.number);
    problem_texts.answer_text = format_equation_text(0, record);
    problem_texts.table_buffer = format_equation_text(1, record);
    // An equation too wide for the box goes on two lines: the box grows by one.
    const std::vector<std::string> lines = equation_lines(problem_texts.answer_text, at.x_right - 160);
    draw_problem_text_in_box(160, at.x_right, at.y_top, at.y_bottom + 16 * static_cast<std::int32_t>(lines.size() - 1));
    draw_equation_lines(lines, at.x_right, at.y_bottom);
    show_chemistry_fact(at.fact_x, at.fact_y, at.fact_width);
    append_after_one_blank(problem_texts.problem_text, problem_texts.answer_text);
}

std::string balanced_equation()
{
    return std::string(strip_trailing_blanks(problem_texts.table_buffer));
}

// Problems 30 and 31: the mass of the asked species that goes with the
// mass of the given one in slot 1.
void pose_related_mass(const Reaction& r, std::int32_t asked, std::string_view relation, std::int32_t given,
                       const StatementPlace& at)
{
    problem_texts.problem_text = "@T1@@C1@Calcolare la quantità di " + r.species(asked) + std::string(relation) +
                                 slot_text(1) + " g di " + r.species(given) + " secondo l'equazione";
    set_related_mass(r, given, asked);
    draw_reaction_statement(r, at);
    problem_texts.answer_text = balanced_equation() + "; " + slot_text(2) + " g";
}

}  // namespace

void generate_problem_30()
{
    skip_random_draws(8);
    std::int32_t asked = 0;
    std::int32_t given = 0;
    const Reaction r = draw_reaction(30, textbook_reaction_30, [&](const Reaction& drawn) {
        if (drawn.reactants() < 2) return false;
        asked = random_int(1, drawn.reactants());
        given = random_int(1, drawn.reactants());
        return asked != given;
    });
    draw_given_mass();
    pose_related_mass(r, asked, " necessaria per reagire con ", given, {582, 50, 90, 200, 140, 300});
}

void generate_problem_31()
{
    skip_random_draws(5);
    const Reaction r = draw_reaction(31, textbook_reaction_31);
    const std::int32_t asked = random_int(1, r.reactants());
    draw_given_mass();
    const std::int32_t given = random_int(r.reactants() + 1, r.reactants() + r.products());
    pose_related_mass(r, asked, " necessaria per dare ", given, {560, 60, 100, 180, 150, 380});
}

void generate_problem_32()
{
    skip_random_draws(27);
    // A reactant in defect needs two reactants or more.
    const Reaction r = draw_reaction(32, 0, [](const Reaction& drawn) { return drawn.reactants() >= 2; });
    problem_texts.problem_text = "@T1@@C1@Determinare il reagente in difetto se ";
    const std::int32_t defect = draw_masses_deciding_defect(r);
    append_piece(problem_texts.problem_text, " vengono posti a reagire secondo l'equazione");
    draw_reaction_statement(r, {582, 50, 100, 270, 142, 280});
    problem_texts.answer_text = balanced_equation() + "; in difetto " + r.species(defect);
}

void generate_problem_33()
{
    skip_random_draws(2);
    const Reaction r = draw_reaction(32, textbook_reaction_33);
    const std::int32_t first_product = r.reactants() + 1;
    const std::int32_t last_product = r.reactants() + r.products();
    std::string& text = problem_texts.problem_text;
    if (r.products() == 1)
        text = "@T1@@C1@Calcolare la quantità di " + r.species(first_product) + " ottenibile da";
    else if (r.products() == 2)
        text = "@T1@@C1@Calcolare le quantità di " + r.species(first_product) + " e di " +
               r.species(first_product + 1) + " ottenibili da";
    else
        text = "@T1@@C1@Calcolare la quantità di ciascun prodotto ottenibile da";
    const std::int32_t defect = draw_masses_deciding_defect(r);
    append_piece(text, " secondo l'equazione");
    draw_reaction_statement(r, {582, 50, 100, 200, 150, 300});

    // The products follow from the masses as shown: rounding may have left
    // the drawn reactant a little above or below what f moles consume. They
    // carry the uncertainty of the reactant in defect.
    const double defect_per_mole = static_cast<double>(r.terms.coefficient[defect]) * species_mass(r, defect).molar;
    std::vector<std::int32_t> products;
    for (std::int32_t s = first_product; s <= last_product; ++s) {
        const double per_mole = static_cast<double>(r.terms.coefficient[s]) * species_mass(r, s).molar;
        set_slot_from_data(s, {defect},
                           [&](const std::vector<double>& g) { return g[0] / defect_per_mole * per_mole; });
        products.push_back(s);
    }
    std::string& answer = problem_texts.answer_text;
    answer = balanced_equation();
    for (const std::int32_t s : products) {
        const char* separator = s == first_product ? "; " : s < last_product ? ", " : " e ";
        append_piece(answer, separator);
        answer += slot_text(s) + " g di " + r.species(s);
    }
}

}  // namespace stoichiometry

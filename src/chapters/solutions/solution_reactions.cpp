// Section "Reazioni in soluzione": problems 29 to 37, redox equations to
// balance, redox stoichiometry, equivalents and normality.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/drawing_kit.h"
#include "text/markup_text.h"

namespace solutions {
namespace {

constexpr std::string_view no_medium_species[] = {"H@u+@", "OH@u-@", "H@d2@O"};

bool is_ionic(std::string_view species)
{
    return species.find("@u") != std::string_view::npos;
}

char reaction_kind(std::int32_t r)
{
    return reaction_record(r).empty() ? ' ' : reaction_record(r)[0];
}

// A record of lo..hi that "Nessuna Versione" does not repeat and "Versione
// Testo" replaces by its own record (0: none), kept as the last pick.
std::int32_t pick_reaction(std::int32_t problem, std::int32_t lo, std::int32_t hi, std::int32_t textbook_record)
{
    std::int32_t& last = last_pick(problem);
    std::int32_t r = 0;
    draw_until_accepted([&] {
        r = draw_unrepeated(last, [&] { return random_int(lo, hi); });
        if (app_state.version_number == text_version && textbook_record != 0) r = textbook_record;
        return reaction_kind(r) == (lo <= 150 ? 'i' : 'm');
    });
    last = r;
    return r;
}

std::string species_text(std::int32_t r, const EquationTerms& terms, std::int32_t j)
{
    return std::string(strip_trailing_blanks(terms.species_text(reaction_record(r), j)));
}

std::string balanced_equation(std::int32_t r)
{
    return std::string(strip_trailing_blanks(format_equation_text(1, reaction_record(r))));
}

std::string left_adjusted(std::string_view text)
{
    return std::string(strip_blanks(text));
}

// Medium 1 (acid) or 2 (base) of an equation whose hydrogen ions, hydroxide
// ions and water are cut out of the text; 0 when it names none.
std::int32_t strip_medium(std::string& equation)
{
    std::int32_t medium = 0;
    if (cut_species(equation, "OH@u-@")) medium = 2;
    if (cut_species(equation, "H@u+@")) medium = 1;
    cut_species(equation, "H@d2@O");
    return medium;
}

std::string_view medium_phrase(std::int32_t medium)
{
    return medium == 1 ? " in soluzione acida" : medium == 2 ? " in soluzione basica" : "";
}

// Problems 30 and 32: an ionic redox equation to balance, shown without the
// species of its medium, which the statement names.
void pose_ionic_balancing(std::int32_t problem, std::int32_t textbook_record, std::string_view statement)
{
    const std::int32_t r = pick_reaction(problem, 101, 150, textbook_record);
    std::string equation = left_adjusted(format_equation_text(0, reaction_record(r)));
    const std::int32_t medium = strip_medium(equation);
    problem_texts.problem_text = statement;
    append_piece(problem_texts.problem_text, medium_phrase(medium));
    draw_problem_text_and_equation(160, 582, 50, 85, equation, 85);
    problem_texts.answer_text = format_equation_text(1, reaction_record(r));
}

// The skeleton of reaction r with its first water cut out.
std::string skeleton_without_water(std::int32_t r)
{
    std::string equation = format_equation_text(0, reaction_record(r));
    cut_species(equation, "H@d2@O");
    return equation;
}

// The electrons of a half-reaction ("e", "4e") written with their charge.
std::string with_electron_charge(std::string_view equation)
{
    std::string text;
    std::size_t start = 0;
    while (start <= equation.size()) {
        const std::size_t end = std::min(equation.find(' ', start), equation.size());
        const std::string_view word = equation.substr(start, end - start);
        text += word;
        if (word.ends_with('e') && word.find_first_not_of("0123456789") == word.size() - 1) text += "@u-@";
        if (end < equation.size()) text += ' ';
        start = end + 1;
    }
    return text;
}

// The right side, " = ", then the left side of an equation text: an
// oxidation written from its reduction.
std::string swap_sides(std::string_view equation)
{
    const std::string_view text = strip_trailing_blanks(equation);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::string(text);
    return std::string(strip_blanks(text.substr(equals + 1))) + " = " +
           std::string(strip_blanks(text.substr(0, equals)));
}

}  // namespace

bool cut_species(std::string& equation, std::string_view species)
{
    const std::string piece = " + " + std::string(species);
    for (std::size_t at = equation.find(piece); at != std::string::npos; at = equation.find(piece, at + 1)) {
        const std::size_t end = at + piece.size();
        if (end == equation.size() || equation[end] == ' ') {
            equation.erase(at, piece.size());
            return true;
        }
    }
    return false;
}

void generate_problem_29()
{
    skip_random_draws(3);
    std::int32_t& last = last_pick(29);
    std::int32_t i = 0;
    draw_until_accepted([&] {
        i = draw_unrepeated(last, [] { return random_int(1, static_cast<std::int32_t>(redox_roles.size())); });
        return reaction_kind(redox_roles[i - 1].reaction) == 'i';
    });
    last = i;
    const RedoxRoles& roles = redox_roles[i - 1];
    const std::int32_t r = roles.reaction;
    const std::int32_t q = random_int(1, 2);
    const std::int32_t a = q == 1 ? roles.reduced : roles.oxidised;
    const std::int32_t b = q == 1 ? roles.oxidised : roles.reduced;
    const std::string equation = format_equation_text(0, reaction_record(r));
    problem_texts.problem_text =
        q == 1 ? "@T1@@C1@Identificare la specie che si riduce e l'agente riducente nell'equazione seguente"
               : "@T1@@C1@Identificare la specie che si ossida e l'agente ossidante nell'equazione seguente";
    append_piece(problem_texts.problem_text, " e bilanciarla");
    draw_problem_text_and_equation(160, 582, 50, 85, equation, 85);
    show_chemistry_fact(200, 145, 300);
    EquationTerms terms;
    parse_equation_terms(reaction_record(r), terms);
    problem_texts.answer_text =
        species_text(r, terms, a) + "; " + species_text(r, terms, b) + "; " + balanced_equation(r);
}

void generate_problem_30()
{
    skip_random_draws(5);
    pose_ionic_balancing(30, 142, "@T1@@C1@Bilanciare utilizzando i numeri di ossidazione l'equazione seguente");
    show_chemistry_fact(260, 145, 300);
}

void generate_problem_31()
{
    skip_random_draws(1);
    const std::int32_t r = pick_reaction(31, 151, 200, 0);
    std::string equation = left_adjusted(format_equation_text(0, reaction_record(r)));
    const std::int32_t d = random_int(1, 2);
    if (d == 2) equation = swap_sides(equation);
    cut_species(equation, "e");
    const std::int32_t medium = strip_medium(equation);

    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Bilanciare la semiequazione seguente";
    text += medium == 0 ? "@y20@@X100@" : std::string(medium_phrase(medium)) + " @y20@@X100@";
    // The half-reaction stands on a line of its own, centred: the pen moves
    // there through the "X" code, whose argument is its x.
    const std::string shown = std::string(strip_trailing_blanks(equation));
    text.replace(text.size() - 4, 3, format_i(centred_line_x(shown), 3));
    text += shown;
    const std::string answer = with_electron_charge(format_equation_text(1, reaction_record(r)));
    problem_texts.answer_text = d == 2 ? swap_sides(answer) : answer;
    draw_problem_statement_in_box(160, 582, 60, 80, text, selected_problem_level());
    show_chemistry_fact(200, 150, 300);
}

void generate_problem_32()
{
    skip_random_draws(9);
    pose_ionic_balancing(32, 0, "@T1@@C1@Bilanciare utilizzando il metodo delle semireazioni l'equazione seguente");
    show_chemistry_fact(270, 145, 300);
}

// Molar mass of the first compound whose formula is the species text.
float species_molar_mass(std::string_view species)
{
    for (std::int32_t k = 1; k <= compound_slots; ++k)
        if (compound_present(k) && compound_formula(k) == species) return compound_molar_mass(k);
    return 0.0f;
}

void generate_problem_33()
{
    skip_random_draws(1);
    std::int32_t& last = last_pick(33);
    std::int32_t r = 0;
    EquationTerms terms;
    std::int32_t i1 = 0;
    std::int32_t i2 = 0;
    draw_until_accepted([&] {
        r = draw_unrepeated(last, [] { return random_int(101, 150); });
        if (app_state.version_number == text_version) r = 128;
        if (reaction_kind(r) != 'i' || !parse_equation_terms(reaction_record(r), terms)) return false;
        if (terms.reactant_count < 2) return false;
        i1 = random_int(1, terms.reactant_count);
        i2 = random_int(1, terms.reactant_count);
        if (i1 == i2) return false;
        const auto medium_species = [&](std::int32_t j) {
            return std::find(std::begin(no_medium_species), std::end(no_medium_species), species_text(r, terms, j)) !=
                   std::end(no_medium_species);
        };
        return !medium_species(i1) && !medium_species(i2);
    });
    last = r;
    const std::string s1 = species_text(r, terms, i1);
    const std::string s2 = species_text(r, terms, i2);
    const bool ionic1 = is_ionic(s1);
    const bool ionic2 = is_ionic(s2);
    set_slot_digits(3, draw_scaled_exponent_first(-3, -2, 9.9f), 3);
    std::string& text = problem_texts.problem_text;
    text = ionic1 ? "@T1@@C1@Calcolare il volume di soluzione " + slot_text(3) + " M di " + s1 + " necessario"
                  : "@T1@@C1@Calcolare la quantità di " + s1 + " necessaria";
    value_slots[1].value = draw_scaled_exponent_first(-2, 1, 9.9f);
    convert_data_slot(1, random_int(3, 5));
    set_slot_digits(4, random_real(20.0f, 200.0f), 3);
    set_slot_digits(5, random_real(0.1f, 2.0f) * slot_value(3), 3);
    append_piece(text, " per reagire con");
    append_piece(text, ionic2 ? " " + slot_text(4) + " mL di " + s2 + " " + slot_text(5) + " M nella reazione"
                              : " " + slot_text(1) + " g di " + s2 + " nella reazione");
    const float c1 = static_cast<float>(terms.coefficient[i1]);
    const float c2 = static_cast<float>(terms.coefficient[i2]);
    const float moles = ionic2 ? c1 * slot_value(4) * slot_value(5) / (c2 * 1000.0f)
                               : c1 * slot_value(1) / (c2 * species_molar_mass(s2));
    set_slot_digits(6, ionic1 ? moles / slot_value(3) * 1000.0f : species_molar_mass(s1) * moles, 3);
    draw_problem_text_and_equation(160, 582, 50, 90, skeleton_without_water(r), 90);
    show_chemistry_fact(180, 150, 300);
    problem_texts.answer_text = slot_text(6) + (ionic1 ? " mL" : " g");
}

namespace {

// The amount of a reactant given in problem 34: grams (slot `amount`) of a
// neutral one, or millilitres (slot `amount`) of a solution of molarity
// (slot `molarity`) of an ion; `excess` enlarges it by 10 to 100 per cent.
void set_reactant_amount(std::string& text, std::string_view lead, std::string_view species, float moles, bool excess,
                         std::int32_t amount, std::int32_t molarity)
{
    if (is_ionic(species)) {
        value_slots[molarity].value = draw_scaled_exponent_first(-3, -2, 9.9f);
        value_slots[amount].value = moles / slot_value(molarity) * 1000.0f;
        if (excess) value_slots[amount].value *= random_real(1.1f, 2.0f);
        convert_data_slot(amount, 3);
        convert_data_slot(molarity, 3);
        append_piece(text, std::string(lead) + slot_text(amount) + " mL ");
    } else {
        value_slots[amount].value = species_molar_mass(species) * moles;
        if (excess) value_slots[amount].value *= random_real(1.1f, 2.0f);
        convert_data_slot(amount, 3);
        append_piece(text, std::string(lead) + slot_text(amount) + " g ");
    }
}

// The moles of a reactant of problem 34 as the page gives them: slots
// `amount` and `molarity` as set_reactant_amount wrote them.
float given_moles(std::string_view species, std::int32_t amount, std::int32_t molarity)
{
    if (is_ionic(species)) return slot_value(amount) * slot_value(molarity) * 0.001f;
    return slot_value(amount) / species_molar_mass(species);
}

}  // namespace

void generate_problem_34()
{
    skip_random_draws(1);
    std::int32_t& last = last_pick(34);
    std::int32_t i = 0;
    draw_until_accepted([&] {
        i = draw_unrepeated(last, [] { return random_int(1, static_cast<std::int32_t>(redox_products.size())); });
        if (app_state.version_number == text_version) i = 1;
        return reaction_kind(redox_products[i - 1].reaction) == 'i';
    });
    last = i;
    const RedoxProduct& record = redox_products[i - 1];
    const std::int32_t r = record.reaction;
    EquationTerms terms;
    parse_equation_terms(reaction_record(r), terms);
    const std::int32_t product = record.product + terms.reactant_count;
    const std::string sa = species_text(r, terms, record.a);
    const std::string sb = species_text(r, terms, record.b);
    const std::string sc = species_text(r, terms, product);
    const float ca = static_cast<float>(terms.coefficient[record.a]);
    const float cb = static_cast<float>(terms.coefficient[record.b]);
    const float cc = static_cast<float>(terms.coefficient[product]);
    const std::int32_t q = random_int(1, 2);
    const float x = draw_scaled_exponent_first(-4, -3, 9.9f);
    const float nb = x * cb / ca;

    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Calcolare la concentrazione di " + sc + " nella soluzione ottenuta ponendo a reagire";
    set_reactant_amount(text, " ", sa, x, q == 2, 1, 2);
    append_piece(text, " di " + sa + (is_ionic(sa) ? " " + slot_text(2) + " M " : ""));
    set_reactant_amount(text, " con ", sb, nb, q == 1, 3, 4);
    append_piece(text, " di " + sb + (is_ionic(sb) ? " " + slot_text(4) + " M" : ""));
    append_piece(text, " secondo l'equazione");
    // Only the solutions of ions bring a volume. The product follows from
    // the amounts as the page gives them, the one in excess left over.
    const float volume = (is_ionic(sa) ? slot_value(1) : 0.0f) + (is_ionic(sb) ? slot_value(3) : 0.0f);
    const float extent = std::min(given_moles(sa, 1, 2) / ca, given_moles(sb, 3, 4) / cb);
    set_slot_digits(5, extent * cc / volume * 1000.0f, 3);
    draw_problem_text_and_equation(160, 582, 45, 95, skeleton_without_water(r), 95);
    show_chemistry_fact(270, 145, 300);
    problem_texts.answer_text = slot_text(5) + " M; " + balanced_equation(r);
}

void generate_problem_35()
{
    skip_random_draws(2);
    std::int32_t& last = last_pick(35);
    const std::int32_t record =
        draw_unrepeated(last, [] { return random_int(1, 2) == 1 ? random_int(1, 8) : random_int(11, 16); });
    last = record;
    const EquivalentChange& change = equivalent_change(record);
    value_slots[1].value = random_real(10.0f, 70.0f);
    if (random_int(1, 2) == 1) value_slots[1].value *= 0.1f;
    convert_data_slot(1, 4);
    std::string& text = problem_texts.problem_text;
    text = "Calcolare a quanti equivalenti corrispondono " + slot_text(1) + " g di " +
           compound_formula(change.compound) + " in una reazione in cui";
    append_piece(text, change.element);
    append_piece(text, record <= 8 ? " si riduce" : " si ossida");
    append_piece(text, record == elemental_state_record ? " allo stato elementare"
                                                        : " allo stato " + std::string(change.state));
    set_slot_digits(2, change.equivalents / compound_molar_mass(change.compound) * slot_value(1), 4);
    problem_texts.answer_text = slot_text(2);
    draw_problem_text(220, 580, 55);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_36()
{
    skip_random_draws(4);
    set_slot_digits(1, random_real(10.0f, 50.0f), 4);
    set_slot_digits(2, random_real(10.0f, 50.0f), 4);
    set_slot_digits(3, random_real(0.01f, 0.08f), 4);
    problem_texts.problem_text = "Calcolare la normalità di una soluzione di una base sapendo che " + slot_text(1) +
                                 " mL di essa reagiscono completamente con " + slot_text(2) + " mL di una soluzione " +
                                 slot_text(3) + " N di un acido";
    const float normality = slot_value(2) / slot_value(1) * slot_value(3);
    set_slot_uncertainty(4, normality,
                         (relative_uncertainty(3) + relative_uncertainty(2) + relative_uncertainty(1)) * normality);
    problem_texts.answer_text = slot_text(4) + " N";
    draw_problem_text(180, 540, 55);
    show_chemistry_fact(260, 150, 280);
}

void generate_problem_37()
{
    skip_random_draws(2);
    const Titration& titration = titrations.at(pick_problem_variant(5, last_pick(37), 3) - 1);
    value_slots[1].value = random_real(1.0f, 5.0f);
    if (random_int(1, 2) == 1) value_slots[1].value *= 0.1f;
    convert_data_slot(1, 4);
    set_slot_digits(2, random_real(0.05f, 0.099f), 4);
    value_slots[3].value = slot_value(1) / (slot_value(2) * titration.equivalent_mass) * 1000.0f;
    if (slot_value(3) > 200.0f) {
        // A burette's worth at most: a tenth of the substance.
        value_slots[1].value *= 0.1f;
        value_slots[3].value *= 0.1f;
        convert_data_slot(1, 4);
    }
    convert_data_slot(3, 4);
    problem_texts.problem_text = std::string(titration.lead) + slot_text(2) + std::string(titration.verb) +
                                 slot_text(1) + std::string(titration.substance);
    problem_texts.answer_text = slot_text(3) + " mL";
    draw_problem_text(200, 580, 55);
    show_chemistry_fact(180, 160, 280);
}

}  // namespace solutions

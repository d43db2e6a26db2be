// Section "Numero di ossidazione": problems 29 to 31.
#include <array>
#include <string>
#include <string_view>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"

namespace elements_compounds {
namespace {

// Monatomic anions: symbol and negative charge.
constexpr std::string_view simple_anions = "S 2O 2Cl1Br1I 1F 1";
// Hydrogen and the alkali metals (charge 1), then the alkaline earths (2).
constexpr std::string_view simple_cations = "H LiNaK RbCsMgCaSrBa";

// Oxides (1-53), peroxides (54-58) and superoxides (59-60): symbol, atoms of
// the element, atoms of oxygen, oxidation number of the element (of oxygen,
// with a minus, in the peroxides).
constexpr std::string_view oxide_table =
    "Li211Na211K 211Be112Mg112Ca112Ba112B 233Al233C 112C 124Si124N 211N 112N 233N 124N 255P 463S 124S 136"
    "Sc233Ti124V 255Cr233Mn112Mn124Fe112Fe233Cu211Cu112Ga233Ge124As233As255Se124Cl211Cl233Cl255Cl277Mo136"
    "Os124Pt124Pb112Pb124Bi233Sn112Sn124Sb233Sb255Hg112Ag211Zr124Nb255Li221Na221K 221H 221Rb221Rb122Cs122";

// Oxoacids: central symbol, hydrogen atoms (the anion's charge), central
// atoms, oxygen atoms, oxidation number of the central element.
constexpr std::string_view oxoacid_table =
    "B 3133B 1123C 2134N 1123N 1135Si4144Si2134P 3145P 3133P 1123S 2134S 2146Cl1111Cl1123Cl1135Cl1147"
    "Cr2146Cr2276Mn1147Mn2146As3133As3145Br1135I 1135I 1147Bi3133Bi3145";
// The cations of the acid's salts, and hydrogen for the acid itself.
constexpr std::string_view oxoacid_cations = "NaK H ";

std::string symbol_of(std::string_view field)
{
    return std::string(strip_trailing_blanks(field));
}

std::string oxidation_question(std::string_view element_symbol, const std::string& formula)
{
    return "Valutare il numero di ossidazione d" + articulated_element_name(element_of_symbol(element_symbol)) +
           " in " + formula;
}

}  // namespace

void generate_problem_29()
{
    skip_random_draws(1);
    const std::int32_t v = pick_problem_variant(10, elements_compounds_state.last_draw[29], 0);
    std::string formula;
    std::string element;
    if (v <= 6) {
        const std::int32_t m = random_int(1, 10);
        const std::string_view anion = record_at(simple_anions, 3, v);
        formula = symbol_of(record_at(simple_cations, 2, m));
        if (v <= 2 && m <= 6) formula += "@d2@";
        formula += symbol_of(anion.substr(0, 2));
        if (v >= 3 && m >= 7) formula += "@d2@";
        element = anion.substr(0, 2);
        problem_texts.answer_text = "-" + std::string(1, anion[2]);
    } else if (v <= 8) {
        const std::int32_t m = random_int(2, 10);
        formula = symbol_of(record_at(simple_cations, 2, m)) + "H" + (m >= 7 ? "@d2@" : "");
        element = "H";
        problem_texts.answer_text = "-1";
    } else {
        // Only the element molecules have a composition in the first slots.
        std::string_view compound;
        do compound = compound_record(random_int(1, 10));
        while (strip_blanks(record_columns(compound, 81, 81)).empty());
        formula = strip_trailing_blanks(record_columns(compound, 41, 70));
        element = record_columns(compound, 81, 82);
        problem_texts.answer_text = "0";
    }
    problem_texts.problem_text = "@T1@@C1@" + oxidation_question(element, formula);
    draw_problem_text(180, 200, 60);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_30()
{
    skip_random_draws(4);
    const std::int32_t r = draw_without_repeat(30, [] {
        std::int32_t drawn = random_int(1, 53);
        // Peroxides and superoxides in one draw out of seven.
        if (random_int(1, 7) == 1) drawn = random_int(54, 60);
        return drawn;
    });
    const std::string_view record = record_at(oxide_table, 5, r);
    const std::string formula =
        symbol_of(record.substr(0, 2)) + count_subscript(record[2]) + "O" + count_subscript(record[3]);
    problem_texts.problem_text = oxidation_question(r <= 53 ? record.substr(0, 2) : "O", formula);
    // A positive oxidation number is written with its sign, as in 31.
    if (r <= 53)
        problem_texts.answer_text = "+" + std::string(1, record[4]);
    else if (r <= 58)
        problem_texts.answer_text = "-" + std::string(1, record[4]) + " (perossido)";
    else
        problem_texts.answer_text = "-1/2 (superossido)";
    draw_problem_text(220, 580, 60);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_31()
{
    skip_random_draws(1);
    const std::int32_t v = pick_problem_variant(27, elements_compounds_state.last_draw[31], 0);
    // The cation is drawn also for the anion, which does not show it.
    const std::int32_t m = random_int(1, 3);
    const std::int32_t form = random_int(1, 3);
    const std::string_view record = record_at(oxoacid_table, 6, v);
    const char hydrogens = record[2];
    const std::string oxoanion_core =
        symbol_of(record.substr(0, 2)) + count_subscript(record[3]) + "O" + count_subscript(record[4]);
    std::string formula;
    if (form == 1)
        formula = symbol_of(record_at(oxoacid_cations, 2, m)) + count_subscript(hydrogens) + oxoanion_core;
    else
        formula = oxoanion_core + "@u" + (hydrogens == '1' ? std::string() : std::string(1, hydrogens)) + "-@";
    problem_texts.problem_text = oxidation_question(record.substr(0, 2), formula + ".");
    problem_texts.answer_text = "+" + std::string(1, record[5]);
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(200, 160, 300);
}

}  // namespace elements_compounds

// Section "Nomenclatura": problems 32 to 40.
#include <array>
#include <string>
#include <string_view>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "text/article_name.h"

namespace elements_compounds {
namespace {

// --- Two compounds of one class: name the first, write the second ---------

struct NamingProblem {
    std::int32_t problem;
    std::int32_t skipped_draws;
    std::int32_t first_compound;  // the class's range in the compound table
    std::int32_t last_compound;
    std::int32_t never_asked;     // 0 for none
    bool refused_before_second;   // the first compound is refused before the second is drawn
    bool alternative_name_alone;  // the answer gives the usual name only
};

struct CompoundPair {
    std::int32_t a;
    std::int32_t b;
};

CompoundPair draw_compound_pair(const NamingProblem& p)
{
    const auto draw = [&p] { return random_int(p.first_compound, p.last_compound); };
    std::int32_t a = 0, b = 0;
    draw_until_accepted([&] {
        a = draw();
        if (!compound_present(a)) return false;
        if (repeats_last_draw(p.problem, a)) return false;
        if (p.refused_before_second && a == p.never_asked) return false;
        b = draw();
        if (!compound_present(b)) return false;
        if (!p.refused_before_second && a == p.never_asked) return false;
        if (b == p.never_asked || b == a) return false;
        elements_compounds_state.last_draw[p.problem] = a;
        return true;
    });
    return {a, b};
}

std::string naming_answer(std::int32_t a, bool alternative_name_alone)
{
    const std::string alternative = compound_alternative_name(a);
    if (alternative.empty()) return compound_name(a);
    return alternative_name_alone ? alternative : compound_name(a) + " (" + alternative + ")";
}

void pose_naming_problem(const NamingProblem& p)
{
    skip_random_draws(p.skipped_draws);
    const auto [a, b] = draw_compound_pair(p);
    const std::string alternative = compound_alternative_name(b);
    problem_texts.problem_text = "Qual è il nome del composto " + compound_formula(a) + "? Qual è la formula d" +
                                 join_article_to_name(alternative.empty() ? compound_name(b) : alternative) + "?";
    problem_texts.answer_text = naming_answer(a, p.alternative_name_alone) + "; " + compound_formula(b);
}

// --- Metals with two oxidation states, named with "oso" and "ico" ---------

// Metal and non-metal symbols, the subscripts of the lower and of the
// higher compound, the name stem and the two oxidation numbers.
constexpr std::array<std::string_view, 11> oso_ico_table = {
    "CuCl1112cloruro rame        12", "AsS 2325solfuro arseni      35", "HgCl2212cloruro mercur      12",
    "SnS 1112solfuro stann       24", "FeS 1123solfuro ferr        23", "SnCl1214cloruro stann       24",
    "CuS 2111solfuro rame        12", "CoCl1213cloruro cobalt      23", "HgBr2212bromuro mercur      12",
    "FeCl1213cloruro ferr        23", "AsCl1315cloruro arseni      35",
};

struct OsoIcoPair {
    std::int32_t metal;
    std::int32_t non_metal;
    std::array<std::string, 2> formulas;
    std::array<std::string, 2> names;
    std::array<char, 2> oxidation_numbers;
};

// The two compounds of the record, the higher first when the draw says so.
OsoIcoPair draw_oso_ico_pair(std::int32_t problem)
{
    const std::int32_t v = pick_problem_variant(11, elements_compounds_state.last_draw[problem], 0);
    const std::string_view record = oso_ico_table[v - 1];
    OsoIcoPair pair;
    pair.metal = element_of_symbol(record.substr(0, 2));
    pair.non_metal = element_of_symbol(record.substr(2, 2));
    const bool higher_first = random_int(1, 2) == 1;
    const std::string stem(strip_trailing_blanks(record.substr(8, 20)));
    // Stems ending in "i" take "co" rather than "ico".
    const std::string ico = stem.ends_with('i') ? "co" : "ico";
    for (std::size_t k = 0; k < 2; ++k) {
        const bool higher = (k == 0) == higher_first;
        const std::size_t column = higher ? 6 : 4;
        pair.formulas[k] = element_symbol(pair.metal) + count_subscript(record[column]) +
                           element_symbol(pair.non_metal) + count_subscript(record[column + 1]);
        pair.names[k] = stem + (higher ? ico : "oso");
        pair.oxidation_numbers[k] = record[higher ? 29 : 28];
    }
    return pair;
}

// --- Salts of the ortho, pyro and meta acids --------------------------------

struct OxoSalt {
    std::string_view name;
    std::string_view formula;
};
constexpr std::array<OxoSalt, 8> oxosalt_pairs{{
    {"ortofosfato di calcio", "Ca@d3@(PO@d4@)@d2@"},
    {"pirofosfato di sodio", "Na@d4@P@d2@O@d7@"},
    {"metafosfato di calcio", "Ca(PO@d3@)@d2@"},
    {"ortosilicato di alluminio", "Al@d4@(SiO@d4@)@d3@"},
    {"pirosilicato di potassio", "K@d6@Si@d2@O@d7@"},
    {"metasilicato di sodio", "Na@d2@SiO@d3@"},
    {"ortoborato di potassio", "K@d3@BO@d3@"},
    {"metaborato di sodio", "NaBO@d2@"},
}};

}  // namespace

void generate_problem_32()
{
    // Sodium chloride is too well known to be asked.
    pose_naming_problem({32, 1, 91, 140, 101, true, true});
    draw_problem_text(220, 540, 60);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_33()
{
    skip_random_draws(1);
    const OsoIcoPair pair = draw_oso_ico_pair(33);
    problem_texts.problem_text = "Gli elementi " + element_name(pair.metal) + " e " + element_name(pair.non_metal) +
                                 " formano due composti binari di formula " + pair.formulas[0] + " e " +
                                 pair.formulas[1] +
                                 ". Quali sono i loro nomi se si utilizzano i suffissi @C3@oso@C1@ e @C3@ico@C1@?";
    problem_texts.answer_text = pair.names[0] + " e " + pair.names[1];
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_34()
{
    skip_random_draws(9);
    const OsoIcoPair pair = draw_oso_ico_pair(34);
    problem_texts.problem_text = "Gli elementi " + element_name(pair.metal) + " e " + element_name(pair.non_metal) +
                                 " formano due composti binari, il " + pair.names[0] + " e il " + pair.names[1] +
                                 ", in cui i numeri di ossidazione d" + articulated_element_name(pair.metal) +
                                 " sono rispettivamente +" + pair.oxidation_numbers[0] + " e +" +
                                 pair.oxidation_numbers[1] + ". Quali sono le loro formule?";
    problem_texts.answer_text = pair.formulas[0] + " e " + pair.formulas[1];
    draw_problem_text(180, 580, 60);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_35()
{
    pose_naming_problem({35, 1, 21, 50, 0, false, false});
    draw_problem_text(210, 510, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_36()
{
    // Sodium hydroxide is too well known to be asked.
    pose_naming_problem({36, 1, 51, 70, 53, false, false});
    draw_problem_text(180, 550, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_37()
{
    pose_naming_problem({37, 1, 73, 90, 0, false, false});
    draw_problem_text(190, 490, 60);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_38()
{
    pose_naming_problem({38, 3, 151, 250, 0, false, false});
    draw_problem_text(170, 540, 55);
    show_chemistry_fact(270, 160, 280);
}

void generate_problem_39()
{
    skip_random_draws(1);
    std::int32_t given = 7;
    std::int32_t asked = 8;
    switch (pick_problem_variant(3, elements_compounds_state.last_draw[39], 0)) {
    case 1:
        given = 1;
        asked = random_int(2, 3);
        break;
    case 2:
        given = 4;
        asked = random_int(5, 6);
        break;
    default: break;
    }
    const OxoSalt& known = oxosalt_pairs[given - 1];
    const OxoSalt& wanted = oxosalt_pairs[asked - 1];
    problem_texts.problem_text = "L'" + std::string(known.name) + " ha formula " + std::string(known.formula) +
                                 "; qual è la formula del " + std::string(wanted.name) + "?";
    problem_texts.answer_text = wanted.formula;
    draw_problem_text(200, 570, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_40()
{
    skip_random_draws(17);
    // Both variants pose the same kind of statement; the draw keeps the data in place.
    pick_problem_variant(2, elements_compounds_state.last_draw[40], 0);
    pose_true_false_statement(7);
    draw_problem_text(180, 460, 50);
    show_chemistry_fact(200, 160, 300);
}

}  // namespace elements_compounds

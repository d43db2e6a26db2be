// Section "Proprietà periodiche": problems 10 to 16, posed beside the
// periodic table.
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/periodic_table_drawing.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"

namespace elements_compounds {
namespace {

// The groups of the table as symbols of two characters, heaviest first.
constexpr std::array<std::string_view, 18> group_lists = {
    "CsRbK NaLiH ", "BaSrCaMgBe", "LaY Sc",     "HfZrTi",     "TaNbV ",     "W MoCr",
    "ReMn",         "OsRuFe",     "IrRhCo",     "PtPdNi",     "AuAgCu",     "HgCdZn",
    "TlInGaAlB ",   "PbSnGeSiC ", "BiSbAsP N ", "PoTeSeS O ", "AtI BrClF ", "RnXeKrArNeHe",
};

// Five pairs of symbols per list, two characters each.
constexpr std::array<std::string_view, 10> affinity_pairs = {
    "H NaH K H RbH CsLiRb", "LiCsNaRbNaCsLiC LiO ", "LiF B C B O B F C O ", "C F NaSiNaS NaClK Se",
    "K BrFeClCoClNiClCuCl", "AgF AgClAgBrMoClMoI ", "V F V ClV BrV I CrF ", "CrClCrBrCrS CoBrCoS ",
    "P S AsSeSbTeP ClAsBr", "SiP GeAsSiS SiClGeBr",
};
constexpr std::array<std::string_view, 10> electronegativity_pairs = {
    "LiK LiRbLiCsNaCsK Cs", "LiBeLiB LiC LiN LiO ", "LiF BeB BeC BeN BeO ", "BeF B C B N B O B F ",
    "C N C O C F N O N F ", "O F F ClF BrClBrO S ", "O SeO TeS TeF I ClI ", "N P N AsN SbN BiC Si",
    "CsF CsO CsClK F K Cl", "K O K N BaF BaO BaCl",
};

// Eight groups of five atomic numbers, two characters each, and what only
// the members of each group have in common.
constexpr std::string_view odd_one_groups =
    " 311193755 7 8 917352122232425 210183654 5131415165862636567 4122038562627287778";
constexpr std::array<std::string_view, 8> odd_one_properties = {
    " ha elettronegatività non superiore a 1:",
    " ha elettronegatività maggiore di 2.5:",
    " ha elettronegatività compresa tra 1.3 e 1.6 (estremi inclusi) e meno di sei elettroni in un sottolivello d "
    "parzialmente occupato:",
    " è un gas nobile:",
    " ha elettronegatività compresa tra 1.5 e 2.5 (estremi inclusi) e gli elettroni esterni in orbitali p:",
    " ha un sottolivello f parzialmente occupato:",
    " ha elettronegatività non superiore a 1.5 e due elettroni più del gas nobile precedente:",
    " ha elettronegatività compresa tra 1.8 e 2.2 (estremi inclusi) e più di cinque elettroni in un sottolivello d "
    "parzialmente occupato:",
};

// The first and last element of the periods from lithium on.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 5> periods = {
    {{3, 10}, {11, 18}, {19, 36}, {37, 54}, {55, 86}}};

struct ElementPair {
    std::int32_t a;  // named first
    std::int32_t b;
};

// A final one-letter symbol counts, also without its blank.
std::int32_t symbol_count(std::string_view list)
{
    return static_cast<std::int32_t>(strip_trailing_blanks(list).size() + 1) / 2;
}

std::int32_t element_of_list(std::string_view list, std::int32_t i)
{
    return element_of_symbol(record_at(list, 2, i));
}

ElementPair in_drawn_order(std::int32_t z1, std::int32_t z2)
{
    if (random_int(1, 2) == 1) return {z1, z2};
    return {z2, z1};
}

// Two elements of one period or of one group.
ElementPair draw_comparable_pair(std::int32_t problem)
{
    std::int32_t z1 = 1;
    std::int32_t z2 = 2;
    if (pick_problem_variant(2, elements_compounds_state.last_draw[problem], 0) == 1) {
        const std::int32_t p = random_int(1, 86);
        for (const auto& [first, last] : periods) {
            if (p < first || p > last) continue;
            z1 = random_int(first, last - 1);
            z2 = random_int(z1 + 1, last);
        }
    } else {
        const std::string_view list = group_lists[random_int(1, 18) - 1];
        const std::int32_t i = random_int(1, symbol_count(list) - 1);
        const std::int32_t j = random_int(i + 1, symbol_count(list));
        z1 = element_of_list(list, i);
        z2 = element_of_list(list, j);
    }
    return in_drawn_order(z1, z2);
}

// Two elements of a pair from one of the lists.
ElementPair draw_listed_pair(std::int32_t problem, const std::array<std::string_view, 10>& lists)
{
    const std::string_view list = lists[pick_problem_variant(10, elements_compounds_state.last_draw[problem], 0) - 1];
    const std::string_view pair = record_at(list, 4, random_int(1, 5));
    return in_drawn_order(element_of_symbol(pair.substr(0, 2)), element_of_symbol(pair.substr(2, 2)));
}

struct Comparison {
    std::string_view property;  // "il raggio atomico d"
    std::string_view other;     // "quello d"
    std::string_view similar;   // the end of the question
    int first_column;           // of the property in the element record
    int last_column;
    std::string_view unit;
};

// Asks whether A's property exceeds B's and answers with both values.
void pose_comparison(const ElementPair& pair, const Comparison& c)
{
    problem_texts.problem_text = "Ci si attende che " + std::string(c.property) + articulated_element_name(pair.a) +
                                 " sia maggiore di " + std::string(c.other) + articulated_element_name(pair.b) +
                                 ", che sia minore o che " + std::string(c.similar);
    const auto value = [&c](std::int32_t z) {
        return element_symbol(z) + ": " + element_field(z, c.first_column, c.last_column) + std::string(c.unit);
    };
    problem_texts.answer_text = value(pair.a) + "; " + value(pair.b);
    draw_problem_text(180, 560, 50);
    draw_periodic_table(1, 0);
}

std::int32_t odd_one_member(std::int32_t group, std::int32_t k)
{
    return read_i(record_at(odd_one_groups, 2, 5 * group + k - 5)).value_or(0);
}

}  // namespace

void generate_problem_10()
{
    skip_random_draws(5);
    const std::int32_t z = pick_problem_variant(103, elements_compounds_state.last_draw[10], 0);
    elements_compounds_state.located_element = z;
    problem_texts.problem_text = "Individuare la posizione nella Tavola Periodica dell'elemento con numero atomico " +
                                 std::to_string(z) + " (" + element_name(z) + ")";
    // The answer is the table itself.
    problem_texts.answer_text.clear();
    draw_problem_text(180, 560, 50);
    draw_periodic_table(0, 0);
}

void answer_problem_10()
{
    draw_periodic_table(1, elements_compounds_state.located_element);
}

void generate_problem_11()
{
    skip_random_draws(4);
    const std::int32_t z = pick_problem_variant(92, elements_compounds_state.last_draw[11], 0);
    problem_texts.problem_text =
        "Dalla posizione nella Tavola Periodica, e tenendo eventualmente conto delle note irregolarità, "
        "scrivere la configurazione elettronica d" +
        articulated_element_name(z) + " (Z = " + std::to_string(z) + ")";
    problem_texts.answer_text = electron_configuration(z);
    draw_problem_text(180, 540, 50);
    draw_periodic_table(1, z);
}

void generate_problem_12()
{
    skip_random_draws(1);
    pose_comparison(draw_comparable_pair(12),
                    {"il raggio atomico d", "quello d", "i due raggi siano simili?", 74, 76, " pm"});
}

void generate_problem_13()
{
    skip_random_draws(2);
    pose_comparison(draw_comparable_pair(13),
                    {"l'energia di prima ionizzazione d", "quella d", "siano simili?", 41, 44, " kJ/mol"});
}

void generate_problem_14()
{
    skip_random_draws(4);
    pose_comparison(draw_listed_pair(14, affinity_pairs),
                    {"l'affinità elettronica d", "quella d", "siano simili?", 46, 49, " kJ/mol"});
}

void generate_problem_15()
{
    skip_random_draws(1);
    pose_comparison(draw_listed_pair(15, electronegativity_pairs),
                    {"l'elettronegatività d", "quella d", "siano simili?", 71, 73, ""});
}

void generate_problem_16()
{
    skip_random_draws(3);
    discard_coin_tosses(3);
    std::array<bool, 9> group_used{};
    const std::int32_t g = pick_problem_variant(8, elements_compounds_state.last_draw[16], 0);
    group_used[g] = true;
    std::array<std::int32_t, 4> places{};
    places[0] = odd_one_member(g, random_int(1, 5));
    elements_compounds_state.odd_element = places[0];
    // The others come from three further groups among the first six.
    for (std::size_t place = 1; place < places.size(); ++place) {
        std::int32_t j = 0;
        do j = random_int(1, 6);
        while (group_used[j]);
        group_used[j] = true;
        places[place] = odd_one_member(j, random_int(1, 5));
    }
    for (int k = 0; k < 30; ++k) {
        const std::int32_t a = random_int(1, 4);
        const std::int32_t b = random_int(1, 4);
        std::swap(places[a - 1], places[b - 1]);
    }
    problem_texts.problem_text = "Quale dei seguenti elementi" + std::string(odd_one_properties[g - 1]) + " " +
                                 element_name(places[0]) + ", " + element_name(places[1]) + ", " +
                                 element_name(places[2]) + ", " + element_name(places[3]) + "?";
    problem_texts.answer_text.clear();
    // Higher than its neighbours' statements: the longest, of four lines,
    // ends with its shadow clear of the table.
    draw_problem_text(180, 565, 40);
    draw_periodic_table(1, 0);
}

void answer_problem_16()
{
    draw_periodic_table(1, elements_compounds_state.odd_element);
}

}  // namespace elements_compounds

// Section "Composti molecolari": problems 20 to 28, molecular orbitals,
// valence bonds, Lewis formulas, shapes, hybrids, resonance and polarity.
#include <algorithm>
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
#include "text/drawing_kit.h"

namespace elements_compounds {
namespace {

// Diatomic species: formula (columns 1-5), charge digit and sign (6-7),
// bond order code (11: "a" 2.5, "b" 1.5) and the electrons of the eight
// molecular orbitals from sigma(2s) up (12-19); only the antibonding 2p
// ones (17-19) differ between species.
constexpr std::array<std::string_view, 12> mo_species = {
    "N@d2@     322222000", "O@d2@     222222110", "F@d2@     122222220", "O@d2@1+   a22222100",
    "O@d2@1-   b22222210", "O@d2@2-   122222220", "C@d2@2-   322222000", "CO        322222000",
    "NO        a22222100", "CN   1-   322222000", "NO   1-   222222110", "NO   1+   322222000",
};

constexpr std::string_view full_2s_orbitals = "@bs@(2s)@u2@@bs@@x5@@u*@(2s)@u2@";
constexpr std::string_view full_sigma_2p = "@bs@(2p@dx@)@u2@";
constexpr std::string_view full_pi_2p = "@bp@(2p@dy@)@u2@@bp@(2p@dz@)@u2@";
constexpr std::array<std::string_view, 3> antibonding_2p = {"@bp@@x5@@u*@(2p@dy@)@u", "@bp@@x5@@u*@(2p@dz@)@u",
                                                            "@bs@@x5@@u*@(2p@dx@)@u"};

// Variants 1-16 exist as stable neutral molecules, 17-32 do not; from the
// thirteenth of each half the first symbol has two letters.
constexpr std::array<std::string_view, 32> valence_bond_formulas = {
    "BF@d3@", "CH@d4@",  "CF@d4@", "NH@d3@",  "NF@d3@",  "OF@d2@", "PH@d3@", "PF@d3@",  "PF@d5@",  "SF@d2@",  "SF@d4@",
    "SF@d6@", "SiF@d4@", "ClF",    "ClF@d3@", "ClF@d5@", "BF@d2@", "CH@d5@", "CF@d3@",  "NH@d2@",  "NF@d4@",  "OF@d3@",
    "PH@d5@", "PF@d2@",  "PF@d6@", "SF",      "SF@d3@",  "SF@d5@", "SiF",    "ClF@d2@", "ClF@d4@", "ClF@d6@",
};

constexpr std::array<std::string_view, 22> lewis_molecules = {
    "N@d2@",  "O@d2@",  "HCN",    "CO@d2@",     "XeF@d2@", "C@d2@H@d2@", "NH@d3@",  "H@d2@S",
    "OF@d2@", "NF@d3@", "PH@d3@", "H@d2@O@d2@", "SF@d2@",  "BF@d3@",     "CH@d2@O", "C@d2@H@d4@",
    "CH@d4@", "SF@d4@", "SF@d6@", "PF@d5@",     "XeF@d4@", "ClF@d3@",
};

constexpr std::array<std::string_view, 8> lewis_ions = {
    "CO", "NO@u+@", "NH@d4@@u+@", "HO@d2@@u-@", "CN@u-@", "OH@u-@", "BF@d4@@u-@", "PF@d6@@u-@",
};

struct ShapedSpecies {
    std::string_view formula;
    std::string_view shape;
};
constexpr std::array<ShapedSpecies, 20> molecular_shapes{{
    {"CO@d2@", "lineare"},
    {"CH@d4@", "tetraedrica"},
    {"HCN", "lineare"},
    {"SF@d6@", "ottaedrica"},
    {"PF@d5@", "bipiramidale trigonale"},
    {"BF@d3@", "triangolare equilatera"},
    {"NH@d3@", "piramidale"},
    {"H@d2@S", "angolata"},
    {"OF@d2@", "angolata"},
    {"NF@d3@", "piramidale"},
    {"PH@d3@", "piramidale"},
    {"SF@d4@", "a sella"},
    {"XeF@d2@", "lineare"},
    {"XeF@d4@", "planare quadrata"},
    {"ClF@d3@", "a T"},
    {"SO@d2@", "angolata"},
    {"I@d3@@u+@", "angolata"},
    {"ClO@d2@@u-@", "angolata"},
    {"I@d3@@u-@", "lineare"},
    {"ICl@d4@@u-@", "planare quadrata"},
}};

struct HybridisedSpecies {
    std::string_view formula;
    std::string_view hybrids;
    bool two_centres;
};
constexpr std::array<HybridisedSpecies, 14> hybridisation_list{{
    {"CO@d2@", "sp", false},
    {"CH@d4@", "sp@u3@", false},
    {"HCN", "sp", false},
    {"PH@d3@", "sp@u3@", false},
    {"SF@d2@", "sp@u3@", false},
    {"SF@d4@", "sp@u3@d", false},
    {"SF@d6@", "sp@u3@d@u2@", false},
    {"PF@d5@", "sp@u3@d", false},
    {"XeF@d2@", "sp@u3@d", false},
    {"XeF@d4@", "sp@u3@d@u2@", false},
    {"BF@d3@", "sp@u2@", false},
    {"C@d2@H@d2@", "sp", true},
    {"CH@d2@O", "sp@u2@", false},
    {"C@d2@H@d4@", "sp@u2@", true},
}};

struct ResonantSpecies {
    std::string_view formula;
    std::string_view answer;
};
constexpr std::array<ResonantSpecies, 5> resonance_list{{
    {"NO@d2@@u-@", "angolata; carica -1/2 su ogni ossigeno"},
    {"CO@d3@@u2-@", "triangolare equilatera; carica -2/3 su ogni ossigeno"},
    {"NO@d3@@u-@", "triangolare equilatera; carica -2/3 su ogni ossigeno e +1 sull'azoto"},
    {"O@d3@", "angolata; carica -1/2 su ciascun ossigeno laterale e +1 sul centrale"},
    {"SO@d3@@u2-@", "piramidale; carica -2/3 su ogni ossigeno"},
}};

// The first six are polar.
constexpr std::array<std::string_view, 11> polarity_list = {
    "H@d2@O", "CO", "NH@d3@", "O@d3@", "SF@d4@", "CHCl@d3@", "CCl@d4@", "CO@d2@", "BF@d3@", "SF@d6@", "PF@d5@",
};

// The structure that the answer step draws below the answer.
void keep_lewis_structure(std::string_view formula, std::int32_t x, std::int32_t y)
{
    ElementsCompoundsState& state = elements_compounds_state;
    state.lewis_key = std::string(formula) + ";";
    state.lewis_x = x;
    state.lewis_y = y;
}

std::string charge_markup(std::string_view record)
{
    if (record[5] == ' ') return {};
    std::string charge = "@u";
    if (record[5] != '1') charge += record[5];
    return charge + record[6] + "@";
}

}  // namespace

void generate_problem_20()
{
    skip_random_draws(2);
    const std::string_view record = mo_species[pick_problem_variant(12, elements_compounds_state.last_draw[20], 0) - 1];
    problem_texts.problem_text = "Quali sono la configurazione elettronica e l'ordine di legame nella specie " +
                                 std::string(strip_trailing_blanks(record.substr(0, 5))) + charge_markup(record) +
                                 "? Quanti sono gli elettroni spaiati?";
    std::string& answer = problem_texts.answer_text;
    answer = full_2s_orbitals;
    // With ten valence electrons or fewer (those of N2), the 2s-2p mixing
    // puts the pi(2p) pair below sigma(2p).
    const bool like_nitrogen = record.substr(16, 3) == "000";
    answer += like_nitrogen ? std::string(full_pi_2p) + std::string(full_sigma_2p)
                            : std::string(full_sigma_2p) + std::string(full_pi_2p);
    // A blank lets the antibonding orbitals wrap to a line of their own:
    // the whole run is wider than the answer box.
    if (!like_nitrogen) answer += " ";
    for (std::size_t k = 0; k < antibonding_2p.size(); ++k) {
        const char electrons = record[16 + k];
        if (electrons != '0') answer += std::string(antibonding_2p[k]) + electrons + "@";
    }
    answer += "; ordine di legame:";
    const char order = record[10];
    answer += order == 'a' ? " 2.5" : order == 'b' ? " 1.5" : " " + std::string(1, order);
    // Unpaired electrons are the half-filled antibonding orbitals.
    constexpr std::array<std::string_view, 3> unpaired = {"; nessun elettrone spaiato", "; un elettrone spaiato",
                                                          "; due elettroni spaiati"};
    answer += unpaired[std::count(record.begin() + 16, record.end(), '1')];
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(270, 160, 280);
}

// The answer's markup moves the pen 5 pixels right before each antibonding
// star: room for a Greek face that leans out past its width. These letters
// lean within theirs, so the star is drawn beside its letter, as the
// exported answer writes it.
void answer_problem_20()
{
    constexpr std::string_view pen_move = "@x5@", star = "@u*@";
    std::string shown = problem_texts.answer_text;
    for (std::size_t at = shown.find(pen_move); at != std::string::npos; at = shown.find(pen_move, at)) {
        if (shown.compare(at + pen_move.size(), star.size(), star) == 0)
            shown.erase(at, pen_move.size());
        else
            at += pen_move.size();
    }
    draw_answer_box(200, 550, 100, shown);
}

void generate_problem_21()
{
    skip_random_draws(4);
    const std::int32_t v = pick_problem_variant(32, elements_compounds_state.last_draw[21], 0);
    const std::string_view formula = valence_bond_formulas[v - 1];
    const bool two_letter_first = (v - 1) % 16 >= 12;
    const std::size_t split = two_letter_first ? 2 : 1;
    const std::int32_t first = element_of_symbol(formula.substr(0, split));
    const std::int32_t second = element_of_symbol(formula.substr(split, 1));
    problem_texts.problem_text = "Secondo la teoria del legame di valenza, " + element_name(first) + " e " +
                                 element_name(second) + " possono formare una molecola neutra stabile di formula " +
                                 std::string(formula) + "?";
    problem_texts.answer_text = v <= 16 ? "Sì" : "No";
    draw_problem_text(260, 560, 50);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_22()
{
    skip_random_draws(2);
    const std::int32_t v = pick_problem_variant(22, elements_compounds_state.last_draw[22], 0);
    const std::string_view formula = lewis_molecules[v - 1];
    problem_texts.problem_text = "Scrivere la formula di Lewis di " + std::string(formula);
    // The pen goes down before the "." so that the box holds the structure.
    if (v <= 6) {
        problem_texts.answer_text = "@x-100@@y25@.";
        keep_lewis_structure(formula, 300, 100);
    } else if (v <= 16) {
        problem_texts.answer_text = "@x-100@@y30@.";
        keep_lewis_structure(formula, 310, 90);
    } else {
        problem_texts.answer_text = "@x-100@@y45@.";
        keep_lewis_structure(formula, 310, 110);
    }
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_23()
{
    skip_random_draws(3);
    const std::string_view formula = lewis_ions[pick_problem_variant(8, elements_compounds_state.last_draw[23], 0) - 1];
    problem_texts.problem_text = "Scrivere la formula di Lewis di " + std::string(formula) +
                                 ", esplicitando le cariche formali eventualmente presenti";
    problem_texts.answer_text = "@x-100@@y50@.";
    keep_lewis_structure(formula, 440, 105);
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_24()
{
    skip_random_draws(7);
    const ShapedSpecies& species =
        molecular_shapes[pick_problem_variant(20, elements_compounds_state.last_draw[24], 0) - 1];
    problem_texts.problem_text = "Qual è la forma di " + std::string(species.formula) + "?";
    problem_texts.answer_text = species.shape;
    draw_problem_text(220, 560, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_25()
{
    skip_random_draws(1);
    discard_coin_tosses(5);
    const HybridisedSpecies& species =
        hybridisation_list[pick_problem_variant(14, elements_compounds_state.last_draw[25], 0) - 1];
    problem_texts.problem_text = std::string("Quali orbitali ibridi sono utilizzati ") +
                                 (species.two_centres ? "dagli atomi centrali" : "dall'atomo centrale") + " in " +
                                 std::string(species.formula) + "?";
    problem_texts.answer_text = std::string(species.hybrids) + "@x-1000@@y50@.";
    keep_lewis_structure(species.formula, 330, 105);
    draw_problem_text(190, 570, 50);
    show_chemistry_fact(270, 160, 280);
}

void generate_problem_26()
{
    skip_random_draws(2);
    // Variant 1 asks about hybrids, variant 2 about a shape.
    pose_true_false_statement(pick_problem_variant(2, elements_compounds_state.last_draw[26], 0) + 2);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_27()
{
    skip_random_draws(4);
    discard_coin_tosses(5);
    const ResonantSpecies& species =
        resonance_list[pick_problem_variant(5, elements_compounds_state.last_draw[27], 0) - 1];
    problem_texts.problem_text = "Scrivere le formule limite più stabili per " + std::string(species.formula) +
                                 ". Qual è la forma della molecola? Qual è la carica sui vari atomi?";
    problem_texts.answer_text = std::string(species.answer) + "@x-1000@@y75@.";
    keep_lewis_structure(species.formula, 200, 150);
    draw_problem_text(170, 550, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_28()
{
    skip_random_draws(1);
    discard_coin_tosses(5);
    const std::int32_t v = pick_problem_variant(11, elements_compounds_state.last_draw[28], 0);
    problem_texts.problem_text =
        "Sulla base della formula di Lewis, della geometria molecolare e delle elettronegatività, si prevede che la "
        "molecola di " +
        std::string(polarity_list[v - 1]) + " sia polare?";
    problem_texts.answer_text = v <= 6 ? "Polare" : "Apolare";
    draw_problem_text(190, 570, 50);
    show_chemistry_fact(270, 160, 280);
}

}  // namespace elements_compounds

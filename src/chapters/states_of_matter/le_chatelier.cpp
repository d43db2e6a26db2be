// Section "Principio di Le Châtelier", problem 41: how a two-phase system of
// carbon dioxide or water answers a change of pressure or temperature.
#include <string>
#include <string_view>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"

namespace states_of_matter {
namespace {

constexpr std::string_view substances[] = {" CO@d2@ ", " H@d2@O "};
constexpr std::string_view phase_pairs[] = {" allo stato solido e liquido ", " allo stato solido e gassoso ",
                                            " allo stato liquido e gassoso "};
constexpr std::string_view directions[] = {" un aumento ", " una diminuzione "};
constexpr std::string_view quantities[] = {" di pressione a @iT@ costante? ", " di temperatura a @iP@ costante? "};

// The phase change, by pair of phases and change: [pair][quantity][direction].
// Under pressure carbon dioxide and water differ only between solid and
// liquid; water's solid is the lighter.
constexpr std::string_view changes[3][2][2] = {
    {{"da liquido a solido", "da solido a liquido"}, {"da solido a liquido", "da liquido a solido"}},
    {{"da gas a solido", "da solido a gas"}, {"da solido a gas", "da gas a solido"}},
    {{"da gas a liquido", "da liquido a gas"}, {"da liquido a gas", "da gas a liquido"}},
};
constexpr std::string_view effects[2][2] = {{"diminuendo il volume", "aumentando il volume"},
                                            {"assorbendo calore", "cedendo calore"}};

}  // namespace

void generate_problem_41()
{
    skip_random_draws(4);
    const std::int32_t v = pick_problem_variant(3, states_of_matter_state.last_draw[41], 0);
    std::string& text = problem_texts.problem_text;
    text = "Sulla base del principio di Le Châtelier, quale trasformazione avviene se un sistema contenente ";
    const std::int32_t c = random_int(1, 2);
    append_piece(text, substances[c - 1]);
    append_piece(text, phase_pairs[v - 1]);
    append_piece(text, " in equilibrio è sottoposto a");
    const std::int32_t d = random_int(1, 2);
    append_piece(text, directions[d - 1]);
    const std::int32_t q = random_int(1, 2);
    append_piece(text, quantities[q - 1]);

    std::string_view change = changes[v - 1][q - 1][d - 1];
    if (v == 1 && q == 1 && c == 2) change = changes[v - 1][q - 1][2 - d];
    problem_texts.answer_text = std::string(change) + ", " + std::string(effects[q - 1][d - 1]);
    draw_problem_text(200, 560, 50);
    show_chemistry_fact(200, 160, 360);
}

}  // namespace states_of_matter

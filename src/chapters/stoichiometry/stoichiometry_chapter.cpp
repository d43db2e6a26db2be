#include "chapters/stoichiometry/stoichiometry_chapter.h"

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"
#include "frame/statement_equation.h"

StoichiometryState stoichiometry_state;

namespace stoichiometry {
namespace {

// Band 1 is 15 pixels high, the others 20 and touching.
constexpr ChapterSection sections[] = {
    {"Mole e massa molare", 1, 40, 55},  {"Analisi elementare", 11, 60, 80},     {"Miscele di composti", 16, 80, 100},
    {"Reazioni chimiche", 25, 100, 120}, {"Rapporti di reazione", 30, 120, 140},
};

// Problems 1 to 4 draw their answer as built; the others left-adjusted.
constexpr ProblemBlock blocks[] = {
    {2, generate_problem_1, answer_box_at<350, 550, 110>},
    {2, generate_problem_2, answer_box_at<220, 550, 115>},
    {3, generate_problem_3, answer_box_at<200, 500, 260>},
    {3, generate_problem_4, answer_box_at<220, 550, 125>},
    {2, generate_problem_5, left_adjusted_answer_at<170, 560, 265>},
    {2, generate_problem_6, left_adjusted_answer_at<380, 560, 135>},
    {3, generate_problem_7, left_adjusted_answer_at<440, 580, 270>},
    {3, generate_problem_8, left_adjusted_answer_at<400, 560, 120>},
    {3, generate_problem_9, left_adjusted_answer_at<180, 560, 200>},
    {3, generate_problem_10, left_adjusted_answer_at<180, 560, 125>},
    {3, generate_problem_11, left_adjusted_answer_at<420, 560, 130>},
    {3, generate_problem_12, left_adjusted_answer_at<170, 560, 270>},
    {3, generate_problem_13, left_adjusted_answer_at<170, 560, 125>},
    {3, generate_problem_14, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_15, left_adjusted_answer_at<360, 580, 140>},
    {3, generate_problem_16, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_17, left_adjusted_answer_at<480, 580, 200>},
    {3, generate_problem_18, left_adjusted_answer_at<180, 560, 130>},
    {3, generate_problem_19, left_adjusted_answer_at<180, 560, 270>},
    {4, generate_problem_20, left_adjusted_answer_at<420, 560, 270>},
    {3, generate_problem_21, left_adjusted_answer_at<460, 560, 130>},
    {4, generate_problem_22, left_adjusted_answer_at<170, 580, 270>},
    {4, generate_problem_23, left_adjusted_answer_at<180, 560, 270>},
    {5, generate_problem_24, left_adjusted_answer_at<180, 560, 150>},
    {2, generate_problem_25, left_adjusted_answer_at<160, 585, 125>},
    {2, generate_problem_26, left_adjusted_answer_at<160, 585, 120>},
    {2, generate_problem_27, left_adjusted_answer_at<160, 585, 125>},
    {3, generate_problem_28, left_adjusted_answer_at<160, 585, 120>},
    {3, generate_problem_29, left_adjusted_answer_at<160, 585, 125>},
    {3, generate_problem_30, left_adjusted_answer_at<160, 580, 250>},
    {3, generate_problem_31, left_adjusted_answer_at<160, 580, 250>},
    {3, generate_problem_32, left_adjusted_answer_at<160, 580, 250>},
    {3, generate_problem_33, left_adjusted_answer_at<160, 580, 250>},
};

}  // namespace
}  // namespace stoichiometry

void run_stoichiometry_chapter(GeneratorMode request)
{
    walk_problem_blocks(request, stoichiometry::sections, stoichiometry::blocks);
}

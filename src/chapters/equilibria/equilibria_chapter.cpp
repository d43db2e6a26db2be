#include "chapters/equilibria/equilibria_chapter.h"

#include "chapters/equilibria/equilibria_problems.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

EquilibriaState equilibria_state;

namespace equilibria {
namespace {

constexpr ChapterSection sections[] = {
    {"Costanti di equilibrio", 1, 40, 55},
    {"Calcoli di equilibrio", 6, 60, 75},
    {"Acidi e Basi", 16, 80, 95},
    {"Calcolo del pH", 20, 100, 115},
    {"Soluzioni tampone", 28, 120, 135},
    {"Titolazioni acido-base", 31, 140, 155},
    {"Prodotto di solubilità", 39, 160, 175},
};

constexpr ProblemBlock blocks[] = {
    {2, generate_problem_1, left_adjusted_answer_at<170, 580, 200>},
    {2, generate_problem_2, left_adjusted_answer_at<420, 560, 270>},
    {3, generate_problem_3, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_4, left_adjusted_answer_at<160, 580, 130>},
    {3, generate_problem_5, left_adjusted_answer_at<180, 560, 270>},
    {2, generate_problem_6, left_adjusted_answer_at<160, 580, 270>},
    {3, generate_problem_7, left_adjusted_answer_at<160, 580, 270>},
    {4, generate_problem_8, left_adjusted_answer_at<160, 580, 190>},
    {3, generate_problem_9, left_adjusted_answer_at<480, 580, 190>},
    {3, generate_problem_10, left_adjusted_answer_at<170, 570, 270>},
    {2, generate_problem_11, left_adjusted_answer_at<400, 580, 270>},
    {3, generate_problem_12, left_adjusted_answer_at<160, 580, 270>},
    {3, generate_problem_13, left_adjusted_answer_at<160, 580, 270>},
    {3, generate_problem_14, left_adjusted_answer_at<155, 585, 275>},
    {3, generate_problem_15, left_adjusted_answer_at<180, 580, 270>},
    // The two true-or-false answers are drawn as they stand.
    {2, generate_problem_16, answer_box_at<480, 580, 110>},
    {2, generate_problem_17, left_adjusted_answer_at<440, 580, 110>},
    {2, generate_problem_18, answer_box_at<180, 580, 270>},
    {2, generate_problem_19, left_adjusted_answer_at<480, 580, 200>},
    {3, generate_problem_20, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_21, left_adjusted_answer_at<480, 580, 200>},
    {3, generate_problem_22, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_23, left_adjusted_answer_at<400, 580, 270>},
    {3, generate_problem_24, left_adjusted_answer_at<170, 560, 200>},
    {3, generate_problem_25, left_adjusted_answer_at<400, 560, 120>},
    {4, generate_problem_26, left_adjusted_answer_at<400, 580, 270>},
    {4, generate_problem_27, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_28, left_adjusted_answer_at<400, 580, 270>},
    {3, generate_problem_29, left_adjusted_answer_at<170, 560, 200>},
    {3, generate_problem_30, left_adjusted_answer_at<440, 580, 270>},
    {3, generate_problem_31, left_adjusted_answer_at<180, 560, 200>},
    {3, generate_problem_32, left_adjusted_answer_at<180, 560, 120>},
    {3, generate_problem_33, left_adjusted_answer_at<460, 580, 125>},
    {3, generate_problem_34, left_adjusted_answer_at<480, 580, 270>},
    {3, generate_problem_35, left_adjusted_answer_at<180, 560, 200>},
    {3, generate_problem_36, left_adjusted_answer_at<480, 580, 200>},
    {3, generate_problem_37, left_adjusted_answer_at<180, 560, 240>},
    {4, generate_problem_38, left_adjusted_answer_at<440, 580, 270>},
    {3, generate_problem_39, left_adjusted_answer_at<180, 560, 270>},
    {4, generate_problem_40, left_adjusted_answer_at<460, 580, 270>},
    {4, generate_problem_41, left_adjusted_answer_at<180, 560, 270>},
    {4, generate_problem_42, left_adjusted_answer_at<180, 560, 270>},
    {5, generate_problem_43, left_adjusted_answer_at<340, 560, 270>},
};

}  // namespace
}  // namespace equilibria

void run_equilibria_chapter(GeneratorMode request)
{
    walk_problem_blocks(request, equilibria::sections, equilibria::blocks);
}

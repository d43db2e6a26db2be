#include "chapters/equil/equilibria_chapter.h"

#include "chapters/equil/equil_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

EquilibriaState equilibria_state;

namespace {

using namespace equil;

constexpr ChapterSection first_sections[] = {
    {"Costanti di equilibrio", 1, 40, 55}, {"Calcoli di equilibrio", 6, 60, 75},
    {"Acidi e Basi", 16, 80, 95},          {"Calcolo del pH", 20, 100, 115},
    {"Soluzioni tampone", 28, 120, 135},
};

constexpr ChapterSection cont_sections[] = {
    {"Titolazioni acido-base", 31, 140, 155},
    {"Prodotto di solubilità", 39, 160, 175},
};

constexpr ProblemBlock first_blocks[] = {
    {2, generate_problem_1, answer_left_adjusted<170, 580, 200>},
    {2, generate_problem_2, answer_left_adjusted<420, 560, 270>},
    {3, generate_problem_3, answer_left_adjusted<180, 560, 270>},
    {3, generate_problem_4, answer_left_adjusted<160, 580, 130>},
    {3, generate_problem_5, answer_left_adjusted<180, 560, 270>},
    {2, generate_problem_6, answer_left_adjusted<160, 580, 270>},
    {3, generate_problem_7, answer_left_adjusted<160, 580, 270>},
    {4, generate_problem_8, answer_left_adjusted<160, 580, 190>},
    {3, generate_problem_9, answer_left_adjusted<480, 580, 190>},
    {3, generate_problem_10, answer_left_adjusted<170, 570, 270>},
    {2, generate_problem_11, answer_left_adjusted<400, 580, 270>},
    {3, generate_problem_12, answer_left_adjusted<160, 580, 270>},
    {3, generate_problem_13, answer_left_adjusted<160, 580, 270>},
    {3, generate_problem_14, answer_left_adjusted<155, 585, 275>},
    {3, generate_problem_15, answer_left_adjusted<180, 580, 270>},
    // The two true-or-false answers are drawn as they stand.
    {2, generate_problem_16, answer_box_at<480, 580, 110>},
    {2, generate_problem_17, answer_left_adjusted<440, 580, 110>},
    {2, generate_problem_18, answer_box_at<180, 580, 270>},
    {2, generate_problem_19, answer_left_adjusted<480, 580, 200>},
    {3, generate_problem_20, answer_left_adjusted<180, 560, 270>},
    {3, generate_problem_21, answer_left_adjusted<480, 580, 200>},
    {3, generate_problem_22, answer_left_adjusted<180, 560, 270>},
    {3, generate_problem_23, answer_left_adjusted<400, 580, 270>},
    {3, generate_problem_24, answer_left_adjusted<170, 560, 200>},
    {3, generate_problem_25, answer_left_adjusted<400, 560, 120>},
    {4, generate_problem_26, answer_left_adjusted<400, 580, 270>},
    {4, generate_problem_27, answer_left_adjusted<180, 560, 270>},
    {3, generate_problem_28, answer_left_adjusted<400, 580, 270>},
    {3, generate_problem_29, answer_left_adjusted<170, 560, 200>},
    {3, generate_problem_30, answer_left_adjusted<440, 580, 270>},
};

constexpr ProblemBlock cont_blocks[] = {
    {3, generate_problem_31, answer_left_adjusted<180, 560, 200>},
    {3, generate_problem_32, answer_left_adjusted<180, 560, 120>},
    {3, generate_problem_33, answer_left_adjusted<460, 580, 125>},
    {3, generate_problem_34, answer_left_adjusted<480, 580, 270>},
    {3, generate_problem_35, answer_left_adjusted<180, 560, 200>},
    {3, generate_problem_36, answer_left_adjusted<480, 580, 200>},
    {3, generate_problem_37, answer_left_adjusted<180, 560, 240>},
    {4, generate_problem_38, answer_left_adjusted<440, 580, 270>},
    {3, generate_problem_39, answer_left_adjusted<180, 560, 270>},
    {4, generate_problem_40, answer_left_adjusted<460, 580, 270>},
    {4, generate_problem_41, answer_left_adjusted<180, 560, 270>},
    {4, generate_problem_42, answer_left_adjusted<180, 560, 270>},
    {5, generate_problem_43, answer_left_adjusted<340, 560, 270>},
};

}  // namespace

void run_equilibria_chapter(std::int32_t request)
{
    std::int32_t& counter = equilibria_state.problem_counter;
    counter = 0;
    if (request == register_request) clear_chapter_sections();
    if (walk_problem_block_share(request, first_sections, first_blocks, counter)) return;
    run_equilibria_chapter_cont(counter, request);
}

void run_equilibria_chapter_cont(std::int32_t& counter, std::int32_t request)
{
    if (walk_problem_block_share(request, cont_sections, cont_blocks, counter)) return;
    app_state.problem_count = counter;
}

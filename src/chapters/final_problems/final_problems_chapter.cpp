#include "chapters/final_problems/final_problems_chapter.h"

#include "chapters/final_problems/final_problems_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

namespace final_problems {
namespace {

constexpr ChapterSection sections[] = {
    {"Sezione 1", 1, 40, 55},    {"Sezione 2", 9, 60, 75},    {"Sezione 3", 17, 80, 95},
    {"Sezione 4", 25, 100, 115}, {"Sezione 5", 33, 120, 135}, {"Sezione 6", 41, 140, 155},
};

constexpr ProblemBlock blocks[] = {
    {3, generate_problem_1, answer_box_at<160, 560, 270>},  {3, generate_problem_2, answer_box_at<180, 580, 270>},
    {3, generate_problem_3, answer_box_at<420, 580, 120>},  {4, generate_problem_4, answer_box_at<420, 580, 130>},
    {4, generate_problem_5, answer_box_at<170, 560, 200>},  {4, generate_problem_6, answer_box_at<170, 580, 200>},
    {3, generate_problem_7, answer_box_at<480, 580, 200>},  {3, generate_problem_8, answer_box_at<170, 580, 200>},
    {3, generate_problem_9, answer_box_at<160, 560, 270>},  {3, generate_problem_10, answer_box_at<380, 560, 270>},
    {3, generate_problem_11, answer_box_at<170, 560, 200>}, {4, generate_problem_12, answer_box_at<200, 580, 270>},
    {3, generate_problem_13, answer_box_at<320, 590, 270>}, {4, generate_problem_14, answer_box_at<180, 560, 270>},
    {4, generate_problem_15, answer_box_at<180, 560, 270>}, {4, generate_problem_16, answer_box_at<170, 580, 200>},
    {3, generate_problem_17, answer_box_at<160, 560, 270>}, {3, generate_problem_18, answer_box_at<480, 580, 270>},
    {3, generate_problem_19, answer_box_at<420, 580, 130>}, {3, generate_problem_20, answer_box_at<170, 560, 200>},
    {3, generate_problem_21, answer_box_at<170, 560, 200>}, {4, generate_problem_22, answer_box_at<170, 560, 270>},
    {4, generate_problem_23, answer_box_at<480, 580, 200>}, {3, generate_problem_24, answer_box_at<170, 580, 200>},
    {3, generate_problem_25, answer_box_at<180, 500, 270>}, {4, generate_problem_26, answer_box_at<180, 580, 270>},
    {4, generate_problem_27, answer_box_at<180, 580, 270>}, {3, generate_problem_28, answer_box_at<480, 580, 240>},
    {4, generate_problem_29, answer_box_at<160, 580, 190>}, {3, generate_problem_30, answer_box_at<170, 560, 200>},
    {3, generate_problem_31, answer_box_at<180, 560, 270>}, {3, generate_problem_32, answer_box_at<170, 580, 200>},
    {3, generate_problem_33, answer_box_at<480, 580, 270>}, {3, generate_problem_34, answer_box_at<180, 560, 270>},
    {4, generate_problem_35, answer_box_at<200, 580, 270>}, {4, generate_problem_36, answer_box_at<170, 560, 270>},
    {3, generate_problem_37, answer_box_at<300, 580, 270>}, {3, generate_problem_38, answer_box_at<480, 580, 200>},
    {4, generate_problem_39, answer_box_at<180, 560, 270>}, {3, generate_problem_40, answer_box_at<170, 580, 270>},
    {3, generate_problem_41, answer_box_at<360, 580, 140>}, {3, generate_problem_42, answer_box_at<180, 580, 270>},
    {4, generate_problem_43, answer_box_at<180, 580, 270>}, {4, generate_problem_44, answer_box_at<180, 580, 270>},
    {4, generate_problem_45, answer_box_at<170, 560, 200>}, {4, generate_problem_46, answer_box_at<480, 580, 200>},
    {4, generate_problem_47, answer_box_at<180, 560, 270>}, {3, generate_problem_48, answer_box_at<480, 580, 200>},
};

// Problem 13 draws its data as a table with lines, which the export cannot
// carry, whatever the request.
constexpr std::int32_t table_problem = 13;

}  // namespace
}  // namespace final_problems

void run_final_problems_chapter(GeneratorMode request)
{
    if (app_state.selected_problem == final_problems::table_problem) problem_texts.problem_printable = false;
    walk_problem_blocks(request, final_problems::sections, final_problems::blocks);
}

#include "chapters/solutions/solutions_chapter.h"

#include "chapters/solutions/solutions_problems.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"
#include "frame/statement_equation.h"

namespace solutions {
namespace {

constexpr ChapterSection sections[] = {
    {"Concentrazione", 1, 40, 55},
    {"Mescolamento", 10, 60, 75},
    {"Solubilità", 15, 80, 95},
    {"Tensione di vapore", 17, 100, 115},
    {"Proprietà colligative", 19, 120, 135},
    {"Reazioni in soluzione", 29, 140, 155},
};

constexpr ProblemBlock blocks[] = {
    {2, generate_problem_1, left_adjusted_answer_at<480, 560, 120>},
    {2, generate_problem_2, left_adjusted_answer_at<480, 580, 200>},
    {3, generate_problem_3, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_4, left_adjusted_answer_at<480, 560, 200>},
    {3, generate_problem_5, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_6, left_adjusted_answer_at<170, 560, 200>},
    {3, generate_problem_7, left_adjusted_answer_at<180, 560, 125>},
    {3, generate_problem_8, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_9, left_adjusted_answer_at<180, 560, 125>},
    {3, generate_problem_10, left_adjusted_answer_at<440, 580, 130>},
    {3, generate_problem_11, left_adjusted_answer_at<470, 560, 200>},
    {3, generate_problem_12, left_adjusted_answer_at<170, 560, 270>},
    {3, generate_problem_13, left_adjusted_answer_at<180, 580, 270>},
    {4, generate_problem_14, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_15, left_adjusted_answer_at<470, 580, 200>},
    {3, generate_problem_16, left_adjusted_answer_at<170, 560, 200>},
    {3, generate_problem_17, left_adjusted_answer_at<470, 580, 270>},
    {4, generate_problem_18, left_adjusted_answer_at<170, 560, 200>},
    {3, generate_problem_19, left_adjusted_answer_at<480, 580, 270>},
    {3, generate_problem_20, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_21, left_adjusted_answer_at<440, 580, 270>},
    {3, generate_problem_22, left_adjusted_answer_at<180, 560, 130>},
    {3, generate_problem_23, left_adjusted_answer_at<170, 560, 200>},
    {3, generate_problem_24, left_adjusted_answer_at<480, 580, 130>},
    {3, generate_problem_25, left_adjusted_answer_at<480, 580, 270>},
    {4, generate_problem_26, left_adjusted_answer_at<180, 560, 200>},
    {3, generate_problem_27, left_adjusted_answer_at<170, 560, 270>},
    {3, generate_problem_28, left_adjusted_answer_at<440, 580, 270>},
    {3, generate_problem_29, left_adjusted_answer_at<165, 580, 250>},
    {3, generate_problem_30, left_adjusted_answer_at<165, 580, 260>},
    {3, generate_problem_31, left_adjusted_answer_at<180, 560, 270>},
    {3, generate_problem_32, left_adjusted_answer_at<165, 580, 260>},
    {3, generate_problem_33, left_adjusted_answer_at<460, 580, 270>},
    {3, generate_problem_34, left_adjusted_answer_at<170, 580, 250>},
    {3, generate_problem_35, answer_box_at<480, 550, 180>},
    {3, generate_problem_36, answer_box_at<180, 550, 270>},
    {4, generate_problem_37, answer_box_at<460, 580, 125>},
};

}  // namespace
}  // namespace solutions

void run_solutions_chapter(GeneratorMode request)
{
    walk_problem_blocks(request, solutions::sections, solutions::blocks);
}

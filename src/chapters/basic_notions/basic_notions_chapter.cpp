#include "chapters/basic_notions/basic_notions_chapter.h"

#include "chapters/basic_notions/basic_notions_problems.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

namespace basic_notions {

BasicNotionsState basic_notions_state;

}  // namespace basic_notions

namespace basic_notions {
namespace {

constexpr ChapterSection sections[] = {
    {"Notazione scientifica", 1, 40, 55},      {"Cifre significative", 5, 60, 75}, {"Unità di misura", 12, 80, 95},
    {"Relazioni tra grandezze", 26, 100, 115}, {"Grafici", 32, 120, 135},
};

constexpr ProblemBlock blocks[] = {
    {1, generate_problem_1, answer_box_at<450, 500, 100>},
    {1, generate_problem_2, answer_box_at<180, 500, 250>},
    {1, generate_problem_3, answer_box_at<460, 580, 200>},
    {2, generate_problem_4, answer_box_at<180, 500, 200>},
    {1, generate_problem_5, answer_box_at<510, 500, 260>},
    {1, generate_problem_6, answer_box_at<470, 500, 110>},
    {1, generate_problem_7, answer_box_at<460, 500, 200>},
    {1, generate_problem_8, answer_box_at<420, 500, 200>},
    {4, generate_problem_9, answer_box_at<450, 500, 250>},
    {4, generate_problem_10, answer_box_at<180, 500, 270>},
    {2, generate_problem_11, answer_box_at<420, 500, 200>},
    {1, generate_problem_12, answer_box_at<180, 500, 270>},
    {1, generate_problem_13, answer_box_at<420, 580, 100>},
    {1, generate_problem_14, answer_box_at<180, 500, 270>},
    {1, generate_problem_15, answer_box_at<420, 580, 270>},
    {1, generate_problem_16, answer_box_at<350, 580, 270>},
    {1, generate_problem_17, answer_box_at<320, 530, 120>},
    {2, generate_problem_18, answer_box_at<300, 580, 140>},
    {1, generate_problem_19, answer_box_at<180, 500, 270>},
    {1, generate_problem_20, answer_box_at<350, 580, 270>},
    {2, generate_problem_21, answer_box_at<180, 500, 270>},
    {2, generate_problem_22, answer_box_at<410, 550, 145>},
    {2, generate_problem_23, answer_box_at<200, 550, 270>},
    {2, generate_problem_24, answer_box_at<410, 550, 270>},
    {2, generate_problem_25, answer_box_at<410, 550, 270>},
    {1, generate_problem_26, answer_box_at<410, 550, 270>},
    {1, generate_problem_27, answer_box_at<410, 550, 270>},
    {1, generate_problem_28, answer_problem_28},
    {3, generate_problem_29, answer_box_at<410, 550, 270>},
    {3, generate_problem_30, answer_box_at<410, 550, 270>},
    {3, generate_problem_31, answer_box_at<300, 550, 140>},
    {1, generate_problem_32, answer_problem_32},
    {1, generate_problem_33, answer_problem_33},
    {1, generate_problem_34, answer_problem_34},
    {2, generate_problem_35, answer_problem_35},
    {2, generate_problem_36, answer_problem_36},
    {3, generate_problem_37, answer_problem_37},
    {2, generate_problem_38, answer_problem_38},
    {3, generate_problem_39, answer_problem_39},
    {4, generate_problem_40, answer_problem_40},
    {4, generate_problem_41, answer_value_table_problem},
    {5, generate_problem_42, answer_value_table_problem},
    {5, generate_problem_43, answer_value_table_problem},
};

}  // namespace
}  // namespace basic_notions

void run_basic_notions_chapter(GeneratorMode request)
{
    walk_problem_blocks(request, basic_notions::sections, basic_notions::blocks);
}

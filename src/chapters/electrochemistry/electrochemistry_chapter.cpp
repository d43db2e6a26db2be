#include "chapters/electrochemistry/electrochemistry_chapter.h"

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

ElectrochemistryState electrochemistry_state;

namespace electrochemistry {
namespace {

constexpr ChapterSection sections[] = {
    {"Elettrolisi", 1, 40, 55},
    {"Celle galvaniche", 5, 60, 75},
    {"Potenziali standard", 7, 80, 95},
};

constexpr ProblemBlock blocks[] = {
    {2, generate_problem_1, answer_box_at<170, 580, 200>},  {3, generate_problem_2, answer_box_at<460, 580, 270>},
    {3, generate_problem_3, answer_box_at<170, 580, 200>},  {3, generate_problem_4, answer_box_at<170, 580, 200>},
    {3, generate_problem_5, answer_box_at<480, 580, 200>},  {3, generate_problem_6, answer_box_at<170, 580, 270>},
    {3, generate_problem_7, answer_box_at<480, 580, 200>},  {3, generate_problem_8, answer_box_at<170, 580, 270>},
    {3, generate_problem_9, answer_box_at<480, 580, 180>},  {3, generate_problem_10, answer_box_at<170, 580, 270>},
    {3, generate_problem_11, answer_box_at<480, 580, 180>}, {3, generate_problem_12, answer_box_at<170, 580, 270>},
    {3, generate_problem_13, answer_box_at<480, 580, 270>}, {4, generate_problem_14, answer_box_at<170, 580, 220>},
};

}  // namespace
}  // namespace electrochemistry

void run_electrochemistry_chapter(GeneratorMode request)
{
    walk_problem_blocks(request, electrochemistry::sections, electrochemistry::blocks);
}

#include "chapters/states_of_matter/states_of_matter_chapter.h"

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

StatesOfMatterState states_of_matter_state;

namespace states_of_matter {
namespace {

constexpr ChapterSection sections[] = {
    {"Leggi del gas ideale", 1, 40, 55},  {"Miscele di gas ideali", 15, 60, 75},
    {"Teoria cinetica", 22, 80, 95},      {"Gas reali", 26, 100, 115},
    {"Solidi e liquidi", 29, 120, 135},   {"Tensione di vapore", 35, 140, 155},
    {"Diagrammi di stato", 37, 160, 175}, {"Principio di Le Châtelier", 41, 180, 195},
};

constexpr ProblemBlock blocks[] = {
    {2, generate_problem_1, answer_box_at<350, 500, 130>},  {2, generate_problem_2, answer_box_at<165, 500, 200>},
    {2, generate_problem_3, answer_box_at<450, 570, 130>},  {2, generate_problem_4, answer_box_at<160, 500, 270>},
    {2, generate_problem_5, answer_box_at<480, 580, 270>},  {2, generate_problem_6, answer_box_at<470, 580, 120>},
    {3, generate_problem_7, answer_box_at<420, 580, 270>},  {3, generate_problem_8, answer_box_at<200, 500, 115>},
    {3, generate_problem_9, answer_box_at<460, 560, 270>},  {3, generate_problem_10, answer_box_at<440, 560, 120>},
    {3, generate_problem_11, answer_box_at<350, 500, 270>}, {3, generate_problem_12, answer_box_at<470, 580, 115>},
    {3, generate_problem_13, answer_box_at<170, 500, 120>}, {3, generate_problem_14, answer_box_at<360, 580, 140>},
    {3, generate_problem_15, answer_box_at<500, 580, 200>}, {3, generate_problem_16, answer_box_at<170, 500, 120>},
    {3, generate_problem_17, answer_box_at<180, 500, 270>}, {3, generate_problem_18, answer_box_at<400, 560, 270>},
    {3, generate_problem_19, answer_box_at<170, 560, 270>}, {3, generate_problem_20, answer_box_at<180, 560, 240>},
    {3, generate_problem_21, answer_box_at<170, 560, 270>}, {3, generate_problem_22, answer_box_at<170, 500, 110>},
    {3, generate_problem_23, answer_box_at<180, 500, 270>}, {3, generate_problem_24, answer_box_at<340, 580, 130>},
    {3, generate_problem_25, answer_box_at<170, 500, 200>}, {3, generate_problem_26, answer_box_at<170, 500, 270>},
    {4, generate_problem_27, answer_box_at<400, 580, 130>}, {4, generate_problem_28, answer_box_at<170, 500, 200>},
    {2, generate_problem_29, answer_box_at<460, 580, 120>}, {3, generate_problem_30, answer_box_at<460, 580, 270>},
    {3, generate_problem_31, answer_box_at<170, 500, 270>}, {3, generate_problem_32, answer_box_at<420, 580, 110>},
    {3, generate_problem_33, answer_box_at<480, 580, 200>}, {3, generate_problem_34, answer_box_at<430, 580, 135>},
    {3, generate_problem_35, answer_box_at<170, 500, 200>}, {4, generate_problem_36, answer_box_at<470, 580, 270>},
    {3, generate_problem_37, answer_box_at<425, 585, 230>}, {3, generate_problem_38, answer_box_at<425, 585, 200>},
    {3, generate_problem_39, answer_box_at<425, 585, 230>}, {3, generate_problem_40, answer_box_at<520, 580, 200>},
    {3, generate_problem_41, answer_box_at<170, 580, 270>},
};

}  // namespace
}  // namespace states_of_matter

void run_states_of_matter_chapter(GeneratorMode request)
{
    // The phase diagrams cannot be exported, whatever the request; every
    // walk passes the selected block, so the flag is cleared exactly then.
    const std::int32_t k = app_state.selected_problem;
    if (k >= 37 && k <= 39) problem_texts.problem_printable = false;
    walk_problem_blocks(request, states_of_matter::sections, states_of_matter::blocks);
}

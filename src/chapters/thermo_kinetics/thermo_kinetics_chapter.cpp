#include "chapters/thermo_kinetics/thermo_kinetics_chapter.h"

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

ThermoKineticsState thermo_kinetics_state;

namespace thermo_kinetics {
namespace {

constexpr ChapterSection sections[] = {
    {"Energia ed Entalpia", 1, 40, 55},       {"Entalpia di reazione", 10, 60, 75},
    {"Probabilità ed Entropia", 16, 80, 95},  {"Energia libera", 26, 100, 115},
    {"Costanti di equilibrio", 28, 120, 135}, {"Cinetica chimica", 31, 140, 155},
};

constexpr ProblemBlock blocks[] = {
    {2, generate_problem_1, answer_box_at<170, 560, 200>},  {2, generate_problem_2, answer_box_at<450, 580, 270>},
    {2, generate_problem_3, answer_box_at<180, 560, 130>},  {3, generate_problem_4, answer_box_at<180, 560, 270>},
    {3, generate_problem_5, answer_box_at<480, 580, 200>},  {4, generate_problem_6, answer_box_at<180, 560, 270>},
    {4, generate_problem_7, answer_box_at<475, 560, 220>},  {4, generate_problem_8, answer_box_at<170, 560, 200>},
    {3, generate_problem_9, answer_box_at<480, 580, 250>},  {3, generate_problem_10, answer_box_at<170, 560, 200>},
    {3, generate_problem_11, answer_box_at<380, 560, 270>}, {4, generate_problem_12, answer_box_at<170, 560, 200>},
    {3, generate_problem_13, answer_box_at<480, 580, 240>}, {3, generate_problem_14, answer_box_at<180, 580, 270>},
    {4, generate_problem_15, answer_box_at<480, 580, 190>}, {3, generate_problem_16, answer_box_at<180, 560, 270>},
    {4, generate_problem_17, answer_box_at<180, 560, 270>}, {5, generate_problem_18, answer_box_at<180, 560, 250>},
    {5, generate_problem_19, answer_box_at<180, 560, 270>}, {3, generate_problem_20, answer_box_at<470, 580, 170>},
    {4, generate_problem_21, answer_box_at<170, 560, 270>}, {3, generate_problem_22, answer_box_at<480, 580, 200>},
    {4, generate_problem_23, answer_box_at<170, 560, 200>}, {3, generate_problem_24, answer_box_at<460, 580, 270>},
    {4, generate_problem_25, answer_box_at<480, 580, 180>}, {3, generate_problem_26, answer_box_at<160, 580, 270>},
    {3, generate_problem_27, answer_box_at<420, 580, 270>}, {3, generate_problem_28, answer_box_at<160, 580, 200>},
    {4, generate_problem_29, answer_box_at<160, 580, 270>}, {4, generate_problem_30, answer_box_at<380, 560, 270>},
    {3, generate_problem_31, answer_box_at<170, 550, 270>}, {3, generate_problem_32, answer_box_at<170, 560, 200>},
    {3, generate_problem_33, answer_box_at<420, 560, 270>}, {3, generate_problem_34, answer_box_at<170, 560, 200>},
    {3, generate_problem_35, answer_box_at<380, 560, 270>}, {3, generate_problem_36, answer_box_at<170, 560, 200>},
    {3, generate_problem_37, answer_box_at<180, 560, 125>}, {3, generate_problem_38, answer_box_at<170, 560, 200>},
};

// Problem 31 draws a table: its page is never exported, whatever the request.
constexpr std::int32_t rate_table_problem = 31;

}  // namespace
}  // namespace thermo_kinetics

void run_thermo_kinetics_chapter(GeneratorMode request)
{
    walk_problem_blocks(request, thermo_kinetics::sections, thermo_kinetics::blocks);
    if (app_state.selected_problem == thermo_kinetics::rate_table_problem) problem_texts.problem_printable = false;
}

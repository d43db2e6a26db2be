#include "chapters/elements_compounds/elements_compounds_chapter.h"

#include <algorithm>
#include <array>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

ElementsCompoundsState elements_compounds_state;

namespace elements_compounds {
namespace {

constexpr ChapterSection sections[] = {
    {"Atomi e massa atomica", 1, 40, 55},  {"Config. elettroniche", 6, 60, 80},
    {"Proprietà periodiche", 10, 80, 100}, {"Composti ionici", 17, 100, 120},
    {"Composti molecolari", 20, 120, 140}, {"Numero di ossidazione", 29, 140, 160},
    {"Nomenclatura", 32, 160, 180},
};

constexpr ProblemBlock blocks[] = {
    {1, generate_problem_1, answer_box_at<350, 500, 120>},
    {2, generate_problem_2, answer_box_at<430, 550, 120>},
    {2, generate_problem_3, answer_box_at<180, 470, 250>},
    {3, generate_problem_4, answer_box_at<350, 550, 270>},
    {2, generate_problem_5, answer_box_at<220, 550, 128>},
    {2, generate_problem_6, answer_box_at<170, 500, 270>},
    {2, generate_problem_7, answer_box_at<420, 550, 120>},
    {2, generate_problem_8, answer_box_at<350, 550, 190>},
    {3, generate_problem_9, answer_box_at<380, 580, 230>},
    {2, generate_problem_10, answer_problem_10},
    {3, generate_problem_11, answer_box_at<260, 550, 145>},
    {3, generate_problem_12, answer_box_at<260, 550, 145>},
    {3, generate_problem_13, answer_box_at<250, 550, 145>},
    {3, generate_problem_14, answer_box_at<250, 550, 145>},
    {3, generate_problem_15, answer_box_at<280, 550, 145>},
    {3, generate_problem_16, answer_problem_16},
    {3, generate_problem_17, answer_box_at<200, 580, 120>},
    {3, generate_problem_18, answer_box_at<450, 580, 110>},
    {3, generate_problem_19, answer_box_at<200, 580, 115>},
    {4, generate_problem_20, answer_problem_20},
    {3, generate_problem_21, answer_box_at<180, 380, 110>},
    {3, generate_problem_22, answer_with_lewis_structure<260, 380, 85>},
    {3, generate_problem_23, answer_with_lewis_structure<400, 520, 80>},
    {3, generate_problem_24, answer_box_at<350, 500, 90>},
    {3, generate_problem_25, answer_with_lewis_structure<260, 400, 80>},
    {3, generate_problem_26, answer_box_at<500, 580, 115>},
    {3, generate_problem_27, answer_with_lewis_structure<180, 520, 100>},
    {3, generate_problem_28, answer_box_at<180, 500, 200>},
    {2, generate_problem_29, answer_box_at<450, 500, 100>},
    {2, generate_problem_30, answer_box_at<190, 500, 115>},
    {3, generate_problem_31, answer_box_at<450, 500, 120>},
    {2, generate_problem_32, answer_box_at<200, 500, 120>},
    {2, generate_problem_33, answer_box_at<200, 500, 130>},
    {2, generate_problem_34, answer_box_at<300, 500, 130>},
    {2, generate_problem_35, answer_box_at<200, 500, 125>},
    {2, generate_problem_36, answer_box_at<200, 500, 130>},
    {3, generate_problem_37, answer_box_at<300, 550, 130>},
    {3, generate_problem_38, answer_box_at<200, 500, 120>},
    {3, generate_problem_39, answer_box_at<300, 550, 120>},
    {3, generate_problem_40, answer_box_at<500, 580, 110>},
};

// Pages with the periodic table to fill in or a Lewis structure in the
// answer cannot be exported, whatever the request.
constexpr std::array<std::int32_t, 5> unprintable_problems = {10, 16, 22, 23, 27};

}  // namespace
}  // namespace elements_compounds

void run_elements_compounds_chapter(GeneratorMode request)
{
    // Every walk passes the selected block when it lies in the chapter, so
    // the flag is cleared exactly when that block is reached.
    if (std::ranges::find(elements_compounds::unprintable_problems, app_state.selected_problem) !=
        elements_compounds::unprintable_problems.end())
        problem_texts.problem_printable = false;
    walk_problem_blocks(request, elements_compounds::sections, elements_compounds::blocks);
}

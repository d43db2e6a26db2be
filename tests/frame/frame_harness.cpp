#include "frame/frame_harness.h"

#include <array>

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "frame/program_services.h"
#include "numbers/random_stream.h"
#include "text/markup_text.h"

namespace frame_test {

std::vector<std::string>& generator_calls()
{
    static std::vector<std::string> calls;
    return calls;
}

std::string fake_data(std::int32_t chapter, std::int32_t problem)
{
    return std::to_string(chapter) + "." + std::to_string(problem) + "/" + std::to_string(random_int(1, 999999));
}

namespace {

void record(const char* request)
{
    generator_calls().push_back(std::to_string(app_state.current_chapter) + "." +
                                std::to_string(app_state.selected_problem) + ":" + request);
}

void generate()
{
    record("1");
    skip_random_draws(app_state.selected_problem);
    const std::string data = fake_data(app_state.current_chapter, app_state.selected_problem);
    problem_texts.problem_text = "Problema " + data;
    problem_texts.answer_text = "Risposta " + data;
    draw_markup_text(160, 60, problem_texts.problem_text);
}

void answer()
{
    record("2");
    draw_markup_text(160, 250, problem_texts.answer_text);
}

template <std::size_t N>
std::array<ProblemBlock, N> blocks_with_levels(const std::array<std::int32_t, N>& levels)
{
    std::array<ProblemBlock, N> blocks{};
    for (std::size_t i = 0; i < N; ++i) blocks[i] = {levels[i], generate, answer};
    return blocks;
}

void fake_chapter_1(GeneratorMode request)
{
    static constexpr ChapterSection sections[] = {
        {"Prima", 1, 40, 55}, {"Seconda", 5, 60, 75}, {"Terza", 12, 80, 95}, {"Quarta", 21, 100, 115}};
    static const auto blocks = [] {
        std::array<std::int32_t, 25> levels{};
        for (std::size_t i = 0; i < levels.size(); ++i) levels[i] = static_cast<std::int32_t>(i % 5) + 1;
        return blocks_with_levels(levels);
    }();
    walk_problem_blocks(request, sections, blocks);
}

void fake_chapter_3(GeneratorMode request)
{
    static constexpr ChapterSection sections[] = {{"Uno", 1, 40, 55}, {"Due", 8, 60, 75}};
    static const auto blocks = blocks_with_levels<14>({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2});
    walk_problem_blocks(request, sections, blocks);
}

void fake_chapter_5(GeneratorMode request)
{
    static constexpr ChapterSection sections[] = {{"Alta", 1, 40, 55}};
    static const auto blocks = blocks_with_levels<12>({4, 3, 5, 3, 4, 5, 3, 4, 5, 3, 4, 5});
    walk_problem_blocks(request, sections, blocks);
}

}  // namespace

void register_fake_chapters()
{
    chapter_generators = {};
    register_chapter_generator(1, fake_chapter_1);
    register_chapter_generator(3, fake_chapter_3);
    register_chapter_generator(5, fake_chapter_5);
}

void start_program()
{
    register_fake_chapters();
    program_services = {};
    generator_calls().clear();
    initial_settings();
    main_program();
}

}  // namespace frame_test

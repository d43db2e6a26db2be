#include "frame/generator_protocol.h"

#include "frame/app_state.h"

ChapterGenerators chapter_generators;

namespace {

void clear_chapter_sections()
{
    ChapterIndex& index = chapter_index;
    index.section_count = 0;
    for (std::int32_t e = 1; e <= max_sections; ++e) {
        SidePanelEntry& entry = index.side_panel[e];
        entry.top = 0;
        entry.bottom = 0;
        entry.title.clear();
    }
}

}  // namespace

void walk_problem_blocks(GeneratorMode request, std::span<const ChapterSection> sections,
                         std::span<const ProblemBlock> blocks)
{
    ChapterIndex& index = chapter_index;
    const bool registering = request == GeneratorMode::register_chapter;
    if (registering) clear_chapter_sections();
    std::size_t next_section = 0;
    std::int32_t k = 0;
    for (const ProblemBlock& block : blocks) {
        if (k >= max_problems) break;
        if (registering) {
            while (next_section < sections.size() && sections[next_section].first_problem <= k + 1) {
                const ChapterSection& section = sections[next_section++];
                if (section.first_problem != k + 1 || index.section_count == max_sections) continue;
                SidePanelEntry& entry = index.side_panel[++index.section_count];
                entry.top = section.top;
                entry.bottom = section.bottom;
                entry.first_problem = k + 1;
                entry.title = section.title;
            }
        }
        ++k;
        index.problem_level[k] = block.level;
        if (app_state.selected_problem != k) continue;
        if (request == GeneratorMode::generate) {
            if (block.generate) block.generate();
            return;
        }
        if (request == GeneratorMode::answer) {
            if (block.answer) block.answer();
            return;
        }
    }
    app_state.problem_count = k;
}

void register_chapter_generator(std::int32_t chapter, ChapterGenerator generator, ChapterMemory memory)
{
    if (chapter < 1 || chapter > 9) return;
    chapter_generators.by_chapter[chapter] = generator;
    chapter_generators.memory[chapter] = memory;
}

bool chapter_available(std::int32_t chapter)
{
    return chapter >= 1 && chapter <= 9 && chapter_generators.by_chapter[chapter] != nullptr;
}

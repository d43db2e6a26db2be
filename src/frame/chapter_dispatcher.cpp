#include "frame/chapter_dispatcher.h"

#include "frame/app_state.h"
#include "frame/generator_protocol.h"

void run_chapter_generator(GeneratorMode request)
{
    problem_texts.problem_printable = true;
    if (!chapter_available(app_state.current_chapter)) return;
    chapter_generators.by_chapter[app_state.current_chapter](request);
}

std::any keep_chapter_memory()
{
    if (!chapter_available(app_state.current_chapter)) return {};
    const ChapterMemory& memory = chapter_generators.memory[app_state.current_chapter];
    return memory.keep ? memory.keep() : std::any{};
}

void put_back_chapter_memory(const std::any& kept)
{
    if (!chapter_available(app_state.current_chapter) || !kept.has_value()) return;
    const ChapterMemory& memory = chapter_generators.memory[app_state.current_chapter];
    if (memory.put_back) memory.put_back(kept);
}

#include "frame/chapter_dispatcher.h"

#include "frame/app_state.h"
#include "frame/generator_protocol.h"

void run_chapter_generator(GeneratorMode request)
{
    problem_texts.problem_printable = true;
    if (!chapter_available(app_state.current_chapter)) return;
    chapter_generators.by_chapter[app_state.current_chapter](request);
}
